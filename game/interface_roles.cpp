#include "game/interface_roles.h"

#include <array>
#include <cstddef>

namespace {

using RInterfaceRoles = SInterfaceRole;

struct RoleRow {
    SInterfaceRole role;
    SRoleSlots slots;
};

// Roles whose pictures differ between the small and the large screens take slots whose records
// differ too; roles drawn the same on every screen take slots that share a record. The automap's
// cells are 8 pixels on the small screens and 16 on the large ones, so every picture drawn in a
// cell (the background tile, the section border pieces, the arrows) takes slots of the first kind.
constexpr RoleRow kRoles[] = {
    {RInterfaceRoles::kDefaultPicture, {0, 1}},
    {RInterfaceRoles::kDialogBackground, {262, 1}},
    {RInterfaceRoles::kSmallFrameSet, {224, 9}},
    {RInterfaceRoles::kLargeFrameSet, {233, 9}},
    {RInterfaceRoles::kPictureFrameSet, {113, 9}},
    {RInterfaceRoles::kMessagePanel, {1, 9}},
    {RInterfaceRoles::kTextButtonBarUp, {10, 3}},
    {RInterfaceRoles::kTextButtonBarDown, {13, 3}},
    {RInterfaceRoles::kMessageButtonBarUp, {43, 3}},
    {RInterfaceRoles::kMessageButtonBarDown, {46, 3}},
    {RInterfaceRoles::kKeyboardKeyBarUp, {169, 3}},
    {RInterfaceRoles::kKeyboardKeyBarDown, {172, 3}},
    {RInterfaceRoles::kKeyboardBackground, {405, 1}},
    {RInterfaceRoles::kOkButton, {175, 3}},
    {RInterfaceRoles::kCancelButton, {178, 3}},
    {RInterfaceRoles::kCloseButton, {181, 3}},
    {RInterfaceRoles::kUpArrowButton, {184, 3}},
    {RInterfaceRoles::kDownArrowButton, {187, 3}},
    {RInterfaceRoles::kPreviousPageButton, {190, 3}},
    {RInterfaceRoles::kNextPageButton, {193, 3}},
    {RInterfaceRoles::kLoadingPictures, {131, 4}},
    {RInterfaceRoles::kShipTravel, {214, 1}},
    {RInterfaceRoles::kBookPage, {277, 1}},
    {RInterfaceRoles::kSpellBookPage, {278, 1}},
    {RInterfaceRoles::kParchment, {431, 1}},
    {RInterfaceRoles::kRacePictures, {301, 6}},
    {RInterfaceRoles::kMapBackground, {465, 1}},
    {RInterfaceRoles::kMapCloseButton, {196, 3}},
    {RInterfaceRoles::kWorldMapButton, {202, 2}},
    {RInterfaceRoles::kAreaMapButton, {204, 2}},
    {RInterfaceRoles::kAutomapTile, {250, 1}},
    {RInterfaceRoles::kAutomapPictures, {320, 69}},
    {RInterfaceRoles::kAutomapMarkers, {263, 12}},
    {RInterfaceRoles::kSectionBorders, {242, 8}},
    {RInterfaceRoles::kPlayerArrow, {281, 5}},
    {RInterfaceRoles::kWorldMapMarkers, {441, 2}},
    {RInterfaceRoles::kPaperDoll, {397, 4}},
    {RInterfaceRoles::kEquipMarks, {219, 3}},
    {RInterfaceRoles::kEmptyItemSlot, {409, 1}},
    {RInterfaceRoles::kItemMark, {410, 1}},
    {RInterfaceRoles::kPortraitMarks, {49, 2}},
    {RInterfaceRoles::kFirstVerticalBar, {455, 3}},
    {RInterfaceRoles::kSecondVerticalBar, {458, 3}},
    {RInterfaceRoles::kFirstHorizontalBar, {389, 3}},
    {RInterfaceRoles::kSecondHorizontalBar, {392, 3}},
    {RInterfaceRoles::kCompass, {316, 4}},
    {RInterfaceRoles::kSpellBookBackground, {223, 1}},
    {RInterfaceRoles::kSpellBookTabs, {155, 14}},
    {RInterfaceRoles::kSpellBookButtons, {145, 4}},
    {RInterfaceRoles::kFireFrames, {135, 8}},
    {RInterfaceRoles::kPotionBackground, {222, 1}},
    {RInterfaceRoles::kEnchantChooserPictures, {215, 4}},
    {RInterfaceRoles::kSettingsBackground, {275, 1}},
    {RInterfaceRoles::kPreviousChoiceButton, {411, 2}},
    {RInterfaceRoles::kNextChoiceButton, {413, 2}},
    {RInterfaceRoles::kWorldEnabledMark, {206, 2}},
    {RInterfaceRoles::kWorldDisabledMark, {208, 2}},
    {RInterfaceRoles::kWorldDeleteButton, {210, 2}},
    {RInterfaceRoles::kInventoryPageTab, {255, 2}},
    {RInterfaceRoles::kInventoryCategoryTab, {257, 3}},
    {RInterfaceRoles::kInventoryMenuButton, {298, 2}},
    {RInterfaceRoles::kTakeButton, {251, 2}},
    {RInterfaceRoles::kDropButton, {253, 2}},
    {RInterfaceRoles::kUseButtons, {286, 8}},
    {RInterfaceRoles::kViewButtons, {294, 4}},
    {RInterfaceRoles::kRaiseButtons, {151, 4}},
    {RInterfaceRoles::kRenameButton, {143, 2}},
    {RInterfaceRoles::kPortraitChoiceButton, {149, 2}},
    {RInterfaceRoles::kLoadSaveButtons, {307, 6}},
    {RInterfaceRoles::kDeathPictures, {313, 3}},
    {RInterfaceRoles::kQuestStateMarks, {443, 3}},
    {RInterfaceRoles::kHurtPictures, {16, 2}},
};

static_assert(std::size(kRoles) == std::size_t(SInterfaceRole::kCount), "every role has its row");

constexpr bool rowsInRoleOrder() {
    for (std::size_t i = 0; i < std::size(kRoles); ++i)
        if (kRoles[i].role != SInterfaceRole(i)) return false;
    return true;
}
static_assert(rowsInRoleOrder(), "the rows follow the roles, so that a role finds its row by number");

}  // namespace

SRoleSlots InterfaceRoleSlots(SInterfaceRole role) {
    return role < SInterfaceRole::kCount ? kRoles[std::size_t(role)].slots : SRoleSlots{};
}
