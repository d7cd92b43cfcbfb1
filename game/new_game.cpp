// A new game: the world rebuilt from the four packages every game opens, and the character
// chosen given the new-game defaults and the starting kit.
#include "data/package/module_list.h"
#include "data/player/character_choice.h"
#include "engine/packages/loading_steps.h"
#include "game/game_data.h"
#include "game/save_names.h"
#include "game/saved_screens.h"

namespace {

// The world every new game is played in.
constexpr const char* kNewGameBaseWorld = "base";
constexpr uint32_t kNewGameSteps = 19;
// The named position of the base world where every new game begins.
constexpr const char* kStartPosition = "base_start";

}  // namespace

bool SSaveNames::prepareWorld(SLoadingSteps& loading, std::string& error) {
    SGameData& game = *m_game;
    game.ClearTables();
    loading.Step();
    if (m_playScreen) m_playScreen->ResetWorld();
    loading.Step();
    // The music, sound and picture packages may be missing (the game plays on without them); the
    // base world may not.
    game.m_packages.OpenAll(loading);
    const SReadError opened = game.m_packages.Error();
    loading.Step();
    if (game.m_packages.Damage().Failed()) {
        error = DamagedPackageMessage(game.m_packages.Damage());
        return false;
    }
    const SModule* world = game.m_packages.Current();
    if (world == nullptr || !world->Identifier().Equals(kNewGameBaseWorld)) {
        error = "The world package cannot be read";
        if (opened.Failed()) error += ": " + opened.Message();
        error += ".";
        return false;
    }
    game.LoadTablePictures(&loading);
    loading.Step();
    game.BuildTables(&loading);
    if (m_playScreen) m_playScreen->LoadDoorAndDropResources();
    loading.Step();
    game.m_player.ResetForNewGame();
    loading.Step();
    return true;
}

SReadError SSaveNames::MissingStartPosition() const {
    SReadError fault;
    const SModule* world = m_game->m_packages.FindById(kNewGameBaseWorld);
    if (world == nullptr || world->FindObject(kStartPosition).object != nullptr) return fault;
    if (world->File() != nullptr) fault.file = world->File()->Path();
    fault.what = std::string("the start position \"") + kStartPosition + "\" is missing";
    return fault;
}

bool SSaveNames::NewGame(SLoadingSteps& loading, const SCharacterChoice& choice, std::string& error) {
    SGameData& game = *m_game;
    loading.Start(kNewGameSteps);
    game.PopAllStates();
    loading.Step();
    game.m_gameRunning = false;
    game.m_startPosition = kStartPosition;
    if (!prepareWorld(loading, error)) return false;
    // A world without the place a new game begins at is as damaged as one that does not read: the
    // play screen would have nowhere to put the player.
    if (const SReadError missing = MissingStartPosition(); missing.Failed()) {
        error = DamagedPackageMessage(missing);
        return false;
    }
    if (!game.m_player.GiveStartingKit(choice)) {
        error = "The world offers no food or water to start a game with.";
        return false;
    }
    loading.Step();
    return true;
}
