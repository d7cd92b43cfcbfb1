#pragma once
// The play driver on the sample world: its five packages written into the program folder, a new
// game begun (the player in the cellar below ground) and the play screen entered for it, every
// sound that plays written down in the rig's sound log.
#include <gtest/gtest.h>

#include "data/player/character_choice.h"
#include "engine/files/file_layer.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "support/play_driver.h"
#include "support/step_counter.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/world_packages.h"

class SampleWorldPlayTest : public PlayDriverTest {
protected:
    static SCharacterChoice ayla() {
        SCharacterChoice choice;
        choice.name = "Ayla";
        return choice;
    }
    PlayDriver& StartSampleWorld(uint32_t screenMode = 7, SCharacterChoice choice = ayla()) {
        PlayDriver& driver = Start(screenMode);
        std::string error;
        const bool written = WriteMusicPackage(SFileFolder(), error) && WriteSoundPackage(SFileFolder(), error) &&
                             WriteResourcePackage(SFileFolder(), error) && WriteWorldPackage(SFileFolder(), error);
        EXPECT_TRUE(written) << error;
        // As the menus do before a new game: the piece the room's world could not play is let go.
        driver.Game().m_music.Stop();
        StepCounter loading;
        EXPECT_TRUE(driver.Game().m_saveNames.NewGame(loading, choice, error)) << error;
        driver.Play().Enter(1, 0, 0, 0);
        driver.Frame();
        return driver;
    }
    SStateGame& Play() { return m_driver->Play(); }
    SGameData& Game() { return m_driver->Game(); }
    SoundLog& Sounds() { return m_driver->Rig().Sounds(); }
    // The sound log's lines that name the sound, in order.
    std::vector<std::string> LinesOf(const std::string& name) {
        std::vector<std::string> lines;
        for (const std::string& line : Sounds().Lines())
            if (line.rfind(name + " ", 0) == 0) lines.push_back(line);
        return lines;
    }
};
