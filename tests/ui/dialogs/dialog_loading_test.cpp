#include "ui/dialogs/dialog_loading.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/files/file_layer.h"
#include "platform/headless/headless.h"
#include "support/ui_rig.h"
#include "tools/sampledata/audio_packages.h"
#include "ui/colour_word.h"

namespace dialog_loading_test {

namespace {

class LoadingDialogTest : public UiRigTest {
protected:
    // The dialog opened over the play screen, as the screens that load open it while they handle
    // an event.
    UiRig& open(uint32_t mode) {
        UiRig& rig = Start(mode);
        if (HasFailure()) return rig;
        dialog.Init(&rig.Game());
        dialog.Open();
        rig.OpenDialog(dialog);
        rig.BeginScene();
        return rig;
    }
    // Whether every pixel of the bar's rectangle from `from` (a fraction of its width) on has the
    // colour.
    bool barIs(const UiRig& rig, uint16_t colour, int fromX, int toX) const {
        for (int y = dialog.m_bar.m_y; y < dialog.m_bar.m_y + dialog.m_bar.m_h; ++y)
            for (int x = fromX; x < toX; ++x)
                if (rig.Pixel(x, y) != colour) return false;
        return true;
    }

    SDialogLoading dialog;
};

TEST_F(LoadingDialogTest, startAndEveryStepPresentAtOnceAndTheBarStaysFullPastItsCount) {
    UiRig& rig = open(7);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(dialog.m_w, rig.Width());
    EXPECT_EQ(dialog.m_h, rig.Height());
    EXPECT_EQ(dialog.m_ctrls.Count(), 7) << "four pictures, the caption, the frame and the bar";
    const int presents = platform::headless::PresentCount();
    dialog.Start(4);
    EXPECT_EQ(platform::headless::PresentCount(), presents + 1);
    const int left = dialog.m_bar.m_x, right = left + dialog.m_bar.m_w;
    EXPECT_TRUE(barIs(rig, 0, left, right)) << "nothing done yet";
    for (int step = 1; step <= 6; ++step) {
        dialog.Step();
        EXPECT_EQ(platform::headless::PresentCount(), presents + 1 + step);
    }
    EXPECT_EQ(dialog.m_bar.m_current, 4);
    EXPECT_TRUE(barIs(rig, ColourWord565(0x64C8C8), left, right));
}

TEST_F(LoadingDialogTest, startingWithNoStepsDrawsAnEmptyBar) {
    UiRig& rig = open(7);
    ASSERT_FALSE(HasFailure());
    dialog.Start(0);
    dialog.Step();
    EXPECT_TRUE(barIs(rig, 0, dialog.m_bar.m_x, dialog.m_bar.m_x + dialog.m_bar.m_w));
}

TEST_F(LoadingDialogTest, aLayoutWithoutElement12ShowsOnlyThePictures) {
    UiRig& rig = open(7);
    ASSERT_FALSE(HasFailure());
    SLayoutMode mode{7, 240, 320, {{10, 0, 0, 240, 120}, {11, 60, 46, 120, 28}, {13, 0, 124, 118, 60}}};
    const std::vector<uint8_t> bytes = SLayoutRecord::Build({{3, {mode}}});
    rig.Game().m_layout = SLayoutRecord(bytes);
    dialog.Open();
    ASSERT_EQ(dialog.m_ctrls.Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_NE(dialog.m_ctrls[i], &dialog.m_bar);
    EXPECT_EQ(dialog.m_ctrls[2], &dialog.m_pictures[3]) << "element 11, the keyed emblem";
    dialog.Start(2);
    dialog.Step();
    EXPECT_NE(rig.Pixel(5, 5), 0) << "the first picture shows";
    EXPECT_EQ(rig.Pixel(120, 300), 0) << "no bar";
}

TEST_F(LoadingDialogTest, theGamesLoadersStepTheBar) {
    UiRig& rig = open(7);
    ASSERT_FALSE(HasFailure());
    std::string error;
    ASSERT_TRUE(WriteSoundPackage(SFileFolder(), error)) << error;
    ASSERT_TRUE(WriteMusicPackage(SFileFolder(), error)) << error;
    const int presents = platform::headless::PresentCount();
    dialog.Start(4);
    // There is no world package yet: its step is taken all the same.
    EXPECT_FALSE(rig.Game().m_packages.OpenAll(dialog));
    EXPECT_EQ(rig.Game().m_packages.Count(), 2);
    EXPECT_EQ(dialog.m_bar.m_current, 4);
    EXPECT_EQ(platform::headless::PresentCount(), presents + 5);

    dialog.Start(8);
    rig.Game().LoadTablePictures(&dialog);
    rig.Game().BuildTables(&dialog);
    EXPECT_EQ(dialog.m_bar.m_current, 8);
    EXPECT_EQ(platform::headless::PresentCount(), presents + 5 + 9);
}

TEST_F(LoadingDialogTest, halfWayThroughItLooksRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        dialog.Start(10);
        for (int i = 0; i < 5; ++i) dialog.Step();
        const std::string name = "loading_half_way_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_EQ(dialog.m_pictures[3].m_stretched, 0u) << name << ": the keyed emblem is drawn at its own size";
        const int half = dialog.m_bar.m_x + dialog.m_bar.m_w / 2;
        EXPECT_TRUE(barIs(rig, ColourWord565(0x64C8C8), dialog.m_bar.m_x, half)) << name;
        EXPECT_TRUE(barIs(rig, 0, half, dialog.m_bar.m_x + dialog.m_bar.m_w)) << name;
        EXPECT_LE(dialog.m_frame.m_y + dialog.m_frame.m_h, rig.Height()) << name;
        rig.Frame();
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
    }
}

}  // namespace

}  // namespace dialog_loading_test
