#include "game/typed_keys.h"

#include "game/game_data.h"
#include "platform/messages.h"
#include "ui/dialogs/dialog_text_edit.h"
#include "ui/state.h"

char TypedCharacter(uint32_t virtualKey, bool shifted) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') return char(shifted ? virtualKey : virtualKey - 'A' + 'a');
    if (virtualKey >= '0' && virtualKey <= '9') return char(virtualKey);
    if (virtualKey == platform::kVkSpace) return ' ';
    if (virtualKey == platform::kVkBack) return '\b';
    return 0;
}

bool TypeIntoOpenField(SGameData& game, char c) {
    SDialog* open = game.m_currentScreen;
    while (open != nullptr && open->m_child != nullptr) open = open->m_child;
    auto* field = dynamic_cast<SDialogTextEdit*>(open);
    if (field == nullptr || c == 0) return false;
    if (c == '\b')
        field->Backspace();
    else
        field->TypeChar(c);
    return true;
}
