#include "screens/settings/state_settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/files/game_registry.h"
#include "game/feldmar2.h"
#include "game/game_data.h"
#include "platform/device.h"
#include "platform/headless/headless.h"
#include "screens/screen_id.h"
#include "screens/settings/key_choices.h"
#include "support/png_writer.h"
#include "support/ui_rig.h"
#include "ui/colour_word.h"

namespace state_settings_test {

namespace {

constexpr uint32_t kLitCell = 0xC8C8C8;
constexpr uint32_t kDarkCell = 0x585858;

class SettingsScreenTest : public UiRigTest {
protected:
    // The rig in the screen mode with the settings screen opened over the play screen, as the menu
    // opens it over itself.
    SStateSettings& Open(uint32_t mode) {
        UiRig& rig = Start(mode);
        rig.Game().m_currentScreen->m_keep = 1;
        rig.Game().SwitchState(kSettingsScreen);
        rig.Frame();
        rig.Sounds().Clear();
        return Settings();
    }
    SStateSettings& Settings() { return static_cast<SStateSettings&>(*m_rig->Game().Screen(kSettingsScreen)); }
    SGameData& Game() { return m_rig->Game(); }
    SSettings& Record() { return Game().m_settings; }

    // Taps the middle of a control. The rig taps in window coordinates, which the game turns for
    // the display's orientation, so the tap is turned back first.
    void TapCtrl(const SCtrl& ctrl) {
        ASSERT_TRUE(ctrl.IsShown()) << "control " << ctrl.m_id << " is not on the screen";
        const int x = ctrl.m_x + ctrl.m_w / 2, y = ctrl.m_y + ctrl.m_h / 2;
        const int width = Game().m_display->m_width, height = Game().m_display->m_height;
        switch (Game().m_display->m_orientation) {
            case 1: m_rig->Tap(height - y, x); break;
            case 2: m_rig->Tap(y, width - x); break;
            default: m_rig->Tap(x, y); break;
        }
    }
    // Opens the screen at every screen mode and calls check in every orientation the mode offers,
    // with a name for the failure message.
    template <typename Check>
    void InEveryModeAndOrientation(Check check) {
        for (uint32_t mode : {6u, 7u, 8u, 9u, 10u, 11u, 14u, 15u, 16u}) {
            Open(mode);
            const bool turns = Settings().m_orientations[1].IsShown();
            for (int orientation : turns ? std::vector<int>{1, 2, 0} : std::vector<int>{0}) {
                if (turns) TapCtrl(Settings().m_orientations[orientation]);
                check(mode, "mode " + std::to_string(mode) + ", orientation " + std::to_string(orientation));
            }
        }
    }
    int TextWidth(const STextCtrl& ctrl, const char* text) {
        Game().m_text->SelectFont(int(ctrl.m_font), 0, 0);
        return Game().m_text->TextWidth(text);
    }
    std::vector<std::string> RowValues() {
        std::vector<std::string> values;
        for (const SStateSettings::SKeyRow& row : Settings().m_rows) values.push_back(row.value.m_words.Text());
        return values;
    }
    // Whether the whole device screen, turned or not, equals what a full repaint draws.
    ::testing::AssertionResult DeviceScreenMatchesFullRepaint() {
        const std::vector<uint16_t> shown = platform::headless::Screen();
        SDisplay& display = *Game().m_display;
        display.BeginFrame();
        display.FillRect(0, 0, display.m_width, display.m_height, 0xF81F);
        Game().m_currentScreen->SetDirty();
        Game().m_currentScreen->Draw();
        display.Present();
        const std::vector<uint16_t>& repainted = platform::headless::Screen();
        size_t differing = 0;
        for (size_t i = 0; i < shown.size(); ++i) differing += shown[i] != repainted[i];
        if (differing == 0) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << differing << " device pixels differ from a full repaint";
    }
};

TEST_F(SettingsScreenTest, musicCellZeroSilencesTheMusicAndLeavesTheSoundVolume) {
    Open(7);
    Record().soundVolume = 7;
    TapCtrl(Settings().m_musicCells[0]);
    EXPECT_EQ(Record().musicVolume, 0u);
    EXPECT_EQ(Record().soundVolume, 7u);
    EXPECT_EQ(RegGetDword("MusicVolume", 99), 0u);
    EXPECT_EQ(Settings().m_musicCells[0].m_color, kLitCell);
    for (int i = 1; i < SStateSettings::kVolumeCells; ++i) EXPECT_EQ(Settings().m_musicCells[i].m_color, kDarkCell);
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"interface sound 1 10"});
    EXPECT_EQ(Game().m_currentScreen, &Settings());
}

