#include "ui/dialogs/dialog_text_edit.h"

#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/choice_dialog.h"

namespace {

constexpr char kLetters[] = "qwertyuiopasdfghjklzxcvbnm";
constexpr char kDigits[] = "1234567890";
constexpr uint32_t kKeyInk = 0x000000;
constexpr uint32_t kKeyBlendUp = 0x666E80;
constexpr uint32_t kKeyBlendDown = 0x8CA5CE;
constexpr uint32_t kField = 40;
constexpr uint32_t kShiftIndicator = 196;
constexpr uint32_t kKeyboardFrame = 197;
constexpr uint32_t kKeyboardBackground = 198;
constexpr uint32_t kFieldFrame = 199;
// The device's Select button (Return at a desktop) and the desktop's Escape.
constexpr uint32_t kTextEditUseKey = 3006;
constexpr uint32_t kTextEditRefuseKey = 3007;

// The keys as the keyboard adds them: the digits, the first letter row and backspace, the second
// and third letter rows, shift and space.
constexpr uint32_t kAddOrder[SDialogTextEdit::kKeyCount] = {183, 184, 185, 186, 187, 188, 189, 190, 191, 192,
                                                            157, 158, 159, 160, 161, 162, 163, 164, 165, 166,
                                                            195, 167, 168, 169, 170, 171, 172, 173, 174, 175,
                                                            176, 177, 178, 179, 180, 181, 182, 194, 193};

bool isLetterKey(uint32_t command) {
    return command >= SDialogTextEdit::kFirstKey &&
           command < SDialogTextEdit::kFirstKey + SDialogTextEdit::kLetterCount;
}

bool isDigitKey(uint32_t command) {
    return command >= SDialogTextEdit::kFirstDigit && command < SDialogTextEdit::kSpace;
}

// The character a letter or digit key types, in lower case.
char keyCharacter(uint32_t command) {
    return isLetterKey(command) ? kLetters[command - SDialogTextEdit::kFirstKey]
                                : kDigits[command - SDialogTextEdit::kFirstDigit];
}

// The key's caption in lower case: its character, or the word or sign of space, shift and
// backspace. A character goes into the buffer.
const char* lowerCaption(uint32_t command, char (&buffer)[2]) {
    switch (command) {
        case SDialogTextEdit::kSpace: return "space";
        case SDialogTextEdit::kShift: return "shift";
        case SDialogTextEdit::kBackspace: return "\x91";
        default:
            buffer[0] = keyCharacter(command);
            buffer[1] = '\0';
            return buffer;
    }
}

const char* shiftGlyph(uint8_t mode) {
    switch (mode) {
        case SDialogTextEdit::kShiftOnce: return "\x92";
        case SDialogTextEdit::kCapsLock: return "\x93";
        default: return "";
    }
}

}  // namespace

void SDialogTextEdit::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_outerFrame, &m_keyboardFrame, &m_keyboardBackground, &m_ok,
                                                     &m_cancel, &m_field, &m_fieldFrame, &m_shiftIndicator})
        ctrl->Attach(this);
    for (SButtonCtrl& button : m_keys) button.Attach(this);
}

