#include "ui/dialogs/dialog_message.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <sstream>
#include <string>
#include <vector>

#include "support/ui_rig.h"
#include "ui/recording_ui.h"
#include "ui/widgets/dialog_text_ctrl.h"

namespace dialog_message_test {

namespace {

using Box = SDialogMessage;

constexpr const char* kShort = "The door is locked.";
constexpr const char* kShortest = "Locked.";
constexpr const char* kQuestion = "Do you want to rest here until morning?";

// Fourteen sentences: more lines than a page of any screen holds.
std::string longText() {
    std::string text;
    for (int i = 1; i <= 14; ++i)
        text += "Sentence " + std::to_string(i) + " of a letter that goes on for a long while. ";
    return text;
}

class MessageBoxTest : public UiRigTest {
protected:
    // A recording dialog of 200x200 opened over the play screen, as a screen opens a dialog that
    // then opens a box of its own.
    void openParent(UiRig& rig, ui_test::RecordingDialog& parent) {
        parent.Init(&rig.Game());
        parent.m_w = parent.m_h = 200;
        parent.CenterOnScreen();
        parent.m_bgColor = 0x503020;
        parent.Reopen();
        rig.OpenDialog(parent);
        rig.Frame();
    }
    // The box opened over the play screen without a parent, drawn.
    UiRig& open(uint32_t mode, const std::string& text, uint32_t buttons) {
        UiRig& rig = Start(mode);
        if (HasFailure()) return rig;
        box.Init(&rig.Game());
        rig.Game().ShowMessageBox(text.c_str(), buttons, textCtrl, box, nullptr);
        rig.PlayScreen().m_child = &box;
        rig.Frame();
        return rig;
    }
    // The ids of the buttons showing, in order.
    std::vector<uint32_t> buttons() const {
        std::vector<uint32_t> ids;
        for (int i = 0; i < box.m_ctrls.Count(); ++i)
            ids.push_back(static_cast<SCtrlMessageButton*>(box.m_ctrls[i])->m_command);
        return ids;
    }
    void tapButton(UiRig& rig, uint32_t bit) {
        const SCtrlMessageButton& b = box.m_buttons[std::countr_zero(bit)];
        rig.Tap(b.m_x + b.m_w / 2, b.m_y + b.m_h / 2);
    }

