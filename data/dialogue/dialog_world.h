#pragma once
// SDialogWorld: what dialogue conditions and the shop rules read of the running game: the player,
// the play screen's clock, weather and prices, the script globals, the generator and the script
// context's tests. The game answers through its player, play screen and script context; tests
// answer through a fake whose values they set.
#include <cstdint>
#include <optional>

// The tests the script context makes of a creature: the creature of the conversation, or the one
// a map object name finds.
enum class SCreatureTest : uint8_t { Aggressive, Paralyzed, Poisoned, Cursed, Diseased };

class SDialogWorld {
public:
    virtual ~SDialogWorld() = default;

    // The player.
    virtual int32_t Fame() const = 0;
    virtual uint32_t Crime() const = 0;
    virtual uint32_t Gold() const = 0;
    virtual int32_t Race() const = 0;
    virtual bool IsMale() const = 0;
    virtual int32_t Level() const = 0;
    virtual int32_t HpPercent() const = 0;
    // Attributes 1..5 and skills 1..20 only: callers check indexes that come from data.
    virtual int32_t Attribute(int32_t attribute) const = 0;  // with its fortifications
    virtual int32_t BaseAttribute(int32_t attribute) const = 0;
    virtual int32_t Skill(int32_t skill) const = 0;  // with its fortifications
    virtual int32_t ArmourClass() const = 0;
    virtual int32_t OutfitRating() const = 0;
    virtual int32_t PoisonTotal() const = 0;
    virtual bool IsParalyzed() const = 0;
    virtual bool IsCursed() const = 0;
    virtual bool HasLostXp() const = 0;
    virtual int32_t CountOwnedItems(const char* itemType) const = 0;
    // A null or empty name asks for any disease.
    virtual bool HasDisease(const char* name) const = 0;
    virtual bool KnowsSpell(const char* name) const = 0;
    virtual bool HasAbility(const char* name) const = 0;
    // The state bits of the player's quest of that name (1 solved, 2 failed); nothing when the
    // player's quest list lacks it.
    virtual std::optional<uint32_t> QuestState(const char* name) const = 0;

    // The play screen.
    virtual uint32_t GameMinutes() const = 0;
    virtual int32_t WeatherRoll() const = 0;    // 0..100
    virtual int32_t RainIntensity() const = 0;  // 0..1000
    // Nothing when the play screen has no price entry of that number.
    virtual std::optional<uint32_t> PriceEntry(int32_t index) const = 0;

    // The world: a script global's number, nothing when the world lacks it; a roll of 0..n-1.
    virtual std::optional<int32_t> GlobalValue(const char* name) const = 0;
    virtual int32_t Random(int32_t n) = 0;

    // The script context.
    virtual int32_t ConversationWord() const = 0;
    virtual bool AnswerTextIsEmpty() const = 0;
    // The state byte of the context's map object; nothing without one.
    virtual std::optional<uint8_t> ContextObjectState() const = 0;
    // Without a creature in the context every test is false.
    virtual bool ContextCreatureIs(SCreatureTest test) const = 0;
    virtual bool ContextCreatureBaseTypeIs(const char* name) const = 0;
    virtual bool ContextCreatureMonsterIs(const char* name) const = 0;
    // The map object or creature that the name finds in the current world.
    virtual bool NamedObjectIs(const char* name, SCreatureTest test) const = 0;
    virtual bool NamedObjectIsDead(const char* name) const = 0;
    virtual int32_t NamedObjectState(const char* name) const = 0;
    virtual bool IsCurrentWorld(const char* name) const = 0;
    virtual bool IsCurrentMap(const char* name) const = 0;
    // Whole hours or days from the time the global holds to now; 0 for a missing global or a
    // time ahead.
    virtual int32_t HoursSinceGlobal(const char* name) const = 0;
    virtual int32_t DaysSinceGlobal(const char* name) const = 0;
};

// The person a conversation is with, as conditions see it: its race and whether its shop is open
// to the player.
struct SDialogPerson {
    int32_t race = 1;
    bool shopOpen = false;
};

// Night is the hours 22:00 to 05:59 of the game clock.
inline int32_t HourOfDay(uint32_t gameMinutes) { return int32_t(gameMinutes % 1440 / 60); }
inline bool IsNightHour(int32_t hour) { return hour >= 22 || hour < 6; }
