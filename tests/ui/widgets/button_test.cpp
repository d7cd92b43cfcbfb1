#include <gtest/gtest.h>

#include "support/picture_entry.h"
#include "ui/colour_word.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/ctrl_message_button.h"
#include "ui/widgets/topic_button_ctrl.h"
#include "widget_fixture.h"

namespace button_test {

namespace {

constexpr uint32_t kDown = 1, kUp = 0, kMove = 1;
constexpr uint32_t kCommand = 42;

enum Kind { kButton = 1, kMessage = 2, kTopic = 4, kAll = 7 };

// One event on a button in a known state: where (inside or at an offset outside), which event,
// with the repeat and enabled bits, and what it answers and leaves.
struct PressCase {
    const char* name;
    int kinds;  // the buttons the row holds for
    bool pressedBefore;
    int px, py;  // relative to the button at (20, 10), 30x16
    uint32_t down, drag;
    bool repeat, enabled;
    bool fires, pressedAfter;
};

void PrintTo(const PressCase& c, std::ostream* out) { *out << c.name; }

class PressMachineTest : public WidgetTest, public ::testing::WithParamInterface<PressCase> {
protected:
    // The answer and the pressed state after the event, for a button of the kind.
    std::pair<uint32_t, bool> run(Kind kind, const PressCase& c) {
        SCtrl* ctrl = nullptr;
        switch (kind) {
            case kButton:
                button.m_command = kCommand;
                button.m_repeat = c.repeat;
                ctrl = &button;
                break;
            case kMessage:
                message.m_command = kCommand;
                ctrl = &message;
                break;
            default:
                topic.m_command = kCommand;
                ctrl = &topic;
                break;
        }
        place(*ctrl, 20, 10, 30, 16);
        ctrl->SetPressed(c.pressedBefore);
        ctrl->SetEnabled(c.enabled);
        const uint32_t answer = ctrl->OnPen(20 + c.px, 10 + c.py, c.down, c.drag);
        return {answer, ctrl->IsPressed()};
    }

