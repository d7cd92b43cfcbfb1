#include "screens/conversation/state_dialog.h"

#include <algorithm>

#include "data/dialogue/dialog_topic.h"
#include "data/persons/npc_type.h"
#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/merchant_level.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"
#include "script/script.h"

namespace {

constexpr uint32_t kNameColour = 0xBEC8D2;
constexpr uint32_t kAnswerColour = 0xE6D2C8;
constexpr uint32_t kPlayerColour = 0xC8F0FA;
constexpr uint32_t kScriptColour = 0x20BABA;
constexpr uint32_t kShadow = 0x585858;
constexpr uint32_t kTopicInk = 0xFFFFFF;
constexpr uint32_t kTopicBlend = 0x161616;
constexpr uint32_t kLineColour = 0x585858;
// Names are centred on one line, as the character page's.
constexpr uint32_t kNameAlign = 18;

struct SService {
    uint8_t bit;
    const char* caption;
    uint32_t command;
};
// The order they stand in, which is not the order of the bits.
constexpr SService kServices[SStateDialog::kServiceCount] = {
    {SNpcType::kTrade, "Buy/sell", SStateDialog::kBuySell}, {SNpcType::kTraining, "Training", SStateDialog::kTraining},
    {SNpcType::kRepair, "Repair", SStateDialog::kRepair},   {SNpcType::kEnchanting, "Enchant", SStateDialog::kEnchant},
    {SNpcType::kCards, "Cards", SStateDialog::kCards},
};

bool goodbyeUnderPortrait(uint32_t type) { return type == 5 || type == 7 || type == 8; }

}  // namespace

SStateDialog::SStateDialog() = default;
SStateDialog::~SStateDialog() = default;

void SStateDialog::Init(SGameData* game) {
    SState::Init(game);
    m_world = std::make_unique<SConversationWorld>(*game);
    m_answerScript = [this](const SDialogAnswer& answer) {
        if (answer.script.empty() || !m_game->m_script) return int(kScriptOk);
        const int loaded = m_game->m_script->Load(answer.script.data(), uint32_t(answer.script.size()));
        return loaded != 0 ? loaded : m_game->m_script->RunToEnd();
    };
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_portraitFrame, &m_textFrame, &m_nameFrame, &m_portrait, &m_name, &m_text,
                                       &m_goodbye, &m_serviceLine, &m_goodbyeLine, &m_continue, &m_list, &m_listUp,
                                       &m_listDown, &m_listOk, &m_listCancel, &m_messageText})
        ctrl->Attach(this);
    for (STopicButtonCtrl& button : m_services) button.Attach(this);
    for (STopicButtonCtrl& button : m_answers) button.Attach(this);
    for (SDialog* dialog : std::initializer_list<SDialog*>{&m_repair, &m_training, &m_enchant, &m_cardBet, &m_message})
        dialog->Init(game);
    m_door = false;
}

void SStateDialog::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_subMode = kNone;
    m_greetingPending = false;
    if (SStateGame* play = SStateGame::Of(*m_game)) play->StopAmbientSounds(false);
    m_person = reinterpret_cast<SNpcType*>(p2);
    m_trader = p3;
    m_ended = m_goNext = m_goFirst = false;
    m_listOpen = false;
    m_topic = nullptr;
    m_answer = nullptr;
    m_choiceLines = 0;
    if (m_person) m_person->UpdateShopOpen(*m_world);
    if (SScriptContext* context = m_game->m_scriptContext.get()) {
        context->AttachConversation(this);
        context->SetTextOutput(SScriptOutputMode::Conversation, this);
    }
    placeCtrls();
    m_greetingPending = true;
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
    SetDirty();
    Draw();
}

void SStateDialog::Leave() {
    clearTopics();
    m_topics.clear();
    m_list.ClearRows();
    if (SScriptContext* context = m_game->m_scriptContext.get()) {
        // Scripts that run after the talk write to the play screen's log again.
        context->AttachConversation(nullptr);
        context->SetTextOutput(SScriptOutputMode::Conversation, nullptr);
    }
    SState::Leave();
}

void SStateDialog::placeCtrls() {
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    SetBackgroundColor();
    const uint32_t type = m_game->m_screenMode;
    const bool small = IsSmallScreenType(type);
    const SFrameSet frames = m_game->ScreenFrameSet();
    for (auto [frame, element] : {std::pair{&m_portraitFrame, kPortraitFrame}, std::pair{&m_textFrame, kTextFrame},
                                  std::pair{&m_nameFrame, kNameFrame}})
        if (PlaceCtrl(*frame, element)) frame->Setup(frames, 0, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_portrait, kPortrait)) {
        const char* face = m_person && *m_person->FaceName() ? m_person->FaceName() : nullptr;
        if (face == nullptr && m_game->m_scriptContext) face = m_game->m_scriptContext->GetPartnerFace();
        m_portrait.SetFace(face ? face : SScriptContext::kUnknownFace);
    }
    if (PlaceCtrl(m_name, kName))
        m_name.SetTextEx(m_person ? m_person->DisplayName() : "", kNameAlign, 1, kNameColour, 0);
    if (PlaceCtrl(m_text, kText)) {
        m_text.Setup(1, kAnswerColour, kPlayerColour, kScriptColour, kShadow,
                     m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
        m_text.Clear();
    }
    m_indent = small ? 1 : 10;
    const std::optional<SLayoutRow> area = m_game->GetLayoutCtrl(kLayout, kTopicArea);
    m_area = area ? STopicArea{area->x, area->y, area->width, area->height} : STopicArea{};
    m_serviceLine.SetColor(kLineColour);
    m_goodbyeLine.SetColor(kLineColour);
}

