#pragma once
// Typing on a desktop keyboard. The device typed only through its on-screen keyboard; at a desktop
// the letters, digits, space and backspace of the real keyboard type into an open text field.
#include <cstdint>

class SGameData;

// The character a key types: a letter (upper case only with `shifted`), a digit, a space, or '\b'
// for backspace; 0 for a key that types nothing.
char TypedCharacter(uint32_t virtualKey, bool shifted);
// Types the character into the text field open on the current screen, its innermost dialog: false,
// and nothing done, when none is open.
bool TypeIntoOpenField(SGameData& game, char c);
