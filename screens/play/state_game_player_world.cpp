// The player's script commands that move the player or ask first: each waits in the event queue
// until the script is over.
#include "data/maps/map.h"
#include "screens/play/state_game.h"
#include "screens/play/travel_words.h"

void SStateGame::QueueWorldEvent(const SWorldEvent& event) {
    switch (event.type) {
        case SWorldEventType::MoveToObject: QueueTravelTo(event.text.c_str(), uint32_t(event.moveKind)); break;
        case SWorldEventType::Turn: QueueTurn(uint32_t(event.direction)); break;
        case SWorldEventType::MoveToPosition: QueuePlace(event.x, event.y); break;
        case SWorldEventType::Jail: QueuePrison(event.text.c_str()); break;
        case SWorldEventType::BackFromJail: QueueStepBack(); break;
        case SWorldEventType::TravelByShip: QueueShipTravel(event.text.c_str(), event.detail.c_str()); break;
    }
}

void SStateGame::QueueMoveQuestion(const char* objectId, const char* question, int32_t moveKind) {
    QueueQuestion(objectId, question, uint32_t(moveKind), false);
}

int32_t SStateGame::ParseMoveKind(const char* text) const { return ParseTransitionKind(text); }

uint8_t SStateGame::CurrentMapFlags() const { return m_currentMap != nullptr ? uint8_t(m_currentMap->Flags()) : 0; }
