#include "tools/sampledata/conversation_screen_layouts.h"

#include <algorithm>

#include "engine/draw/screen_type.h"
#include "engine/files/settings.h"
#include "screens/conversation/state_dialog.h"
#include "screens/interior/state_dialog_interior.h"
#include "screens/shop/state_shop.h"
#include "tools/sampledata/interface_art.h"
#include "tools/sampledata/layout_rows.h"

namespace {

using Talk = SStateDialog;
using Inside = SStateDialogInterior;
using Shop = SStateShop;

// The sample faces are 50 pixels square and their frames leave a few pixels round them; the small
// frames' separators are 3 pixels thick.
constexpr int kFace = 50;
constexpr int kFrame = 4;
constexpr int kSeparator = 3;
constexpr int kSmallFrameBorder = 3;
// The shop's status line has the small frame on every screen type (a line inside the large frame's
// border would take the panel's room); its text stays this far inside.
constexpr int kStatusBorder = kSmallFrameBorder + 1;

// `border`: how far a text stays inside its frame, the border of the frame set the screens draw
// (the small set on the small screen types, the large one elsewhere) and a pixel more.
struct Metrics {
    int margin, line, button, border;
};

// Text buttons are as tall as their bar pictures.
Metrics metricsOf(uint16_t mode, int fontHeight) {
    const bool small = IsSmallScreenType(mode);
    const int frame = small ? kSmallFrameBorder : LargeFrameBorder(IsLargeScreenMode(mode));
    return {small ? 3 : 6, fontHeight, TextButtonBarHeight(IsLargeScreenMode(mode)), frame + 1};
}

// The portrait in its frame at the top left, the name in its frame beside it: the band every one
// of the three screens starts with. Answers the band's height.
int addHeader(std::vector<SLayoutRow>& rows, uint32_t nameFrame, int x, int y, int w, const Metrics& k) {
    const int face = kFace + 2 * kFrame;
    rows.push_back(ClampedRow(Talk::kPortraitFrame, x, y, face, face));
    rows.push_back(ClampedRow(Talk::kPortrait, x + kFrame, y + kFrame, kFace, kFace));
    const int nameX = x + face + k.margin, nameW = w - face - k.margin;
    rows.push_back(ClampedRow(int(nameFrame), nameX, y, nameW, k.line + 2 * k.border + 4));
    rows.push_back(ClampedRow(Talk::kName, nameX + k.border, y + k.border + 2, nameW - 2 * k.border, k.line));
    return face;
}

// The header, then the text and the topic column: side by side on a wide screen, one over the
// other on a tall one. On types 5, 7 and 8 Goodbye stands under the portrait, so the text starts
// below it.
SLayoutMode conversationLayout(uint16_t mode, int width, int height, const Metrics& k) {
    std::vector<SLayoutRow> rows{ClampedRow(Talk::kBackground, 0, 0, width, height)};
    int top = k.margin + addHeader(rows, Talk::kNameFrame, k.margin, k.margin, width - 2 * k.margin, k) + k.margin;
    if (mode == 5 || mode == 7 || mode == 8) top += k.line + 4;
    const int inner = width - 2 * k.margin, below = height - top - k.margin;
    int textX = k.margin, textY = top, textW = inner, textH = below;
    int areaX = k.margin, areaY = top, areaW = inner, areaH = below;
    if (width > height) {
        textW = inner * 3 / 5;
        areaX = textX + textW + k.margin;
        areaW = inner - textW - k.margin;
    } else {
        textH = below * 11 / 20;
        areaY = top + textH + k.margin;
        areaH = below - textH - k.margin;
    }
    rows.push_back(ClampedRow(Talk::kTextFrame, textX, textY, textW, textH));
    rows.push_back(
        ClampedRow(Talk::kText, textX + k.border, textY + k.border, textW - 2 * k.border, textH - 2 * k.border));
    rows.push_back(ClampedRow(Talk::kTopicArea, areaX, areaY, areaW, areaH));
    return {mode, uint16_t(width), uint16_t(height), std::move(rows)};
}

// The building's picture across the top, the keeper and the welcome below it, the menu buttons
// in two columns at the bottom with Leave last.
SLayoutMode interiorLayout(uint16_t mode, int width, int height, const Metrics& k) {
    std::vector<SLayoutRow> rows{ClampedRow(Inside::kBackground, 0, 0, width, height)};
    const int inner = width - 2 * k.margin;
    const int menuRows = 3, menuH = menuRows * (k.button + k.margin);
    const int headerH = kFace + 2 * kFrame;
    // The name and three lines of the welcome in the large font.
    const int welcomeH = std::max(4 * k.line + 2 * k.border + 12, headerH);
    const int pictureH = std::max(height - 4 * k.margin - welcomeH - menuH, 0);
    rows.push_back(ClampedRow(Inside::kPicture, k.margin, k.margin, inner, pictureH));
    const int keeperY = 2 * k.margin + pictureH;
    const int face = kFace + 2 * kFrame;
    rows.push_back(ClampedRow(Inside::kPortraitFrame, k.margin, keeperY, face, face));
    rows.push_back(ClampedRow(Inside::kPortrait, k.margin + kFrame, keeperY + kFrame, kFace, kFace));
    const int textX = k.margin + face + k.margin, textW = width - textX - k.margin;
    rows.push_back(ClampedRow(Inside::kWelcomeFrame, textX, keeperY, textW, welcomeH));
    rows.push_back(ClampedRow(Inside::kName, textX + k.border, keeperY + k.border, textW - 2 * k.border, k.line));
    rows.push_back(ClampedRow(Inside::kWelcome, textX + k.border, keeperY + k.border + k.line + 2, textW - 2 * k.border,
                              welcomeH - 2 * k.border - k.line - 2));
    const int menuY = keeperY + welcomeH + k.margin, columnW = (inner - k.margin) / 2;
    for (int slot = 0; slot <= Inside::kMenuSlots; ++slot) {
        const int column = slot % 2, row = slot / 2;
        rows.push_back(ClampedRow(int(Inside::kFirstMenuElement) + slot, k.margin + column * (columnW + k.margin),
                                  menuY + row * (k.button + k.margin), columnW, k.button));
    }
    return {mode, uint16_t(width), uint16_t(height), std::move(rows)};
}

// The grid with its separators and outer frame.
void gridSize(uint16_t mode, int& w, int& h) {
    const SItemGridGeometry grid = Shop::GridGeometry(mode);
    w = int(grid.columns * grid.cellW) + int(grid.columns + 1) * kSeparator;
    h = int(grid.rows * grid.cellH) + int(grid.rows + 1) * kSeparator;
}

// On a wide screen the grid at the left and the merchant, the panel, the buttons and the status
// in a column beside it; on a tall one all of them under each other.
SLayoutMode shopLayout(uint16_t mode, int width, int height, const Metrics& k) {
    std::vector<SLayoutRow> rows{ClampedRow(Shop::kBackground, 0, 0, width, height)};
    int gridW = 0, gridH = 0;
    gridSize(mode, gridW, gridH);
    const bool wide = width - gridW - 3 * k.margin >= 120;
    int columnX = k.margin, columnY = k.margin, columnW = width - 2 * k.margin, gridX = k.margin, gridY = 0;
    if (wide) {
        gridY = k.margin;
        columnX = gridX + gridW + 2 * k.margin;
        columnW = width - columnX - k.margin;
    }
    columnY += addHeader(rows, Shop::kNameFrame, columnX, columnY, columnW, k) + k.margin;
    if (!wide) {
        gridY = columnY;
        columnY += gridH + 2 * k.margin;
    }
    rows.push_back(ClampedRow(Shop::kGridFrame, gridX - 1, gridY - 1, gridW + 2, gridH + 2));
    rows.push_back(ClampedRow(Shop::kGrid, gridX, gridY, gridW, gridH));
    const int buttonsH = std::max(k.button, IsSmallScreenType(mode) ? 24 : 36);
    // Types 5, 7 and 8 break the status into three or four short lines: it stands beside the panel
    // there; elsewhere it is one line under the buttons.
    const bool statusBeside = mode == 5 || mode == 7 || mode == 8;
    const int statusW = statusBeside ? 70 : columnW;
    const int infoW = statusBeside ? columnW - statusW - k.margin : columnW;
    // Where the buttons' row and the panel end above a status line of the given height.
    const auto buttonsTop = [&](int statusH) {
        return (statusBeside ? height : height - k.margin - statusH) - k.margin - buttonsH;
    };
    const auto infoHeight = [&](int statusH) { return std::max(buttonsTop(statusH) - k.margin - columnY, 0); };
    // Yes and no stand over the panel's foot, below the deal's two lines, where the panel has the
    // room; else in the status's place: beside the panel, or a status line made a button high.
    const auto roomBelowQuestion = [&](int infoH) {
        return infoH - 2 * k.border >= 2 * (k.line + 1) + k.margin + k.button;
    };
    // A status under the buttons is a line inside its frame, or a button high where the answers
    // stand in it.
    const int lineStatusH = statusBeside ? 0 : k.line + 2 * kStatusBorder;
    const bool answersInPanel = roomBelowQuestion(infoHeight(lineStatusH));
    const int statusH = answersInPanel || statusBeside ? lineStatusH : std::max(k.line, k.button) + 2 * kStatusBorder;
    const int statusY = height - k.margin - statusH;
    const int buttonsY = buttonsTop(statusH), infoH = infoHeight(statusH);
    rows.push_back(ClampedRow(Shop::kInfoFrame, columnX, columnY, infoW, infoH));
    rows.push_back(
        ClampedRow(Shop::kInfo, columnX + k.border, columnY + k.border, infoW - 2 * k.border, infoH - 2 * k.border));
    const int statusX = statusBeside ? columnX + infoW + k.margin : columnX;
    const int statusTop = statusBeside ? columnY : statusY, statusHeight = statusBeside ? infoH : statusH;
    // The status holds the answers where they stand in it: on the smallest screens it reaches into
    // its frame's border for them.
    const int statusInset = answersInPanel ? kStatusBorder : std::min(kStatusBorder, (statusHeight - k.button) / 2);
    rows.push_back(ClampedRow(Shop::kStatusFrame, statusX, statusTop, statusW, statusHeight));
    rows.push_back(ClampedRow(Shop::kStatus, statusX + kStatusBorder, statusTop + statusInset,
                              statusW - 2 * kStatusBorder, statusHeight - 2 * statusInset));
    // Page back, page on, buy, sell and back along one row.
    // A narrow column closes the gaps between the buttons before it would push the last one off.
    const int page = IsSmallScreenType(mode) ? 24 : 36,
              textButton = std::max((columnW - 3 * page - 4 * k.margin) / 2, 30);
    const int gap = std::clamp((columnW - 3 * page - 2 * textButton) / 4, 1, k.margin);
    int x = columnX;
    for (auto [id, w] :
         {std::pair{Shop::kPreviousPage, page}, std::pair{Shop::kNextPage, page}, std::pair{Shop::kBuy, textButton},
          std::pair{Shop::kSell, textButton}, std::pair{Shop::kBack, page}}) {
        const int h = w == page ? page : k.button;
        rows.push_back(ClampedRow(int(id), x, buttonsY + (buttonsH - h) / 2, w, h));
        x += w + gap;
    }
    const int answerW = std::max(columnW / 4, 36);
    if (answersInPanel) {
        const int answerY = buttonsY - k.margin - k.button - k.border;
        rows.push_back(ClampedRow(Shop::kYes, columnX + k.border, answerY, answerW, k.button));
        rows.push_back(ClampedRow(Shop::kNo, columnX + k.border + answerW + k.margin, answerY, answerW, k.button));
        return {mode, uint16_t(width), uint16_t(height), std::move(rows)};
    }
    // In the status's place: one over the other where it is high enough, else side by side.
    const int inner = statusW - 2 * kStatusBorder, answerX = statusX + kStatusBorder, answerY = statusTop + statusInset;
    const bool stacked = statusHeight >= 2 * (k.button + statusInset) + k.margin;
    const int w = stacked ? std::min(answerW, inner) : std::min(answerW, (inner - k.margin) / 2);
    rows.push_back(ClampedRow(Shop::kYes, answerX, answerY, w, k.button));
    rows.push_back(ClampedRow(Shop::kNo, stacked ? answerX : answerX + w + k.margin,
                              stacked ? answerY + k.button + k.margin : answerY, w, k.button));
    return {mode, uint16_t(width), uint16_t(height), std::move(rows)};
}

}  // namespace

void AddConversationScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height,
                                int fontHeight) {
    const Metrics k = metricsOf(mode, fontHeight);
    LayoutDialogOf(dialogs, uint16_t(Talk::kLayout)).modes.push_back(conversationLayout(mode, width, height, k));
    LayoutDialogOf(dialogs, uint16_t(Inside::kLayout)).modes.push_back(interiorLayout(mode, width, height, k));
    LayoutDialogOf(dialogs, uint16_t(Shop::kLayout)).modes.push_back(shopLayout(mode, width, height, k));
}
