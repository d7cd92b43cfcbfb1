#pragma once
// SConversationWorld: the running game as dialogue conditions read it: the player, the play
// screen's clock and weather, the script globals, the game's generator and the script context's
// tests and question state. A conversation holds one for as long as it is open.
#include "data/dialogue/dialog_world.h"

class SGameData;

class SConversationWorld : public SDialogWorld {
public:
    explicit SConversationWorld(SGameData& game) : m_game(game) {}

    int32_t Fame() const override;
    uint32_t Crime() const override;
    uint32_t Gold() const override;
    int32_t Race() const override;
    bool IsMale() const override;
    int32_t Level() const override;
    int32_t HpPercent() const override;
    int32_t Attribute(int32_t attribute) const override;
    int32_t BaseAttribute(int32_t attribute) const override;
    int32_t Skill(int32_t skill) const override;
    int32_t ArmourClass() const override;
    int32_t OutfitRating() const override;
    int32_t PoisonTotal() const override;
    bool IsParalyzed() const override;
    bool IsCursed() const override;
    bool HasLostXp() const override;
    int32_t CountOwnedItems(const char* itemType) const override;
    bool HasDisease(const char* name) const override;
    bool KnowsSpell(const char* name) const override;
    bool HasAbility(const char* name) const override;
    std::optional<uint32_t> QuestState(const char* name) const override;
    uint32_t GameMinutes() const override;
    int32_t WeatherRoll() const override;
    int32_t RainIntensity() const override;
    // The play screen keeps no price entries: conditions on them never hold.
    std::optional<uint32_t> PriceEntry(int32_t index) const override;
    std::optional<int32_t> GlobalValue(const char* name) const override;
    int32_t Random(int32_t n) override;
    int32_t ConversationWord() const override;
    bool AnswerTextIsEmpty() const override;
    std::optional<uint8_t> ContextObjectState() const override;
    bool ContextCreatureIs(SCreatureTest test) const override;
    bool ContextCreatureBaseTypeIs(const char* name) const override;
    bool ContextCreatureMonsterIs(const char* name) const override;
    bool NamedObjectIs(const char* name, SCreatureTest test) const override;
    bool NamedObjectIsDead(const char* name) const override;
    int32_t NamedObjectState(const char* name) const override;
    bool IsCurrentWorld(const char* name) const override;
    bool IsCurrentMap(const char* name) const override;
    int32_t HoursSinceGlobal(const char* name) const override;
    int32_t DaysSinceGlobal(const char* name) const override;

private:
    SGameData& m_game;
};
