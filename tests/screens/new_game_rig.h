#pragma once
// What the scene and character-creation tests share: the interface test rig over the sample world's
// four packages, written into the program folder and opened as "Start new game" opens them.
#include <string>

#include "data/player/character_choice.h"
#include "engine/files/file_layer.h"
#include "screens/screen_id.h"
#include "support/step_counter.h"
#include "support/ui_rig.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/world_packages.h"

class NewGameRigTest : public UiRigTest {
protected:
    static void WriteSamplePackages() {
        SFileFolder folder;
        std::string error;
        ASSERT_TRUE(WriteMusicPackage(folder, error)) << error;
        ASSERT_TRUE(WriteSoundPackage(folder, error)) << error;
        ASSERT_TRUE(WriteResourcePackage(folder, error)) << error;
        ASSERT_TRUE(WriteWorldPackage(folder, error)) << error;
    }
    // The rig in the screen mode with the sample world's packages open.
    UiRig& StartWithSampleWorld(uint32_t screenMode) {
        UiRig& rig = Start(screenMode);
        WriteSamplePackages();
        StepCounter steps;
        EXPECT_TRUE(rig.Game().m_packages.OpenAll(steps)) << rig.Game().m_packages.Error().Message();
        return rig;
    }
    // The game's own play screen in the mode over the sample world, entered on a new game of a
    // Seiry named Tamsin.
    void StartNewGame(uint32_t screenMode) {
        m_rig = std::make_unique<UiRig>();
        std::string error;
        ASSERT_TRUE(m_rig->Start(screenMode, error, false)) << error;
        WriteSamplePackages();
        SCharacterChoice choice;
        choice.name = "Tamsin";
        choice.race = 3;
        ASSERT_TRUE(m_rig->Game().m_saveNames.NewGame(m_steps, choice, error)) << error;
        m_rig->Game().m_currentScreen->m_param[0] = 1;
        m_rig->Game().SwitchState(kPlayScreen);
        m_rig->Frame();
        ASSERT_EQ(Current(), m_rig->Game().Screen(kPlayScreen));
    }
    // Taps the middle of a control.
    void TapOn(const SCtrl& ctrl) { m_rig->Tap(ctrl.m_x + ctrl.m_w / 2, ctrl.m_y + ctrl.m_h / 2); }
    SState* Current() { return m_rig->Game().m_currentScreen; }

    StepCounter m_steps;
};
