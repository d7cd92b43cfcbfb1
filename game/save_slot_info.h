#pragma once
// SSaveSlotInfo: what the slot lists of the main menu and the load and save screen show of a
// saved game: its view thumbnail, the title of the map it was saved on and its game date.
#include <array>
#include <cstdint>
#include <string>

#include "game/saved_screens.h"

struct SSaveSlotInfo {
    uint8_t version = 0;
    uint32_t slot = 0;
    std::string mapTitle;
    std::string dateText;
    // A copy of the saved pixels: a header whose block is shorter than a thumbnail is refused,
    // so that nothing past the record is ever drawn.
    std::array<uint16_t, kSaveThumbWidth * kSaveThumbHeight> thumbnail{};
    uint16_t width = kSaveThumbWidth;
    uint16_t height = kSaveThumbHeight;
};
