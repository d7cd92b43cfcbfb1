#pragma once
// SDialogTextEdit: text entry with an on-screen keyboard (digits, three QWERTY rows of letters,
// backspace, shift and space) over a one-line field with a blinking caret. The shift modes give a
// name its capitals without the player touching shift: the first letter of the text and of every
// word comes out upper case. OK (25) and Cancel (26) go to the parent, which reads GetText on 25.
// The keys have no hotkeys: the device's buttons type nothing. Select (Return at a desktop) accepts
// the text as OK does, and the desktop's Escape leaves it as Cancel does.
#include <array>
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/text_cursor_ctrl.h"

class SDialogTextEdit : public SDialog {
public:
    static constexpr uint32_t kLayout = 17;
    // A key's command is its layout control id: the 26 letters from 157 (q w e .. p, a s .. l,
    // z x .. m), the digits 1 .. 9 and 0 from 183, then space, shift and backspace.
    static constexpr uint32_t kFirstKey = 157;
    static constexpr uint32_t kFirstDigit = 183;
    static constexpr uint32_t kSpace = 193;
    static constexpr uint32_t kShift = 194;
    static constexpr uint32_t kBackspace = 195;
    static constexpr int kKeyCount = 39;
    static constexpr int kLetterCount = 26;

    // Lower case; one capital next; caps lock.
    enum ShiftMode : uint8_t { kLowerCase = 0, kShiftOnce = 1, kCapsLock = 2 };

    void Init(SGameData* game) override;
    // Builds the keyboard with an empty field and the lower-case captions; the owner calls SetText
    // at once.
    void Open();
    // The text to edit (at most 99 characters are taken); shift once for an empty text, lower case
    // otherwise.
    void SetText(const char* text);
    void UpdateKeyLabels();
    const char* GetText() const { return m_field.Text(); }

    void TypeChar(char c);
    void Backspace();
    void CycleShift();
    uint32_t OnKey(uint32_t key) override;
    uint32_t OnCommand(uint32_t id) override;

    SBorderCtrl m_outerFrame;
    SBorderCtrl m_keyboardFrame;
    SFillBmpCtrl m_keyboardBackground;
    std::array<SButtonCtrl, kKeyCount> m_keys;  // by command - kFirstKey
    SButtonCtrl m_ok;
    SButtonCtrl m_cancel;
    STextCursorCtrl m_field;
    SBorderCtrl m_fieldFrame;
    STextCtrl m_shiftIndicator;
    uint8_t m_shiftMode = kLowerCase;

private:
    SButtonCtrl& key(uint32_t command) { return m_keys[command - kFirstKey]; }
    void setShiftMode(uint8_t mode);
};