void SStateDialog::addLogText(const char* text, uint32_t colour) {
    m_text.AddText(text, colour, 1);
    m_text.SetDirty();
}

void SStateDialog::ShowText(const char* text, uint32_t colour) {
    // The script's own lines stand out from the person's answer.
    addLogText(text, colour == kPlainColour ? 0 : 2);
}

uint32_t SStateDialog::OnTick(uint32_t arg) {
    if (m_greetingPending) {
        m_greetingPending = false;
        const std::optional<SDialogTopicEntry> greeting = m_person ? m_person->FindGreeting(*m_world)
                                                                   : std::optional<SDialogTopicEntry>();
        if (!greeting || greeting->answer == nullptr) {
            addLogText("(silence)", 0);
            m_text.Draw();
            rebuildTopics();
            updateButtons();
            m_goNext = m_goFirst = false;
        } else {
            m_topic = greeting->topic;
            m_answer = greeting->answer;
            runTopicScript();
        }
        m_text.SetDirty();
    }
    const uint32_t answer = SDialog::OnTick(arg);
    Draw();
    return answer;
}

void SStateDialog::clearTopics() {
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_goodbye, &m_serviceLine, &m_goodbyeLine, &m_continue})
        RemoveCtrl(ctrl);
    for (STopicButtonCtrl& button : m_services) RemoveCtrl(&button);
    for (const std::unique_ptr<STopicButtonCtrl>& button : m_topicButtons) RemoveCtrl(button.get());
    m_topicButtons.clear();
    SetDirty();
}

void SStateDialog::addTopicButton(STopicButtonCtrl& button, const char* caption, uint32_t command, int32_t& y) {
    button.Setup(caption, command, int16_t(m_area.x + m_indent), int16_t(y), uint16_t(std::max(m_area.w - m_indent, 0)),
                 0, kTopicInk, kTopicBlend, 0);
    AddCtrl(&button);
    y += button.m_h;
}

void SStateDialog::rebuildTopics() {
    clearTopics();
    m_topics = m_person ? m_person->CollectTopics(*m_world) : std::vector<SDialogTopicEntry>();
    int32_t y = m_area.y;
    const uint32_t type = m_game->m_screenMode;
    const bool large = IsLargeScreenType(type);
    // A keeper's services are in the building's menu, not in the talk.
    if (m_person && m_person->ServiceMask() != 0 && !m_person->KeepsBuilding()) {
        const int32_t step = large ? 22 : 16;
        for (int i = 0; i < kServiceCount; ++i) {
            if ((m_person->ServiceMask() & kServices[i].bit) == 0) continue;
            int32_t rowY = y;
            addTopicButton(m_services[size_t(i)], kServices[i].caption, kServices[i].command, rowY);
            // A caption taller than the step (a large font) still keeps its rows apart.
            y = std::max(y + step, rowY);
        }
        if (large) {
            m_serviceLine.SetRect(int16_t(m_area.x), int16_t(y + 3), uint16_t(std::max(m_area.w - 4, 0)), 4);
            AddCtrl(&m_serviceLine);
            y += 10;
        }
    }
    for (size_t i = 0; i < m_topics.size(); ++i) {
        auto button = std::make_unique<STopicButtonCtrl>();
        button->Attach(this);
        addTopicButton(*button, m_topics[i].text ? m_topics[i].text : "", kFirstTopic + uint32_t(i), y);
        m_topicButtons.push_back(std::move(button));
    }
    placeGoodbyeButton();
}

void SStateDialog::placeGoodbyeButton() {
    const uint32_t type = m_game->m_screenMode;
    const bool small = IsSmallScreenType(type);
    const bool large = IsLargeScreenType(type);
    if (!goodbyeUnderPortrait(type)) {
        const int32_t lineUp = small ? 20 : large ? 36 : 26;
        m_goodbyeLine.SetRect(int16_t(m_area.x), int16_t(m_area.y + m_area.h - lineUp),
                              uint16_t(std::max(m_area.w - 4, 0)), 4);
        AddCtrl(&m_goodbyeLine);
    }
    const char* caption = m_person && m_person->KeepsBuilding() ? "Back" : "Goodbye";
    int32_t x = m_area.x + m_indent, y = 0, w = m_area.w - m_indent;
    if (goodbyeUnderPortrait(type)) {
        // Under the portrait's frame, as wide as that frame.
        const std::optional<SLayoutRow> frame = m_game->GetLayoutCtrl(kLayout, kPortraitFrame);
        if (frame) {
            x = frame->x + m_indent + 10;
            y = frame->y + frame->height + 2;
            w = frame->width;
        }
    } else {
        y = m_area.y + m_area.h - (small ? 16 : large ? 28 : 22);
    }
    m_goodbye.Setup(caption, kGoodbye, int16_t(x), int16_t(y), uint16_t(std::max(w, 0)), 0, kTopicInk, kTopicBlend,
                    uint16_t(kGoodbyeKey));
    AddCtrl(&m_goodbye);
    SetDirty();
}