    SDialogTextCtrl textCtrl;
    Box box;
};

// Small: margins 34, lines 16; large: margins 50, lines 27. A box is at least 180 wide and 100
// (small) or 154 (large) high; a row of buttons takes a line; a page holds what the type allows.
TEST_F(MessageBoxTest, theBoxSizesItselfByTextButtonsAndScreenType) {
    struct Row {
        const char* name;
        uint32_t mode;
        bool longText;
        uint32_t buttons;
        int w, h;
        uint32_t lines;
        std::vector<uint32_t> showing;
    };
    const Row rows[] = {
        {"shortWithoutButtonsSmall", 7, false, 0, 180, 100, 1, {}},
        {"shortWithoutButtonsLarge", 10, false, 0, 180, 154, 1, {}},
        {"shortOkSmall", 7, false, Box::kOk, 180, 105, 1, {Box::kOk}},
        {"shortOkLarge", 10, false, Box::kOk, 180, 159, 1, {Box::kOk}},
        {"longSmallShowsEightLinesAndContinue", 7, true, Box::kOk, 0, 9 * 16 + 73, 8, {Box::kContinue}},
        {"longSquareShowsSix", 8, true, Box::kYes | Box::kNo, 0, 7 * 16 + 73, 6, {Box::kContinue}},
        {"longLargeShowsTen", 10, true, Box::kOk, 0, 11 * 27 + 105, 10, {Box::kContinue}},
    };
    for (const Row& row : rows) {
        UiRig& rig = open(row.mode, row.longText ? longText() : kShortest, row.buttons);
        ASSERT_FALSE(HasFailure());
        if (row.w) {
            EXPECT_EQ(box.m_w, row.w) << row.name;
        }
        EXPECT_LE(box.m_w, rig.Game().PlayView().m_viewWidth) << row.name;
        EXPECT_EQ(box.m_h, row.h) << row.name;
        EXPECT_EQ(box.m_x, (rig.Width() - box.m_w) / 2) << row.name;
        EXPECT_EQ(box.m_y, (rig.Height() - box.m_h) / 2) << row.name;
        EXPECT_EQ(textCtrl.m_visibleLines, row.lines) << row.name;
        EXPECT_EQ(buttons(), row.showing) << row.name;
        EXPECT_TRUE(rig.MatchesFullRepaint()) << row.name;
    }
}

// Centred on the screen, but right of the middle over the wide screen's main menu (the menu
// stands at the left); asked to, centred over the 3-D view.
TEST_F(MessageBoxTest, theBoxStandsWhereItsScreenWantsIt) {
    UiRig& rig = Start(16);
    ASSERT_FALSE(HasFailure());
    box.Init(&rig.Game());
    rig.Game().ShowMessageBox(kShort, Box::kOk, textCtrl, box, nullptr);
    EXPECT_EQ(box.m_x, (640 - box.m_w) / 2);
    rig.Game().SwitchState(kMainMenuScreen);
    rig.Game().ShowMessageBox(kShort, Box::kOk, textCtrl, box, nullptr);
    EXPECT_EQ(box.m_x, (640 - box.m_w) / 2 + 160);
    EXPECT_EQ(box.m_y, (240 - box.m_h) / 2);

    const SViewDescriptor& view = rig.Game().PlayView();
    box.Show(&textCtrl, Box::kOk, false);
    EXPECT_EQ(box.m_x, view.m_viewX + (view.m_viewWidth - box.m_w) / 2);
    EXPECT_EQ(box.m_y, view.m_viewY + (view.m_viewHeight - box.m_h) / 2);
    EXPECT_EQ(textCtrl.m_x, box.m_x + 20);
}

TEST_F(MessageBoxTest, aLongTextPagesBehindContinueThenShowsTheButtonsWithoutSmearingText) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode, longText(), Box::kOk | Box::kCancel);
        ASSERT_FALSE(HasFailure());
        const std::string name = "message_box_long_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        int pages = 1;
        for (; buttons() == std::vector<uint32_t>{Box::kContinue} && pages < 10; ++pages) {
            tapButton(rig, Box::kContinue);
            EXPECT_TRUE(rig.MatchesFullRepaint()) << name << " after page " << pages;
        }
        EXPECT_GE(pages, 3) << name;
        EXPECT_EQ(buttons(), (std::vector<uint32_t>{Box::kOk, Box::kCancel})) << name;
        EXPECT_FALSE(textCtrl.HasPending());
        EXPECT_TRUE(rig.Shot(name + "_last_page"));
        const SCtrl& ok = box.m_buttons[0];
        EXPECT_EQ(ok.m_y + ok.m_h <= box.m_y + box.m_h, true) << name << ": the buttons stay inside the box";
        EXPECT_EQ(box.m_ctrls[0]->m_y, box.m_buttons[4].m_y) << name << ": where Continue stood";
        std::vector<std::string> clicks(size_t(pages - 1), "interface sound 1 10");
        EXPECT_EQ(rig.Sounds().Lines(), clicks) << name;
    }
}

// Every line of a text reaches the box, in order, on as many pages as it takes (a further page
// scrolls the lines up), however the text breaks into lines: by line breaks or by wrapping.
TEST_F(MessageBoxTest, everyLineOfAnyTextIsShown) {
    for (uint32_t mode : {6u, 7u, 8u, 9u, 11u, 16u}) {
        UiRig& rig = Start(mode);
        ASSERT_FALSE(HasFatalFailure());
        box.Init(&rig.Game());
        for (int count : {1, 3, 4, 5, 6, 8, 9, 11}) {
            for (const char* gap : {"\r", " "}) {
                std::vector<std::string> lines;
                std::string text;
                for (int i = 1; i <= count; ++i) {
                    lines.push_back("Line-" + std::to_string(i));
                    text += (i > 1 ? gap : "") + lines.back();
                }
                const std::string name = "mode " + std::to_string(mode) + ", " + std::to_string(count) + " lines" +
                                         (gap[0] == ' ' ? " wrapped" : "");
                rig.Game().ShowMessageBox(text.c_str(), Box::kYes | Box::kNo, textCtrl, box, nullptr);
                rig.PlayScreen().m_child = &box;
                rig.Frame();
                // The words of every line shown, each once.
                std::vector<std::string> seen;
                for (int page = 0; page < 20; ++page) {
                    for (int i = 0; i < textCtrl.m_shown.Count(); ++i) {
                        std::istringstream words(textCtrl.m_shown[i].text.Text());
                        for (std::string word; words >> word;)
                            if (std::find(seen.begin(), seen.end(), word) == seen.end()) seen.push_back(word);
                    }
                    if (buttons() != std::vector<uint32_t>{Box::kContinue}) break;
                    tapButton(rig, Box::kContinue);
                }
                EXPECT_EQ(seen, lines) << name;
                EXPECT_EQ(buttons(), (std::vector<uint32_t>{Box::kYes, Box::kNo})) << name;
            }
        }
    }
}

