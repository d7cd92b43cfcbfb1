// The inventory's items page: the grid of the pack or the container with its category tabs and
// page arrows, the paper doll, the description panel that also shows the page's status messages,
// and the commands of its buttons.
#include "data/items/effect_wand_pricing.h"
#include "data/items/item_classes.h"
#include "data/player/player.h"
#include "engine/draw/digit_glyphs.h"
#include "engine/draw/screen_type.h"
#include "engine/files/settings.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "screens/inventory/item_grid_geometry.h"
#include "screens/inventory/item_page_rules.h"
#include "screens/inventory/state_inventory.h"
#include "screens/list_paging.h"
#include "screens/screen_id.h"
#include "ui/colour_word.h"

namespace {

constexpr uint32_t kInventoryItemsBodyColour = 0xC8C8C8;
constexpr uint32_t kEnchantedColour = 0xFF6464;
constexpr uint32_t kSpecialColour = 0x64C8C8;
constexpr uint8_t kTypeSpecial = 4;
constexpr const char* kCategoryNames[SStateInventory::kCategoryTabs] = {"All", "Wpn", "Arm", "Acc", "Bk",
                                                                        "Alc", "Pot", "Mag", "Etc"};

SFrameSet pictureSet(const SGameData& game, uint32_t set) {
    switch (set) {
        case 1: return game.InterfaceSet<9>(SInterfaceRole::kSmallFrameSet);
        case 2: return game.InterfaceSet<9>(SInterfaceRole::kLargeFrameSet);
        default: return game.InterfaceSet<9>(SInterfaceRole::kPictureFrameSet);
    }
}

bool showsBodyInCompactView(uint32_t mode) { return mode == 9 || mode == 14 || mode == 15 || mode == 16; }
bool hidesCompactPanel(uint32_t mode) { return mode == 5 || mode == 7 || mode == 8; }
bool panelKeepsItsPlace(uint32_t mode) { return mode == 5 || mode == 7 || mode == 8 || mode == 16; }

// Which use picture an item shows, by the order of the use buttons' pictures; -1 for none.
int useKind(uint8_t itemClass, uint8_t subtype) {
    if (itemClass == kItemBook && subtype == kBookSubtypeBook) return 0;
    if (itemClass == kItemMagic && subtype == kMagicSpellbook) return 0;
    if (itemClass == kItemBook && (subtype == 2 || subtype == 3)) return 1;
    if (itemClass == kItemAlchemy) return 2;
    if (itemClass == kItemRepair) return 3;
    return -1;
}

}  // namespace

const SItemList* SStateInventory::ShownList() const {
    return m_containerView && m_container ? m_container : &m_game->m_player.Pack();
}

