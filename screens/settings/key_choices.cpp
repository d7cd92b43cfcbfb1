#include "screens/settings/key_choices.h"

#include "game/feldmar2.h"

namespace {

constexpr SKeyChoice kActions[] = {
    {0, "none"},
    {kActionForward, "forward"},
    {kActionBack, "back"},
    {kActionTurnLeft, "turn left"},
    {kActionTurnRight, "turn right"},
    {kActionStrafeLeft, "strafe left"},
    {kActionStrafeRight, "strafe right"},
    {kActionSpellBook, "spell"},
    {kActionAttack, "hit"},
    {kActionUse, "use"},
};

constexpr SKeyChoice kForwardKeys[] = {{0, "none"}, {38, "up arrow"}, {119, "w"}};
constexpr SKeyChoice kBackwardKeys[] = {{0, "none"}, {40, "down arrow"}, {115, "s"}};
constexpr SKeyChoice kTurnLeftKeys[] = {{0, "none"}, {37, "left arrow"}, {113, "q"}, {97, "a"}};
constexpr SKeyChoice kTurnRightKeys[] = {{0, "none"}, {39, "right arrow"}, {101, "e"}, {100, "d"}};
constexpr SKeyChoice kModifierKeys[] = {{0, "none"}, {32, "space"}, {13, "return"},
                                        {9, "tab"},  {162, "ctrl"}, {160, "shift"}};
constexpr SKeyChoice kSpellKeys[] = {{0, "none"},   {32, "space"},  {13, "return"}, {9, "tab"},
                                     {162, "ctrl"}, {160, "shift"}, {115, "s"},     {99, "c"}};
constexpr SKeyChoice kStrafeLeftKeys[] = {{0, "none"}, {97, "a"}, {113, "q"}, {37, "left arrow"}};
constexpr SKeyChoice kStrafeRightKeys[] = {{0, "none"}, {100, "d"}, {101, "e"}, {39, "right arrow"}};

// Forward, backward, turn left, turn right, use, spell, hit, strafe left, strafe right.
constexpr std::span<const SKeyChoice> kRowKeys[kKeyRows] = {
    kForwardKeys, kBackwardKeys, kTurnLeftKeys,   kTurnRightKeys,   kModifierKeys,
    kSpellKeys,   kModifierKeys, kStrafeLeftKeys, kStrafeRightKeys,
};

constexpr const char* kActionLabels[kKeyRows] = {"Forward:", "Backward:", "Turn left:",   "Turn right:",  "Use:",
                                                 "Spell:",   "Hit:",      "Strafe left:", "Strafe right:"};
// The device's Select button is Return on a desktop and its application buttons are F1 to F4: each
// label names the key beside the button, or nobody at a desktop could tell which key a row binds.
constexpr const char* kButtonLabels[kKeyRows] = {"Up arrow:",      "Down arrow:",      "Left arrow:",
                                                 "Right arrow:",   "Select (Return):", "Calendar (F1):",
                                                 "Contacts (F2):", "Messaging (F3):",  "Home (F4):"};

bool knownRow(int row) { return row >= 0 && row < kKeyRows; }

}  // namespace

std::span<const SKeyChoice> RowChoices(int row, bool keyboard) {
    if (!knownRow(row)) return {};
    return keyboard ? kRowKeys[row] : std::span<const SKeyChoice>(kActions);
}

int FindChoice(std::span<const SKeyChoice> choices, uint32_t code) {
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i].code == code) return int(i);
    return 0;
}

const char* RowLabel(int row, bool keyboard) {
    if (!knownRow(row)) return "";
    return keyboard ? kActionLabels[row] : kButtonLabels[row];
}
