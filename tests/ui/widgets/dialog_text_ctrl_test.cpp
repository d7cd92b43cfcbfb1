#include "ui/widgets/dialog_text_ctrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/headless/headless.h"
#include "support/ui_rig.h"
#include "ui/colour_word.h"
#include "widget_fixture.h"

namespace dialog_text_ctrl_test {

namespace {

// The block font: lines 6 high, 7 with the gap between lines; 5 columns a character. The bullet
// takes two characters, so every line is indented by 10 pixels.
constexpr int kLine = kBlockHeight + 1;
constexpr int kIndent = 2 * kBlockAdvance;
constexpr uint32_t kInk = 0x0000FF, kStress = 0x00FF00, kPaper = 0x402010;

class DialogTextCtrlTest : public WidgetTest {
protected:
    // A control of `lines` lines (and `extra` pixels more), 60 wide, set up at (10, 10).
    SDialogTextCtrl& makeText(int lines, int extra = 0) {
        place(text, 10, 10, 60, lines * kLine + extra);
        text.Setup(1, kInk, kInk, kStress, kPaper, nullptr);
        return text;
    }
    std::vector<std::string> pending() const {
        std::vector<std::string> lines;
        for (int i = 0; i < text.m_pending.Count(); ++i) lines.push_back(text.m_pending[i].text.Text());
        return lines;
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> lines;
        for (int i = 0; i < text.m_shown.Count(); ++i) lines.push_back(text.m_shown[i].text.Text());
        return lines;
    }
    // Draws and answers how long the reveal took on the headless clock.
    uint32_t timedDraw() {
        const uint32_t before = platform::TickCount();
        text.Draw();
        return platform::TickCount() - before;
    }

