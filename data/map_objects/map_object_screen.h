#pragma once
// SMapObjectScreen: what map objects need of the play screen and of the player while the world is
// played: the animation counters, the time of day and whether the map lies outdoors, the player's
// cell, the game's random rolls, sounds and messages, conversations, travel, the items the player is
// given, and what doors, traps and peaceful people ask of the player. The play screen answers it; the map-object type
// table is given one. Without it the objects build their still records only, and their requests go nowhere.
#include <cstdint>

#include "engine/audio/volume.h"

class SItemType;
class SMap;
class SMapObjectType;
class SModule;
class SSpellType;
class SString;
struct SMapCell;
struct SPlacedObject;

class SMapObjectScreen {
public:
    static constexpr int kLoudest = kLoudestVolume;

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

    // Queues the travel to the named position, taken once the current frame is over.
    virtual void QueueTravelByName(const char* target, int kind) = 0;

    // The cell being built has a wall (type code 5) in the centre of both its east and its west
    // neighbour.
    virtual bool HasWallsEastAndWest() const = 0;
    // The player's grid column and row.
    virtual int PlayerColumn() const = 0;
    virtual int PlayerRow() const = 0;
    // The handle picture a door of that facing (0 to 3) shows.
    virtual uint16_t HandlePicture(int facing) const = 0;
    // The frames a spell has just acted on a door are highlighted for; doors count it down.
    virtual int DoorHighlight() const = 0;
    virtual void SetDoorHighlight(int frames) = 0;
    // Where spike k (0 to 3) of a sprung trap, and group sub-position k (0 to 6), stand in the cell
    // as the view now sees it.
    virtual void SpikePosition(int k, uint16_t& x, uint16_t& y) const = 0;
    virtual void SubPosition(int k, uint16_t& x, uint16_t& y) const = 0;

    // The locked or trapped door's dialog, with the buttons the flags allow.
    virtual void QueueDoorChoice(const char* text, SMap* map, SPlacedObject* object, SMapObjectType& type, bool trapped,
                                 bool lockpick) = 0;
    // The object's item container, opened for the player.
    virtual void OpenContainer(SMap* map, SPlacedObject* object) = 0;
    // The spell the script context is casting, null when none or when the spell table does not know
    // it, and its caster's level.
    virtual const SSpellType* SpellBeingCast() const = 0;
    virtual int32_t CasterLevel() const = 0;

    // The player's skill with what the active Fortify skill effects add to it.
    virtual int32_t PlayerSkill(uint32_t skill) const = 0;
    virtual bool PlayerOwnsItem(const char* itemType) const = 0;
    virtual bool PlayerHasLockpick() const = 0;
    // The player gives up one item of the type, and the player's messages say so.
    virtual void PlayerLoseItem(const char* itemType) = 0;
    virtual int32_t PlayerArmourClass() const = 0;
    // A trap strikes the player for `damage` hit points; the screen shows the blow.
    virtual void HurtPlayer(int32_t damage) = 0;
    // The player's crime rises by `amount`, held to its maximum, and the player's messages say so.
    virtual void AddPlayerCrime(int32_t amount) = 0;

    // The player is given `count` items of the type.
    virtual void GiveItems(SItemType& type, int32_t count) = 0;
    // Appends how the player's messages name `count` items of the type ("a flower", "3 flowers").
    virtual void AppendItemPhrase(const SItemType& type, uint32_t count, SString& text) = 0;

    // Night runs from 22:00 to 05:59.
    bool IsNight() const;
    // How far a flame raises the light this frame: 16, 32 or 64.
    int Flicker();
    // Outdoors by day the sun outshines lamps and windows.
    bool IsOutdoorDay() const { return IsOutdoor() && !IsNight(); }
};
