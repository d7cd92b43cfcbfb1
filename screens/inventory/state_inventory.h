#pragma once
// SStateInventory: the inventory and journal screen (screen 4). The play screen opens it on the
// player's bag (with the pile of the player's cell beside it) or on a container; it shows one of
// four pages (Items, Character, Quests, Spells) in a frame of page tabs, a main-menu and a close
// button and a status line with the gold and the pack's weight. Closing warns of too heavy a
// load and tells the play screen that the container closed. Where the screen stood is kept in
// every saved game.
//
// The items page (state_inventory_items.cpp) shows the pack or the container as a grid with a
// category filter, the paper doll and a description panel; its actions (equip, use, drop, take)
// are in state_inventory_actions.cpp. The character page (state_inventory_character.cpp) shows a
// header over its sub-pages: the Main and Skills sheets and the lists of abilities, diseases and
// active effects. The journal's pages list the quests and the spells.
#include <cstdint>

#include "game/saved_screens.h"
#include "screens/inventory/character_header.h"
#include "screens/inventory/character_lists.h"
#include "screens/inventory/character_page.h"
#include "screens/inventory/inventory_host.h"
#include "screens/inventory/inventory_pages.h"
#include "screens/inventory/play_screen_host.h"
#include "screens/inventory/quests_page.h"
#include "screens/inventory/skills_page.h"
#include "screens/inventory/spells_page.h"
#include "screens/status_timer.h"
#include "ui/dialogs/dialog_alchemy.h"
#include "ui/dialogs/dialog_face_select.h"
#include "ui/dialogs/dialog_item_read.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/dialogs/dialog_repair.h"
#include "ui/dialogs/dialog_text_edit.h"
#include "ui/state.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/items_ctrl.h"
#include "ui/widgets/player_equip_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"

class SItem;
class SItemList;
class SMap;
struct SPlacedObject;

class SStateInventory : public SState, public SSavedInventory {
public:
    // The page layouts by page (and character sub-page).
    static constexpr uint32_t kItemsLayout = 33;
    static constexpr uint32_t kQuestsLayout = 34;
    static constexpr uint32_t kSpellsLayout = 35;
    static constexpr uint32_t kCharacterLayouts[5] = {36, 37, 41, 40, 39};
    // The first hand-over word when the play screen opens the bag; 0 opens on a container.
    static constexpr uintptr_t kOpenBag = 1;
    static constexpr uint32_t kDoubleTapMs = 400;

    // Element ids of the frame, which are also the commands of its buttons.
    enum FrameElement : uint32_t {
        kPageFrame = 19,
        kStatusText = 22,
        kControlsFrame = 293,
        kStatusFrame = 294,
        kSecondFrame = 324,
        kItemsTab = 325,
        kCharacterTab = 326,
        kQuestsTab = 327,
        kSpellsTab = 328,
        kMainMenu = 329,
        kClose = 330,
    };
    static constexpr uint32_t kPageTabs[4] = {kItemsTab, kCharacterTab, kQuestsTab, kSpellsTab};

    // Element ids of the items page.
    enum ItemsElement : uint32_t {
        kItemGrid = 274,
        kGridFrame = 305,
        kTake = 306,
        kDrop = 307,
        kPaperDoll = 308,
        kUse = 309,
        kFirstCategoryTab = 310,  // tab 0 (all) .. tab 8 at 318
        kNextPage = 319,
        kPreviousPage = 320,
        kCompactView = 321,
        kInfoPanel = 322,
        kDescriptionView = 323,
        kTextUp = 331,
        kTextDown = 332,
        kDollFrame = 557,
        kInfoFrame = 562,
    };
    static constexpr int kCategoryTabs = 9;

    // The commands the items page's dialogs close with.
    static constexpr uint32_t kReadingClosed = SDialogItemRead::kClose;
    static constexpr uint32_t kToolDialogClosed = SDialogAlchemy::kClose;

    SStateInventory();

    void Init(SGameData* game) override;
    uint32_t OnCommand(uint32_t id) override;
    uint32_t OnTick(uint32_t arg) override;
    // p1 kOpenBag or 0 (a container), p2 the item list beside the pack or 0, p3 the placed object
    // that holds it or 0, p4 the map.
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    void Leave() override;

    // Rebuilds the current page: its layout, the frame, the page's controls and lists, the status.
    void Refresh();
    void RebuildPages();
    void UpdateStatus();

    void SerializeUiForSave(SArchive& archive, int version) override;
    bool SerializeUiForLoad(SArchive& archive, int version) override;
    bool CheckUiRecord(SArchive& archive, int version) const override;

    // Where the inventory's messages and closing go; the play screen unless a test gives another.
    void SetHost(SInventoryHost* host) { m_host = host ? host : &m_playHost; }

