#include "tools/sampledata/card_screen_layouts.h"

#include <algorithm>

#include "engine/draw/screen_type.h"
#include "engine/files/settings.h"
#include "screens/cards/state_card.h"
#include "tools/sampledata/card_table_art.h"
#include "tools/sampledata/layout_rows.h"
#include "ui/dialogs/dialog_card_bet.h"

namespace {

using Table = SStateCard;
using Bet = SDialogCardBet;

// Sizes on a screen mode, in pixels: a card as card_art.cpp draws it, a line of font 1, the
// width "hp: 40/40" takes in it, the give-up button as card_table_art.cpp draws it, the page
// buttons as interface_art.cpp draws them.
struct Metrics {
    int cardW, cardH, line, hpW, giveUp, pageButton, margin, gap;
};

Metrics metricsOf(uint16_t mode) {
    if (IsSmallScreenType(mode)) return {36, 50, 15, 46, kGiveUpSize, 24, 2, 2};
    return {56, 78, IsLargeScreenMode(mode) ? 26 : 20, 96, kGiveUpSize, 36, 6, 4};
}

// From the top: the opponent's hand with its pile at the right; its portrait over its hp, its
// markers and the table card; the card text across the screen in whatever height is left; the
// player's portrait and hp, markers and the give-up button; the player's hand and pile.
SLayoutMode tableLayout(uint16_t mode, int width, int height) {
    const Metrics k = metricsOf(mode);
    const int pitch = k.cardW + k.gap, rowPitch = k.cardH + k.gap;
    const int portrait = k.cardH - k.line;
    std::vector<SLayoutRow> rows{ClampedRow(Table::kBackground, 0, 0, width, height)};
    auto hand = [&](const std::array<uint32_t, kHandSlots>& ids, uint32_t pile, int y) {
        for (int i = 0; i < kHandSlots; ++i)
            rows.push_back(ClampedRow(int(ids[size_t(i)]), k.margin + i * pitch, y, k.cardW, k.cardH));
        rows.push_back(ClampedRow(int(pile), width - k.margin - k.cardW, y, k.cardW, k.cardH));
    };
    // Answers where the row's markers end.
    auto side = [&](uint32_t portraitId, uint32_t hp, uint32_t firstMarker, int y) {
        const int column = std::max(portrait, k.hpW), markersX = k.margin + column + 2 * k.gap;
        rows.push_back(ClampedRow(int(portraitId), k.margin + (column - portrait) / 2, y, portrait, portrait));
        rows.push_back(ClampedRow(int(hp), 0, y + portrait, markersX - k.gap, k.line));
        for (int i = 0; i < kMarkerSlots; ++i)
            rows.push_back(ClampedRow(int(firstMarker) + i, markersX + i * pitch, y, k.cardW, k.cardH));
        return markersX + kMarkerSlots * pitch;
    };
    const int opponentHand = k.margin, opponentSide = opponentHand + rowPitch;
    // The player's row stands clear of a hand card raised by a fifth of its height.
    const int playerHand = height - k.margin - k.cardH, playerSide = playerHand - rowPitch - k.cardH / 5;
    hand(Table::kOpponentHand, Table::kOpponentPile, opponentHand);
    const int tableX = side(Table::kOpponentPortrait, Table::kOpponentHp, Table::kOpponentMarker0, opponentSide);
    rows.push_back(ClampedRow(Table::kTableCard, tableX + k.gap, opponentSide, k.cardW, k.cardH));
    const int giveUpX = side(Table::kPlayerPortrait, Table::kPlayerHp, Table::kPlayerMarker0, playerSide);
    rows.push_back(
        ClampedRow(Table::kGiveUp, giveUpX + k.gap, playerSide + (k.cardH - k.giveUp) / 2, k.giveUp, k.giveUp));
    hand(Table::kPlayerHand, Table::kPlayerPile, playerHand);
    const int textY = opponentSide + rowPitch, textH = playerSide - k.gap - textY;
    rows.push_back(ClampedRow(Table::kTextFrame, k.margin, textY, width - 2 * k.margin, textH));
    rows.push_back(ClampedRow(Table::kCardText, k.margin + 4, textY + 3, width - 2 * k.margin - 8, textH - 6));
    return {mode, uint16_t(width), uint16_t(height), std::move(rows)};
}

// The title; minimum, lower, the amount, raise and maximum across the middle; accept at the bottom
// left and cancel at the bottom right.
SLayoutMode betLayout(uint16_t mode, int width, int height) {
    const Metrics k = metricsOf(mode);
    const bool large = !IsSmallScreenType(mode);
    const int w = std::min(width - 8, large ? 300 : 190), h = std::min(height - 8, large ? 190 : 120);
    const int m = large ? 8 : 4, titleH = k.line + 6, arrowW = 20, arrowH = 12;
    const int middle = m + titleH + (h - 2 * m - titleH - k.pageButton) / 2;
    const int amountX = m + k.pageButton + arrowW + 2 * m, amountW = w - 2 * amountX;
    std::vector<SLayoutRow> rows{
        ClampedRow(19, 0, 0, w, h),
        ClampedRow(Bet::kTitle, m, m, w - 2 * m, titleH),
        ClampedRow(Bet::kMinimum, m, middle - k.pageButton / 2, k.pageButton, k.pageButton),
        ClampedRow(Bet::kLower, m + k.pageButton + m, middle - arrowH / 2, arrowW, arrowH),
        ClampedRow(Bet::kAmount, amountX, middle - k.line / 2 - 2, amountW, k.line + 4),
        ClampedRow(Bet::kRaise, w - m - k.pageButton - m - arrowW, middle - arrowH / 2, arrowW, arrowH),
        ClampedRow(Bet::kMaximum, w - m - k.pageButton, middle - k.pageButton / 2, k.pageButton, k.pageButton),
        ClampedRow(Bet::kAccept, m, h - m - k.pageButton, k.pageButton, k.pageButton),
        ClampedRow(Bet::kCancel, w - m - k.pageButton, h - m - k.pageButton, k.pageButton, k.pageButton),
    };
    return {mode, uint16_t(w), uint16_t(h), std::move(rows)};
}

}  // namespace

void AddCardScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height) {
    LayoutDialogOf(dialogs, uint16_t(Table::kLayout)).modes.push_back(tableLayout(mode, width, height));
    LayoutDialogOf(dialogs, uint16_t(Bet::kLayout)).modes.push_back(betLayout(mode, width, height));
}
