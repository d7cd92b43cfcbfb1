#include "screens/menu/state_main.h"

#include <iterator>
#include <string>

#include "engine/audio/sound.h"
#include "engine/base/small_services.h"
#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "game/game_data.h"
#include "game/save_names.h"
#include "game/save_slot_info.h"

namespace {

constexpr uint32_t kMainYellow = 0x00FFFF;  // colour words: red in the lowest byte

struct SMenuRow {
    SStateMain::Row id;
    const char* text;
    bool onlyInGame;
};

constexpr SMenuRow kMainRows[] = {
    {SStateMain::kContinue, "Continue game", true}, {SStateMain::kNewGame, "Start new game", false},
    {SStateMain::kLoadGame, "Load Game", false},    {SStateMain::kSaveGame, "Save Game", true},
    {SStateMain::kSettings, "Settings", false},     {SStateMain::kAddOnWorlds, "Additional worlds", false},
    {SStateMain::kCredits, "Credits", false},       {SStateMain::kExit, "Exit", false},
};

// What the scene screen shows: the intro, or the credits, after a scene found by name.
constexpr uintptr_t kIntroMode = 0;
constexpr uintptr_t kCreditsMode = 2;
constexpr uint32_t kMainYesNo = SDialogMessage::kYes | SDialogMessage::kNo;
constexpr const char* kMenuMusic = "bmus_main";

}  // namespace

void SStateMain::Init(SGameData* game) {
    SState::Init(game);
    for (SPicCtrl& picture : m_pictures) picture.Attach(this);
    m_list.Attach(this);
    m_version.Attach(this);
    m_message.Init(game);
    m_loading.Init(game);
}

bool SStateMain::playerInGame() const { return m_game->m_gameRunning && m_game->m_player.Hp() != 0; }

void SStateMain::Build() {
    ClearCtrls();
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    m_bgColor = 0;
    m_bgOn = 1;
    m_bgBitmap = nullptr;
    PlaceLoadingPictures(*this, m_pictures, true);
    if (PlaceCtrl(m_list, kListElement)) {
        m_list.SetStyle(2, kMainYellow, 0, nullptr);
        m_list.m_bgOn = 0;
        m_list.m_frameOn = 0;
        m_list.SetHighlight();
        m_list.SetShadow();
        // A tap chooses: its press selects the row, its release on that row acts.
        m_list.m_renotify = 1;
        m_text->SelectFont(2, kMainYellow, 0);
        m_list.m_rowHeight = uint32_t(m_text->LineHeight() + (IsSmallScreenType(m_game->m_screenMode) ? 1 : 2));
        m_list.ClearRows();
        const bool inGame = playerInGame();
        for (const SMenuRow& row : kMainRows)
            if (inGame || !row.onlyInGame) m_list.AddRowId(row.id, row.text);
        m_list.Layout(false);
        m_list.Select(-1);
    }
    if (PlaceCtrl(m_version, kVersionElement))
        m_version.SetTextEx(("v" + std::string(kVersion)).c_str(), 4, 1, kMainYellow, 0);
}

void SStateMain::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_subMode = kPlain;
    Build();
    m_game->m_music.Play(kMenuMusic);
    if (!m_game->m_gameRunning && m_game->m_saveNames.ReadSaveSlotInfo(0)) {
        m_list.Hide();
        ask("Do you want to load\rthe auto-saved game?", kMainYesNo, kAskAutoSave);
    }
    SetDirty();
    Draw();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

void SStateMain::Resume() {
    Build();
    m_game->m_music.Play(kMenuMusic);
    SState::Resume();
    m_openFrame = m_game->m_frameCounter;
}

uint32_t SStateMain::OnCommand(uint32_t id) {
    if (m_subMode != kPlain) return answer(id);
    if (id != kListElement) return kStay;
    // The new selection shows before any long work a row starts.
    Draw();
    m_display->Present();
    if (m_list.m_selected < 0) return kStay;
    if (m_list.m_action != 1) {
        if (m_game->m_sound) m_game->m_sound->Play(m_game->m_interfaceSound1, 10);
        return kStay;
    }
    return chooseRow(m_list.GetSelectedId());
}

uint32_t SStateMain::chooseRow(uint32_t row) {
    switch (row) {
        case kNewGame:
            if (!playerInGame()) return StartNewGame();
            ask("Are you sure you want to\rstart a new game?", kMainYesNo, kAskNewGame);
            return kStay;
        case kLoadGame:
            if (!playerInGame()) return pushTo(kLoadSaveScreen, 1);
            ask("Are you sure you want to\rload a game?", kMainYesNo, kAskLoad);
            return kStay;
        case kExit: return exitGame();
        case kSaveGame: return pushTo(kLoadSaveScreen, 0);
        case kContinue:
            // Back to the play screen at the bottom of the stack; the switch leaves this screen.
            m_game->PopStatesAboveFirst();
            return kGoBack;
        case kSettings: return pushTo(kSettingsScreen, 0);
        case kAddOnWorlds: return pushTo(kAddOnWorldsScreen, 0);
        case kCredits:
            return pushTo(kSceneScreen, kCreditsMode,
                          reinterpret_cast<uintptr_t>(m_game->m_sceneTable.Find("bmus_credits")));
        default: return kStay;
    }
}