void SStateInventory::LayoutItemsPage() {
    const uint32_t mode = m_game->m_screenMode;
    const bool small = IsSmallScreenType(mode);
    if (PlaceCtrl(m_dollFrame, kDollFrame))
        m_dollFrame.Setup(pictureSet(*m_game, mode == 3 || mode == 4 ? 2 : 1), 0, 0, SBorderSides::kAll);
    for (auto [frame, element] : {std::pair{&m_gridFrame, kGridFrame}, std::pair{&m_infoFrame, kInfoFrame}})
        if (PlaceCtrl(*frame, element)) frame->Setup(pictureSet(*m_game, small ? 1 : 2), 0, 0, SBorderSides::kAll);

    if (PlaceCtrl(m_grid, kItemGrid)) {
        const SItemGridGeometry grid = ItemGridGeometry(mode);
        const SFrameSet frames = pictureSet(*m_game, grid.pictureSet);
        m_grid.Setup(frames, frames, grid.cellW, grid.cellH, grid.columns, grid.rows, grid.frameFlags, 10, 0);
    }
    if (PlaceCtrl(m_doll, kPaperDoll)) m_doll.SetupSlots();
    if (PlaceCtrl(m_info, kInfoPanel)) {
        m_info.Setup(1, kWhite, kInventoryItemsBodyColour, 0, 0, 2, 2, kEnchantedColour, kSpecialColour);
        m_info.m_titleTwoLines = IsLargeScreenMode(int(mode)) ? 1 : 0;
        m_info.SetText("", "", 0, 0);
    }
    // Each view button has its normal and pressed picture.
    const auto views = m_game->InterfaceSet<4>(SInterfaceRole::kViewButtons);
    placeButton(m_descriptionView, kDescriptionView, {views[0], views[1], nullptr});
    placeButton(m_compactView, kCompactView, {views[2], views[3], nullptr});
    placeButton(m_textUp, kTextUp, m_game->InterfaceSet<3>(SInterfaceRole::kUpArrowButton));
    placeButton(m_textDown, kTextDown, m_game->InterfaceSet<3>(SInterfaceRole::kDownArrowButton));
    LayoutInfoPanel();
    placeButton(m_previousPage, kPreviousPage, m_game->InterfaceSet<3>(SInterfaceRole::kPreviousPageButton));
    placeButton(m_nextPage, kNextPage, m_game->InterfaceSet<3>(SInterfaceRole::kNextPageButton));
    placeButton(m_take, kTake, m_game->InterfaceSet<3>(SInterfaceRole::kTakeButton));
    placeButton(m_drop, kDrop, m_game->InterfaceSet<3>(SInterfaceRole::kDropButton));
    // A screen without a container has nowhere to drop to and nothing to take from.
    if (m_container == nullptr) {
        m_take.Hide();
        m_drop.Hide();
    }
    if (PlaceCtrl(m_use, kUse)) m_use.Hide();
    const SPictureSet tabs = m_game->InterfaceSet<3>(SInterfaceRole::kInventoryCategoryTab);
    for (int tab = 0; tab < kCategoryTabs; ++tab) {
        SButtonCtrl& button = m_categoryTabs[tab];
        if (!PlaceCtrl(button, kFirstCategoryTab + uint32_t(tab))) continue;
        button.SetupText(tabs, kCategoryNames[tab], kFirstCategoryTab + uint32_t(tab), 0);
        button.m_hasDisabledPicture = 1;
    }
    UpdateCategoryTabs();
    m_game->ShowMessageBox("On left or right hand?", SDialogMessage::kLeft | SDialogMessage::kRight, m_handText,
                           m_handChooser, this);
}

uint32_t SStateInventory::OnItemsCommand(uint32_t id) {
    if (id >= kFirstCategoryTab && id < kFirstCategoryTab + kCategoryTabs) {
        playSound("bsnd_clickh");
        SetCategory(id);
        return kStay;
    }
    switch (id) {
        case kItemGrid: OnItemTapped(); break;
        case kTake: PickUpItem(); break;
        case kDrop: DropItem(); break;
        case kPaperDoll:
            playSound("bsnd_click");
            OnEquipSlot();
            break;
        case kUse:
            playSound("bsnd_click");
            UseItem();
            break;
        case kNextPage:
        case kPreviousPage:
            if (id == kNextPage)
                m_grid.NextPage();
            else
                m_grid.PrevPage();
            UpdatePageArrows();
            m_grid.SetDirty();
            RefreshItems();
            playSound("bsnd_click");
            break;
        case kCompactView:
        case kDescriptionView:
            m_pages.descriptionView = id == kDescriptionView ? 1 : 0;
            playSound("bsnd_click");
            LayoutInfoPanel();
            SetDirty();
            break;
        case kTextUp:
        case kTextDown:
            playSound("bsnd_click");
            if (id == kTextUp && m_info.m_page > 0) --m_info.m_page;
            if (id == kTextDown && int(m_info.m_page) + 1 < m_info.PageCount()) ++m_info.m_page;
            m_info.SetDirty();
            UpdateTextArrows();
            break;
        default: break;
    }
    return kStay;
}

