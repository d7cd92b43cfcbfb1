#pragma once
// The sample layouts of the enchanting dialogs: 23 the wand and scroll entry editor, 24 the entry
// editor of other items, 25 the item chooser, 26 the enchant dialog (the whole screen) and 27 the
// wand recharge, each sized for every screen mode from its screen.
#include <cstdint>
#include <span>
#include <vector>

#include "game/layout_record.h"

struct SScreenSize {
    uint16_t mode;
    int width, height;
};

std::vector<SLayoutDialog> EnchantDialogLayouts(std::span<const SScreenSize> screens);
