#include "ui/dialogs/dialog_text_edit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/typed_keys.h"
#include "platform/messages.h"
#include "tools/sampledata/interface_layout.h"
#include "ui/dialogs/play_dialog_fixture.h"

namespace dialog_text_edit_test {

namespace {

constexpr char kLetters[] = "qwertyuiopasdfghjklzxcvbnm";
constexpr char kDigits[] = "1234567890";

// The key of a character of a typing script: '^' is shift, '<' backspace.
uint32_t commandOf(char c) {
    if (c == '^') return SDialogTextEdit::kShift;
    if (c == '<') return SDialogTextEdit::kBackspace;
    if (c == ' ') return SDialogTextEdit::kSpace;
    if (const char* letter = std::strchr(kLetters, c)) return SDialogTextEdit::kFirstKey + uint32_t(letter - kLetters);
    return SDialogTextEdit::kFirstDigit + uint32_t(std::strchr(kDigits, c) - kDigits);
}

class TextEditTest : public PlayDialogTest {
protected:
    UiRig& open(uint32_t mode, const char* text) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        dialog.Init(&Game());
        show(text);
        return rig;
    }
    void show(const char* text) {
        dialog.Open();
        m_rig->OpenDialog(dialog);
        dialog.SetText(text);
        m_rig->Frame();
    }
    void type(const char* keys) {
        for (const char* c = keys; *c; ++c) dialog.OnCommand(commandOf(*c));
    }
    void tapKey(char c) {
        const SButtonCtrl& key = dialog.m_keys[commandOf(c) - SDialogTextEdit::kFirstKey];
        m_rig->Tap(key.m_x + key.m_w / 2, key.m_y + key.m_h / 2);
    }

    SDialogTextEdit dialog;
};

TEST_F(TextEditTest, typingGivesTextAndShiftMode) {
    struct Case {
        const char* what;
        const char* initial;
        const char* keys;
        const char* text;
        uint8_t mode;
        int fieldWidth = 0;  // 0: the layout's
    };
    const std::string fifty(50, 'a');
    const Case cases[] = {
        {"words start with capitals", "", "red fox", "Red Fox", 0},
        {"a given name starts in lower case", "Ann", "a", "Anna", 0},
        {"shift once", "Ann", "^a", "AnnA", 0},
        {"shift three times returns to lower case", "Ann", "^^^a", "Anna", 0},
        {"caps lock holds through spaces", "", "^ab cd", "AB CD", 2},
        {"digits and the space never change in caps lock", "", "^1 2", "1 2", 2},
        {"a digit in shift mode ends it", "", "1a", "1a", 0},
        {"backspace to an empty text", "A", "<", "", 1},
        {"backspace to a trailing space", "Red F", "<", "Red ", 1},
        {"backspace into a word", "Red", " <", "Red", 0},
        {"backspace on an empty text", "", "a<<", "", 1},
        {"caps lock survives backspace", "A", "^^<", "", 2},
        {"the fifty-first character, and a space still switches", fifty.c_str(), "b ", fifty.c_str(), 1, 4000},
        {"a refused wide character, and a space still switches", "Ab", "c ", "Ab", 1, -1},
    };
    open(7, "");
    ASSERT_FALSE(HasFailure());
    Game().m_text->SelectFont(1, 0, 0);
    const int justAb = Game().m_text->TextWidth("Ab") + 3;
    for (const Case& c : cases) {
        show(c.initial);
        if (c.fieldWidth) dialog.m_field.m_w = uint16_t(c.fieldWidth > 0 ? c.fieldWidth : justAb);
        type(c.keys);
        EXPECT_STREQ(dialog.GetText(), c.text) << c.what;
        EXPECT_EQ(dialog.m_shiftMode, c.mode) << c.what;
    }
}

// Only the on-screen keys typed: a character's name could not be typed on the desktop's own
// keyboard. Its letters, digits, space and backspace now type into the open field, the words'
// capitals coming as the on-screen keyboard gives them.
TEST_F(TextEditTest, theDesktopKeyboardTypesIntoTheOpenField) {
    open(7, "");
    ASSERT_FALSE(HasFailure());
    struct Key {
        uint32_t virtualKey;
        bool shifted;
    };
    const Key keys[] = {{'A', false},
                        {'N', false},
                        {'N', false},
                        {platform::kVkSpace, false},
                        {'O', true},
                        {'X', false},
                        {platform::kVkBack, false},
                        {'7', false}};
    for (const Key& key : keys) EXPECT_TRUE(TypeIntoOpenField(Game(), TypedCharacter(key.virtualKey, key.shifted)));
    EXPECT_STREQ(dialog.GetText(), "Ann O7");
    EXPECT_FALSE(TypeIntoOpenField(Game(), TypedCharacter(platform::kVkUp, false))) << "an arrow types nothing";
    Game().m_currentScreen->SetChild(nullptr);
    EXPECT_FALSE(TypeIntoOpenField(Game(), 'a')) << "without a field the key goes to its binding";
}

TEST_F(TextEditTest, captionsAndIndicatorFollowTheMode) {
    open(7, "");
    ASSERT_FALSE(HasFailure());
    const SButtonCtrl& q = dialog.m_keys[0];
    const SButtonCtrl& one = dialog.m_keys[SDialogTextEdit::kFirstDigit - SDialogTextEdit::kFirstKey];
    struct Step {
        const char* keys;
        const char* q;
        const char* indicator;
    };
    for (const Step& step : {Step{"", "Q", "\x92"}, Step{"a", "q", ""}, Step{"^^", "Q", "\x93"}, Step{"^", "q", ""}}) {
        type(step.keys);
        EXPECT_STREQ(q.m_caption.Text(), step.q) << step.keys;
        EXPECT_STREQ(dialog.m_shiftIndicator.m_words.Text(), step.indicator) << step.keys;
        EXPECT_STREQ(one.m_caption.Text(), "1");
    }
}

TEST_F(TextEditTest, keysTypeByStylusWithAClickAndOkGoesToTheParentWithAHeavyClick) {
    UiRig& rig = open(7, "");
    ASSERT_FALSE(HasFailure());
    rig.Frame();
    rig.Sounds().Clear();
    for (char c : std::string("bo ^")) tapKey(c);
    EXPECT_STREQ(dialog.GetText(), "Bo ");
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>(3, "bsnd_clicks 10")) << "shift is silent";
    rig.Sounds().Clear();
    rig.Key(1000);
    EXPECT_STREQ(dialog.GetText(), "Bo ") << "the device's buttons type nothing";
    rig.Tap(dialog.m_ok.m_x + 2, dialog.m_ok.m_y + 2);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{25});
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_clickh 10"});
}