    SDialogTextCtrl text;
};

using Lines = std::vector<std::string>;

TEST_F(DialogTextCtrlTest, wrappingMakesNoEmptyLinesAndPutsTheBulletOnTheFirstLineOnly) {
    struct Row {
        const char* name;
        const char* text;
        Lines lines;
    };
    // 60 wide less the 10 of the bullet: nine characters fit on a line.
    for (const Row& row :
         {Row{"oneLine", "aaaa bbbb", {"aaaa bbbb"}},
          Row{"wrapsAtTheLastBlank", "aaaa bbbb cccc", {"aaaa bbbb", "cccc"}},
          Row{"twoCrLfPairsGiveNoBlankLine", "aaaa\r\n\r\nbbbb", {"aaaa", "bbbb"}},
          Row{"leadingBreaksAndTabsAreSkipped", "\r\n \tcccc", {"cccc"}},
          Row{"aWordLongerThanALineBreaksWhereTheLineIsFull", "aaaaaaaaaaaa b", {"aaaaaaaaa", "aaa b"}},
          Row{"onlyBreaksAddNothing", " \r\n\t ", {}}, Row{"emptyAddsNothing", "", {}}}) {
        makeText(3).Clear();
        text.AddText(row.text, 2, 1);
        EXPECT_EQ(pending(), row.lines) << row.name;
        for (int i = 0; i < text.m_pending.Count(); ++i) {
            EXPECT_EQ(text.m_pending[i].bullet, i == 0 ? 1u : 0u) << row.name << " line " << i;
            EXPECT_EQ(text.m_pending[i].colorIndex, 2u) << row.name << " line " << i;
        }
    }
    makeText(3).AddText(nullptr, 0, 0);
    EXPECT_TRUE(pending().empty());
}

// The width comes from layout data or the play view, either of which may be 0: the text then
// stays whole instead of the wrap standing still.
TEST_F(DialogTextCtrlTest, aZeroOrNegativeWrapWidthStillMovesOn) {
    for (int width : {0, 4}) {
        makeText(3).Clear();
        text.m_w = uint16_t(width);
        text.AddText("ab cd", 0, 0);
        EXPECT_EQ(pending(), (Lines{"ab cd"})) << "width " << width;
    }
}

// How a reveal is set up: instant, keep going, lines reserved. kBelow keeps going with a line
// reserved, so that the "..." has a line below the page's last.
struct RevealSetup {
    uint32_t instant, keepGoing, reserved;
};
constexpr RevealSetup kTimed{0, 0, 0}, kInstant{1, 0, 0}, kReserveOne{0, 0, 1}, kKeepGoing{0, 1, 0}, kBelow{0, 1, 1},
    kReserveAll{0, 0, 3};

// The page is 3 lines; the text 2 to 5 one-word lines "l1", "l2"... Pauses: 100 ms after every
// line revealed while more wait, 50 ms for the large screens' last scroll.
TEST_F(DialogTextCtrlTest, theRevealFillsAPageStopsAtTheEllipsisAndGoesOnWhenTheOwnerSaysSo) {
    struct Row {
        const char* name;
        uint32_t screenType;
        RevealSetup setup;
        int lines;
        Lines page;
        uint32_t ms;
        Lines nextPage;  // after the owner's reset and another Draw
        uint32_t nextMs;
    };
    const Row rows[] = {
        {"fewerThanFit", 7, kTimed, 2, {"l1", "l2", ""}, 100, {"l1", "l2", ""}, 0},
        {"aFullPageStaysOnASmallScreen", 7, kTimed, 3, {"l1", "l2", "l3"}, 200, {"l1", "l2", "l3"}, 0},
        {"aFullPageScrollsOnceMoreOnALargeScreen", 10, kTimed, 3, {"l2", "l3", ""}, 250, {"l2", "l3", ""}, 0},
        {"moreThanFitStopsAtTheEllipsis", 7, kTimed, 5, {"l2", "l3", "..."}, 300, {"...", "l4", "l5"}, 100},
        {"typesFiveAndEightStopAtAnEmptyLine", 8, kTimed, 4, {"l2", "l3", ""}, 300, {"l3", "", "l4"}, 0},
        {"instantTakesNoTimeAndNeedsNoEllipsis", 10, kInstant, 5, {"l1", "l2", "l3"}, 0, {"l3", "l4", "l5"}, 0},
        {"aReservedLineStaysFree", 7, kReserveOne, 4, {"l2", "...", ""}, 200, {"...", "l3", "l4"}, 100},
        {"keepGoingPutsTheEllipsisBelow", 7, kBelow, 4, {"l1", "l2", "..."}, 200, {"...", "l3", "l4"}, 100},
        // With the page full there is no line below: it scrolls instead of writing past the page.
        {"keepGoingOnAFullPageScrolls", 7, kKeepGoing, 5, {"l2", "l3", "..."}, 300, {"...", "l4", "l5"}, 100},
        // Counted signed: every line reserved still reveals one a page.
        {"allLinesReservedRevealOneAPage", 7, kReserveAll, 3, {"...", "", ""}, 100, {"l2", "...", ""}, 100},
    };
    for (const Row& row : rows) {
        game.m_screenMode = row.screenType;
        makeText(3);
        text.m_instant = row.setup.instant;
        text.m_keepGoing = row.setup.keepGoing;
        text.m_reserved = row.setup.reserved;
        std::string paragraph;
        for (int i = 1; i <= row.lines; ++i) paragraph += "l" + std::to_string(i) + "\r";
        text.AddText(paragraph.c_str(), 0, 0);
        EXPECT_EQ(timedDraw(), row.ms) << row.name;
        EXPECT_EQ(shown(), row.page) << row.name;
        EXPECT_EQ(timedDraw(), 0u) << row.name << ": a stopped page only repaints";
        EXPECT_EQ(shown(), row.page) << row.name;
        text.m_shownThisRun = 0;
        EXPECT_EQ(timedDraw(), row.nextMs) << row.name;
        EXPECT_EQ(shown(), row.nextPage) << row.name;
    }
}

TEST_F(DialogTextCtrlTest, theEllipsisTakesTheLastLinesBulletAndColour) {
    makeText(2);
    text.AddText("l1", 0, 0);
    text.AddText("l2", 2, 1);
    text.AddText("l3", 0, 0);
    text.Draw();
    ASSERT_EQ(shown(), (Lines{"l2", "..."}));
    EXPECT_EQ(text.m_shown[1].bullet, 1u);
    EXPECT_EQ(text.m_shown[1].colorIndex, 2u);
}

TEST_F(DialogTextCtrlTest, aControlUnderOneLineHighRevealsNothingAndKeepsItsText) {
    makeText(0, kLine - 1);
    EXPECT_EQ(text.m_visibleLines, 0u);
    text.AddText("l1\rl2", 0, 0);
    EXPECT_EQ(timedDraw(), 0u);
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(pending(), (Lines{"l1", "l2"}));
}

TEST_F(DialogTextCtrlTest, afterClearingAFullControlNewTextArrivesOnTheBottomLine) {
    makeText(3);
    text.m_instant = 1;
    text.AddText("l1\rl2\rl3", 0, 0);
    text.Draw();
    text.Clear();
    text.AddText("l4", 0, 0);
    text.Draw();
    EXPECT_EQ(shown(), (Lines{"", "", "l4"}));
}

TEST_F(DialogTextCtrlTest, blankLinesKeepTheBottomLineFreeAndAreRevealedAtOnce) {
    makeText(3);
    text.m_instant = 1;
    text.AddBlankLines(2);
    EXPECT_EQ(text.m_reserved, 1u);
    EXPECT_EQ(shown(), (Lines{" ", " ", ""}));
}

TEST_F(DialogTextCtrlTest, measuringCountsThePendingLinesAndTheWidestAsDrawnWithItsIndent) {
    makeText(3);
    text.AddText("aaaa bbbb cccc", 0, 1);
    text.AddText("dd", 0, 0);
    int widest = 0;
    // Measured wider than they were wrapped, each line stays one line.
    EXPECT_EQ(text.MeasurePending(200, widest), 3);
    EXPECT_EQ(widest, 9 * kBlockAdvance + 1 + kIndent);
    // Narrower, the first line breaks in two.
    EXPECT_EQ(text.MeasurePending(30, widest), 4);
}

// Line i of the page lies at y + 7i; the bullet's two blocks at x and x + 5, the text from x + 10.
TEST_F(DialogTextCtrlTest, linesAreDrawnIndentedWithTheBulletOnTheParagraphsFirstLineInTheirColour) {
    makeText(3);
    text.m_instant = 1;
    text.AddText("aaaa bbbb cccc", 2, 1);
    text.AddText("d", 0, 0);
    text.Draw();
    EXPECT_EQ(boundsOf(ColourWord565(kStress)), "10,10 54x13") << "the paragraph, bullet included";
    EXPECT_EQ(at(10, 10 + kLine), ColourWord565(kPaper)) << "no bullet on the second line";
    EXPECT_EQ(boundsOf(ColourWord565(kInk)), "20,24 4x6") << "the next paragraph, indented";
    EXPECT_EQ(boundsOf(ColourWord565(kPaper)), "10,10 60x21") << "the blend colour clears the whole page";
}

TEST_F(DialogTextCtrlTest, centredLinesHaveNoBullet) {
    makeText(1);
    text.m_instant = 1;
    text.m_centered = 1;
    text.AddText("ab", 0, 1);
    text.Draw();
    EXPECT_EQ(boundsOf(ColourWord565(kInk)), "35,10 9x6");
}

// On the game's own display: every line of a timed reveal but the last is presented and followed
// by a 100 ms pause on the headless clock; an instant reveal presents nothing in between.
class TextRevealOnScreen : public UiRigTest {};

TEST_F(TextRevealOnScreen, aTimedRevealPresentsLineByLineAndAnInstantOneNothing) {
    for (uint32_t mode : {7u, 10u}) {
        for (uint32_t instant : {0u, 1u}) {
            UiRig& rig = Start(mode);
            ASSERT_FALSE(HasFailure());
            SDialog owner;
            owner.Init(&rig.Game());
            SDialogTextCtrl text;
            text.Attach(&owner);
            text.SetRect(10, 10, 200, 200);
            text.Setup(1, 0x161616, 0x161616, 0x285050, 0x94D6E7, nullptr);
            text.m_instant = instant;
            text.AddText("First line\rSecond line\rThird line", 0, 0);
            rig.BeginScene();
            const int presents = platform::headless::PresentCount();
            const uint32_t before = platform::TickCount();
            text.Draw();
            const std::string name = "mode " + std::to_string(mode) + (instant ? " instant" : " timed");
            EXPECT_EQ(platform::headless::PresentCount() - presents, instant ? 0 : 2) << name;
            EXPECT_EQ(platform::TickCount() - before, instant ? 0u : 200u) << name;
            EXPECT_FALSE(text.HasPending()) << name;
        }
    }
}

}  // namespace

}  // namespace dialog_text_ctrl_test
