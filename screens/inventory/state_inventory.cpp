#include "screens/inventory/state_inventory.h"

#include <algorithm>

#include "data/player/player.h"
#include "engine/base/archive.h"
#include "engine/draw/digit_glyphs.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "screens/inventory/inventory_status.h"
#include "screens/screen_id.h"

namespace {

constexpr uint32_t kStatusColour = 0xC8C8C8;
constexpr uint16_t kCancelKey = 3007;
constexpr uint32_t kFill = SBorderSides::kFill;

// The frames' sides by screen type.
uint32_t statusFrameSides(uint32_t type) {
    switch (type) {
        case 2:
        case 3:
        case 5:
        case 7:
        case 8: return 2;
        case 9:
        case 10:
        case 11:
        case 14:
        case 15:
        case 16: return 5;
        default: return 1;
    }
}

// In hundredths, as the pack's weight.
uint32_t capacityOf(const SPlayer& player) { return uint32_t(std::max<int32_t>(player.GetMaxCarryWeight(), 0)); }

}  // namespace

SStateInventory::SStateInventory() { m_host = &m_playHost; }

void SStateInventory::Init(SGameData* game) {
    SState::Init(game);
    m_playHost.Attach(game);
    game->m_saveNames.SetInventory(this);
    SCtrl* ctrls[] = {
        &m_pageFrame,   &m_statusFrame, &m_secondFrame, &m_status,       &m_mainMenu, &m_close, &m_controlsFrame,
        &m_dollFrame,   &m_gridFrame,   &m_infoFrame,   &m_grid,         &m_doll,     &m_info,  &m_descriptionView,
        &m_compactView, &m_textUp,      &m_textDown,    &m_previousPage, &m_nextPage, &m_take,  &m_drop,
        &m_use};
    for (SCtrl* ctrl : ctrls) ctrl->Attach(this);
    for (SButtonCtrl& tab : m_pageTabButtons) tab.Attach(this);
    for (SButtonCtrl& tab : m_categoryTabs) tab.Attach(this);
    m_reader.Init(game);
    m_alchemy.Init(game);
    m_repair.Init(game);
    m_handChooser.Init(game);
    m_characterHeader.Attach(this);
    m_characterPage.Attach(this);
    m_skillsPage.Attach(this);
    m_characterLists.Attach(this);
    m_questsPage.Attach(this);
    m_spellsPage.Attach(this);
    m_faceSelect.Init(game);
    m_nameEntry.Init(game);
    m_sheetMessage.Init(game);
}

void SStateInventory::playSound(const char* name) { m_game->PlaySound(name, 10); }

void SStateInventory::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_container = reinterpret_cast<SItemList*>(p2);
    m_containerObject = reinterpret_cast<SPlacedObject*>(p3);
    m_map = reinterpret_cast<SMap*>(p4);
    // Without a container there is nothing but the pack to show.
    m_containerView = p1 == 0 && m_container ? 1 : 0;
    m_pages.page = SInventoryPages::kItems;
    m_pages.subPage = 0;
    m_pages.itemFilter = 0;
    m_pages.effectsFilter = 0;
    m_pages.questFilter = 0;
    m_statusTimer = SStatusTimer();
    SetPos(0, 0);
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    Refresh();
    Draw();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

void SStateInventory::Leave() {
    closeChildDialog();
    SState::Leave();
}

void SStateInventory::Refresh() {
    ForgetPendingRaises();
    ClearCtrls();
    const uint32_t page = m_pages.page;
    if (page < SInventoryPages::kPortraitChoice) {
        const uint32_t layout = page == SInventoryPages::kItems    ? kItemsLayout
                                : page == SInventoryPages::kQuests ? kQuestsLayout
                                : page == SInventoryPages::kSpells
                                    ? kSpellsLayout
                                    : kCharacterLayouts[std::min(m_pages.subPage, SInventoryPages::kLastSubPage)];
        SetLayout(layout);
    }
    RebuildPages();
    UpdateStatus();
    if (page == SInventoryPages::kItems) ReloadItemList(false);
    for (uint32_t tab = 0; tab < 4; ++tab) m_pageTabButtons[tab].SetChecked(tab == page);
    SetDirty();
}

void SStateInventory::RebuildPages() {
    placeFrame();
    switch (m_pages.page) {
        case SInventoryPages::kItems: LayoutItemsPage(); break;
        case SInventoryPages::kCharacter: LayoutCharacterPage(); break;
        case SInventoryPages::kQuests: m_questsPage.Build(*this, *m_game, m_pages.questFilter); break;
        case SInventoryPages::kSpells:
            // Every visit starts at the first school.
            m_pages.spellSchool = SInventoryPages::kFirstSchool;
            m_spellsPage.Build(*this, *m_game);
            break;
        default: break;
    }
}

void SStateInventory::placeButton(SButtonCtrl& button, uint32_t element, const SPictureSet& pictures) {
    if (PlaceCtrl(button, element)) button.SetupPicture(pictures, element, 0);
}

