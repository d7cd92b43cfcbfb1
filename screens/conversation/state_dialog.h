#pragma once
// SStateDialog: the conversation with one person (screen 2). The person's portrait and name, the
// conversation text, and a column of buttons: the person's services, the topics whose conditions
// hold, and Goodbye (Back for a person who keeps a building). A topic prints the player's line and
// the person's answer; the answer's script may ask a question with up to four answers, fill a
// choice list, or move on to another answer of the topic. Services open dialogs over the screen,
// or the shop and the card table, which come back here.
//
// A chain of answers that move on by themselves runs as a loop with a cap, so that a data script
// that always asks to begin the topic again ends with the topics shown instead of freezing.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "data/dialogue/dialog_topic_set.h"
#include "game/script/script_conversation.h"
#include "game/script/script_text_output.h"
#include "screens/conversation/conversation_world.h"
#include "ui/dialogs/dialog_card_bet.h"
#include "ui/dialogs/dialog_enchant_item.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/dialogs/dialog_repair_shop.h"
#include "ui/dialogs/dialog_training.h"
#include "ui/state.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/face_ctrl.h"
#include "ui/widgets/fill_color_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

class SNpcType;
struct SDialogAnswer;
struct SDialogTopic;

class SStateDialog : public SState, public SScriptConversation, public SScriptTextOutput {
public:
    static constexpr uint32_t kLayout = 28;
    // Answers that go on by themselves (gonext, gofirst) at most this many times in a row.
    static constexpr int kMostChainedAnswers = 32;
    static constexpr uint32_t kAnswerPauseMs = 200;
    static constexpr uint32_t kContinueKey = 3006;
    static constexpr uint32_t kGoodbyeKey = 1002;

    enum Element : uint32_t {
        kBackground = 19,
        kPortrait = 288,
        kName = 289,
        kText = 290,
        kTopicArea = 291,
        kPortraitFrame = 292,
        kTextFrame = 293,
        kNameFrame = 554,
    };
    enum Command : uint32_t {
        kFirstTopic = 0x1000,
        kContinue = 0x4000,
        kFirstAnswer = 0x4100,
        kBuySell = 0x5000,
        kEnchant = 0x5100,
        kTraining = 0x5200,
        kRepair = 0x5300,
        kCards = 0x5500,
        kGoodbye = 0x5600,
        kList = 0x6000,
        kListUp = 0x6100,
        kListDown = 0x6200,
        kListOk = 0x6300,
        kListCancel = 0x6400,
    };
    enum SubMode : uint32_t { kNone = 1, kRepairOpen = 2, kEnchantOpen = 3, kTrainingOpen = 4, kCardBetOpen = 6 };
    // The service buttons in the order they stand.
    static constexpr int kServiceCount = 5;

    // Runs an answer's script; answers the interpreter's code (0 and 20 succeed). Tests put their
    // own in its place to stand for scripts.
    using SAnswerScript = std::function<int(const SDialogAnswer&)>;

    SStateDialog();
    ~SStateDialog() override;

    void Init(SGameData* game) override;
    // p2 the person type, p3 the object that stands for the person (handed on to the shop), p4
    // the map (handed on too).
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    void Leave() override;
    uint32_t OnCommand(uint32_t id) override;
    uint32_t OnTick(uint32_t arg) override;

    // What the answers' scripts ask of the screen.
    void Goodbye() override;
    void OpenChoiceList() override;
    void AddListLine(const char* id, const char* title) override;
    void GoNext() override { m_goNext = true; }
    void GoFirst() override { m_goFirst = true; }
    void ShowText(const char* text, uint32_t colour) override;

    void SetAnswerScript(SAnswerScript script) { m_answerScript = std::move(script); }
    // Set by a city door that lets the player in to talk: the goodbye closes the door.
    void SetDoor(bool door) { m_door = door; }

    const SNpcType* Person() const { return m_person; }
    uint32_t SubModeNow() const { return m_subMode; }
    bool Ended() const { return m_ended; }
    bool ListOpen() const { return m_listOpen; }
    const SDialogAnswer* CurrentAnswer() const { return m_answer; }
    // The buttons of the topics on show, in order.
    const std::vector<std::unique_ptr<STopicButtonCtrl>>& TopicButtons() const { return m_topicButtons; }

    SBorderCtrl m_portraitFrame;
    SBorderCtrl m_textFrame;
    SBorderCtrl m_nameFrame;
    SFaceCtrl m_portrait;
    STextCtrl m_name;
    SDialogTextCtrl m_text;
    std::array<STopicButtonCtrl, kServiceCount> m_services;
    STopicButtonCtrl m_goodbye;
    SFillColorCtrl m_serviceLine;
    SFillColorCtrl m_goodbyeLine;
    SButtonCtrl m_continue;
    std::array<STopicButtonCtrl, 4> m_answers;
    SDialogListCtrl m_list;
    SButtonCtrl m_listUp;
    SButtonCtrl m_listDown;
    SButtonCtrl m_listOk;
    SButtonCtrl m_listCancel;
    SDialogRepairShop m_repair;
    SDialogTraining m_training;
    SDialogEnchantItem m_enchant;
    SDialogCardBet m_cardBet;
    SDialogTextCtrl m_messageText;
    SDialogMessage m_message;

private:
    struct STopicArea {
        int32_t x = 0, y = 0, w = 0, h = 0;
    };

    void placeCtrls();
    void updateButtons();
    void disableButtons();
    void clearTopics();
    void rebuildTopics();
    // One button of the topic column at the running y, which it moves on.
    void addTopicButton(STopicButtonCtrl& button, const char* caption, uint32_t command, int32_t& y);
    void placeGoodbyeButton();
    void addLogText(const char* text, uint32_t colour);
    // Runs the current answer, and the answers it moves on to, up to the cap.
    void runTopicScript();
    // One answer: its text, its script and what it offers; true when the topic goes on by itself
    // with the next or the first answer, which is then current.
    bool runOneAnswer();
    // The answer to go on with after the current one: the topic's first when go-first is asked,
    // else the next available; null for none.
    const SDialogAnswer* followingAnswer() const;
    // The topic is over: back to the topic column.
    void endTopic();
    int measureChoices();
    bool choicesOverflow(int choiceLines) const;
    void showAnswerButtons();
    void removeAnswerButtons();
    void showContinueButton();
    void showChoiceList();
    void closeChoiceList();
    // After an answer button or the list: the next answer after a short pause, or the topics.
    void goOn();
    uint32_t onContinue();
    uint32_t onAnswer(uint32_t index);
    uint32_t onListChoice(bool ok);
    uint32_t onServiceDialogCommand(uint32_t id);
    void showMessage(const char* text);
    void setQuestionState(int32_t state);

    std::unique_ptr<SConversationWorld> m_world;
    SAnswerScript m_answerScript;
    SNpcType* m_person = nullptr;
    uintptr_t m_trader = 0;
    STopicArea m_area;
    int32_t m_indent = 1;
    std::vector<SDialogTopicEntry> m_topics;
    std::vector<std::unique_ptr<STopicButtonCtrl>> m_topicButtons;
    const SDialogTopic* m_topic = nullptr;
    const SDialogAnswer* m_answer = nullptr;
    int m_choiceLines = 0;
    bool m_listOpen = false;
    bool m_ended = false;
    bool m_goNext = false;
    bool m_goFirst = false;
    bool m_greetingPending = false;
    bool m_door = false;
    uint32_t m_subMode = kNone;
};
