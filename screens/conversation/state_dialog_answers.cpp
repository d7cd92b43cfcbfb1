// The conversation's answers: running them and the chains they start, their answer buttons, the
// Continue button of a long answer, and the choice list a script fills.
#include <algorithm>

#include "data/dialogue/dialog_answer.h"
#include "data/dialogue/dialog_topic.h"
#include "data/persons/npc_type.h"
#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "platform/clock.h"
#include "screens/conversation/state_dialog.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"
#include "script/script.h"
#include "ui/colour_word.h"

namespace {

constexpr uint32_t kChoiceColour = 0x64F0FA;
constexpr uint32_t kAnswersTopicBlend = 0x161616;
constexpr uint32_t kButtonInk = 0xC8C8C8;
constexpr uint32_t kButtonShade = 0x585858;
constexpr uint32_t kListInk = 0xFFFFFF;
constexpr uint32_t kListGround = 0x161616;
constexpr int kArrowW = 20;
constexpr int kArrowH = 12;

bool choicesTightOnScreen(uint32_t type) { return type == 5 || type == 8; }

}  // namespace

void SStateDialog::setQuestionState(int32_t state) {
    if (m_game->m_scriptContext) m_game->m_scriptContext->SetAnswer(state);
}

const SDialogAnswer* SStateDialog::followingAnswer() const {
    if (m_topic == nullptr || m_person == nullptr) return nullptr;
    const SDialogPerson person = m_person->Person();
    return m_topic->FindAnswer(&person, m_goFirst ? nullptr : m_answer, *m_world);
}

void SStateDialog::endTopic() {
    m_answer = nullptr;
    setQuestionState(0);
    m_text.Draw();
    rebuildTopics();
    updateButtons();
}

void SStateDialog::runTopicScript() {
    // Each round after the first is an answer that a script asked for with gonext or gofirst; a
    // script that asks every time stops at the cap with the topics shown.
    for (int round = 1; m_answer != nullptr && runOneAnswer(); ++round) {
        if (round >= kMostChainedAnswers) {
            endTopic();
            return;
        }
        platform::Sleep(kAnswerPauseMs);
    }
}

bool SStateDialog::runOneAnswer() {
    const SDialogAnswer& answer = *m_answer;
    SString text(answer.text.Text());
    if (m_game->m_scriptContext) m_game->m_scriptContext->SubstituteText(text);
    // An answer the topic went on to continues the paragraph before it, without a new bullet.
    m_text.AddText(text.Text(), 0, m_goNext || m_goFirst ? 0 : 1);
    m_goNext = m_goFirst = false;
    disableButtons();
    if (!SScript::Succeeded(m_answerScript(answer))) {
        if (SStateGame* play = SStateGame::Of(*m_game))
            play->QueueMessage("Script error!", SDialogMessage::kOk, nullptr);
    }
    // The answer's own page of text may leave too little room for its choices.
    bool overflow = false;
    if (answer.HasChoices()) {
        const int lines = measureChoices();
        overflow = m_text.m_pending.Count() + lines >= int(m_text.m_visibleLines) - 1;
    }
    m_text.m_shownThisRun = 0;
    m_text.Draw();
    if (m_text.HasPending() || overflow) {
        showContinueButton();
        return false;
    }
    if (answer.HasChoices()) {
        showAnswerButtons();
        return false;
    }
    if (m_listOpen) {
        showChoiceList();
        m_goNext = m_goFirst = false;
        return false;
    }
    setQuestionState(0);
    if (m_ended) {
        clearTopics();
        placeGoodbyeButton();
        m_goNext = m_goFirst = false;
        return false;
    }
    rebuildTopics();
    updateButtons();
    if (!(m_goNext && m_topic) && !m_goFirst) return false;
    const SDialogAnswer* next = followingAnswer();
    if (next == nullptr) {
        m_goNext = m_goFirst = false;
        endTopic();
        return false;
    }
    // The flags stay up for the next round, which continues the paragraph and clears them.
    m_answer = next;
    return true;
}

int SStateDialog::measureChoices() {
    if (m_answer == nullptr || m_person == nullptr) return 0;
    SDialogAnswer::SChoiceSlots slots{};
    const SDialogPerson person = m_person->Person();
    m_answer->GetChoices(slots, &person, *m_world);
    m_game->m_text->SelectFont(1, kChoiceColour, kAnswersTopicBlend);
    const int width = std::max(int(m_text.m_w) - int(m_text.m_bulletWidth), 1);
    int total = 0;
    for (const SDialogChoice* choice : slots) {
        if (choice == nullptr) continue;
        SString text(choice->text.Text());
        if (m_game->m_scriptContext) m_game->m_scriptContext->SubstituteText(text);
        int widest = 0, lines = 0;
        m_game->m_text->Measure(text.Text(), width, widest, lines);
        total += std::max(lines, 1);
    }
    return total;
}

