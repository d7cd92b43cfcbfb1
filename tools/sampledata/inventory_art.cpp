#include "tools/sampledata/inventory_art.h"

#include "tools/sampledata/interface_art_parts.h"

namespace {

using namespace interface_art;
using R = SInterfaceRole;

constexpr const char* kUseWords[4] = {"READ", "VIEW", "MIX", "FIX"};
constexpr const char* kViewWords[2] = {"INFO", "DOLL"};

}  // namespace

SArtCanvas InventoryPicture(SInterfaceRole role, int index, bool large) {
    const int button = large ? 36 : 20, wide = large ? 60 : 32, raise = large ? 22 : 13, header = large ? 26 : 16;
    const uint16_t teal = ArtColour(50, 110, 110), brown = ArtColour(120, 80, 40), green = ArtColour(60, 120, 60);
    switch (role) {
        case R::kInventoryPageTab: return TextButton(index, large ? 84 : 40, large ? 30 : 18, kSlate, "");
        case R::kInventoryCategoryTab: return TextButton(index, large ? 50 : 26, large ? 28 : 18, teal, "");
        case R::kInventoryMenuButton: return TextButton(index, wide, button, kSlate, "MENU");
        case R::kTakeButton: return TextButton(index, wide, button, green, "TAKE");
        case R::kDropButton: return TextButton(index, wide, button, brown, "DROP");
        case R::kUseButtons: return TextButton(index % 2, wide, button, green, kUseWords[(index / 2) % 4]);
        case R::kViewButtons: return TextButton(index % 2, wide, button, teal, kViewWords[(index / 2) % 2]);
        // The character sheet's raise buttons fit its rows; the greyed pair is a dull grey.
        case R::kRaiseButtons:
            return Button(index % 2, raise, raise, index < 2 ? green : ArtColour(96, 96, 96), Glyph::kUp);
        case R::kRenameButton: return TextButton(index, header, header, kSlate, "A");
        case R::kPortraitChoiceButton: return Button(index, header, header, kSlate, Glyph::kGrid);
        default: break;
    }
    return SArtCanvas(1, 1, kOutline);
}
