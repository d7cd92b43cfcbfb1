#pragma once
// SGameEvent: one world event waiting in the play screen's queue: a message, a question, a travel,
// a turn, a conversation, a scene, or a request of a spell or a script. The queue owns its events
// and the frame takes them one at a time in free play. A message owns its text control, and a
// choice menu its list, until the event is shown; an event that is never shown frees them with
// itself. Events are never saved: a load always starts with an empty queue.
#include <cstdint>
#include <memory>
#include <string>

#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"

class SMap;
class SMapObjectType;
struct SCreature;
struct SPlacedObject;

// Where a travel goes: the named position object, or coordinates: the world package by its
// identifier, the map by its name, the cell in the map's own coordinates and the heading quarter
// (0 north, 1 west, 2 south, 3 east).
struct STravelTarget {
    std::string position;
    bool toCoords = false;
    std::string package;
    std::string map;
    int32_t x = 0;
    int32_t y = 0;
    uint32_t quarter = 0;
};

// The door a door question asks about, kept for its answer.
struct SDoorChoice {
    static constexpr uint32_t kDoorKind = 20;

    SMap* map = nullptr;
    SPlacedObject* object = nullptr;
    SMapObjectType* objectType = nullptr;
    SMapObjectType* askingType = nullptr;
    uint32_t kind = kDoorKind;
};

// A creature by its map and its id, looked up again when the event is handled: it may have died or
// left its map while the event waited.
struct SCreatureRef {
    SMap* map = nullptr;
    uint8_t id = 0;
};

struct SGameEvent {
    static constexpr uint32_t kTravelTo = 1;
    static constexpr uint32_t kTravelQuestion = 2;
    static constexpr uint32_t kTurn = 3;
    static constexpr uint32_t kPlace = 4;
    static constexpr uint32_t kTravel = 5;
    static constexpr uint32_t kPrison = 6;
    static constexpr uint32_t kStepBack = 7;
    static constexpr uint32_t kMessage = 8;
    static constexpr uint32_t kChoiceMenu = 9;
    static constexpr uint32_t kTalk = 10;
    static constexpr uint32_t kDoorQuestion = 11;
    static constexpr uint32_t kRestQuestion = 12;
    static constexpr uint32_t kMark = 14;
    static constexpr uint32_t kRecall = 15;
    static constexpr uint32_t kTownPortal = 16;
    static constexpr uint32_t kRecharge = 17;
    static constexpr uint32_t kEnchant = 18;
    static constexpr uint32_t kStealQuestion = 19;
    static constexpr uint32_t kCreatureInfo = 20;
    static constexpr uint32_t kScene = 21;
    static constexpr uint32_t kShipTravel = 22;

    uint32_t type = 0;
    // The scene, person type, prison town or ship's destination.
    std::string name;
    STravelTarget travel;
    uint32_t kind = 0;      // the travel's transition kind, 1 to 7 (0: at once)
    bool stepBack = false;  // a travel question answered No steps back
    uint32_t side = 0;      // a turn's heading quarter
    std::string text;       // a question's or the ship travel's text
    int32_t x = 0, y = 0;   // a place on the current map
    // A message's text and buttons (0 shows Ok) and the sound it opens with (empty: none).
    std::unique_ptr<SDialogTextCtrl> textCtrl;
    uint32_t buttons = 0;
    std::string sound;
    std::unique_ptr<SDialogListCtrl> list;
    SDoorChoice door;
    SCreatureRef creature;
    uint8_t flag = 0;  // the simple requests' argument; creature information's knowledge
};
