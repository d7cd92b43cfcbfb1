#pragma once
// SStateMain: the main menu (screen 9). Four pictures, the menu's rows and the version text; from
// here the player continues or starts a game, loads or saves, opens the settings, the add-on worlds
// or the credits. The rows follow the game's state: Continue and Save only while a living player's
// game runs. The screens it opens push it and come back through Resume, which builds it afresh.
#include <cstdint>

#include "screens/screen_id.h"
#include "ui/dialogs/dialog_loading.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/state.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/pic_ctrl.h"
#include "ui/widgets/text_ctrl.h"

struct SReadError;

class SStateMain : public SState {
public:
    static constexpr uint32_t kLayout = 3;
    static constexpr uint32_t kListElement = 12;  // also the list's command
    static constexpr uint32_t kVersionElement = 15;
    static constexpr const char* kVersion = "1.01";

    // The rows' ids, which are what choosing a row does.
    enum Row : uint32_t {
        kNewGame = 1,
        kLoadGame = 2,
        kSaveGame = 3,
        kExit = 5,
        kContinue = 6,
        kSettings = 7,
        kAddOnWorlds = 8,
        kCredits = 9,
    };

    // What the open message box asks; its answer goes back to kPlain.
    enum SubMode : uint32_t {
        kPlain = 0,
        kAskAutoSave = 1,
        kAskNewGame = 2,
        kAskLoad = 3,
        kLoadFailed = 4,      // the box says why the auto-save did not load
        kNewGameFailed = 5,   // the box names the damaged package that stops a new game
        kAskExitUnsaved = 6,  // the auto-save failed: leave without it?
    };

    void Init(SGameData* game) override;
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    void Resume() override;
    uint32_t OnCommand(uint32_t id) override;

    // Lays the screen out by layout 3 and fills the list with the rows the game's state allows,
    // none selected.
    void Build();
    // Leaves for the scene screen with the intro; first opens the four packages of every game,
    // unless a game's packages are open already. A damaged package, or a world without its start
    // position, keeps the menu, which says which.
    uint32_t StartNewGame();

    SubMode CurrentSubMode() const { return m_subMode; }

    SPicCtrl m_pictures[4];
    SDialogListCtrl m_list;
    STextCtrl m_version;
    SDialogTextCtrl m_messageText;
    SDialogMessage m_message;
    SDialogLoading m_loading;

private:
    // A living player's game runs: Continue and Save are offered, and a new game or a load asks first.
    bool playerInGame() const;
    uint32_t chooseRow(uint32_t row);
    uint32_t answer(uint32_t id);
    // Plays the question sound and opens a box with the text and the buttons over the screen.
    void ask(const char* text, uint32_t buttons, SubMode subMode);
    // The damage named in a message box; the packages opened for the game are let go.
    uint32_t refuseNewGame(const SReadError& damage);
    uint32_t loadAutoSave();
    // Writes the auto-save and ends the program; when the save fails, asks first.
    uint32_t exitGame();
    // Sets the four words and the keep flag, so that the screen opened comes back here.
    uint32_t pushTo(ScreenId screen, uintptr_t p1, uintptr_t p2 = 0);

    SubMode m_subMode = kPlain;
};