TEST_F(SettingsScreenTest, soundCellTenLightsAllElevenCells) {
    Open(7);
    TapCtrl(Settings().m_soundCells[3]);
    ASSERT_EQ(Record().soundVolume, 3u);
    EXPECT_EQ(Settings().m_soundCells[4].m_color, kDarkCell);
    TapCtrl(Settings().m_soundCells[10]);
    EXPECT_EQ(Record().soundVolume, 10u);
    EXPECT_EQ(RegGetDword("SoundVolume", 99), 10u);
    for (const SFillColorCtrl& cell : Settings().m_soundCells) {
        EXPECT_EQ(cell.m_color, kLitCell) << "cell " << cell.m_id;
        EXPECT_EQ(m_rig->Pixel(cell.m_x + 1, cell.m_y + 1), ColourWord565(kLitCell)) << "cell " << cell.m_id;
    }
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(SettingsScreenTest, rowZeroStepsThroughTheActionsAndStopsAtUse) {
    Open(7);
    SStateSettings::SKeyRow& row = Settings().m_rows[0];
    EXPECT_EQ(std::string(row.name.m_words.Text()), "Up arrow:");
    EXPECT_EQ(std::string(row.value.m_words.Text()), "forward");
    std::vector<std::string> seen;
    while (row.next.IsEnabled() && seen.size() < 12) {
        TapCtrl(row.next);
        seen.push_back(row.value.m_words.Text());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"back", "turn left", "turn right", "strafe left", "strafe right", "spell",
                                              "hit", "use"}));
    EXPECT_EQ(Record().keys[0], uint32_t(kActionUse));
    EXPECT_TRUE(row.previous.IsEnabled());
    // Saved with each step, so that closing the window over the screen keeps it.
    EXPECT_EQ(RegGetDword("Key1", 0), uint32_t(kActionUse));
}

// The device's names alone ("Calendar:") told nobody at a desktop which key a row binds.
TEST_F(SettingsScreenTest, theApplicationButtonsRowsNameTheirDesktopKeys) {
    Open(7);
    const char* const labels[] = {"Select (Return):", "Calendar (F1):", "Contacts (F2):", "Messaging (F3):",
                                  "Home (F4):"};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(Settings().m_rows[4 + i].name.m_words.Text(), labels[i]);
}