uint32_t SStateMain::pushTo(ScreenId screen, uintptr_t p1, uintptr_t p2) {
    m_param[0] = p1;
    m_param[1] = p2;
    m_param[2] = 0;
    m_param[3] = 0;
    m_keep = 1;
    return screen;
}

void SStateMain::ask(const char* text, uint32_t buttons, SubMode subMode) {
    if (m_game->m_sound) m_game->m_sound->Play(m_game->m_interfaceSound2, 10);
    m_subMode = subMode;
    m_game->ShowChildMessageBox(text, buttons, m_messageText, m_message, *this);
    m_message.m_openFrame = m_game->m_frameCounter;
}

uint32_t SStateMain::answer(uint32_t id) {
    const SubMode asked = m_subMode;
    m_subMode = kPlain;
    Reopen();
    m_openFrame = m_game->m_frameCounter;
    if (asked == kAskAutoSave) m_list.SetVisible(true);
    if (id != SDialogMessage::kYes) return kStay;
    switch (asked) {
        case kAskAutoSave: return loadAutoSave();
        case kAskNewGame: return StartNewGame();
        case kAskLoad: return pushTo(kLoadSaveScreen, 1);
        case kAskExitUnsaved: QuitWithoutAutoSave(); return kStay;
        default: return kStay;
    }
}

uint32_t SStateMain::exitGame() {
    // The one way out of the game: it writes the auto-save while a living player's game runs. A
    // save that fails (a folder that cannot be written) would lose the game without a word.
    std::string error;
    if (m_game->m_saveNames.AutoSave(error)) {
        QuitWithoutAutoSave();
        return kStay;
    }
    ask(("The game could not be saved:\r" + error + "\rExit without saving?").c_str(), kMainYesNo, kAskExitUnsaved);
    return kStay;
}

uint32_t SStateMain::loadAutoSave() {
    m_game->m_music.Stop();
    m_loading.Open();
    SetChild(&m_loading);
    std::string error;
    const bool loaded = m_game->m_saveNames.LoadGame(0, m_loading, error);
    ResetOpen();
    if (!loaded) {
        // The running state is untouched by a refused load: the menu stays, with its music, and
        // says so. The box answering now is not the menu, so the menu repaints itself under the
        // new one.
        m_game->m_music.Play(kMenuMusic);
        ask("The auto-saved game\rcould not be loaded.", SDialogMessage::kOk, kLoadFailed);
        SetDirty();
        Draw();
        return kStay;
    }
    m_game->PopAllStates();
    m_param[0] = 0;
    return kPlayScreen;
}

uint32_t SStateMain::refuseNewGame(const SReadError& damage) {
    const std::string message = DamagedPackageMessage(damage);
    // Nothing of the packages read so far stays behind; the menu's music comes back, if its own
    // package is whole.
    m_game->ClearTables();
    m_game->m_packages.Open(SModuleList::kMusicPackage);
    m_game->m_music.Play(kMenuMusic);
    ask(message.c_str(), SDialogMessage::kOk, kNewGameFailed);
    SetDirty();
    Draw();
    return kStay;
}

uint32_t SStateMain::StartNewGame() {
    const SModule* current = m_game->m_packages.Current();
    // Only the music package of the start-up is open: no game's packages are.
    if (current == nullptr || current->Identifier().Equals("bmus")) {
        // The game about to start chooses its own music; the menu's does not play on meanwhile.
        m_game->m_music.Stop();
        m_loading.Open();
        SetChild(&m_loading);
        m_loading.m_caption.SetText("Loading...");
        // A package that does not open stops nothing here: the new game reports what is missing.
        m_loading.Start(uint32_t(std::size(SModuleList::kGamePackages)));
        m_game->m_packages.OpenAll(m_loading);
        ResetOpen();
        if (m_game->m_packages.Damage().Failed()) return refuseNewGame(m_game->m_packages.Damage());
        if (const SReadError missing = m_game->m_saveNames.MissingStartPosition(); missing.Failed())
            return refuseNewGame(missing);
    }
    ResetOpen();
    m_openFrame = m_game->m_frameCounter;
    m_param[0] = kIntroMode;
    m_param[1] = reinterpret_cast<uintptr_t>(m_game->m_sceneTable.Find("bres_intro"));
    m_param[2] = 0;
    m_param[3] = 0;
    return kSceneScreen;
}
