#include "game/interface_roles.h"

#include <array>
#include <cstddef>

namespace {

using R = SInterfaceRole;

struct RoleRow {
    SInterfaceRole role;
    SRoleSlots slots;
};

// Roles whose pictures differ between the small and the large screens take slots whose records
// differ too; roles drawn the same on every screen take slots that share a record. The automap's
// cells are 8 pixels on the small screens and 16 on the large ones, so every picture drawn in a
// cell (the background tile, the section border pieces, the arrows) takes slots of the first kind.
constexpr RoleRow kRoles[] = {
    {R::kDefaultPicture, {0, 1}},
    {R::kDialogBackground, {262, 1}},
    {R::kSmallFrameSet, {224, 9}},
    {R::kLargeFrameSet, {233, 9}},
    {R::kPictureFrameSet, {113, 9}},
    {R::kMessagePanel, {1, 9}},
    {R::kTextButtonBarUp, {10, 3}},
    {R::kTextButtonBarDown, {13, 3}},
    {R::kMessageButtonBarUp, {43, 3}},
    {R::kMessageButtonBarDown, {46, 3}},
    {R::kKeyboardKeyBarUp, {169, 3}},
    {R::kKeyboardKeyBarDown, {172, 3}},
    {R::kKeyboardBackground, {405, 1}},
    {R::kOkButton, {175, 3}},
    {R::kCancelButton, {178, 3}},
    {R::kCloseButton, {181, 3}},
    {R::kUpArrowButton, {184, 3}},
    {R::kDownArrowButton, {187, 3}},
    {R::kPreviousPageButton, {190, 3}},
    {R::kNextPageButton, {193, 3}},
    {R::kLoadingPictures, {131, 4}},
    {R::kShipTravel, {214, 1}},
    {R::kBookPage, {277, 1}},
    {R::kSpellBookPage, {278, 1}},
    {R::kParchment, {431, 1}},
    {R::kRacePictures, {301, 6}},
    {R::kMapBackground, {465, 1}},
    {R::kMapCloseButton, {196, 3}},
    {R::kWorldMapButton, {202, 2}},
    {R::kAreaMapButton, {204, 2}},
    {R::kAutomapTile, {250, 1}},
    {R::kAutomapPictures, {320, 69}},
    {R::kAutomapMarkers, {263, 12}},
    {R::kSectionBorders, {242, 8}},
    {R::kPlayerArrow, {281, 5}},
    {R::kWorldMapMarkers, {441, 2}},
    {R::kPaperDoll, {397, 4}},
    {R::kEquipMarks, {219, 3}},
    {R::kEmptyItemSlot, {409, 1}},
    {R::kItemMark, {410, 1}},
    {R::kPortraitMarks, {49, 2}},
    {R::kFirstVerticalBar, {455, 3}},
    {R::kSecondVerticalBar, {458, 3}},
    {R::kFirstHorizontalBar, {389, 3}},
    {R::kSecondHorizontalBar, {392, 3}},
    {R::kCompass, {316, 4}},
    {R::kSpellBookBackground, {223, 1}},
    {R::kSpellBookTabs, {155, 14}},
    {R::kSpellBookButtons, {145, 4}},
    {R::kFireFrames, {135, 8}},
    {R::kPotionBackground, {222, 1}},
    {R::kEnchantChooserPictures, {215, 4}},
    {R::kSettingsBackground, {275, 1}},
    {R::kPreviousChoiceButton, {411, 2}},
    {R::kNextChoiceButton, {413, 2}},
    {R::kWorldEnabledMark, {206, 2}},
    {R::kWorldDisabledMark, {208, 2}},
    {R::kWorldDeleteButton, {210, 2}},
    {R::kInventoryPageTab, {255, 2}},
    {R::kInventoryCategoryTab, {257, 3}},
    {R::kInventoryMenuButton, {298, 2}},
    {R::kTakeButton, {251, 2}},
    {R::kDropButton, {253, 2}},
    {R::kUseButtons, {286, 8}},
    {R::kViewButtons, {294, 4}},
    {R::kRaiseButtons, {151, 4}},
    {R::kRenameButton, {143, 2}},
    {R::kPortraitChoiceButton, {149, 2}},
    {R::kLoadSaveButtons, {307, 6}},
    {R::kDeathPictures, {313, 3}},
    {R::kQuestStateMarks, {443, 3}},
    {R::kHurtPictures, {16, 2}},
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