// A name typed at a desktop is taken with Return and left with Escape, as with the buttons; the
// key that opened the field closes nothing, and the other buttons neither type nor close.
TEST_F(TextEditTest, selectAcceptsTheTextAndEscapeLeavesItAsTheButtonsDo) {
    struct Case {
        uint32_t key;
        std::vector<uint32_t> commands;
    };
    for (const Case& c : {Case{3006, {25}}, Case{3007, {26}}, Case{1000, {}}, Case{3000, {}}}) {
        UiRig& rig = open(7, "Ann");
        ASSERT_FALSE(HasFailure());
        Play().m_commands.clear();
        dialog.Open();
        dialog.SetText("Ann");
        Game().OnKey(c.key);
        EXPECT_TRUE(Play().m_commands.empty()) << c.key << " in the frame the field opened";
        rig.Frame();
        rig.Key(c.key);
        EXPECT_EQ(Play().m_commands, c.commands) << c.key;
        EXPECT_STREQ(dialog.GetText(), "Ann") << c.key;
    }
}

TEST_F(TextEditTest, aKeyTheLayoutLacksIsLeftOutAndTheOthersStillType) {
    UiRig& rig = StartPlay(7);
    ASSERT_FALSE(HasFailure());
    std::vector<SLayoutDialog> dialogs = SampleLayout(false);
    for (SLayoutDialog& d : dialogs)
        for (SLayoutMode& mode : d.modes)
            if (d.id == SDialogTextEdit::kLayout && mode.mode == 7)
                std::erase_if(mode.rows, [](const SLayoutRow& row) { return row.id == commandOf('e'); });
    const std::vector<uint8_t> bytes = SLayoutRecord::Build(dialogs);
    Game().m_layout = SLayoutRecord(bytes);
    dialog.Init(&Game());
    show("");
    rig.Frame();
    EXPECT_FALSE(dialog.m_keys[commandOf('e') - SDialogTextEdit::kFirstKey].IsShown());
    for (char c : std::string("red")) tapKey(c);
    EXPECT_STREQ(dialog.GetText(), "Rd");
    Game().m_layout = SLayoutRecord();
}

TEST_F(TextEditTest, onlyTheOuterFrameFollowsTheScreenType) {
    for (uint32_t mode : {7u, 10u}) {
        open(mode, "");
        ASSERT_FALSE(HasFailure());
        const SFrameSet small = Game().InterfaceSet<9>(SInterfaceRole::kSmallFrameSet);
        const SFrameSet large = Game().InterfaceSet<9>(SInterfaceRole::kLargeFrameSet);
        EXPECT_EQ(dialog.m_outerFrame.m_frameSet, mode == 7 ? small : large) << mode;
        EXPECT_EQ(dialog.m_keyboardFrame.m_frameSet, small) << mode;
        EXPECT_EQ(dialog.m_fieldFrame.m_frameSet, small) << mode;
    }
}

// A half-typed name in each shift mode, in a small and a large screen mode.
TEST_F(TextEditTest, theKeyboardLooksRight) {
    struct Shot {
        const char* keys;
        const char* name;
    };
    for (uint32_t mode : {7u, 10u}) {
        for (const Shot& shot : {Shot{"red ", "shift"}, Shot{"red f", "lower"}, Shot{"red ^f", "caps"}}) {
            UiRig& rig = open(mode, "");
            ASSERT_FALSE(HasFailure());
            type(shot.keys);
            rig.Frame();
            const std::string name = std::string("text_edit_") + shot.name + "_mode" + std::to_string(mode);
            EXPECT_TRUE(rig.Shot(name));
            EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
        }
    }
}

}  // namespace

}  // namespace dialog_text_edit_test
