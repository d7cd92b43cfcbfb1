// A saved-game file: the slot list's header reader, then the whole load, which checks the file
// before it rebuilds the sample world and reads the save over it.
#include <cstdlib>

#include "data/player/character_choice.h"
#include "fuzz/fuzz_folder.h"
#include "game/game_data.h"
#include "support/playable_game.h"
#include "support/step_counter.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/world_packages.h"

namespace {

// The game the saves are loaded into, on the sample world's packages, a new game begun.
struct SPlayedGame {
    SGameData game;
    StepCounter steps;

    SPlayedGame() {
        PrepareGameWithoutWindow(game, FuzzFolder(), 7);
        const SFileFolder folder(FuzzFolder());
        std::string error;
        if (!WriteSoundPackage(folder, error) || !WriteMusicPackage(folder, error) ||
            !WriteResourcePackage(folder, error) || !WriteWorldPackage(folder, error) ||
            !game.m_saveNames.NewGame(steps, SCharacterChoice{}, error))
            std::abort();
    }
};

SPlayedGame& Played() {
    static SPlayedGame played;
    return played;
}

}  // namespace

// Writing the sample packages and beginning the game takes seconds under the sanitizers; done
// here, before the first input, it is not counted against the input's time limit.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Played();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SPlayedGame& played = Played();
    WriteFuzzFile("BrimvaleSave1.pdb", data, size);
    if (auto info = played.game.m_saveNames.ReadSaveSlotInfo(1); info && (info->width != 80 || info->height != 50))
        std::abort();
    std::string error;
    if (!played.game.m_saveNames.LoadGame(1, played.steps, error) && error.empty()) std::abort();
    // Whatever happened, the tables are left empty for the next save.
    if (played.game.m_saveNames.ItemTypes().Count() != 0) std::abort();
    return 0;
}