void SStateInventory::refillGrid(bool keepSelection) {
    const int selected = m_grid.m_selected, first = m_grid.m_first;
    const SEffectWandPricing wands(m_game->EffectLookups());
    m_grid.Fill(*ShownList(), m_pages.itemFilter, std::nullopt, wands);
    if (m_grid.EntryCount() > 0) {
        m_grid.Select(keepSelection && selected >= 0 ? selected : 0);
        if (keepSelection) {
            // The page stays where it was as long as it still shows the selection.
            const int pageSize = int(m_grid.m_columns * m_grid.m_rows);
            if (first <= m_grid.m_selected && m_grid.m_selected < first + pageSize) m_grid.m_first = first;
        }
    }
    m_grid.SetDirty();
}

void SStateInventory::afterGridChange() {
    UpdatePageArrows();
    UpdateCategoryTabs();
    RefreshItems();
    m_lastTapIndex = -1;
}

void SStateInventory::ReloadItemList(bool keepSelection) {
    refillGrid(keepSelection);
    afterGridChange();
}

void SStateInventory::SetCategory(uint32_t commandId) {
    m_pages.itemFilter = commandId >= kFirstCategoryTab && commandId < kFirstCategoryTab + kCategoryTabs
                             ? commandId - kFirstCategoryTab
                             : 0;
    refillGrid(false);
    afterGridChange();
}

void SStateInventory::UpdatePageArrows() {
    const SListPaging paging{m_grid.m_first, int32_t(m_grid.m_columns * m_grid.m_rows), m_grid.EntryCount()};
    m_previousPage.SetEnabled(paging.CanPageUp());
    m_nextPage.SetEnabled(paging.CanPageDown());
}

void SStateInventory::UpdateTextArrows() {
    const bool hidden = (!m_pages.descriptionView && !m_containerView) ||
                        (m_info.m_page == 0 && m_info.PageCount() <= 1);
    if (hidden) {
        if (m_textUp.IsShown() || m_textDown.IsShown()) {
            m_textUp.Hide();
            m_textDown.Hide();
        }
        return;
    }
    m_textUp.SetVisible(true);
    m_textDown.SetVisible(true);
    m_textUp.SetEnabled(m_info.m_page > 0);
    m_textDown.SetEnabled(int(m_info.m_page) + 1 < m_info.PageCount());
}

void SStateInventory::UpdateCategoryTabs() {
    bool present[kCategoryTabs] = {true};
    const SItemList& list = *ShownList();
    for (int i = 0; i < list.Count(); ++i)
        if (const SItem* item = list.At(i); item && item->m_type) present[CategoryTabOf(item->m_type->m_class)] = true;
    present[0] = true;
    for (uint32_t tab = 0; tab < uint32_t(kCategoryTabs); ++tab) {
        SButtonCtrl& button = m_categoryTabs[tab];
        button.SetEnabled(present[tab]);
        button.SetChecked(present[tab] && tab == m_pages.itemFilter);
    }
}

void SStateInventory::UpdateUseButton() {
    const SItemEntry* entry = SelectedEntry();
    const int kind = entry && !m_containerView ? useKind(entry->kind, entry->subkind) : -1;
    if (kind < 0) {
        if (m_use.IsShown()) m_use.Hide();
        return;
    }
    m_use.SetupPicture({m_game->InterfacePicture(SInterfaceRole::kUseButtons, 2 * kind),
                        m_game->InterfacePicture(SInterfaceRole::kUseButtons, 2 * kind + 1), nullptr},
                       kUse, 0);
    m_use.SetVisible(true);
}