void SStateDialog::updateButtons() {
    if (m_ended) {
        for (STopicButtonCtrl& button : m_services) RemoveCtrl(&button);
        for (const std::unique_ptr<STopicButtonCtrl>& button : m_topicButtons) RemoveCtrl(button.get());
    } else {
        for (STopicButtonCtrl& button : m_services)
            if (button.IsActive()) button.SetEnabled(true);
        for (const std::unique_ptr<STopicButtonCtrl>& button : m_topicButtons) button->SetEnabled(true);
    }
    m_goodbye.SetEnabled(true);
    SetDirty();
}

void SStateDialog::disableButtons() {
    for (STopicButtonCtrl& button : m_services)
        if (button.IsActive()) button.SetEnabled(false);
    for (const std::unique_ptr<STopicButtonCtrl>& button : m_topicButtons) button->SetEnabled(false);
    SetDirty();
}

void SStateDialog::Goodbye() {
    clearTopics();
    placeGoodbyeButton();
    m_ended = true;
    updateButtons();
}

void SStateDialog::showMessage(const char* text) {
    m_game->ShowChildMessageBox(text, SDialogMessage::kOk, m_messageText, m_message, *this);
    SetDirty();
}

uint32_t SStateDialog::onServiceDialogCommand(uint32_t id) {
    const bool cardBet = m_subMode == kCardBetOpen;
    m_subMode = kNone;
    Reopen();
    if (!cardBet || id != SDialogCardBet::kAccept) return kStay;
    const uint32_t stake = m_cardBet.Stake();
    if (!m_game->m_player.HasGold(stake)) {
        showMessage("You don't have enough money.");
        return kStay;
    }
    m_param[0] = stake;
    m_param[1] = reinterpret_cast<uintptr_t>(m_person);
    m_param[2] = 0;
    m_param[3] = 0;
    m_keep = 1;
    return kCardGameScreen;
}

uint32_t SStateDialog::OnCommand(uint32_t id) {
    if (m_subMode != kNone) return onServiceDialogCommand(id);
    if (id == SDialogMessage::kOk) {
        if (m_child == &m_message) Reopen();
        return kStay;
    }
    if (id == kContinue) return onContinue();
    if (id >= kFirstAnswer && id < kFirstAnswer + m_answers.size()) return onAnswer(id - kFirstAnswer);
    if (id >= kFirstTopic && id - kFirstTopic < m_topics.size()) {
        const SDialogTopicEntry& entry = m_topics[id - kFirstTopic];
        m_topic = entry.topic;
        if (m_topic && !m_topic->further.IsEmpty()) addLogText(m_topic->further.Text(), 1);
        m_answer = entry.answer;
        runTopicScript();
        return kStay;
    }
    switch (id) {
        case kBuySell:
            if (m_person == nullptr) return kStay;
            m_param[0] = 0;
            m_param[1] = reinterpret_cast<uintptr_t>(m_person);
            m_param[2] = m_trader;
            m_keep = 1;
            return kShopScreen;
        case kEnchant:
            if (m_person == nullptr) return kStay;
            m_subMode = kEnchantOpen;
            m_enchant.Open(m_person, uint32_t(m_person->EnchantingLevel()) * 3, false);
            SetChild(&m_enchant);
            return kStay;
        case kTraining:
            if (m_person == nullptr) return kStay;
            m_subMode = kTrainingOpen;
            m_training.Open(*m_person);
            SetChild(&m_training);
            return kStay;
        case kRepair:
            if (m_person == nullptr) return kStay;
            m_subMode = kRepairOpen;
            m_repair.Open(MerchantLevel(*m_person, m_game->m_globals));
            SetChild(&m_repair);
            return kStay;
        case kCards:
            if (m_person == nullptr) return kStay;
            m_subMode = kCardBetOpen;
            m_cardBet.Show(*m_person);
            SetChild(&m_cardBet);
            return kStay;
        case kGoodbye: {
            const SStateGame* play = SStateGame::Of(*m_game);
            if (m_door)
                m_game->PlaySound("bsnd_cdoorclose", 10);
            else if (play == nullptr || !play->HasPendingMessage())
                m_game->PlaySound("bsnd_clickh", 10);
            m_door = false;
            return kGoBack;
        }
        case kListUp:
        case kListDown:
            if (id == kListUp)
                m_list.PageUp();
            else
                m_list.PageDown();
            m_list.SetDirty();
            return kStay;
        case kListOk: return onListChoice(true);
        case kListCancel: return onListChoice(false);
        default: return kStay;
    }
}
