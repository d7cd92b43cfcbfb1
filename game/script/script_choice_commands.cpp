// The commands of a script's choice list and of the conversation it runs in. A script never waits
// for the choice: on the play screen the list goes to the screen's queue as a menu, in a
// conversation into the screen's own list, and the script runs again once the player has chosen.
#include "game/script/script_command_table.h"
#include "game/script/script_context.h"
#include "game/script/script_conversation.h"
#include "game/script/script_play_screen.h"
#include "ui/widgets/dialog_list_ctrl.h"

SScriptConversation* SScriptContext::conversation() const {
    return m_outputMode == SScriptOutputMode::Conversation ? m_conversation : nullptr;
}

bool SScriptContext::runChoiceCommand(uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                                      std::optional<SScriptValue>& result) {
    const bool onPlayScreen = m_outputMode == SScriptOutputMode::PlayScreen;
    SScriptConversation* talk = conversation();
    switch (id) {
        case kCommandCreateObjectList:
            if (onPlayScreen) {
                // A list made before and never shown is dropped with its rows.
                m_listOpen = true;
                m_list = std::make_unique<SDialogListCtrl>();
            }
            if (talk) talk->OpenChoiceList();
            return true;
        case kCommandAddObjectToList:
            // The row shows the title and answers with the id.
            if (onPlayScreen && m_list) m_list->AddRowLabel(arg1.Text(), arg2.Text(), 0);
            if (talk) talk->AddListLine(arg1.Text(), arg2.Text());
            return true;
        case kCommandShowObjectList:
            // From here on the queued menu owns the list; showing it twice offers it once.
            if (onPlayScreen && m_list && m_playScreen) m_playScreen->QueueChoiceMenu(std::move(m_list));
            return true;
        case kCommandGetObjectListResult:
            result = SScriptValue((onPlayScreen && m_listOpen) || talk ? m_listResult.Text() : "");
            return true;
        case kCommandGoodbye:
            if (talk) talk->Goodbye();
            return true;
        case kCommandGoNext:
            if (talk) talk->GoNext();
            return true;
        case kCommandGoFirst:
            if (talk) talk->GoFirst();
            return true;
        default: return false;
    }
}
