#include "screens/menu/state_main.h"

#include <string>

#include "engine/audio/sound.h"
#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "game/game_data.h"

namespace {

// Elements of the pictures: the three scenes, then the title, which alone is drawn keyed.
constexpr uint32_t kPictureElements[4] = {10, 13, 14, 11};
constexpr uint32_t kYellow = 0x00FFFF;  // colour words: red in the lowest byte

struct SMenuRow {
    SStateMain::Row id;
    const char* text;
    bool onlyInGame;
};

constexpr SMenuRow kRows[] = {
    {SStateMain::kContinue, "Continue game", true}, {SStateMain::kNewGame, "Start new game", false},
    {SStateMain::kLoadGame, "Load Game", false},    {SStateMain::kSaveGame, "Save Game", true},
    {SStateMain::kSettings, "Settings", false},     {SStateMain::kAddOnWorlds, "Additional worlds", false},
    {SStateMain::kCredits, "Credits", false},       {SStateMain::kExit, "Exit", false},
};

// What the scene screen shows: the credits after a scene found by name.
constexpr uintptr_t kCreditsMode = 2;

}  // namespace

void SStateMain::Init(SGameData* game) {
    SState::Init(game);
    for (SPicCtrl& picture : m_pictures) picture.Attach(this);
    m_list.Attach(this);
    m_version.Attach(this);
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
    for (int i = 0; i < 4; ++i) {
        if (!PlaceCtrl(m_pictures[i], kPictureElements[i])) continue;
        m_pictures[i].m_keepAspect = 1;
        m_pictures[i].SetPicture(m_game->InterfacePicture(SInterfaceRole::kLoadingPictures, i), i == 3 ? 1 : 0, 0, 1);
    }
    if (PlaceCtrl(m_list, kListElement)) {
        m_list.SetStyle(2, kYellow, 0, nullptr);
        m_list.m_bgOn = 0;
        m_list.m_frameOn = 0;
        m_list.SetHighlight();
        m_list.SetShadow();
        // A tap chooses: its press selects the row, its release on that row acts.
        m_list.m_renotify = 1;
        m_text->SelectFont(2, kYellow, 0);
        m_list.m_rowHeight = uint32_t(m_text->LineHeight() + (IsSmallScreenType(m_game->m_screenMode) ? 1 : 2));
        m_list.ClearRows();
        const bool inGame = playerInGame();
        for (const SMenuRow& row : kRows)
            if (inGame || !row.onlyInGame) m_list.AddRowId(row.id, row.text);
        m_list.Layout(false);
        m_list.Select(-1);
    }
    if (PlaceCtrl(m_version, kVersionElement)) m_version.SetTextEx(("v" + std::string(kVersion)).c_str(), 4, 1, kYellow, 0);
}

void SStateMain::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    Build();
    SetDirty();
    Draw();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

void SStateMain::Resume() {
    Build();
    SState::Resume();
    m_openFrame = m_game->m_frameCounter;
}

uint32_t SStateMain::OnCommand(uint32_t id) {
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
        case kLoadGame: return pushTo(kLoadSaveScreen, 1);
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
