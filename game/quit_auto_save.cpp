// The auto-save that every way of leaving the game writes while a game runs.
#include "engine/base/small_services.h"
#include "game/game_data.h"
#include "game/save_names.h"

namespace {

// QuitNow takes a plain function: the manager it saves through is kept here.
SSaveNames* g_quitSaver = nullptr;

void saveOnQuit() {
    if (g_quitSaver) g_quitSaver->AutoSave();
}

}  // namespace

void SSaveNames::AutoSave() {
    // A dead player's game is over: it is not kept.
    if (m_game == nullptr || !m_game->m_gameRunning || m_game->m_player.Hp() <= 0) return;
    // The game is ending: a save that fails has no one left to tell.
    std::string ignored;
    SaveGame(0, ignored);
}

void SSaveNames::RegisterQuitAutoSave() {
    g_quitSaver = this;
    SetQuitAutoSave(&saveOnQuit);
}

SSaveNames::~SSaveNames() {
    if (g_quitSaver != this) return;
    g_quitSaver = nullptr;
    SetQuitAutoSave(nullptr);
}