// A failed load names the save's whole path, longer than any box is wide: the path breaks where a
// line is full, the box stays on the screen, and the lines hold every character of the text, in
// order.
TEST_F(MessageBoxTest, aLongPathBreaksIntoLinesAndTheBoxStaysOnTheScreen) {
    const std::string text =
        "The saved game cannot be loaded: /home/somebody/.local/share/brimvale/BrimvaleSave1.pdb: "
        "record 3006 (the name tables) at byte 371: cut short.";
    std::string expected;
    for (char c : text)
        if (c != ' ') expected += c;
    for (uint32_t mode : {6u, 7u, 8u, 9u, 10u, 11u, 14u, 15u, 16u}) {
        UiRig& rig = Start(mode);
        ASSERT_FALSE(HasFailure());
        const std::string name = "mode " + std::to_string(mode);
        box.Init(&rig.Game());
        rig.Game().ShowMessageBox(text.c_str(), Box::kOk, textCtrl, box, nullptr);
        std::string joined;
        for (int i = 0; i < textCtrl.m_pending.Count(); ++i) {
            const char* line = textCtrl.m_pending[i].text.Text();
            EXPECT_LE(rig.Game().m_text->TextWidth(line), int(textCtrl.m_w)) << name << ": " << line;
            for (const char* c = line; *c; ++c)
                if (*c != ' ') joined += *c;
        }
        EXPECT_EQ(joined, expected) << name;
        const std::string firstLine = textCtrl.m_pending[0].text.Text();

        rig.PlayScreen().m_child = &box;
        rig.Frame();
        EXPECT_GE(box.m_x, 0) << name;
        EXPECT_GE(box.m_y, 0) << name;
        EXPECT_LE(box.m_x + box.m_w, rig.Width()) << name;
        EXPECT_LE(box.m_y + box.m_h, rig.Height()) << name;
        EXPECT_EQ(textCtrl.m_shown[0].text.Text(), firstLine) << name;
        EXPECT_TRUE(rig.Shot("message_box_long_path_mode" + std::to_string(mode)));
    }
}

TEST_F(MessageBoxTest, theShortBoxesLookRight) {
    struct Row {
        const char* name;
        const char* text;
        uint32_t buttons;
    };
    for (uint32_t mode : {7u, 10u}) {
        for (const Row& row : {Row{"ok", kShort, Box::kOk}, Row{"yes_no", kQuestion, Box::kYes | Box::kNo}}) {
            UiRig& rig = open(mode, row.text, row.buttons);
            ASSERT_FALSE(HasFailure());
            EXPECT_TRUE(rig.Shot(std::string("message_box_") + row.name + "_mode" + std::to_string(mode)));
            EXPECT_TRUE(rig.MatchesFullRepaint()) << row.name << " mode " << mode;
            // The text stands on the panel inside the box, left of its buttons' row.
            EXPECT_GE(textCtrl.m_x, box.m_x);
            EXPECT_LE(textCtrl.m_x + textCtrl.m_w, box.m_x + box.m_w);
            EXPECT_LE(textCtrl.m_y + textCtrl.m_h, box.m_ctrls[0]->m_y) << row.name << " mode " << mode;
        }
    }
}

