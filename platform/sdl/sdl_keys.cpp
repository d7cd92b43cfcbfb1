#include "platform/sdl/sdl_keys.h"

#include "platform/messages.h"

namespace platform::sdl {

namespace {

struct KeyPair {
    SDL_Keycode key;
    uint32_t virtualKey;
};

// Keys without a letter or digit; F1 to F4 stand for the device's four application buttons. Tab
// and the left Shift and Ctrl are among the keys a keyboard device lets the player bind.
constexpr KeyPair kNamedKeys[] = {
    {SDLK_LEFT, kVkLeft},     {SDLK_UP, kVkUp},           {SDLK_RIGHT, kVkRight},      {SDLK_DOWN, kVkDown},
    {SDLK_RETURN, kVkReturn}, {SDLK_KP_ENTER, kVkReturn}, {SDLK_ESCAPE, kVkEscape},    {SDLK_BACKSPACE, kVkBack},
    {SDLK_SPACE, kVkSpace},   {SDLK_F1, kVkApp1},         {SDLK_F2, kVkApp2},          {SDLK_F3, kVkApp3},
    {SDLK_F4, kVkApp4},       {SDLK_TAB, kVkTab},         {SDLK_LSHIFT, kVkLeftShift}, {SDLK_LCTRL, kVkLeftControl},
};

}  // namespace

uint32_t VirtualKeyFor(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return uint32_t('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return uint32_t('0' + (key - SDLK_0));
    for (const KeyPair& pair : kNamedKeys)
        if (pair.key == key) return pair.virtualKey;
    return 0;
}

SDL_Scancode ScancodeFor(uint32_t virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') return SDL_Scancode(SDL_SCANCODE_A + (virtualKey - 'A'));
    for (const KeyPair& pair : kNamedKeys)
        if (pair.virtualKey == virtualKey) return SDL_GetScancodeFromKey(pair.key);
    return SDL_SCANCODE_UNKNOWN;
}

}  // namespace platform::sdl