TEST_F(SettingsScreenTest, rowZeroStepsBackToNoneAndStopsThere) {
    Open(7);
    SStateSettings::SKeyRow& row = Settings().m_rows[0];
    TapCtrl(row.previous);
    EXPECT_EQ(std::string(row.value.m_words.Text()), "none");
    EXPECT_EQ(Record().keys[0], 0u);
    EXPECT_FALSE(row.previous.IsEnabled());
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

// The orientation and the view size have controls only where they mean something: the devices
// that can be turned, and the large screens.
TEST_F(SettingsScreenTest, eachScreenModeShowsTheControlsItCanUse) {
    struct Row {
        uint32_t mode;
        bool orientation, viewSize;
        const char* keysLabel;
    };
    const Row rows[] = {{6, true, false, "Portrait keys:"}, {7, true, false, "Portrait keys:"},
                        {8, false, false, "Keys:"},         {9, true, true, "Portrait keys:"},
                        {10, true, true, "Portrait keys:"}, {11, false, true, "Keys:"},
                        {14, false, true, "Keys:"},         {15, false, true, "Keys:"},
                        {16, false, false, "Keys:"}};
    for (const Row& row : rows) {
        SCOPED_TRACE("mode " + std::to_string(row.mode));
        SStateSettings& settings = Open(row.mode);
        for (const STopicButtonCtrl& button : settings.m_orientations) EXPECT_EQ(button.IsShown(), row.orientation);
        EXPECT_EQ(settings.m_orientationLabel.IsShown(), row.orientation);
        EXPECT_EQ(settings.m_viewSizeUp.IsShown(), row.viewSize);
        EXPECT_EQ(settings.m_viewSizeDown.IsShown(), row.viewSize);
        EXPECT_EQ(settings.m_viewSizeValue.IsShown(), row.viewSize);
        EXPECT_EQ(std::string(settings.m_keysLabel.m_words.Text()), row.keysLabel);
        for (const SStateSettings::SKeyRow& keyRow : settings.m_rows) {
            EXPECT_TRUE(keyRow.name.IsShown() && keyRow.previous.IsShown() && keyRow.value.IsShown() &&
                        keyRow.next.IsShown());
        }
        EXPECT_TRUE(settings.m_defaultKeys.IsShown() && settings.m_close.IsShown() && settings.m_title.IsShown());
        if (row.orientation) {
            EXPECT_TRUE(settings.m_orientations[0].IsChecked());
        }
        EXPECT_TRUE(m_rig->MatchesFullRepaint());
        m_rig->Shot("settings_mode_" + std::to_string(row.mode));
    }
}

// Every label holds its text at every screen mode and in every orientation the mode offers.
TEST_F(SettingsScreenTest, everyLabelHoldsItsTextInEveryModeAndOrientation) {
    InEveryModeAndOrientation([&](uint32_t, const std::string& name) {
        std::vector<const STextCtrl*> labels{&Settings().m_soundLabel, &Settings().m_musicLabel,
                                             &Settings().m_orientationLabel, &Settings().m_viewSizeLabel,
                                             &Settings().m_keysLabel};
        for (const SStateSettings::SKeyRow& row : Settings().m_rows) labels.push_back(&row.name);
        for (const STextCtrl* label : labels) {
            if (!label->IsShown()) continue;
            EXPECT_LE(TextWidth(*label, label->m_words.Text()), int(label->m_w))
                << name << ": \"" << label->m_words.Text() << "\"";
        }
    });
}

// A key row's name takes room from its value: every value the row can step to still fits between
// its buttons.
TEST_F(SettingsScreenTest, everyKeyChoiceFitsBetweenItsRowsButtons) {
    InEveryModeAndOrientation([&](uint32_t mode, const std::string& name) {
        for (int r = 0; r < kKeyRows; ++r) {
            const STextCtrl& value = Settings().m_rows[r].value;
            for (const SKeyChoice& choice : RowChoices(r, IsKeyboardScreenMode(int(mode))))
                EXPECT_LE(TextWidth(value, choice.name), int(value.m_w)) << name << ": \"" << choice.name << "\"";
        }
    });
}

TEST_F(SettingsScreenTest, choosingTheCheckedOrientationDoesNothing) {
    Open(7);
    const HAL::Display* display = Game().m_display->m_display.get();
    TapCtrl(Settings().m_orientations[0]);
    EXPECT_TRUE(m_rig->Sounds().Lines().empty());
    EXPECT_EQ(Game().m_screenMode, 7u);
    EXPECT_EQ(Game().m_display->m_display.get(), display) << "the display was not made again";
    EXPECT_TRUE(Settings().m_orientations[0].IsChecked());
}

// At 240x320 the left landscape turns the display, draws 320x240 in mode 6 and lays the screen
// out again, all before the frame that follows the tap is presented.
TEST_F(SettingsScreenTest, leftLandscapeTurnsTheDisplayAndRedrawsItAllWithinTheFrame) {
    Open(7);
    m_rig->Shot("settings_portrait_240x320");
    TapCtrl(Settings().m_orientations[1]);
    EXPECT_EQ(Game().m_screenMode, 6u);
    EXPECT_EQ(Game().m_display->m_orientation, 1);
    EXPECT_EQ(Game().m_display->m_width, 320);
    EXPECT_EQ(Game().m_display->m_height, 240);
    EXPECT_EQ(Game().PlayView().m_screenWidth, 320);
    EXPECT_EQ(Record().startMode, 1u);
    EXPECT_EQ(RegGetDword("StartMode", 0), 1u);
    EXPECT_EQ(Settings().EditedOrientation(), 1u);
    EXPECT_FALSE(Settings().m_orientations[0].IsChecked());
    EXPECT_TRUE(Settings().m_orientations[1].IsChecked());
    EXPECT_EQ(std::string(Settings().m_keysLabel.m_words.Text()), "Left landscape keys:");
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"interface sound 1 10"});
    EXPECT_TRUE(DeviceScreenMatchesFullRepaint());
    // The device screen as the window shows it: the landscape picture turned onto the upright screen.
    WriteShot("settings_left_landscape_on_240x320", platform::headless::Screen(), platform::ScreenWidth(),
              platform::ScreenHeight(), platform::ScreenWidth());
    // The next start picks the turned mode from the stored orientation.
    EXPECT_EQ(ChooseScreenMode(240, 320, RegGetDword("StartMode", 0)).screenMode, 6u);

    TapCtrl(Settings().m_orientations[0]);
    EXPECT_EQ(Game().m_screenMode, 7u);
    EXPECT_EQ(Game().m_display->m_orientation, 0);
    EXPECT_TRUE(DeviceScreenMatchesFullRepaint());
}