// Without buttons the panel must still hold the one line of text it was sized for.
TEST_F(MessageBoxTest, aOneLineBoxWithoutButtonsShowsItsLine) {
    UiRig& rig = open(7, kShort, 0);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(textCtrl.m_visibleLines, 1u);
    EXPECT_STREQ(textCtrl.m_shown[0].text.Text(), kShort);
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

TEST_F(MessageBoxTest, theKeyOfTheOpeningFrameIsIgnored) {
    UiRig& rig = Start(7);
    ASSERT_FALSE(HasFailure());
    box.Init(&rig.Game());
    rig.Game().ShowMessageBox(kShort, Box::kOk, textCtrl, box, nullptr);
    EXPECT_EQ(box.OnKey(3006), 0u);
    EXPECT_EQ(box.OnPen(box.m_x + 5, box.m_y + 5, 0, 0), 0u);
    rig.Frame();
    EXPECT_EQ(box.OnKey(3006), Box::kOk);
}

// Opened without a parent, the box answers the bit itself (1 for none); 0 is nothing happened.
TEST_F(MessageBoxTest, keysPickTheFirstButtonOfTheirKindThatShows) {
    struct Row {
        const char* name;
        uint32_t buttons;
        uint32_t key, answer;
    };
    const Row rows[] = {
        {"useIsOk", Box::kOk | Box::kCancel, 3006, Box::kOk},
        {"refuseIsCancel", Box::kOk | Box::kCancel, 3007, Box::kCancel},
        {"useIsYes", Box::kYes | Box::kNo, 3006, Box::kYes},
        {"refuseIsNo", Box::kYes | Box::kNo, 3007, Box::kNo},
        {"useWithoutOkOrYes", Box::kCancel | Box::kLeft, 3006, 0},
        {"refuseWithoutCancelOrNo", Box::kLeft | Box::kRight, 3007, 0},
        {"anotherKey", Box::kOk, 1000, 0},
        {"anyKeyClosesABoxWithoutButtons", 0, 1000, 1},
        {"bitsPastTheTenAreNoButtons", 0x400, 3006, 1},
    };
    for (const Row& row : rows) {
        UiRig& rig = open(7, kShort, row.buttons);
        ASSERT_FALSE(HasFailure());
        EXPECT_EQ(box.OnKey(row.key), row.answer) << row.name;
        const bool closing = row.answer != 0;
        EXPECT_EQ(rig.Sounds().Lines(),
                  closing ? std::vector<std::string>{"interface sound 2 10"} : std::vector<std::string>{})
            << row.name;
    }
}

TEST_F(MessageBoxTest, aBoxWithoutButtonsClosesOnAReleaseInsideIt) {
    open(7, kShort, 0);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(box.OnPen(box.m_x + 5, box.m_y + 5, 0, 0), 0u) << "a release without a press";
    EXPECT_EQ(box.OnPen(box.m_x - 5, box.m_y + 5, 1, 0), 0u);
    EXPECT_EQ(box.OnPen(box.m_x - 5, box.m_y + 5, 0, 0), 0u) << "outside";
    EXPECT_EQ(box.OnPen(box.m_x + 5, box.m_y + 5, 1, 0), 0u) << "a press only arms";
    EXPECT_EQ(box.OnPen(box.m_x + 5, box.m_y + 5, 0, 0), 1u);
}

// With a parent the box forwards and answers what the parent answered; the parent closes it.
TEST_F(MessageBoxTest, aChildBoxForwardsItsAnswerToItsParent) {
    UiRig& rig = Start(7);
    ASSERT_FALSE(HasFailure());
    ui_test::Log log;
    ui_test::RecordingDialog parent(log, "parent");
    openParent(rig, parent);
    parent.m_result = 77;
    parent.m_onCommand = [&parent] { parent.Reopen(); };
    box.Init(&rig.Game());
    rig.Game().ShowChildMessageBox(kQuestion, Box::kYes | Box::kNo, textCtrl, box, parent);
    EXPECT_EQ(parent.m_child, &box);
    EXPECT_EQ(box.m_parent, &parent);
    rig.Frame();
    EXPECT_TRUE(rig.MatchesFullRepaint());

    tapButton(rig, Box::kNo);
    EXPECT_EQ(parent.m_child, nullptr);
    EXPECT_EQ(std::count(log.begin(), log.end(), "parent command 8"), 1);
    EXPECT_TRUE(rig.PlayScreen().m_commands.empty());
    EXPECT_TRUE(rig.MatchesFullRepaint()) << "the parent repaints where the box was";

    rig.Game().ShowChildMessageBox(kShort, 0, textCtrl, box, parent);
    rig.Frame();
    EXPECT_EQ(box.OnKey(1002), 77u);
    EXPECT_EQ(log.back(), "parent command 0");
}

}  // namespace

}  // namespace dialog_message_test