void SDialogTextEdit::Open() {
    OpenCentred(*this, kLayout);
    PlaceOuterFrame(*this, m_outerFrame);
    PlaceSmallFrame(*this, m_keyboardFrame, kKeyboardFrame, 0, SBorderSides::kBottom);
    m_keyboardBackground.SetTile(m_game->InterfacePicture(SInterfaceRole::kKeyboardBackground));
    m_keyboardBackground.m_tileMode = SFillBmpCtrl::kTiled;
    PlaceCtrl(m_keyboardBackground, kKeyboardBackground);

    const SBarSet barUp = m_game->InterfaceSet<3>(SInterfaceRole::kKeyboardKeyBarUp);
    const SBarSet barDown = m_game->InterfaceSet<3>(SInterfaceRole::kKeyboardKeyBarDown);
    for (uint32_t command : kAddOrder) {
        SButtonCtrl& button = key(command);
        if (!PlaceCtrl(button, command)) continue;
        char buffer[2];
        button.SetupBar(barDown, barUp, lowerCaption(command, buffer), command, 1, kKeyInk, kKeyBlendUp, kKeyInk,
                        kKeyBlendDown, 0);
        button.m_keyed = 1;
    }
    PlacePictureButton(*this, m_ok, kChoiceOk, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_cancel, kChoiceCancel, SInterfaceRole::kCancelButton);
    // The field's frame is filled, so it goes under the field rather than over it.
    PlaceSmallFrame(*this, m_fieldFrame, kFieldFrame, 1, SBorderSides::kAll);
    PlaceCtrl(m_field, kField);
    m_field.Reset();
    PlaceCtrl(m_shiftIndicator, kShiftIndicator);
    m_shiftIndicator.SetTextEx("", STextAlign::kCentred, 1, kLightGrey, 0);
    ResetPenGate();
}

void SDialogTextEdit::SetText(const char* text) {
    m_field.SetText(text);
    m_shiftMode = text == nullptr || text[0] == '\0' ? kShiftOnce : kLowerCase;
    UpdateKeyLabels();
}

void SDialogTextEdit::UpdateKeyLabels() {
    m_shiftIndicator.SetText(shiftGlyph(m_shiftMode));
    // The indicator has no background of its own: the old glyph goes with a repaint.
    SetDirty();
    for (uint32_t command = kFirstKey; command < kFirstKey + kLetterCount; ++command) {
        char caption[2];
        lowerCaption(command, caption);
        if (m_shiftMode != kLowerCase) caption[0] = char(caption[0] - 'a' + 'A');
        key(command).SetCaption(caption);
    }
}

void SDialogTextEdit::setShiftMode(uint8_t mode) {
    m_shiftMode = mode;
    UpdateKeyLabels();
}

void SDialogTextEdit::TypeChar(char c) {
    m_game->PlaySound("bsnd_clicks", 10);
    if (m_shiftMode != kLowerCase && c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    m_field.AddChar(c);
    // Whether or not the field kept the character: a space still starts a new word.
    if (c == ' ' && m_shiftMode != kCapsLock)
        setShiftMode(kShiftOnce);
    else if (m_shiftMode == kShiftOnce)
        setShiftMode(kLowerCase);
}

void SDialogTextEdit::Backspace() {
    m_game->PlaySound("bsnd_clicks", 10);
    m_field.Backspace();
    const int32_t length = m_field.Length();
    const bool wordStart = length == 0 || m_field.Text()[length - 1] == ' ';
    if (!wordStart) {
        if (m_shiftMode == kShiftOnce) setShiftMode(kLowerCase);
    } else if (m_shiftMode != kCapsLock) {
        setShiftMode(kShiftOnce);
    }
}

void SDialogTextEdit::CycleShift() { setShiftMode(uint8_t((m_shiftMode + 1) % 3)); }

uint32_t SDialogTextEdit::OnKey(uint32_t key) {
    // The key that opened the field must not also close it.
    if (IsOpenFrame()) return 0;
    if (key == kTextEditUseKey) return OnCommand(kChoiceOk);
    if (key == kTextEditRefuseKey) return OnCommand(kChoiceCancel);
    return 0;
}

uint32_t SDialogTextEdit::OnCommand(uint32_t id) {
    if (isLetterKey(id) || isDigitKey(id)) {
        TypeChar(keyCharacter(id));
        return 0;
    }
    switch (id) {
        case kSpace: TypeChar(' '); return 0;
        case kShift: CycleShift(); return 0;
        case kBackspace: Backspace(); return 0;
        case kChoiceOk:
        case kChoiceCancel: return ForwardToParent(*this, id);
        default: return 0;
    }
}
