#include "support/ui_rig.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "tools/sampledata/wave_writer.h"
#include "ui/dialog.h"

namespace ui_rig_test {

namespace {

// A control that fires its id on any pen-down or on its key, and writes down what it drew.
class TapCtrl : public SCtrl {
public:
    TapCtrl() { m_input = SCtrlInput::kKeys | SCtrlInput::kPen; }
    uint32_t OnKey(uint32_t key) override { return key == 3006 ? m_id : 0; }
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override {
        const bool inside = x >= m_x && x < m_x + m_w && y >= m_y && y < m_y + m_h;
        return inside && down && !drag ? m_id : 0;
    }
    void Draw() override { m_display->FillRect(m_x, m_y, m_w, m_h, 0x07E0); }
};

// A dialog of 100x60 centred over the view, in a colour of its own, with one tap control.
class SmallDialog : public SDialog {
public:
    void Open(SGameData& game) {
        Init(&game);
        m_w = 100;
        m_h = 60;
        CenterInView();
        m_bgColor = 0x0000FF;  // red
        m_tap.Attach(this);
        m_tap.SetRect(int16_t(m_x + 10), int16_t(m_y + 10), 20, 20);
        m_tap.m_id = 7;
        AddCtrl(&m_tap);
        Reopen();
    }
    uint32_t OnCommand(uint32_t id) override {
        m_commands.push_back(id);
        return 0;
    }

    TapCtrl m_tap;
    std::vector<uint32_t> m_commands;
};

class UiRigTests : public UiRigTest {
protected:
    // The rig in mode 7 with the small dialog open over the play screen and drawn.
    UiRig& startWithDialog() {
        UiRig& rig = Start(7);
        if (HasFailure()) return rig;
        dialog.Open(rig.Game());
        rig.OpenDialog(dialog);
        rig.Frame();
        return rig;
    }

    SmallDialog dialog;
};

TEST_F(UiRigTests, theRecordingPlayScreenIsCurrentWithTheViewWhereTheLayoutPutsIt) {
    struct Row {
        uint32_t mode;
        int width, height, viewW, viewH;
    };
    for (Row row : {Row{7, 240, 320, 240, 240}, Row{10, 480, 640, 480, 480}}) {
        UiRig& rig = Start(row.mode);
        ASSERT_FALSE(HasFailure());
        EXPECT_EQ(rig.Game().m_currentScreen, &rig.PlayScreen());
        EXPECT_EQ(rig.Width(), row.width);
        EXPECT_EQ(rig.Height(), row.height);
        EXPECT_EQ(rig.Game().PlayView().m_viewWidth, row.viewW);
        EXPECT_EQ(rig.Pixel(5, 5), RecordingPlayScreen::kSkyColour) << "mode " << row.mode;
        EXPECT_EQ(rig.Pixel(5, row.viewH - 5), RecordingPlayScreen::kGroundColour);
        EXPECT_EQ(rig.Pixel(5, row.viewH + 5), RecordingPlayScreen::kScreenColour);
    }
}

TEST_F(UiRigTests, everyFrameMovesTheClockByTheModesIntervalAndTheFrameCounterByOne) {
    for (auto [mode, interval] : {std::pair{7u, 40u}, std::pair{10u, 30u}}) {
        UiRig& rig = Start(mode);
        ASSERT_FALSE(HasFailure());
        const uint32_t before = platform::TickCount(), frame = rig.Game().m_frameCounter;
        rig.Frames(3);
        EXPECT_EQ(platform::TickCount() - before, 3 * interval) << "mode " << mode;
        EXPECT_EQ(rig.Game().m_frameCounter, frame + 3);
    }
}

TEST_F(UiRigTests, aDialogOverThePlayScreenTakesTapsAndActionsThroughTheGameObject) {
    UiRig& rig = startWithDialog();
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(rig.Pixel(dialog.m_x + 50, dialog.m_y + 50), 0xF800) << "the dialog's own colour";
    EXPECT_EQ(rig.Pixel(dialog.m_x + 15, dialog.m_y + 15), 0x07E0) << "its control";

    rig.Tap(dialog.m_x + 50, dialog.m_y + 50);
    rig.Tap(dialog.m_x + 15, dialog.m_y + 15);
    rig.Key(3006);
    rig.Key(3000);
    EXPECT_EQ(dialog.m_commands, (std::vector<uint32_t>{7, 7}));
    EXPECT_TRUE(rig.PlayScreen().m_commands.empty());
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

TEST_F(UiRigTests, theRepaintCheckFindsPixelsThatNoRepaintWouldDraw) {
    UiRig& rig = startWithDialog();
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(rig.MatchesFullRepaint());

    // A stray mark, as a text changed on a clean dialog leaves behind.
    rig.Game().m_display->FillRect(dialog.m_x + 60, dialog.m_y + 30, 3, 2, 0xFFFF);
    rig.Frame();
    const ::testing::AssertionResult check = rig.MatchesFullRepaint();
    EXPECT_FALSE(check);
    EXPECT_STREQ(check.message(), "6 pixels differ from a full repaint, the first at (130, 120)");
    EXPECT_TRUE(rig.MatchesFullRepaint()) << "the check's own repaint leaves the screen right";
}

TEST_F(UiRigTests, theSoundLogHoldsEachSoundWithItsVolumeAndLoopAndEveryStop) {
    UiRig& rig = Start(7);
    ASSERT_FALSE(HasFailure());
    auto sound = std::make_unique<SSoundType>();
    sound->name = "bsnd_click";
    sound->sampleImage = MakeWave(11025, 1, FadingTone(11025, 800, 0.02, 8000));
    SSoundType& click = *sound;
    rig.Game().m_soundTable.AddSound(std::move(sound));

    EXPECT_NE(rig.Game().PlaySound("bsnd_click", 10), 0);
    EXPECT_EQ(rig.Game().PlaySound("bsnd_missing", 10), 0) << "a name the table lacks plays nothing";
    const int channel = rig.Game().m_sound->PlayLooped(click, 14);
    rig.Game().m_sound->StopChannel(channel);
    rig.Game().m_sound->StopAllSounds();
    EXPECT_EQ(rig.Sounds().Lines(), (std::vector<std::string>{"bsnd_click 10", "bsnd_click 10 looped",
                                                              "stop " + std::to_string(channel), "stop all"}));
}

}  // namespace

}  // namespace ui_rig_test
