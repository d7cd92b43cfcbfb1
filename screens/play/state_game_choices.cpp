// A script's choice menu on the play screen: queued with the list the script filled, shown as the
// "What do you want?" dialog, and answered with the chosen row's key in the script context's list
// result, or nothing when the player cancels; the script then runs again and reads it.
#include <algorithm>

#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/state_game.h"
#include "ui/dialogs/dialog_list.h"
#include "ui/widgets/dialog_list_ctrl.h"

namespace {

constexpr uint32_t kListFont = 1;
constexpr uint32_t kListTextColour = 0x161616;
constexpr uint32_t kListBackColour = 0x94D6E7;
constexpr uint16_t kListWidth = 340;
constexpr uint16_t kListRows = 8;
constexpr int kDialogMargins = 100;

}  // namespace

void SStateGame::QueueChoiceMenu(std::unique_ptr<SDialogListCtrl> list) {
    if (list == nullptr) return;
    queueEvent(SGameEvent::kChoiceMenu).list = std::move(list);
}

void SStateGame::showChoiceMenu(SGameEvent& event) {
    if (event.list == nullptr) return;
    m_choiceList = std::move(event.list);
    m_choiceBox = std::make_unique<SDialogList>();
    m_choiceBox->Init(m_game);
    SDialogListCtrl& list = *m_choiceList;
    list.Attach(m_choiceBox.get());
    list.SetStyle(kListFont, kListTextColour, kListBackColour, nullptr);
    // The dialog is the list and 100 pixels of margin: on a narrow screen the list gives way.
    const int fitting = int(m_display->m_width) - kDialogMargins;
    list.m_w = uint16_t(std::clamp(fitting, 0, int(kListWidth)));
    list.m_h = uint16_t(kListRows * list.m_rowHeight);
    list.Layout(false);
    // Nothing is chosen until the player picks a row.
    list.Select(-1);
    m_choiceBox->Open(list);
    SetChild(m_choiceBox.get());
    m_subMode = SPlaySubMode::kChoiceList;
    SetDirty();
}

void SStateGame::AnswerChoice(const std::string& key) {
    SScriptContext* context = m_game->m_scriptContext.get();
    if (context == nullptr) return;
    context->SetListResult(key.c_str());
    context->RunObjectScript();
}
