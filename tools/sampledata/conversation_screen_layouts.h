#pragma once
// The sample layouts of the conversation (layout 28), the interior (layout 30) and the shop
// (layout 42), each covering the screen.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

void AddConversationScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height,
                                int fontHeight);
