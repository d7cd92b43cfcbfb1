#pragma once
// SMapObjectScreen: what map objects need of the play screen and of the player while the world is
// played: the animation counters, the time of day and whether the map lies outdoors, the player's
// cell, the game's random rolls, sounds and messages, conversations, travel, and the items the
// player is given. The play screen answers it; the map-object type table is given one. Without it
// the objects build their still records only, and their requests go nowhere.
#include <cstdint>

class SItemType;
class SMap;
class SMapObjectType;
class SModule;
class SString;
struct SMapCell;
struct SPlacedObject;

class SMapObjectScreen {
public:
    static constexpr int kLoudest = 10;

    virtual ~SMapObjectScreen() = default;

    // The two counters the nearby-cell update counts up, which animated objects take their frames
    // from.
    virtual uint32_t AnimationTick() const = 0;
    virtual uint32_t SecondAnimationTick() const = 0;
    // Game time in minutes since the start.
    virtual uint32_t GameTime() const = 0;
    // The current map is a surface section, under the open sky.
    virtual bool IsOutdoor() const = 0;
    // The grid cell the player stands in; null while the grid holds no map.
    virtual const SMapCell* PlayerCell() const = 0;
    // The world package played in, whose defaults fill cells that name no type; null for none.
    virtual const SModule* CurrentWorld() const = 0;

    // A roll of the game's generator: 0 .. n-1.
    virtual int32_t Random(int32_t n) = 0;
    virtual void PlaySound(const char* name, int volume) = 0;
    // A line in the play screen's messages, shown as it is.
    virtual void ShowMessage(const char* text) = 0;
    // Replaces the script engine's text markers (the player's name, the day, ...) in place.
    virtual void SubstituteText(SString& text) = 0;
    // Starts the conversation with the one who lives behind the object; false when nobody answers
    // (the house is closed at this hour).
    virtual bool TalkToObjectNpc(SMap* map, SPlacedObject* object, SMapObjectType& type) = 0;
    // The conversation and the interior about to open were reached through a city door.
    virtual void MarkEnteredThroughCityDoor() = 0;
    // Takes the player to the named position at once. `kind` is the transition the play screen
    // shows (1 teleport ... 7 stairs up).
    virtual void TravelToPosition(const char* target, int kind) = 0;
    // Asks the question with Yes and No; Yes travels to the target. `flag` is the asking class's.
    virtual void QueueQuestion(const char* question, const char* target, int kind, int flag) = 0;

    // The player is given `count` items of the type.
    virtual void GiveItems(SItemType& type, int32_t count) = 0;
    // Appends how the player's messages name `count` items of the type ("a flower", "3 flowers").
    virtual void AppendItemPhrase(const SItemType& type, uint32_t count, SString& text) = 0;

    // Night runs from 22:00 to 05:59.
    bool IsNight() const;
    // Outdoors by day the sun outshines lamps and windows.
    bool IsOutdoorDay() const { return IsOutdoor() && !IsNight(); }
};
