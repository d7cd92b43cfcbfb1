#include "ui/dialogs/repair_dialog_base.h"

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/paged_list.h"
#include "ui/dialogs/scene_frames.h"

namespace {

constexpr uint16_t kRepairDialogBaseUseKey = 3006;
constexpr uint16_t kRepairDialogBaseCancelKey = 3007;

}  // namespace

bool SRepairDialogBase::IsDamaged(const SItem& item) {
    const SItemType& type = *item.m_type;
    const bool repairable = (type.m_class == kItemWeapon && !type.IsAmmunition()) || type.m_class == kItemHeavyArmour ||
                            type.m_class == kItemLightArmour;
    // A maximum of 0 is never below it, so such an item is never offered and never divides.
    return repairable && item.m_amount < type.m_maxCondition;
}

void SRepairDialogBase::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_frame, &m_title, &m_prompt, &m_list, &m_scrollUp, &m_scrollDown,
                                                     &m_repair, &m_close})
        ctrl->Attach(this);
}

void SRepairDialogBase::placeHead(uint32_t layoutId) {
    ClearCtrls();
    SetLayout(layoutId);
    CenterOnScreen();
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    m_frame.Setup(SceneFrameSet(*m_game), 0, 0, SBorderSides::kAll);
    PlaceCtrl(m_frame, 19);
    PlaceCtrl(m_title, 23);
    m_title.SetTextEx("Repair", STextAlign::kCentred, 2, kWhite, 0);
}

void SRepairDialogBase::placeList(uint32_t sideWidth) {
    PlaceCtrl(m_prompt, 32);
    m_prompt.SetTextEx("Select the item to be repaired:", STextAlign::kLeft, 1, kWhite, kShade);
    m_list.SetStyle(1, kLightGrey, kShade, nullptr);
    m_list.SetSideText(sideWidth);
    PlaceCtrl(m_list, kList);
    if (PlaceCtrl(m_scrollUp, kScrollUp)) SetupArrowButton(m_scrollUp, *m_game, true, kScrollUp);
    if (PlaceCtrl(m_scrollDown, kScrollDown)) SetupArrowButton(m_scrollDown, *m_game, false, kScrollDown);
    if (PlaceCtrl(m_repair, kRepair))
        m_repair.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kOkButton), kRepair, kRepairDialogBaseUseKey);
    if (PlaceCtrl(m_close, kClose))
        m_close.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCloseButton), kClose, kRepairDialogBaseCancelKey);
}

void SRepairDialogBase::UpdateScrollButtons() { UpdatePageButtons(m_list, m_scrollUp, m_scrollDown); }

void SRepairDialogBase::PageUp() { PageListUp(m_list, m_scrollUp, m_scrollDown); }

void SRepairDialogBase::PageDown() { PageListDown(m_list, m_scrollUp, m_scrollDown); }

int32_t SRepairDialogBase::selectedRow() const {
    return m_list.m_selected >= 0 && m_list.m_selected < m_list.RowCount() ? m_list.m_selected : -1;
}

bool SRepairDialogBase::listCommand(uint32_t id, uint32_t& result) {
    result = 0;
    switch (id) {
        case kList:
            m_game->PlaySound("bsnd_click", 10);
            UpdateScrollButtons();
            return true;
        case kClose:
            m_game->PlaySound("bsnd_clickh", 10);
            result = m_parent ? m_parent->OnCommand(id) : 0;
            return true;
        case kScrollUp:
            m_game->PlaySound("bsnd_click", 10);
            PageUp();
            return true;
        case kScrollDown:
            m_game->PlaySound("bsnd_click", 10);
            PageDown();
            return true;
        default: return false;
    }
}
