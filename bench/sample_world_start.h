#pragma once
// A new game of the sample world on the play driver, for the benchmarks that run the play screen
// or the screens over it on real data.
#include <string>

#include "data/player/character_choice.h"
#include "engine/files/file_layer.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "support/play_driver.h"
#include "support/step_counter.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/sample_village.h"
#include "tools/sampledata/world_packages.h"

// The driver started in the screen mode with the sample world's packages written, a new game begun
// and the player at `position`; false, with the reason, when any step fails.
inline bool StartSampleWorld(PlayDriver& driver, uint32_t screenMode, const char* position, std::string& error) {
    if (!driver.Start(screenMode, error)) return false;
    const SFileFolder folder;
    if (!WriteMusicPackage(folder, error) || !WriteSoundPackage(folder, error) ||
        !WriteResourcePackage(folder, error) || !WriteWorldPackage(folder, error))
        return false;
    StepCounter loading;
    SCharacterChoice choice;
    choice.name = "Ayla";
    if (!driver.Game().m_saveNames.NewGame(loading, choice, error)) return false;
    driver.Play().Enter(1, 0, 0, 0);
    driver.Play().TravelToPosition(position, 0);
    driver.Frames(3);
    return true;
}

// Where the town portal brings the player: the middle of Eastbrook, its townsfolk about.
inline std::string VillagePortalPosition() { return std::string(kVillageTown) + "townportal"; }