    // The items page (state_inventory_items.cpp).
    void LayoutItemsPage();
    uint32_t OnItemsCommand(uint32_t id);
    void ReloadItemList(bool keepSelection);
    void SetCategory(uint32_t commandId);
    void UpdatePageArrows();
    void UpdateTextArrows();
    void UpdateCategoryTabs();
    void UpdateUseButton();
    void RefreshItems();
    void LayoutInfoPanel();
    void ShowStatus(const char* text);
    void OnItemTapped();
    void OnEquipSlot();
    // Reading, alchemy and repair close alike.
    void OnToolDialogClosed();

    // The character page (state_inventory_character.cpp): the header, then the sub-page's sheet.
    void LayoutCharacterPage();
    uint32_t OnCharacterPageCommand(uint32_t id);
    void OpenRename();
    void OpenFaceSelect();
    // The Main and Skills sheets' message, with Ok, over the screen.
    void ShowMessage(const char* text);
    // The raises made on the Main and Skills sheets become final.
    void ForgetPendingRaises();

    // The item actions (state_inventory_actions.cpp).
    void EquipOrRemove();
    void OnHandChosen(uint32_t id);
    void WieldItem(bool leftHand);
    void UseItem();
    void DropItem();
    void PickUpItem();
    void OpenReading(const SItemType& type);
    void OpenAlchemy(const SItem& tool);
    void OpenRepair(const SItem& tool);

    // The list the grid shows: the container in the container view, else the pack.
    const SItemList* ShownList() const;
    SItemEntry* SelectedEntry() const { return m_grid.m_selectedEntry; }
    bool ContainerView() const { return m_containerView != 0; }
    bool UnderThreat() const { return m_host->UnderThreat(); }

    SInventoryPages m_pages;
    uint32_t m_containerView = 0;
    SItemList* m_container = nullptr;
    SPlacedObject* m_containerObject = nullptr;
    SMap* m_map = nullptr;
    SStatusTimer m_statusTimer;
    int32_t m_lastTapIndex = -1;
    uint32_t m_lastTapTick = 0;

    // The frame.
    SBorderCtrl m_pageFrame;
    SBorderCtrl m_statusFrame;
    SBorderCtrl m_secondFrame;
    STextCtrl m_status;
    SButtonCtrl m_pageTabButtons[4];
    SButtonCtrl m_mainMenu;
    SButtonCtrl m_close;
    SBorderCtrl m_controlsFrame;

    // The items page.
    SBorderCtrl m_dollFrame;
    SBorderCtrl m_gridFrame;
    SBorderCtrl m_infoFrame;
    SItemsCtrl m_grid;
    SPlayerEquipCtrl m_doll;
    STitleTextCtrl m_info;
    SButtonCtrl m_descriptionView;
    SButtonCtrl m_compactView;
    SButtonCtrl m_textUp;
    SButtonCtrl m_textDown;
    SButtonCtrl m_previousPage;
    SButtonCtrl m_nextPage;
    SButtonCtrl m_take;
    SButtonCtrl m_drop;
    SButtonCtrl m_use;
    SButtonCtrl m_categoryTabs[kCategoryTabs];

    // The items page's dialogs and its question.
    SDialogItemRead m_reader;
    SDialogAlchemy m_alchemy;
    SDialogRepair m_repair;
    SDialogTextCtrl m_handText;
    SDialogMessage m_handChooser;

    // The character page, its dialogs and its message.
    SCharacterHeader m_characterHeader;
    SCharacterPage m_characterPage;
    SSkillsPage m_skillsPage;
    SCharacterLists m_characterLists;
    SDialogFaceSelect m_faceSelect;
    SDialogTextEdit m_nameEntry;
    SDialogTextCtrl m_sheetText;
    SDialogMessage m_sheetMessage;

    // The journal's pages.
    SQuestsPage m_questsPage;
    SSpellsPage m_spellsPage;

private:
    void playSound(const char* name);
    uint32_t closeScreen();
    uint32_t toMainMenu();
    // Rewrites the text for the small digits and shows it in the description panel.
    void showDigitStatus(SString& text);
    // The grid filled again from the shown list; the first entry selected, or the selection and
    // page kept.
    void refillGrid(bool keepSelection);
    // After the grid's entries changed: the arrows, the tabs, the description and no last tap.
    void afterGridChange();
    // After an item left the shown list at the selected entry: one fewer in the stack, or the
    // entry gone and the next one selected.
    void removeSelectedOne(const SItemList& from);
    void switchView(uint32_t containerView);
    void closeChildDialog();
    // The name entry or the portrait choice closed: back to the page it opened over, rebuilt.
    void closeCharacterDialog();
    void placeFrame();
    void placeButton(SButtonCtrl& button, uint32_t element, const SPictureSet& pictures);

    SInventoryHost* m_host = nullptr;
    SPlayScreenHost m_playHost;
};