    SButtonCtrl button;
    SCtrlMessageButton message;
    STopicButtonCtrl topic;
};

TEST_P(PressMachineTest, answersAndLeavesTheButtonPressedAsThePartSays) {
    const PressCase& c = GetParam();
    for (Kind kind : {kButton, kMessage, kTopic}) {
        if (!(c.kinds & kind)) continue;
        const auto [answer, pressed] = run(kind, c);
        EXPECT_EQ(answer, c.fires ? kCommand : 0u) << "button kind " << kind;
        EXPECT_EQ(pressed, c.pressedAfter) << "button kind " << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressMachineTest,
    ::testing::Values(
        PressCase{"pressInsidePresses", kAll, false, 5, 5, kDown, 0, false, true, false, true},
        PressCase{"pressInsideFiresWhenRepeating", kButton, false, 5, 5, kDown, 0, true, true, true, true},
        PressCase{"moveIntoAReleasedButtonDoesNothing", kAll, false, 5, 5, kDown, kMove, false, true, false, false},
        PressCase{"releaseOverAReleasedButtonDoesNotFire", kAll, false, 5, 5, kUp, 0, false, true, false, false},
        PressCase{"moveInsideWhilePressedWaits", kAll, true, 5, 5, kDown, kMove, false, true, false, true},
        PressCase{"moveInsideWhilePressedFiresWhenRepeating", kButton, true, 5, 5, kDown, kMove, true, true, true,
                  true},
        PressCase{"releaseInsideFires", kAll, true, 5, 5, kUp, 0, false, true, true, false},
        PressCase{"releaseInsideDoesNotFireWhenRepeating", kButton, true, 5, 5, kUp, 0, true, true, false, false},
        PressCase{"lastColumnAndRowAreInside", kAll, true, 29, 15, kUp, 0, false, true, true, false},
        PressCase{"dragOffTheRightEdgeReleases", kAll, true, 30, 5, kDown, kMove, false, true, false, false},
        PressCase{"releaseBelowReleasesWithoutFiring", kAll, true, 5, 16, kUp, 0, false, true, false, false},
        PressCase{"releaseLeftOfItWhenRepeating", kButton, true, -1, 5, kUp, 0, true, true, false, false},
        PressCase{"pressOutsideDoesNothing", kAll, false, -1, 5, kDown, 0, false, true, false, false},
        PressCase{"disabledIgnoresThePress", kButton | kTopic, false, 5, 5, kDown, 0, false, false, false, false},
        PressCase{"disabledIgnoresTheRelease", kButton | kTopic, true, 5, 5, kUp, 0, false, false, false, true},
        PressCase{"disabledRepeaterIgnoresThePress", kButton, false, 5, 5, kDown, 0, true, false, false, false},
        PressCase{"messageButtonPressesWhileDisabled", kMessage, false, 5, 5, kDown, 0, false, false, false, true},
        PressCase{"messageButtonFiresWhileDisabled", kMessage, true, 5, 5, kUp, 0, false, false, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

class ButtonTest : public WidgetTest {};

TEST_F(ButtonTest, aHotkeyFiresOnlyAnEnabledButtonAndNeverWhenItIs0) {
    SButtonCtrl button;
    STopicButtonCtrl topic;
    SCtrlMessageButton message;
    place(button, 0, 0, 10, 10);
    place(topic, 0, 20, 10, 10);
    place(message, 0, 40, 10, 10);
    button.m_command = topic.m_command = message.m_command = kCommand;
    button.m_hotkey = topic.m_hotkey = 3006;
    EXPECT_EQ(button.OnKey(3006), kCommand);
    EXPECT_EQ(topic.OnKey(3006), kCommand);
    EXPECT_EQ(button.OnKey(3000), 0u);
    EXPECT_EQ(message.OnKey(3006), 0u) << "a message button answers no key";

    button.Disable();
    topic.Disable();
    EXPECT_EQ(button.OnKey(3006), 0u);
    EXPECT_EQ(topic.OnKey(3006), 0u);

    button.SetEnabled(true);
    topic.SetEnabled(true);
    button.m_hotkey = topic.m_hotkey = 0;
    EXPECT_EQ(button.OnKey(0), 0u);
    EXPECT_EQ(topic.OnKey(0), 0u);
}

// Picture mode: normal, pressed, disabled pictures of three colours.
TEST_F(ButtonTest, aPictureButtonShowsThePictureOfItsState) {
    auto normal = SolidPicture(12, 8, 0x001F), pressed = SolidPicture(12, 8, 0x07E0), off = SolidPicture(12, 8, 0xF800);
    SButtonCtrl button;
    place(button, 30, 20, 0, 0);
    button.SetupPicture({normal.get(), pressed.get(), off.get()}, kCommand, 0);
    EXPECT_EQ(button.m_w, 12);
    EXPECT_EQ(button.m_h, 8);
    struct Row {
        const char* name;
        bool pressedState, enabled, checked, disabledPicture;
        uint16_t shown;
    };
    for (Row row : {Row{"normal", false, true, false, false, 0x001F}, Row{"pressed", true, true, false, false, 0x07E0},
                    Row{"checked", false, true, true, false, 0x07E0},
                    Row{"disabledWithoutItsPicture", false, false, false, false, 0x07E0},
                    Row{"disabledWithItsPicture", false, false, false, true, 0xF800},
                    Row{"disabledAndPressedWithItsPicture", true, false, false, true, 0xF800}}) {
        button.SetPressed(row.pressedState);
        button.SetEnabled(row.enabled);
        button.SetChecked(row.checked);
        button.m_hasDisabledPicture = row.disabledPicture;
        button.Draw();
        EXPECT_EQ(boundsOf(row.shown), "30,20 12x8") << row.name;
    }
}

TEST_F(ButtonTest, aPressedCaptionSinksTwoRightAndOneDown) {
    auto picture = SolidPicture(40, 16, 0x0010);
    SButtonCtrl button;
    place(button, 10, 10, 0, 0);
    button.SetupText({picture.get(), picture.get(), nullptr}, "ab", kCommand, 0);
    // Two blocks of 4 columns, 1 apart: 9 wide, centred in 40 at 10 + (40 - 9) / 2 = 25; the top
    // is 10 + (16 - 6) / 2 + 2 = 17. Released captions are light grey, pressed ones white.
    button.Draw();
    EXPECT_EQ(boundsOf(ColourWord565(0xC8C8C8)), "25,17 9x6");
    button.SetPressed(true);
    button.Draw();
    EXPECT_EQ(boundsOf(ColourWord565(0xFFFFFF)), "27,18 9x6");
}

TEST_F(ButtonTest, aBarButtonDrawsItsReleasedOrPressedBarAndCaptionColours) {
    auto up = SolidPicture(4, 12, 0x0011), down = SolidPicture(4, 12, 0x0800);
    SButtonCtrl button;
    place(button, 0, 0, 30, 12);
    button.SetupBar({down.get(), down.get(), down.get()}, {up.get(), up.get(), up.get()}, "x", kCommand, 1, 0x0000FF, 0,
                    0x00FF00, 0, 0);
    button.Draw();
    EXPECT_EQ(boundsOf(0x0011), "0,0 30x12");
    EXPECT_EQ(countOf(ColourWord565(0x0000FF)), kBlockWidth * kBlockHeight);
    button.SetChecked(true);
    button.Draw();
    EXPECT_EQ(countOf(0x0011), 0) << "a checked button shows the pressed bar";
    EXPECT_EQ(countOf(ColourWord565(0x0000FF)), kBlockWidth * kBlockHeight) << "under the released caption";
    button.SetPressed(true);
    button.Draw();
    EXPECT_EQ(countOf(ColourWord565(0x00FF00)), kBlockWidth * kBlockHeight) << "a pressed one in the pressed colours";
}

class TopicButtonTest : public WidgetTest {};

TEST_F(TopicButtonTest, aTopicIsAsHighAsItsWrappedLinesPlusOneEach) {
    STopicButtonCtrl topic;
    place(topic, 0, 0, 0, 0);
    // The bullet is 4 wide, + 2 on a small screen: in 44 - 6 = 38 columns, words of three letters
    // (5 columns each with the spacing) go two to a line.
    topic.Setup("abc def ghi jkl mno", kCommand, 5, 6, 44, 0, 0xFFFFFF, 0, 0);
    EXPECT_EQ(topic.m_indent, 6u);
    EXPECT_EQ(topic.m_h, 3 * (kBlockHeight + 1));
    topic.SetText("abc");
    EXPECT_EQ(topic.m_h, kBlockHeight + 1);
    EXPECT_EQ(topic.m_indent, 6u) << "a new text keeps the bullet's room";

    game.m_screenMode = 10;
    topic.SetText("abc def ghi jkl mno");
    EXPECT_EQ(topic.m_indent, 8u) << "large screens leave 4";
}

TEST_F(TopicButtonTest, aPressedOrCheckedTopicLightsUpUnlessDisabled) {
    STopicButtonCtrl topic;
    place(topic, 0, 0, 0, 0);
    topic.Setup("ab", kCommand, 10, 20, 60, 0, 0x0000FF, 0, 0);
    topic.Draw();
    // The bullet at the left edge, the text after the indent.
    EXPECT_EQ(boundsOf(ColourWord565(0x0000FF)), "10,20 15x6");
    for (auto [pressed, checked, enabled, lit] :
         {std::tuple{true, false, true, true}, std::tuple{false, true, true, true},
          std::tuple{true, false, false, false}}) {
        clearScreen();
        topic.SetPressed(pressed);
        topic.SetChecked(checked);
        topic.SetEnabled(enabled);
        topic.Draw();
        EXPECT_EQ(countOf(ColourWord565(STopicButtonCtrl::kHighlight)) > 0, lit);
    }
}

class MessageButtonTest : public WidgetTest {};

TEST_F(MessageButtonTest, itIsSizedByItsCaptionAndTheScreenType) {
    std::unique_ptr<SPictureEntry> bars[6];
    for (int i = 0; i < 6; ++i) {
        bars[i] = SolidPicture(4, 22, uint16_t(0x1000 + i));
        game.m_interfacePictures[43 + i].reset(bars[i].release());
    }
    SCtrlMessageButton message;
    place(message, 30, 30, 0, 0);
    // "Ok": two characters of 5 columns with their spacing, measured as 10 + 1.
    message.SetupDefault("Ok", 25);
    EXPECT_EQ(message.m_x, 0);
    EXPECT_EQ(message.m_w, 11 + 26);
    EXPECT_EQ(message.m_h, 22);
    EXPECT_EQ(message.m_flags, SCtrlFlags::kVisible | SCtrlFlags::kActive);
    game.m_screenMode = 9;
    message.SetupDefault("Ok", 25);
    EXPECT_EQ(message.m_w, 11 + 40);

    auto own = SolidPicture(4, 30, 0x0042);
    message.Setup("Yes", 26, {own.get(), own.get(), own.get()}, {own.get(), own.get(), own.get()});
    EXPECT_EQ(message.m_w, 16 + 40);
    EXPECT_EQ(message.m_h, 30);
}

TEST_F(MessageButtonTest, itsCaptionIsDarkOnTheBarOfItsState) {
    auto up = SolidPicture(4, 24, 0x0011), down = SolidPicture(4, 24, 0x0800);
    SCtrlMessageButton message;
    place(message, 0, 0, 0, 0);
    message.Setup("Ok", 25, {down.get(), down.get(), down.get()}, {up.get(), up.get(), up.get()});
    message.SetPos(10, 10);
    message.Draw();
    // Between x + 8 and x + w - 8, centred; top = 10 + (24 - 6) / 2 + 1.
    EXPECT_EQ(boundsOf(ColourWord565(0x161616)), "30,20 9x6");
    EXPECT_EQ(at(10, 10), 0x0011);
    message.SetPressed(true);
    message.Draw();
    EXPECT_EQ(at(10, 10), 0x0800);
}

}  // namespace

}  // namespace button_test
