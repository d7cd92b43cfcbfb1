// The auto-save that every way of leaving the game writes while a game runs.
#include <cstdio>

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

bool SSaveNames::AutoSave(std::string& error) {
    // A dead player's game is over: it is not kept.
    if (m_game == nullptr || !m_game->m_gameRunning || m_game->m_player.Hp() <= 0) return true;
    return SaveGame(0, error);
}

void SSaveNames::AutoSave() {
    std::string error;
    if (!AutoSave(error)) std::fprintf(stderr, "brimvale: the game could not be saved: %s\n", error.c_str());
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