void SStateInventory::placeFrame() {
    const uint32_t type = m_game->m_screenMode;
    const bool small = IsSmallScreenType(type);
    const SFrameSet smallSet = m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet);
    const SFrameSet largeSet = m_game->InterfaceSet<9>(SInterfaceRole::kLargeFrameSet);
    if (PlaceCtrl(m_pageFrame, kPageFrame)) m_pageFrame.Setup(small ? smallSet : largeSet, 0, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_statusFrame, kStatusFrame))
        m_statusFrame.Setup(IsLargeScreenType(type) ? largeSet : smallSet, 0, 0, statusFrameSides(type) | kFill);
    if (PlaceCtrl(m_secondFrame, kSecondFrame))
        m_secondFrame.Setup(IsLargeScreenType(type) ? largeSet : smallSet, 0, 0, type == 3 ? 4 : 2);
    if (PlaceCtrl(m_status, kStatusText)) m_status.SetTextEx("", 18, 1, kStatusColour, 0);
    constexpr const char* kTabNames[4] = {"Items", "Char", "Quests", "Spells"};
    const SPictureSet tabs = m_game->InterfaceSet<3>(SInterfaceRole::kInventoryPageTab);
    for (uint32_t tab = 0; tab < 4; ++tab)
        if (PlaceCtrl(m_pageTabButtons[tab], kPageTabs[tab]))
            m_pageTabButtons[tab].SetupText(tabs, kTabNames[tab], kPageTabs[tab], 0);
    placeButton(m_mainMenu, kMainMenu, m_game->InterfaceSet<3>(SInterfaceRole::kInventoryMenuButton));
    if (PlaceCtrl(m_close, kClose))
        m_close.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCloseButton), kClose, kCancelKey);
    const bool smallControls = type == 2 || (type >= 5 && type <= 16);
    if (PlaceCtrl(m_controlsFrame, kControlsFrame))
        m_controlsFrame.Setup(smallControls ? smallSet : largeSet, 0, 0,
                              type == 2 || type == 3 || type == 5 || type == 7 || type == 8 ? 4 : 2);
}

void SStateInventory::UpdateStatus() {
    const SPlayer& player = m_game->m_player;
    SString text;
    FormatInventoryStatus(m_game->m_screenMode, player.Gold(), player.SumItemWeights(), capacityOf(player), text);
    ToDigitGlyphs(text);
    m_status.SetText(text.Text());
    m_status.Layout();
    m_status.SetDirty();
    m_statusFrame.SetDirty();
}

uint32_t SStateInventory::OnTick(uint32_t arg) {
    if (m_statusTimer.Expired(platform::TickCount()) && m_pages.page == SInventoryPages::kItems) ReloadItemList(true);
    return SDialog::OnTick(arg);
}

uint32_t SStateInventory::OnCommand(uint32_t id) {
    const uint32_t page = m_pages.page;
    if (id >= kItemsTab && id <= kSpellsTab) {
        playSound("bsnd_clickh");
        if (id == kItemsTab) m_pages.itemFilter = 0;
        m_pages.page = id - kItemsTab;
        Refresh();
        return kStay;
    }
    if (id == kMainMenu) return toMainMenu();
    if (id == kClose) return closeScreen();
    switch (page) {
        case SInventoryPages::kItems: return OnItemsCommand(id);
        case SInventoryPages::kCharacter:
        case SInventoryPages::kPortraitChoice:
        case SInventoryPages::kNameEntry: return OnCharacterPageCommand(id);
        case SInventoryPages::kQuests: m_questsPage.OnCommand(id, m_pages.questFilter); return kStay;
        case SInventoryPages::kSpells: m_spellsPage.OnCommand(id, m_pages.spellSchool); return kStay;
        case SInventoryPages::kReading:
            if (id == kReadingClosed) OnToolDialogClosed();
            return kStay;
        case SInventoryPages::kAlchemy:
        case SInventoryPages::kRepair:
            if (id == kToolDialogClosed) OnToolDialogClosed();
            return kStay;
        case SInventoryPages::kHandQuestion: OnHandChosen(id); return kStay;
        default: return kStay;
    }
}

uint32_t SStateInventory::toMainMenu() {
    ForgetPendingRaises();
    m_host->StopAmbientSounds();
    playSound("bsnd_clickh");
    m_keep = 1;
    for (uintptr_t& word : m_param) word = 0;
    return kMainMenuScreen;
}

uint32_t SStateInventory::closeScreen() {
    ForgetPendingRaises();
    playSound("bsnd_bagclose");
    if (m_container) m_host->ContainerClosed(m_map, m_containerObject);
    const SPlayer& player = m_game->m_player;
    const SLoadWarning warning = LoadWarningFor(player.SumItemWeights(), capacityOf(player));
    if (warning != SLoadWarning::kNone) m_host->QueueMessage(LoadWarningText(warning), SDialogMessage::kOk, "");
    return kGoBack;
}

void SStateInventory::SerializeUiForSave(SArchive& archive, int) { m_pages.Serialize(archive); }

bool SStateInventory::SerializeUiForLoad(SArchive& archive, int) { return m_pages.Read(archive); }

bool SStateInventory::CheckUiRecord(SArchive& archive, int) const {
    SInventoryPages pages;
    return pages.Read(archive);
}
