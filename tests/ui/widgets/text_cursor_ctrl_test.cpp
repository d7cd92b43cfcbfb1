#include "ui/widgets/text_cursor_ctrl.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless.h"
#include "ui/widgets/widget_fixture.h"

namespace text_cursor_ctrl_test {

namespace {

class TextCursorTest : public WidgetTest {
protected:
    STextCursorCtrl& field(int width) {
        place(cursor, 10, 10, width, 8);
        cursor.Reset();
        return cursor;
    }
    void type(int count) {
        for (int i = 0; i < count; ++i) cursor.AddChar('a');
    }

    STextCursorCtrl cursor;
};

// A block character and its gap are 5 pixels: n characters measure 5n - 1... or whatever the text
// layer says; the table asks it, and the field refuses the character whose width + 2 reaches w.
TEST_F(TextCursorTest, aCharacterThatWouldReachTheEdgeAndTheFiftyFirstAreRefused) {
    struct Case {
        const char* what;
        int width;
        int typed;
    };
    game.m_text->SelectFont(1, 0, 0);
    const int nine = game.m_text->TextWidth("aaaaaaaaa");
    const int ten = game.m_text->TextWidth("aaaaaaaaaa");
    const Case cases[] = {
        {"ten would reach the edge", ten + 2, 9},
        {"ten fit with a pixel to spare", ten + 3, 10},
        {"nine reach it", nine + 2, 8},
        {"a wide field stops at fifty", 2000, 50},
    };
    for (const Case& c : cases) {
        field(c.width);
        type(60);
        EXPECT_EQ(cursor.Length(), c.typed) << c.what;
    }
}

TEST_F(TextCursorTest, setTextTakesAtMostNinetyNineCharacters) {
    field(100);
    const std::string name(300, 'x');
    cursor.SetText(name.c_str());
    EXPECT_EQ(cursor.Length(), 99);
    cursor.SetText(nullptr);
    EXPECT_EQ(cursor.Length(), 0);
}

TEST_F(TextCursorTest, theCaretBlinksEvery600MsAndTypingShowsItAgain) {
    field(100);
    platform::headless::AdvanceTime(1000);
    cursor.AddChar('a');
    struct Step {
        uint32_t advance;
        uint32_t caretOn;
    };
    for (const Step& step : {Step{599, 1}, Step{1, 0}, Step{599, 0}, Step{1, 1}, Step{600, 0}}) {
        platform::headless::AdvanceTime(step.advance);
        cursor.OnTick(0);
        EXPECT_EQ(cursor.m_caretOn, step.caretOn) << "after " << step.advance;
    }
    cursor.AddChar('b');
    EXPECT_EQ(cursor.m_caretOn, 1u);
    const uint32_t typed = cursor.m_lastBlink;
    cursor.SetText("");
    cursor.m_lastBlink = typed;
    platform::headless::AdvanceTime(5);
    cursor.Backspace();
    EXPECT_EQ(cursor.m_lastBlink, typed) << "backspace on an empty field does not restart the blink";
}

TEST_F(TextCursorTest, drawsTheTextThenATwoPixelCaretInItsColour) {
    field(100);
    cursor.AddChar('a');
    cursor.AddChar('b');
    cursor.Draw();
    game.m_text->SelectFont(1, 0, 0);
    const int caretX = 10 + game.m_text->TextWidth("ab");
    EXPECT_EQ(boundsOf(STextCursorCtrl::kCaretColor), std::to_string(caretX) + ",10 2x8");
    cursor.m_caretOn = 0;
    cursor.Draw();
    EXPECT_EQ(boundsOf(STextCursorCtrl::kCaretColor), "none");
}

}  // namespace

}  // namespace text_cursor_ctrl_test