void SStateInventory::LayoutInfoPanel() {
    const uint32_t mode = m_game->m_screenMode;
    const bool large = IsLargeScreenMode(int(mode));
    const bool wide = m_pages.descriptionView || m_containerView;
    m_info.m_page = 0;
    m_info.m_titleFont = wide && large ? 2 : 1;
    PlaceCtrl(m_info, kInfoPanel);
    PlaceCtrl(m_doll, kPaperDoll);
    if (!wide) {
        if (hidesCompactPanel(mode)) m_info.Hide();
        m_descriptionView.SetVisible(true);
        m_compactView.Hide();
    } else {
        if (!panelKeepsItsPlace(mode) && m_doll.m_w > 0) {
            const int bottom = m_info.m_y + m_info.m_h;
            m_info.SetRect(m_doll.m_x, m_doll.m_y, m_doll.m_w, uint16_t(std::max(bottom - m_doll.m_y, 0)));
        }
        if (mode != 16) m_doll.Hide();
        m_descriptionView.Hide();
        m_compactView.SetVisible(true);
    }
    RefreshItems();
}

void SStateInventory::RefreshItems() {
    const SItemEntry* entry = SelectedEntry();
    if (entry == nullptr || entry->type == nullptr) {
        m_info.SetText("", "", 0, 0);
    } else {
        const SItemType& type = *entry->type;
        const uint32_t mode = m_game->m_screenMode;
        SString title, body;
        type.GetDisplayName(entry->item, title, false, m_game->m_spells);
        if (m_pages.descriptionView || m_containerView || showsBodyInCompactView(mode)) {
            type.GetDescription(entry->item, m_game->EffectLookups(), m_game->m_player, mode,
                                m_pages.descriptionView != 0, body);
            ToDigitGlyphs(body);
        }
        const bool wearable = type.m_class >= kItemWeapon && type.m_class <= kItemAccessory;
        const bool enchanted = wearable && type.EffectsOf(entry->item) != nullptr;
        m_info.SetText(title.Text(), body.Text(), enchanted ? 1 : 0, (type.m_flags & kTypeSpecial) ? 1 : 0);
        if (IsSmallScreenType(mode)) {
            m_descriptionView.SetDirty();
            m_compactView.SetDirty();
        }
    }
    m_info.SetDirty();
    UpdateUseButton();
    UpdateTextArrows();
    SetDirty();
}

void SStateInventory::ShowStatus(const char* text) {
    m_info.SetText("", text, 0, 0);
    m_info.SetDirty();
    UpdateTextArrows();
    SetDirty();
    m_statusTimer.Start(platform::TickCount());
}

void SStateInventory::OnItemTapped() {
    if (!m_containerView && m_grid.m_equipRequest) {
        EquipOrRemove();
        return;
    }
    const int index = m_grid.m_selected;
    const uint32_t now = platform::TickCount();
    const uint32_t since = now - m_lastTapTick;
    if (index >= 0 && index == m_lastTapIndex && since >= 1 && since <= kDoubleTapMs) {
        m_lastTapIndex = -1;
        if (m_containerView)
            PickUpItem();
        else
            UseItem();
        return;
    }
    playSound("bsnd_click");
    m_lastTapIndex = index;
    m_lastTapTick = now;
    RefreshItems();
    if (!m_containerView && m_grid.m_useRequest && m_use.IsShown() && m_use.IsEnabled()) UseItem();
}

void SStateInventory::OnEquipSlot() {
    const SItem* worn = m_game->m_player.EquippedItem(m_doll.m_selectedSlot);
    if (worn == nullptr || worn->m_type == nullptr) return;
    SetCategory(kFirstCategoryTab + DollTabOf(worn->m_type->m_class));
    m_grid.SelectItem(worn);
    RefreshItems();
}

void SStateInventory::OnToolDialogClosed() {
    closeChildDialog();
    ReloadItemList(true);
}

void SStateInventory::closeChildDialog() {
    if (m_child == nullptr && m_pages.page < SInventoryPages::kReading) return;
    m_pages.page = SInventoryPages::kItems;
    Reopen();
    ResetPenGate();
}
