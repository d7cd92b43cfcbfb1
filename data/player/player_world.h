#pragma once
// SPlayerWorld: what the player's script commands ask of the play screen: the requests that move
// the player or ask a question, which wait in the screen's event queue until the script is done,
// where the player stands and whether the player is in jail.
#include <cstdint>
#include <string>

enum class SWorldEventType : uint32_t {
    MoveToObject = 1,
    Turn = 3,
    MoveToPosition = 4,
    Jail = 6,
    BackFromJail = 7,
    TravelByShip = 22,
};

// The fields a request sets; the others stay 0 or empty.
struct SWorldEvent {
    SWorldEventType type = SWorldEventType::MoveToObject;
    std::string text;    // the map object, the jail or the ship's target
    std::string detail;  // the ship's text
    int32_t moveKind = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t direction = 0;  // 0 north, 1 west, 2 south, 3 east

    bool operator==(const SWorldEvent&) const = default;
};

class SPlayerWorld {
public:
    // The current map's flag bit of the surface maps, whose grid lies 7 cells off the map's.
    static constexpr uint8_t kSurfaceMapFlag = 0x80;

    virtual ~SPlayerWorld() = default;
    virtual void QueueWorldEvent(const SWorldEvent& event) = 0;
    // A yes/no question that moves the player to the map object when answered yes.
    virtual void QueueMoveQuestion(const char* objectId, const char* question, int32_t moveKind) = 0;
    // The move kind a move-mode word names.
    virtual int32_t ParseMoveKind(const char* text) const = 0;
    virtual int32_t PlayerGridX() const = 0;
    virtual int32_t PlayerGridY() const = 0;
    virtual uint8_t CurrentMapFlags() const = 0;
    virtual bool IsInJail() const = 0;
    virtual void ClearJail() = 0;
};
