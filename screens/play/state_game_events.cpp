// The world event queue: what queues each kind of event, and what the frame does with an event when
// it takes it. Travel, its fade and the arrival are in state_game_travel.cpp.
#include <algorithm>
#include <utility>

#include "data/maps/map.h"
#include "data/persons/npc_type.h"
#include "data/scene.h"
#include "engine/audio/volume.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/creature_info.h"
#include "screens/play/map_flags.h"
#include "screens/play/state_game.h"
#include "screens/play/town_portal.h"
#include "ui/dialogs/dialog_message.h"

namespace {

constexpr uint32_t kEventsYesNo = SDialogMessage::kYes | SDialogMessage::kNo;
constexpr uint32_t kOk = SDialogMessage::kOk;
constexpr uint32_t kShipVoyageMinutes = 60;

// Map flags.

constexpr const char* kTeleportDeniedText = "Teleport magic is denied on this map.";

std::string textOf(const char* text) { return text ? text : ""; }

}  // namespace

SGameEvent& SStateGame::queueEvent(uint32_t type) {
    m_events.push_back(std::make_unique<SGameEvent>());
    m_events.back()->type = type;
    return *m_events.back();
}

void SStateGame::QueueTravelTo(const char* position, uint32_t kind) {
    SGameEvent& event = queueEvent(SGameEvent::kTravelTo);
    event.travel.position = textOf(position);
    event.kind = kind;
}

void SStateGame::QueueQuestion(const char* position, const char* question, uint32_t kind, bool stepBack) {
    SGameEvent& event = queueEvent(SGameEvent::kTravelQuestion);
    event.travel.position = textOf(position);
    event.text = textOf(question);
    event.kind = kind;
    event.stepBack = stepBack;
}

void SStateGame::QueueTurn(uint32_t quarter) { queueEvent(SGameEvent::kTurn).side = quarter; }

void SStateGame::QueuePlace(int32_t x, int32_t y) {
    SGameEvent& event = queueEvent(SGameEvent::kPlace);
    event.x = x;
    event.y = y;
}

void SStateGame::QueueTravelByName(const char* position, uint32_t kind) {
    SGameEvent& event = queueEvent(SGameEvent::kTravel);
    event.travel.position = textOf(position);
    event.kind = kind;
}

void SStateGame::QueueTravelToCoords(const char* package, const char* map, int32_t x, int32_t y, uint32_t quarter,
                                     uint32_t kind) {
    SGameEvent& event = queueEvent(SGameEvent::kTravel);
    event.travel = {"", true, textOf(package), textOf(map), x, y, quarter};
    event.kind = kind;
}

void SStateGame::QueueTravelFirst(const char* position, uint32_t kind) {
    QueueTravelByName(position, kind);
    std::unique_ptr<SGameEvent> travel = std::move(m_events.back());
    m_events.pop_back();
    m_events.push_front(std::move(travel));
}

void SStateGame::QueuePrison(const char* town) { queueEvent(SGameEvent::kPrison).name = textOf(town); }

void SStateGame::QueueStepBack() { queueEvent(SGameEvent::kStepBack); }

void SStateGame::QueueMessage(const char* text, uint32_t buttons, const char* sound) {
    SGameEvent& event = queueEvent(SGameEvent::kMessage);
    event.textCtrl = std::make_unique<SDialogTextCtrl>();
    // Wrapped now, at the width the box will have, so that later paragraphs join below it. A box
    // holds one happening, not a list, so its text starts without a bullet.
    event.textCtrl->Attach(this);
    event.textCtrl->m_w = uint16_t(m_game->PlayView().m_viewWidth * 4 / 5);
    event.textCtrl->AddText(text, kPlainColour, 0);
    event.buttons = buttons;
    event.sound = sound ? sound : "bsnd_click";
}

void SStateGame::AppendMessage(const char* text, bool firstLine) {
    if (m_events.empty() || m_events.back()->type != SGameEvent::kMessage) QueueMessage("", 0, nullptr);
    m_events.back()->textCtrl->AddText(text, kPlainColour, firstLine ? 1 : 0);
}

void SStateGame::QueueTalkNpc(const char* name) {
    const SNpcType* person = m_game->m_npcTypes.Find(name);
    if (person == nullptr || person->topics == nullptr) {
        QueueMessage("No answer", kOk, nullptr);
        return;
    }
    queueEvent(SGameEvent::kTalk).name = name;
}