bool SStateDialog::choicesOverflow(int choiceLines) const {
    const int waiting = m_text.m_pending.Count();
    if (choicesTightOnScreen(m_game->m_screenMode)) return waiting + choiceLines > int(m_text.m_visibleLines);
    return waiting + choiceLines >= int(m_text.m_visibleLines) - 1;
}

void SStateDialog::showAnswerButtons() {
    SDialogAnswer::SChoiceSlots slots{};
    const SDialogPerson person = m_person->Person();
    m_answer->GetChoices(slots, &person, *m_world);
    const int lineH = int(m_text.m_fontHeight) + 1;
    m_choiceLines = 0;
    for (size_t i = 0; i < slots.size(); ++i) {
        if (slots[i] == nullptr) continue;
        SString text(slots[i]->text.Text());
        if (m_game->m_scriptContext) m_game->m_scriptContext->SubstituteText(text);
        STopicButtonCtrl& button = m_answers[i];
        button.Setup(text.Text(), kFirstAnswer + uint32_t(i), int16_t(m_text.m_x), int16_t(m_text.m_y), m_text.m_w, 0,
                     kChoiceColour, kAnswersTopicBlend, 0);
        m_choiceLines += std::max(int(button.m_h) / std::max(lineH, 1), 1);
        AddCtrl(&button);
    }
    m_text.AddBlankLines(m_choiceLines);
    // One under the other from the first of the blank lines the text keeps for them.
    int32_t y = m_text.m_y + (int32_t(m_text.m_next) - m_choiceLines) * lineH;
    for (size_t i = 0; i < slots.size(); ++i) {
        if (slots[i] == nullptr) continue;
        STopicButtonCtrl& button = m_answers[i];
        const int lines = std::max(int(button.m_h) / std::max(lineH, 1), 1);
        button.SetRect(int16_t(m_text.m_x), int16_t(y), m_text.m_w, uint16_t(lines * lineH));
        y += lines * lineH;
    }
    SetDirty();
}

void SStateDialog::removeAnswerButtons() {
    for (STopicButtonCtrl& button : m_answers) RemoveCtrl(&button);
    SetDirty();
}

void SStateDialog::showContinueButton() {
    const bool small = IsSmallScreenType(m_game->m_screenMode);
    m_game->m_text->SelectFont(1, kButtonInk, kButtonShade);
    const int w = m_game->m_text->TextWidth("Continue") + 16, h = int(m_text.m_fontHeight) + 4;
    const int lineH = int(m_text.m_fontHeight) + 1;
    const int x = m_text.m_x + m_text.m_w - w + (small ? 1 : -5);
    const int y = m_text.m_y + lineH * (int(m_text.m_visibleLines) - 1) + (small ? 2 : -3);
    m_continue.SetRect(int16_t(x), int16_t(y), uint16_t(w), uint16_t(h));
    m_continue.SetupBar(m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarDown),
                        m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarUp), "Continue", kContinue, 1, kButtonInk,
                        kButtonShade, kWhite, kButtonShade, uint16_t(kContinueKey));
    AddCtrl(&m_continue);
    disableButtons();
    SetDirty();
}

uint32_t SStateDialog::onContinue() {
    m_game->PlaySound("bsnd_click", 10);
    RemoveCtrl(&m_continue);
    SetDirty();
    m_text.m_shownThisRun = 0;
    m_text.Draw();
    const bool choices = m_answer && m_answer->HasChoices();
    const bool overflow = choices && choicesOverflow(measureChoices());
    if (m_text.HasPending() || overflow) {
        showContinueButton();
        return kStay;
    }
    if (choices) {
        showAnswerButtons();
    } else if (m_listOpen) {
        showChoiceList();
        m_goNext = m_goFirst = false;
    } else {
        setQuestionState(0);
        rebuildTopics();
        updateButtons();
    }
    return kStay;
}

uint32_t SStateDialog::onAnswer(uint32_t index) {
    // Only an answer button on show answers; the ids past the four buttons never reach here.
    if (index >= m_answers.size() || !m_answers[index].IsActive() || m_answer == nullptr) return kStay;
    setQuestionState(int32_t(index) + 1);
    m_text.m_next = uint32_t(std::max<int>(int(m_text.m_next) - m_choiceLines, 0));
    m_text.m_reserved = 0;
    const uint32_t type = m_game->m_screenMode;
    if (type == 8 || (type == 5 && m_text.m_next + uint32_t(m_choiceLines) >= m_text.m_visibleLines)) m_text.Clear();
    addLogText(m_answer->ChoiceText(int(index) + 1), 1);
    removeAnswerButtons();
    m_choiceLines = 0;
    goOn();
    return kStay;
}

