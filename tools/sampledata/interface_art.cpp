#include "tools/sampledata/interface_art.h"

#include "engine/draw/picture.h"
#include "tools/sampledata/equipment_art.h"
#include "tools/sampledata/interface_art_parts.h"
#include "tools/sampledata/inventory_art.h"
#include "tools/sampledata/journal_art.h"
#include "tools/sampledata/load_save_art.h"

namespace {

using namespace interface_art;
using R = SInterfaceRole;

constexpr int kTileSize = 32;

// Drops over the portrait: red for a blow, green for poison, on a transparent ground.
SArtCanvas hurtPicture(bool poison, int size) {
    SArtCanvas canvas(size, size);
    const uint16_t colour = poison ? ArtColour(60, 170, 40) : ArtColour(190, 20, 20);
    const double s = size / 40.0;
    canvas.Disc(10 * s, 12 * s, 5 * s, colour);
    canvas.Triangle(6 * s, 11 * s, 14 * s, 11 * s, 10 * s, 2 * s, colour);
    canvas.Disc(28 * s, 22 * s, 4 * s, colour);
    canvas.Triangle(25 * s, 21 * s, 31 * s, 21 * s, 28 * s, 14 * s, colour);
    canvas.Disc(16 * s, 32 * s, 3 * s, colour);
    canvas.Line(4 * s, 36 * s, 36 * s, 4 * s, 2 * s, ArtShade(colour, 70));
    return canvas;
}

SArtCanvas rolePicture(SInterfaceRole role, int index, bool large) {
    const int button = large ? 36 : 24, automapCell = large ? 16 : 8, choice = large ? 20 : 14;
    const uint16_t blue = ArtColour(70, 90, 140), green = ArtColour(60, 130, 70), red = ArtColour(160, 50, 40);
    const uint16_t parchment = ArtColour(239, 214, 148);
    switch (role) {
        case R::kDefaultPicture: return Portrait(-1);
        case R::kDialogBackground: return StoneTile(kTileSize);
        // Lists and the loading bar keep 3 and 4 pixels inside it, on every screen.
        case R::kSmallFrameSet: return FramePiece(index, SmallFrameBorder(), 8, kSlate);
        case R::kLargeFrameSet: return FramePiece(index, LargeFrameBorder(large), 8, kSlate);
        case R::kPictureFrameSet: return FramePiece(index, 4, 8, kSlate);
        case R::kMessagePanel: return FramePiece(index, large ? 12 : 8, 16, parchment);
        case R::kTextButtonBarUp:
            return BarPiece(index, TextButtonBarHeight(large), large ? 8 : 6, 8, ArtColour(100, 120, 160),
                            ArtColour(40, 50, 80));
        case R::kTextButtonBarDown:
            return BarPiece(index, TextButtonBarHeight(large), large ? 8 : 6, 8, ArtColour(40, 50, 80),
                            ArtColour(80, 100, 140));
        // Their captions shade towards the game's two message-button colours, cream and bronze.
        case R::kMessageButtonBarUp:
            return BarPiece(index, large ? 32 : 24, large ? 8 : 6, 8, ArtColour(250, 232, 176), parchment);
        case R::kMessageButtonBarDown:
            return BarPiece(index, large ? 32 : 24, large ? 8 : 6, 8, ArtColour(214, 164, 82), ArtColour(198, 148, 66));
        case R::kKeyboardKeyBarUp:
            return BarPiece(index, large ? 28 : 18, large ? 6 : 4, 4, ArtColour(200, 200, 196),
                            ArtColour(150, 150, 146));
        case R::kKeyboardKeyBarDown:
            return BarPiece(index, large ? 28 : 18, large ? 6 : 4, 4, ArtColour(110, 110, 106),
                            ArtColour(150, 150, 146));
        case R::kKeyboardBackground: return Tile(kTileSize, ArtColour(50, 50, 54), 3);
        case R::kOkButton: return Button(index, button, button, green, Glyph::kCheck);
        case R::kCancelButton: return Button(index, button, button, red, Glyph::kCross);
        case R::kCloseButton: return Button(index, button, button, kSlate, Glyph::kCross);
        // The choice list's page buttons are 20x12 on every screen.
        case R::kUpArrowButton: return Button(index, 20, 12, blue, Glyph::kUp);
        case R::kDownArrowButton: return Button(index, 20, 12, blue, Glyph::kDown);
        case R::kPreviousPageButton: return Button(index, button, button, blue, Glyph::kLeft);
        case R::kNextPageButton: return Button(index, button, button, blue, Glyph::kRight);
        // Three scenes, and the keyed emblem drawn over the first.
        case R::kLoadingPictures:
            return index == 3 ? Emblem(large ? 240 : 120, large ? 56 : 28)
                              : Landscape(large ? 240 : 120, large ? 120 : 60, index);
        case R::kShipTravel: return Ship(large ? 200 : 100, large ? 120 : 60);
        // As tall as the reading dialog's page on the class's tallest screen (240x320, 480x640), so
        // that the title band stays at the top; across, they tile. The band carries the books'
        // light gold title, which would not read on the page itself.
        case R::kBookPage:
            return PageStrip(48, large ? 576 : 280, ArtColour(246, 236, 206), ArtColour(112, 78, 46), large ? 72 : 26,
                             11);
        case R::kSpellBookPage:
            return PageStrip(48, large ? 576 : 280, ArtColour(226, 214, 236), ArtColour(74, 52, 104), large ? 72 : 26,
                             12);
        case R::kParchment: return PageStrip(48, large ? 576 : 280, parchment, parchment, 0, 13);
        case R::kRacePictures: return Portrait(index);
        case R::kMapBackground: return Tile(large ? 48 : kTileSize, ArtColour(90, 96, 60), 14);
        case R::kMapCloseButton: return Button(index, button, button, green, Glyph::kCross);
        case R::kWorldMapButton: return Button(index, button, button, green, Glyph::kGlobe);
        case R::kAreaMapButton: return Button(index, button, button, green, Glyph::kGrid);
        // The automap's cells are 16 pixels on the large screens and 8 on the others; its markers
        // are 10 pixels on every screen.
        // Light, for the refusal's dark text drawn on it.
        case R::kAutomapTile: return Tile(automapCell, ArtColour(200, 184, 150), 15);
        case R::kAutomapPictures: return AutomapPicture(index, automapCell);
        case R::kAutomapMarkers: return Marker(index, 10);
        case R::kSectionBorders: return SectionBorder(index, automapCell);
        case R::kPlayerArrow: return Arrow(index, automapCell);
        case R::kWorldMapMarkers: return WorldMapMarker(index);
        // Inventory pictures follow the grid and the doll of the class's first screen type. Both
        // classes share the corner marks' records, so the marks fit the smallest corner square
        // (12 pixels) one pixel in.
        case R::kPaperDoll: return PaperDoll(index, large ? 10 : 7);
        case R::kEquipMarks: return EquipMark(index, 10);
        case R::kEmptyItemSlot: return EmptyItemSlot(large ? 50 : 40);
        // The mark covers a small screen's 40-pixel cell, or a large one's from 10 pixels in.
        case R::kItemMark: return ItemMark(40);
        case R::kPortraitMarks: {
            const int size = large ? 50 : 40;
            SArtCanvas mark(size, size);
            if (index == 0) {
                mark.Disc(size / 2.0, size / 2.0, size / 2.0 - 1, kGold);
                mark.Disc(size / 2.0, size / 2.0, size / 2.0 - 4, SArtCanvas::kClear);
            } else {
                mark.Line(4, 4, size - 4, size - 4, 3, ArtColour(220, 30, 30));
                mark.Line(size - 4, 4, 4, size - 4, 3, ArtColour(220, 30, 30));
            }
            return mark;
        }
        // Each middle piece is as long as the longest track the play screen's bars cut from it.
        case R::kFirstVerticalBar:
            return MeterPiece(index, true, large ? 12 : 8, large ? 6 : 4, large ? 240 : 120, ArtColour(200, 40, 30));
        case R::kSecondVerticalBar:
            return MeterPiece(index, true, large ? 12 : 8, large ? 6 : 4, large ? 240 : 120, ArtColour(40, 80, 210));
        case R::kFirstHorizontalBar:
            return MeterPiece(index, false, large ? 12 : 8, large ? 6 : 4, large ? 240 : 120, ArtColour(200, 40, 30));
        case R::kSecondHorizontalBar:
            return MeterPiece(index, false, large ? 12 : 8, large ? 6 : 4, large ? 240 : 120, ArtColour(40, 80, 210));
        case R::kCompass: return CompassPiece(index, CompassHeight(large), large ? 10 : 6);
        // A leather tone between the dialogs' dark ink and the journal's pale yellow for the chosen
        // filter, so that both read on it.
        case R::kSpellBookBackground: return Tile(kTileSize, ArtColour(150, 128, 96), 16);
        case R::kSpellBookTabs: {
            const char digit[2] = {char('1' + index / 2), 0};
            const uint16_t school = ArtColour(80 + (index / 2) * 25, 140 - (index / 2) * 12, 60 + (index / 2) * 20);
            return TextButton(index % 2, large ? 36 : 24, large ? 28 : 18, school, digit);
        }
        case R::kSpellBookButtons:
            return Button(index % 2, button, button, ArtColour(110, 40, 60), index < 2 ? Glyph::kCheck : Glyph::kCross);
        case R::kFireFrames: return Flame(large ? 60 : 40, index);
        case R::kPotionBackground: return Tile(kTileSize, ArtColour(184, 198, 226), 17);
        case R::kEnchantChooserPictures: {
            static constexpr Glyph kGlyphs[] = {Glyph::kRight, Glyph::kCheck, Glyph::kCross};
            if (index == 0) return Tile(kTileSize, ArtColour(60, 40, 80), 18);
            return Button(0, button, button, ArtColour(100, 70, 140), kGlyphs[(index - 1) % 3]);
        }
        case R::kSettingsBackground: return Tile(kTileSize, ArtColour(46, 52, 60), 19);
        // As tall as a key row's line of text on the class's screens.
        case R::kPreviousChoiceButton: return Button(index, choice, choice, blue, Glyph::kLeft);
        case R::kNextChoiceButton: return Button(index, choice, choice, blue, Glyph::kRight);
        // The small and the large screens share these records, so one size serves both.
        case R::kWorldEnabledMark: return Button(index, 16, 16, green, Glyph::kCheck);
        case R::kWorldDisabledMark: return Button(index, 16, 16, kSlate, Glyph::kCross);
        case R::kWorldDeleteButton: return Button(index, 16, 16, red, Glyph::kCross);
        case R::kInventoryPageTab:
        case R::kInventoryCategoryTab:
        case R::kInventoryMenuButton:
        case R::kTakeButton:
        case R::kDropButton:
        case R::kUseButtons:
        case R::kViewButtons:
        case R::kRaiseButtons:
        case R::kRenameButton:
        case R::kPortraitChoiceButton: return InventoryPicture(role, index, large);
        case R::kLoadSaveButtons:
        case R::kDeathPictures: return LoadSavePicture(role, index, large);
        case R::kQuestStateMarks: return QuestStateMark(index);
        // Both screen classes share the records, so they fit the small portrait.
        case R::kHurtPictures: return hurtPicture(index == 1, 40);
        case R::kCount: break;
    }
    return SArtCanvas(1, 1, kOutline);
}

// Indices: 0 light edge, 1 face, 2 dark edge, 3 outline.
uint32_t bevelIndex(int x, int y, int size) {
    if (x == 0 || y == 0 || x == size - 1 || y == size - 1) return 3;
    if (x == 1 || y == 1) return 0;
    if (x == size - 2 || y == size - 2) return 2;
    return 1;
}

}  // namespace

int TextButtonBarHeight(bool large) { return large ? 30 : 20; }

int LargeFrameBorder(bool large) { return large ? 14 : 9; }

int CompassHeight(bool large) { return large ? 24 : 16; }

int SmallFrameBorder() { return 3; }

std::vector<uint8_t> RolePicture(SInterfaceRole role, int index, bool large) {
    return rolePicture(role, index, large).Record();
}

std::vector<uint8_t> InterfacePicture(uint16_t recordId) {
    constexpr int kSize = 16;
    std::vector<uint32_t> indices(kSize * kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) indices[size_t(y) * kSize + x] = bevelIndex(x, y, kSize);
    // Earthy hues that drift with the record id.
    const int hue = (recordId * 37) % 96;
    const int red = 90 + hue, green = 70 + hue / 2, blue = 40 + hue / 3;
    const uint16_t colours[] = {MakeColor565(red + 60, green + 60, blue + 60), MakeColor565(red, green, blue),
                                MakeColor565(red / 2, green / 2, blue / 2), MakeColor565(16, 12, 8)};
    return BuildPictureRecord(0, kSize, kSize, indices, colours);
}
