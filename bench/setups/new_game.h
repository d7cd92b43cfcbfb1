#pragma once
// A new game of the sample world begun as character creation begins it, shared by its benchmark
// and the test that checks it: the loading dialog opened, every loading step drawn and presented,
// the four packages opened and checked, the tables built, the starting kit given, the play screen
// entered at the start position and its first frame drawn.
#include <string>

#include "bench/sample_world_start.h"
#include "ui/dialogs/dialog_loading.h"

namespace new_game {

constexpr uint32_t kScreenMode800x600 = 15;

// The loading dialog on the session's game, as the creation screen keeps one.
struct NewGameLoading {
    SDialogLoading dialog;
    explicit NewGameLoading(SGameData& game) { dialog.Init(&game); }
};

inline bool BeginNewGame(PlayDriver& driver, NewGameLoading& loading, std::string& error) {
    loading.dialog.Open();
    SCharacterChoice choice;
    choice.name = "Ayla";
    if (!driver.Game().m_saveNames.NewGame(loading.dialog, choice, error)) return false;
    driver.Play().Enter(1, 0, 0, 0);
    driver.Frame();
    return true;
}

}  // namespace new_game
