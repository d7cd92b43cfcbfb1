#pragma once
// What the play screen waits for. In free play keys, taps and world events are handled; every
// other sub-mode has a dialog or a fade in front of the world.
#include <cstdint>

enum class SPlaySubMode : uint32_t {
    kUnset = 0,  // before the first world reset
    kFree = 1,
    kMessage = 2,
    kTravelQuestion = 3,
    kTravelFade = 4,
    kChoiceList = 5,
    kSpellBook = 6,
    kMap = 7,
    kPotions = 8,
    kDoorQuestion = 9,
    kLockPicking = 10,
    kRestQuestion = 11,
    kResting = 12,
    kStealQuestion = 13,
    kMarkRecall = 14,
    kEnchanting = 15,
    kShipTravel = 16,
};

// The dialogs of these sub-modes cover the whole screen, and the world waits behind them.
inline bool CoversScreen(SPlaySubMode mode) {
    return mode == SPlaySubMode::kMap || mode == SPlaySubMode::kEnchanting || mode == SPlaySubMode::kShipTravel;
}
