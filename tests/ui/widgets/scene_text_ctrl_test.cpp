#include "ui/widgets/scene_text_ctrl.h"

#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "ui/colour_word.h"
#include "ui/widgets/widget_fixture.h"

namespace scene_text_ctrl_test {

namespace {

// Block glyphs are 6 high, so a line is 7: three words, one a line in a control 30 wide, make a
// text 21 high that starts 3 pixels in.
class SceneTextTest : public WidgetTest {
protected:
    void start(const char* text, uint32_t interval = 50) {
        place(scene, 10, 10, 30, 40);
        scene.Start(text);
        scene.SetInterval(interval);
    }
    // Moves the clock on and gives the control its tick.
    void tickAfter(uint32_t milliseconds) {
        platform::headless::AdvanceTime(milliseconds);
        scene.OnTick(0);
    }

    SSceneTextCtrl scene;
};

TEST_F(SceneTextTest, stepsOncePerIntervalPausesInPlaceThenHoldsTwoSecondsAndFinishes) {
    start("one two three");
    ASSERT_EQ(scene.m_lines.Count(), 3);
    ASSERT_EQ(scene.m_total, 21);
    struct Step {
        const char* what;
        uint32_t advance;
        bool paused;
        int32_t offset;
        bool holding, finished;
    };
    const Step steps[] = {
        {"not yet due", 49, false, 3, false, false},
        {"due", 1, false, 4, false, false},
        {"one step however late", 500, false, 5, false, false},
        {"paused", 500, true, 5, false, false},
        {"resumed: a fresh interval", 49, false, 5, false, false},
        {"resumed and due", 1, false, 6, false, false},
    };
    for (const Step& step : steps) {
        if (scene.m_running == uint32_t(step.paused)) scene.SetPaused(step.paused);
        tickAfter(step.advance);
        EXPECT_EQ(scene.m_offset, step.offset) << step.what;
        EXPECT_EQ(scene.m_holding != 0, step.holding) << step.what;
        EXPECT_EQ(scene.IsFinished(), step.finished) << step.what;
    }
    for (int i = 0; i < 15; ++i) tickAfter(50);
    EXPECT_EQ(scene.m_offset, 21);
    tickAfter(50);
    EXPECT_TRUE(scene.m_holding) << "the offset reached the total";
    EXPECT_EQ(scene.m_offset, 21);
    tickAfter(1999);
    EXPECT_FALSE(scene.IsFinished());
    scene.SetPaused(true);
    tickAfter(10);
    EXPECT_FALSE(scene.IsFinished()) << "a paused text does not end its hold";
    scene.SetPaused(false);
    tickAfter(0);
    EXPECT_TRUE(scene.IsFinished());
}

// Its offset starts at half a line, above its total of 0: it must still hold and finish.
TEST_F(SceneTextTest, anEmptyTextHoldsAndThenFinishes) {
    start("");
    EXPECT_EQ(scene.m_total, 0);
    tickAfter(0);
    EXPECT_TRUE(scene.m_holding);
    tickAfter(SSceneTextCtrl::kHoldMs - 1);
    EXPECT_FALSE(scene.IsFinished());
    tickAfter(1);
    EXPECT_TRUE(scene.IsFinished());
}

TEST_F(SceneTextTest, drawAloneShowsNothingAndAStepFadesTheEnteringLineIn) {
    start("one two three");
    scene.Draw();
    EXPECT_EQ(countOf(kGround), kScreenW * kScreenH);

    tickAfter(50);
    // Offset 4: the first line starts four rows above the bottom edge, 4/7 of the way from the
    // message-button colour to the ink, channel by channel. The line is drawn whole: so faint a
    // line fades into the background it runs over.
    const uint32_t blend = game.m_interfaceTextColour, ink = 0x161616;
    auto channel = [](int b, int t) { return b + (t - b) * 4 / 7; };
    const uint16_t faded = ColourWord565(MakeColourWord(channel(ColourWordRed(blend), ColourWordRed(ink)),
                                                        channel(ColourWordGreen(blend), ColourWordGreen(ink)),
                                                        channel(ColourWordBlue(blend), ColourWordBlue(ink))));
    EXPECT_EQ(boundsOf(faded), "17,46 14x6") << "\"one\" centred in 30 pixels";
}

TEST_F(SceneTextTest, aPenDownInsideAnswersTheIdAndNothingElseDoes) {
    start("one");
    scene.m_id = 77;
    EXPECT_EQ(scene.OnPen(12, 12, 1, 0), 77u);
    EXPECT_EQ(scene.OnPen(12, 12, 1, 1), 0u);
    EXPECT_EQ(scene.OnPen(12, 12, 0, 0), 0u);
    EXPECT_EQ(scene.OnPen(50, 12, 1, 0), 0u);
}

}  // namespace

}  // namespace scene_text_ctrl_test
