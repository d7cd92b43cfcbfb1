#include "ui/dialogs/message_panel.h"

#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/dialog.h"
#include "ui/frames.h"

void DrawMessagePanel(SDialog& dialog) {
    // Keyed: the panel's corners are rounded off, and what lies under them shows.
    DrawPanel(*dialog.m_display, dialog.m_game->InterfaceSet<9>(SInterfaceRole::kMessagePanel).data(), true, dialog.m_x,
              dialog.m_y, dialog.m_w, dialog.m_h);
}

int MessageButtonGap(uint32_t screenType) { return IsSmallScreenType(screenType) ? 3 : 5; }