void SStateDialog::goOn() {
    const SDialogAnswer* next = followingAnswer();
    m_text.m_shownThisRun = 0;
    m_text.Draw();
    platform::Sleep(kAnswerPauseMs);
    m_goNext = m_goFirst = false;
    if (next == nullptr) {
        endTopic();
        return;
    }
    m_answer = next;
    runTopicScript();
}

void SStateDialog::OpenChoiceList() {
    m_listOpen = true;
    m_list.ClearRows();
    m_list.m_selected = -1;
    m_list.m_top = 0;
    m_list.SetDirty();
}

void SStateDialog::AddListLine(const char* id, const char* title) {
    if (!m_listOpen) return;
    SString text(IsSmallScreenType(m_game->m_screenMode) ? "-\x0B" : "- ");
    text.Append(title ? title : "");
    m_list.AddRowLabel(id ? id : "", text.Text(), 0);
}

void SStateDialog::showChoiceList() {
    const uint32_t type = m_game->m_screenMode;
    m_list.m_id = uint16_t(kList);
    m_list.SetRect(int16_t(m_text.m_x + m_indent), int16_t(m_text.m_y), uint16_t(std::max(int(m_text.m_w) - 10, 1)), 0);
    m_list.SetStyle(type == 9 || type == 10 || type == 14 || type == 15 ? 2 : 1, kListInk, kListGround, nullptr);
    m_list.AutoSize(std::max(int(m_text.m_w) - 10 - 8, 1));
    const int minimumW = int(m_text.m_w) * 2 / 3;
    if (int(m_list.m_w) < minimumW) m_list.m_w = uint16_t(minimumW);
    m_list.Layout(false);
    m_list.Select(-1);
    const int rows = int(m_list.m_rowsPerPage);
    m_text.AddBlankLines(rows + 1);
    const int lineH = int(m_text.m_fontHeight) + 1;
    const int y = m_text.m_y + (int(m_text.m_next) - rows - 1) * lineH;
    m_list.SetPos(int16_t(m_text.m_x + m_indent), int16_t(std::max(y, int(m_text.m_y))));
    AddCtrl(&m_list);
    if (m_list.RowCount() > rows) {
        m_listUp.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kUpArrowButton), kListUp, 0);
        m_listUp.SetRect(int16_t(m_list.m_x + m_list.m_w + 5), int16_t(m_list.m_y), kArrowW, kArrowH);
        m_listDown.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kDownArrowButton), kListDown, 0);
        m_listDown.SetRect(int16_t(m_list.m_x + m_list.m_w + 5), int16_t(m_list.m_y + m_list.m_h - kArrowH), kArrowW,
                           kArrowH);
        AddCtrl(&m_listUp);
        AddCtrl(&m_listDown);
    }
    m_game->m_text->SelectFont(1, kButtonInk, kButtonShade);
    const int buttonH = int(m_text.m_fontHeight) + 4;
    const int okW = m_game->m_text->TextWidth("Ok") + 16, cancelW = m_game->m_text->TextWidth("Cancel") + 16;
    const int buttonsY = m_list.m_y + m_list.m_h + 5;
    for (auto [button, caption, command, x, w] :
         {std::tuple{&m_listOk, "Ok", kListOk, m_list.m_x + 20, okW},
          std::tuple{&m_listCancel, "Cancel", kListCancel, m_list.m_x + 20 + okW + 10, cancelW}}) {
        button->SetRect(int16_t(x), int16_t(buttonsY), uint16_t(w), uint16_t(buttonH));
        button->SetupBar(m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarDown),
                         m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarUp), caption, command, 1, kButtonInk,
                         kButtonShade, kWhite, kButtonShade, 0);
        AddCtrl(button);
    }
    SetDirty();
}

void SStateDialog::closeChoiceList() {
    m_listOpen = false;
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_list, &m_listUp, &m_listDown, &m_listOk, &m_listCancel})
        RemoveCtrl(ctrl);
    m_list.ClearRows();
    SetDirty();
}

uint32_t SStateDialog::onListChoice(bool ok) {
    if (!m_listOpen) return kStay;
    const char* chosen = m_list.GetSelectedText();
    if (ok && m_list.m_selected < 0) return kStay;
    m_text.m_next = uint32_t(std::max<int>(int(m_text.m_next) - int(m_list.m_rowsPerPage) - 1, 0));
    m_text.m_reserved = 0;
    if (ok) {
        // The row's text without the mark the list puts before it.
        const size_t length = std::char_traits<char>::length(chosen);
        addLogText(length > 2 ? chosen + 2 : "", 1);
    } else {
        addLogText("...", 1);
    }
    if (m_game->m_scriptContext) m_game->m_scriptContext->SetListResult(ok ? m_list.GetSelectedKey() : "");
    closeChoiceList();
    goOn();
    return kStay;
}