void SStateGame::QueueDoorChoice(const char* text, const SDoorChoice& door, bool disarm, bool pick, bool open) {
    SGameEvent& event = queueEvent(SGameEvent::kDoorQuestion);
    event.text = textOf(text);
    event.door = door;
    event.buttons = SDialogMessage::kCancel;
    if (disarm) event.buttons |= SDialogMessage::kDisarm;
    if (pick) event.buttons |= SDialogMessage::kPick;
    if (open) event.buttons |= SDialogMessage::kOpen;
}

void SStateGame::AskRest() { queueEvent(SGameEvent::kRestQuestion).text = "Do you want to rest here?"; }

void SStateGame::QueueCreatureInfo(SMap& map, const SCreature& creature, uint8_t knowledge) {
    if (HasPendingEvent20()) return;
    SGameEvent& event = queueEvent(SGameEvent::kCreatureInfo);
    event.creature = {&map, creature.id};
    event.flag = knowledge;
}

void SStateGame::QueueStealQuestion(SMap& map, SCreature& creature) {
    // Only a person the player can see is asked about.
    if (FindPerson(creature) != nullptr) queueEvent(SGameEvent::kStealQuestion).creature = {&map, creature.id};
}

void SStateGame::QueueSimpleEvent(uint32_t type, uint8_t flag) {
    // The other types need more than a flag: a message without its text would have nothing to show.
    if (type < SGameEvent::kMark || type > SGameEvent::kEnchant) return;
    queueEvent(type).flag = flag;
}

void SStateGame::QueueScene(const char* name) { queueEvent(SGameEvent::kScene).name = textOf(name); }

void SStateGame::QueueShipTravel(const char* destination, const char* text) {
    SGameEvent& event = queueEvent(SGameEvent::kShipTravel);
    event.name = textOf(destination);
    event.text = textOf(text);
}

void SStateGame::AskNow(const char* text) { ask(text, kEventsYesNo, SPlaySubMode::kRestQuestion); }

void SStateGame::ShowMessage(const char* text, uint32_t buttons) {
    QueueMessage(text, buttons, nullptr);
    HandleEvent(true);
}

void SStateGame::ask(const char* text, uint32_t buttons, SPlaySubMode mode) {
    ShowMessage(text, buttons);
    m_subMode = mode;
}

uint32_t SStateGame::HandleEvent(bool takeLast) {
    if (m_events.empty()) return kStay;
    std::unique_ptr<SGameEvent> event;
    if (takeLast) {
        event = std::move(m_events.back());
        m_events.pop_back();
    } else {
        event = std::move(m_events.front());
        m_events.pop_front();
    }
    return handle(*event);
}

uint32_t SStateGame::handle(SGameEvent& event) {
    const uint16_t mapFlags = m_currentMap != nullptr ? m_currentMap->Flags() : 0;
    switch (event.type) {
        case SGameEvent::kTravelTo: TravelToPosition(event.travel.position.c_str(), event.kind); break;
        case SGameEvent::kTravelQuestion:
            m_travelQuestion = {event.travel.position, event.kind, event.stepBack};
            ask(event.text.c_str(), kEventsYesNo, SPlaySubMode::kTravelQuestion);
            break;
        case SGameEvent::kTurn: StartTurnToSide(event.side); break;
        case SGameEvent::kPlace: placePlayer(event.x, event.y); break;
        case SGameEvent::kTravel: startTravelFade(event.travel, event.kind); break;
        case SGameEvent::kPrison: SendToPrison(event.name.c_str()); break;
        case SGameEvent::kStepBack: StepBack(); break;
        case SGameEvent::kMessage: showMessage(event); break;
        case SGameEvent::kTalk: return talkTo(event.name);
        case SGameEvent::kDoorQuestion:
            m_doorChoice = event.door;
            ask(event.text.c_str(), event.buttons, SPlaySubMode::kDoorQuestion);
            break;
        case SGameEvent::kRestQuestion: ask(event.text.c_str(), kEventsYesNo, SPlaySubMode::kRestQuestion); break;
        case SGameEvent::kMark:
            if (mapFlags & map_flags::kNoMark)
                refuse("Mark is denied on this map.");
            else if (mapFlags & map_flags::kNoTeleport)
                refuse(kTeleportDeniedText);
            else
                OpenMarkRecall(1);
            break;
        case SGameEvent::kRecall:
            if (mapFlags & map_flags::kNoTeleport)
                refuse(kTeleportDeniedText);
            else if (!m_game->m_player.HasMarkedPosition())
                refuse("You haven't marked any positions to recall.");
            else
                OpenMarkRecall(0);
            break;
        case SGameEvent::kTownPortal:
            if (mapFlags & map_flags::kNoTeleport)
                refuse(kTeleportDeniedText);
            else
                openTownPortal();
            break;
        case SGameEvent::kRecharge:
        case SGameEvent::kEnchant: {
            const bool recharge = event.type == SGameEvent::kRecharge;
            if (m_fightCounter != 0) {
                refuse(recharge ? "You cannot recharge wands when there might be immediate threat."
                                : "You cannot enchant items when there might be immediate threat.");
                break;
            }
            m_enchanting.Open(nullptr, event.flag, recharge);
            openEmbedded(m_enchanting, SPlaySubMode::kEnchanting);
            break;
        }
        case SGameEvent::kStealQuestion:
            if (SCreature* person = event.creature.map ? event.creature.map->FindCreature(event.creature.id) : nullptr)
                AskSteal(*event.creature.map, *person);
            break;
        case SGameEvent::kCreatureInfo: showCreatureInfo(event.creature, event.flag); break;
        case SGameEvent::kChoiceMenu: showChoiceMenu(event); break;
        case SGameEvent::kScene: return StartScene(event);
        case SGameEvent::kShipTravel:
            OpenShipTravel(event.text.c_str(), event.name.c_str());
            PassTime(kShipVoyageMinutes);
            UpdateSkyAndFog(false);
            break;
        default: break;
    }
    return kStay;
}

