#include "tools/sampledata/card_art.h"

#include <string>

#include "cards/card_table.h"
#include "tools/sampledata/card_emblems.h"
#include "tools/sampledata/interface_art_parts.h"

namespace {

using namespace interface_art;

struct CardClass {
    int cardW, cardH, pictureSize, textScale, bandMargin;
    uint16_t firstBack, drawPile, slot, specialFace, plainFace, hitMark, tickMark;
    uint16_t firstCard, cardsPerDeck;
};

// The small class serves the screen types 2, 5, 6, 7, 8, 12, 13, 16; the large one the others.
// A card's own picture sits 8, 5 (small) or 10, 6 (large) pixels into its face.
constexpr CardClass kSmall{36, 50, 20, 1, 2, 3942, 3946, 3947, 3948, 3949, 3950, 3951, 3952, 25};
constexpr CardClass kLarge{56, 78, 36, 2, 3, 3048, 3052, 3053, 3054, 3055, 3056, 3057, 3570, 30};
constexpr uint16_t kTableBackground = 3051;

const uint16_t kDeckColours[kCardDecks] = {ArtColour(150, 40, 36), ArtColour(44, 70, 160), ArtColour(50, 90, 56)};

// A card's outline with rounded corners (keyed), a border and a filled inside.
SArtCanvas cardShape(const CardClass& c, uint16_t border, uint16_t inside) {
    SArtCanvas card(c.cardW, c.cardH, kOutline);
    card.Fill(1, 1, c.cardW - 2, c.cardH - 2, border);
    card.Fill(3, 3, c.cardW - 6, c.cardH - 6, inside);
    for (int x : {0, c.cardW - 1})
        for (int y : {0, c.cardH - 1}) card.Set(x, y, SArtCanvas::kClear);
    return card;
}

SArtCanvas back(const CardClass& c, int deck) {
    const uint16_t colour = kDeckColours[deck];
    SArtCanvas card = cardShape(c, kGold, colour);
    // A lattice that tells the back from a face at a glance.
    for (int y = 5; y < c.cardH - 5; ++y)
        for (int x = 5; x < c.cardW - 5; ++x)
            if ((x + y) % 6 == 0 || (x - y + 60) % 6 == 0) card.Set(x, y, ArtShade(colour, 140));
    return card;
}

SArtCanvas face(const CardClass& c, bool special) {
    return cardShape(c, special ? kGold : kBronze, ArtColour(239, 226, 190));
}

SArtCanvas slot(const CardClass& c) {
    SArtCanvas sign(c.cardW, c.cardH, ArtColour(40, 60, 44));
    for (int x = 0; x < c.cardW; x += 3) {
        sign.Set(x, 0, kGold);
        sign.Set(x, c.cardH - 1, kGold);
    }
    for (int y = 0; y < c.cardH; y += 3) {
        sign.Set(0, y, kGold);
        sign.Set(c.cardW - 1, y, kGold);
    }
    return sign;
}

SArtCanvas hitMark(const CardClass& c) {
    SArtCanvas mark(c.cardW, c.cardH);
    const double thickness = c.cardW / 9.0;
    mark.Line(c.cardW * 0.2, c.cardH * 0.3, c.cardW * 0.8, c.cardH * 0.7, thickness, ArtColour(230, 30, 30));
    mark.Line(c.cardW * 0.8, c.cardH * 0.3, c.cardW * 0.2, c.cardH * 0.7, thickness, ArtColour(230, 30, 30));
    return mark;
}

SArtCanvas tickMark(const CardClass& c) {
    SArtCanvas mark(c.cardW, c.cardH);
    const double r = c.cardW * 0.3;
    mark.Disc(c.cardW / 2.0, c.cardH / 2.0, r, ArtColour(250, 220, 60));
    mark.Disc(c.cardW / 2.0, c.cardH / 2.0, r * 0.7, SArtCanvas::kClear);
    return mark;
}

// The card's own picture, as wide as its face less the inset on both sides: on its deck's colour
// the emblem of what it does, and under it, on a darker band, how much.
SArtCanvas cardPicture(const CardClass& c, const SCard& card) {
    const uint16_t deck = kDeckColours[card.deck];
    const int band = 7 * c.textScale + 2 * c.bandMargin;
    SArtCanvas picture(c.pictureSize, c.pictureSize + band, ArtShade(deck, 60));
    DrawEmblem(picture, EmblemOf(card), c.pictureSize);
    picture.Fill(0, c.pictureSize, c.pictureSize, band, ArtShade(deck, 30));
    const std::string figure = FigureOf(card);
    const uint16_t ink = EmblemOf(card) == SCardEmblem::kHeal ? ArtColour(160, 240, 150) : kInk;
    const int w = SArtCanvas::TextWidth(figure.c_str(), c.textScale);
    picture.Text((c.pictureSize - w + 1) / 2, c.pictureSize + c.bandMargin, figure.c_str(), c.textScale, ink);
    return picture;
}

}  // namespace

std::map<uint16_t, std::vector<uint8_t>> CardPictures() {
    std::map<uint16_t, std::vector<uint8_t>> pictures;
    pictures[kTableBackground] = Tile(32, ArtColour(30, 76, 44), 19).Record();
    // The card definitions are the same on every screen; only their picture ids differ.
    SCardTable cards;
    cards.Init(0);
    for (const CardClass& c : {kSmall, kLarge}) {
        for (uint32_t deck = 0; deck < kCardDecks; ++deck) {
            pictures[uint16_t(c.firstBack + deck)] = back(c, int(deck)).Record();
            for (uint32_t index = 0; index < kCardsPerDeck; ++index)
                pictures[uint16_t(c.firstCard + c.cardsPerDeck * deck + index)] =
                    cardPicture(c, cards.Get(deck, index)).Record();
        }
        pictures[c.drawPile] = back(c, 0).Record();
        pictures[c.slot] = slot(c).Record();
        pictures[c.specialFace] = face(c, true).Record();
        pictures[c.plainFace] = face(c, false).Record();
        pictures[c.hitMark] = hitMark(c).Record();
        pictures[c.tickMark] = tickMark(c).Record();
    }
    return pictures;
}
