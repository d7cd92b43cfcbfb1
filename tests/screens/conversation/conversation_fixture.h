#pragma once
// The conversation screen on the interface rig: a person of the test's own, with topics and
// answers built in the test, the screen entered with the words the play screen hands over, and
// the answers' scripts stood for by functions the test gives for each answer.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "data/dialogue/dialog_topic.h"
#include "data/persons/npc_type.h"
#include "game/script/script_context.h"
#include "screens/conversation/state_dialog.h"
#include "screens/screen_id.h"
#include "support/text_ctrl_lines.h"
#include "ui/dialogs/play_dialog_fixture.h"

class ConversationTest : public PlayDialogTest {
protected:
    UiRig& StartTalk(uint32_t mode) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        AddSounds({"bsnd_cdoorclose"});
        person.texts[0].Assign("Odo the smith");
        person.topics = std::make_unique<SDialogTopicSet>();
        return rig;
    }
    // A topic of the person with answers of these texts, in order.
    SDialogTopic& AddTopic(const char* name, const char* caption, std::initializer_list<const char*> answers,
                           bool greeting = false) {
        auto topic = std::make_unique<SDialogTopic>();
        topic->name.Set(name);
        topic->display.Assign(caption);
        for (const char* text : answers) {
            auto answer = std::make_unique<SDialogAnswer>();
            answer->text.Assign(text);
            topic->answers.Add(answer.release(), ListOrder::Appended);
        }
        SDialogTopic& kept = *topic;
        if (greeting)
            person.topics->AddGreeting(std::move(topic));
        else
            person.topics->AddTopic(std::move(topic));
        return kept;
    }
    static SDialogAnswer& AnswerOf(SDialogTopic& topic, int index) { return *topic.answers[index]; }
    // A reply the answer offers in slot 0..3.
    static void AddChoice(SDialogAnswer& answer, int slot, const char* text) {
        answer.choices[size_t(slot)] = std::make_unique<SDialogChoice>();
        answer.choices[size_t(slot)]->text.Assign(text);
    }
    // The answer is given only to the reply `word` (1 to 4).
    static void OnlyForReply(SDialogAnswer& answer, int16_t word) {
        answer.conditions[0] = std::make_unique<SCondition>();
        answer.conditions[0]->code = 2;
        answer.conditions[0]->value = word;
    }
    // What the answer's script does, and the code it ends with.
    void Script(const SDialogAnswer& answer, std::function<int(SStateDialog&)> run) { m_scripts[&answer] = run; }

    // The play screen keeps itself and hands the person over; the greeting comes with the first
    // frame.
    SStateDialog& Open() {
        SState& opener = *Game().m_currentScreen;
        opener.m_keep = 1;
        opener.m_param[0] = 0;
        opener.m_param[1] = reinterpret_cast<uintptr_t>(&person);
        opener.m_param[2] = 0;
        opener.m_param[3] = 0;
        if (Game().m_scriptContext) Game().m_scriptContext->SetupForConversation(&person);
        Talk().SetAnswerScript([this](const SDialogAnswer& answer) {
            ++runs;
            auto found = m_scripts.find(&answer);
            return found == m_scripts.end() ? 0 : found->second(Talk());
        });
        Game().SwitchState(kConversationScreen);
        m_rig->Frame();
        return Talk();
    }
    SStateDialog& Talk() { return static_cast<SStateDialog&>(*Game().Screen(kConversationScreen)); }
    uint32_t Command(uint32_t id) {
        const uint32_t answer = Game().m_currentScreen->OnCommand(id);
        if (answer != kStay) Game().SwitchState(ScreenId(answer));
        return answer;
    }
    // The topic buttons' captions, in order.
    std::string Topics() {
        std::string captions;
        for (const auto& button : Talk().TopicButtons())
            captions += std::string(captions.empty() ? "" : "|") + button->m_topic.Text();
        return captions;
    }
    std::string Services() {
        std::string captions;
        for (const STopicButtonCtrl& button : Talk().m_services)
            if (button.IsShown()) captions += std::string(captions.empty() ? "" : "|") + button.m_topic.Text();
        return captions;
    }
    // Every line the conversation shows, pending ones too.
    std::string Text() {
        std::string text;
        const SDialogTextCtrl& ctrl = Talk().m_text;
        for (int i = 0; i < ctrl.m_shown.Count(); ++i) text += std::string(ctrl.m_shown[i].text.Text()) + "\n";
        for (int i = 0; i < ctrl.m_pending.Count(); ++i) text += std::string(ctrl.m_pending[i].text.Text()) + "\n";
        return text;
    }

    SNpcType person;
    int runs = 0;

private:
    std::map<const SDialogAnswer*, std::function<int(SStateDialog&)>> m_scripts;
};
