#pragma once
// SCharacterChoice: what the player chose on the character-creation screen, which the starting kit
// of a new game is given by.
#include <array>
#include <cstdint>
#include <string>

struct SCharacterChoice {
    std::string name;
    std::string face = {};  // the portrait's picture name
    uint8_t gender = 1;
    uint32_t race = 2;  // 1 to 5
    std::array<uint8_t, 6> majorSkills{1, 2, 3, 4, 5, 6};
};