TEST_F(SettingsScreenTest, defaultKeysInLeftLandscapeBindTheButtonsTurned) {
    Open(7);
    TapCtrl(Settings().m_orientations[1]);
    TapCtrl(Settings().m_rows[0].next);
    TapCtrl(Settings().m_rows[3].previous);
    ASSERT_NE(Record().leftKeys[0], uint32_t(kActionTurnLeft));
    const std::vector<uint32_t> portrait(Record().keys, Record().keys + 9);
    TapCtrl(Settings().m_defaultKeys);
    EXPECT_EQ(Record().leftKeys[0], uint32_t(kActionTurnLeft));
    EXPECT_EQ(Record().leftKeys[3], uint32_t(kActionForward));
    EXPECT_EQ(RegGetDword("LKey1", 0), uint32_t(kActionTurnLeft));
    EXPECT_EQ(RegGetDword("LKey4", 0), uint32_t(kActionForward));
    EXPECT_EQ(std::vector<uint32_t>(Record().keys, Record().keys + 9), portrait) << "portrait keys untouched";
    EXPECT_EQ(RowValues()[0], "turn left");
    EXPECT_EQ(RowValues()[3], "forward");
}

TEST_F(SettingsScreenTest, keyboardRowsAreActionsSteppingThroughKeys) {
    Open(14);
    EXPECT_EQ(std::string(Settings().m_rows[0].name.m_words.Text()), "Forward:");
    EXPECT_EQ(std::string(Settings().m_rows[8].name.m_words.Text()), "Strafe right:");
    EXPECT_EQ(RowValues(), (std::vector<std::string>{"w", "s", "q", "e", "space", "c", "return", "a", "d"}));
    TapCtrl(Settings().m_rows[0].next);
    EXPECT_EQ(RowValues()[0], "w");
    EXPECT_FALSE(Settings().m_rows[0].next.IsEnabled());
    TapCtrl(Settings().m_rows[0].previous);
    EXPECT_EQ(RowValues()[0], "up arrow");
    EXPECT_EQ(Record().keys[0], 38u);
}

// A keyboard reads only the portrait table, as key codes: an orientation stored by a turned
// device must not have Default keys write action codes there.
TEST_F(SettingsScreenTest, keyboardsBindKeyCodesWhateverTheStoredOrientation) {
    RegSetDword("StartMode", 2);
    Open(15);
    EXPECT_EQ(Game().m_display->m_orientation, 0);
    EXPECT_EQ(Settings().EditedOrientation(), 0u);
    const std::vector<uint32_t> right(Record().rightKeys, Record().rightKeys + 9);
    TapCtrl(Settings().m_rows[6].next);
    TapCtrl(Settings().m_defaultKeys);
    EXPECT_EQ(std::vector<uint32_t>(Record().keys, Record().keys + 9),
              (std::vector<uint32_t>{'w', 's', 'q', 'e', ' ', 'c', 13, 'a', 'd'}));
    EXPECT_EQ(std::vector<uint32_t>(Record().rightKeys, Record().rightKeys + 9), right);
    for (const std::string& value : RowValues()) EXPECT_NE(value, "none");
}

TEST_F(SettingsScreenTest, theViewSizeStepsWithinItsThreeSizes) {
    Open(15);
    SStateSettings& settings = Settings();
    EXPECT_EQ(std::string(settings.m_viewSizeLabel.m_words.Text()), "View size:");
    EXPECT_EQ(std::string(settings.m_viewSizeValue.m_words.Text()), "largest");
    EXPECT_FALSE(settings.m_viewSizeDown.IsEnabled());
    TapCtrl(settings.m_viewSizeUp);
    TapCtrl(settings.m_viewSizeUp);
    EXPECT_EQ(std::string(settings.m_viewSizeValue.m_words.Text()), "smallest");
    EXPECT_EQ(Record().viewSize, 2u);
    EXPECT_EQ(RegGetDword("ViewSize", 0), 2u);
    EXPECT_FALSE(settings.m_viewSizeUp.IsEnabled());
    TapCtrl(settings.m_viewSizeDown);
    EXPECT_EQ(std::string(settings.m_viewSizeValue.m_words.Text()), "moderate");
    EXPECT_EQ(m_rig->Sounds().Lines().size(), 3u);
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("settings_800x584");
}