void SStateGame::showMessage(SGameEvent& event) {
    m_messageText = std::move(event.textCtrl);
    m_messageBox = std::make_unique<SDialogMessage>();
    m_messageBox->Init(m_game);
    m_messageButtons = event.buttons != 0 ? event.buttons : kOk;
    // Without a parent the box hands its answer back, and OnKey and OnPen turn it into a command.
    m_game->ShowFilledMessageBox(m_messageButtons, *m_messageText, *m_messageBox, nullptr);
    m_messageBox->m_child = nullptr;
    SetChild(m_messageBox.get());
    m_subMode = SPlaySubMode::kMessage;
    if (!event.sound.empty()) m_game->PlaySound(event.sound.c_str(), kLoudestVolume);
}

uint32_t SStateGame::talkTo(const std::string& name) {
    SNpcType* person = m_game->m_npcTypes.Find(name.c_str());
    if (person == nullptr) return kStay;
    if (m_game->m_scriptContext) m_game->m_scriptContext->SetupForConversation(person);
    return TalkToPerson(m_currentMap, *person, nullptr);
}

uint32_t SStateGame::StartScene(const SGameEvent& event) {
    SScene* scene = m_game->m_sceneTable.Find(event.name.c_str());
    if (scene == nullptr) return kStay;
    m_param[0] = 1;
    m_param[1] = reinterpret_cast<uintptr_t>(scene);
    m_param[2] = 0;
    m_param[3] = 0;
    m_keep = 1;
    return kSceneScreen;
}

void SStateGame::showCreatureInfo(const SCreatureRef& target, uint32_t knowledge) {
    const SCreature* creature = target.map != nullptr ? target.map->FindCreature(target.id) : nullptr;
    if (creature == nullptr) return;
    SString text;
    FormatCreatureInfo(*target.map, *creature, knowledge, {m_game->m_skills, m_game->m_attributes, m_game->m_diseases},
                       text);
    ShowMessage(text.Text(), kOk);
}

void SStateGame::openTownPortal() {
    const std::string position = m_package != nullptr ? FindTownPortal(*m_package) : std::string();
    if (position.empty())
        refuse("Teleport failed.");
    else
        QueueTravelByName(position.c_str(), STravelFade::kTeleport);
}

void SStateGame::ResumeScript(uint32_t answer) {
    SScriptContext* context = m_game->m_scriptContext.get();
    if (context == nullptr) return;
    context->SetAnswer(int32_t(answer));
    context->RunObjectScript();
}

void SStateGame::AnswerTravelQuestion(uint32_t answer) {
    const STravelQuestion question = std::exchange(m_travelQuestion, {});
    if (answer == SDialogMessage::kYes) {
        if (question.kind != 0)
            QueueTravelFirst(question.position.c_str(), question.kind);
        else
            TravelToPosition(question.position.c_str(), 0);
    } else if (question.stepBack) {
        StepBack();
    }
}

bool SStateGame::HasPendingMessage() const {
    return std::any_of(m_events.begin(), m_events.end(),
                       [](const auto& event) { return event->type == SGameEvent::kMessage; });
}

bool SStateGame::HasPendingEvent20() const {
    return std::any_of(m_events.begin(), m_events.end(),
                       [](const auto& event) { return event->type == SGameEvent::kCreatureInfo; });
}