TEST_F(SettingsScreenTest, closingSavesAndGoesBackWithTheQuestionSound) {
    Open(7);
    Record().keys[2] = uint32_t(kActionAttack);
    m_rig->Key(kActionUse);
    EXPECT_EQ(Game().m_currentScreen, Game().Screen(kPlayScreen));
    EXPECT_EQ(RegGetDword("Key3", 0), uint32_t(kActionAttack));
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"interface sound 2 10"});
}

TEST_F(SettingsScreenTest, valuesSurviveARestartThroughTheRegistryFile) {
    Open(10);
    TapCtrl(Settings().m_soundCells[4]);
    TapCtrl(Settings().m_musicCells[2]);
    TapCtrl(Settings().m_viewSizeUp);
    TapCtrl(Settings().m_rows[5].next);
    TapCtrl(Settings().m_orientations[2]);
    TapCtrl(Settings().m_close);

    // A new start: the game object reads the registry file afresh.
    SStateSettings& settings = Open(9);
    EXPECT_EQ(Record().soundVolume, 4u);
    EXPECT_EQ(Record().musicVolume, 2u);
    EXPECT_EQ(Record().viewSize, 1u);
    EXPECT_EQ(Record().keys[5], uint32_t(kActionAttack));
    EXPECT_EQ(Record().startMode, 2u);
    EXPECT_EQ(Game().m_display->m_orientation, 2);
    EXPECT_TRUE(settings.m_orientations[2].IsChecked());
    EXPECT_EQ(settings.m_soundCells[4].m_color, kLitCell);
    EXPECT_EQ(settings.m_soundCells[5].m_color, kDarkCell);
    EXPECT_EQ(std::string(settings.m_viewSizeLabel.m_words.Text()), "Right landscape view size:");
}

// Garbage in the registry file starts the game with sane settings that the screen shows, and the
// next save writes them back mended.
TEST_F(SettingsScreenTest, aDamagedRegistryFileShowsSaneSettingsAndIsRepairedOnTheNextSave) {
    std::ofstream(Folder() + "registry.ini") << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brimvale]\n"
                                                "this line is no setting\n"
                                                "SoundVolume=99\nMusicVolume=4294967295\nStartMode=7\n"
                                                "ViewSize=5\nKey12=1\nKey1=5555\nKey2=1002\nKey3=garbage\n";
    EXPECT_EQ(ChooseScreenMode(480, 640, RegGetDword("StartMode", 0)).screenMode, 10u);
    SStateSettings& settings = Open(10);
    EXPECT_EQ(Game().m_display->m_orientation, 0);
    EXPECT_TRUE(settings.m_orientations[0].IsChecked());
    for (int i = 0; i < SStateSettings::kVolumeCells; ++i) {
        EXPECT_EQ(settings.m_soundCells[i].m_color, kLitCell);
        EXPECT_EQ(settings.m_musicCells[i].m_color, kLitCell);
    }
    EXPECT_EQ(std::string(settings.m_viewSizeValue.m_words.Text()), "largest");
    EXPECT_EQ(RowValues()[0], "forward") << "an action no key carries out gives the default";
    EXPECT_EQ(RowValues()[1], "back");
    EXPECT_EQ(RowValues()[2], "none");
    EXPECT_TRUE(m_rig->MatchesFullRepaint());

    TapCtrl(settings.m_soundCells[10]);
    for (auto [name, value] :
         {std::pair{"SoundVolume", 10u}, std::pair{"MusicVolume", 10u}, std::pair{"StartMode", 0u},
          std::pair{"ViewSize", 0u}, std::pair{"Key1", 1000u}, std::pair{"Key2", 1002u}, std::pair{"Key3", 0u}})
        EXPECT_EQ(RegGetDword(name, 12345), value) << name;
}

}  // namespace

}  // namespace state_settings_test
