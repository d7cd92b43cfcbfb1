#pragma once
// Where the player's rules report to: the script context's message output, and the play screen's
// message queue, bars, hands and blows. The player works without them (tests and loading).
#include <cstdint>

class SSpellType;

class SMessageOutput {
public:
    virtual ~SMessageOutput() = default;
    virtual void ShowMessage(const char* text) = 0;
};

// Play-screen events the player's rules raise.
enum class SPlayerEvent : uint32_t {
    Mark = 14,
    Recall = 15,
    TownPortal = 16,
    RechargeWand = 17,
    Enchant = 18,
};

class SPlayerScreen {
public:
    static constexpr uint32_t kOkButton = 1;

    virtual ~SPlayerScreen() = default;
    // A message box queued behind the running action; sound may be null.
    virtual void QueueMessage(const char* text, uint32_t buttons, const char* sound) = 0;
    virtual void SetHpBar(int32_t percent) = 0;
    virtual void SetManaBar(int32_t percent) = 0;
    // Paralysis came or went, or a worn weapon broke: the hands show it.
    virtual void UpdateHands() = 0;
    virtual void QueuePoisonHurt(int32_t amount) = 0;
    // A blow from side 0..3 of the view.
    virtual void QueueHitFromSide(int32_t side, int32_t damage) = 0;
    // A blow that shows only as damage.
    virtual void QueueDamage(int32_t damage) = 0;
    // Monsters within the distance calm down.
    virtual void CalmMonsters(int32_t cells) = 0;
    virtual void QueueSimpleEvent(SPlayerEvent event, int32_t value) = 0;
    // The player casts the spell with that value: it acts and its missile flies from the player.
    virtual void QueueSpellMissile(const SSpellType& spell, int32_t value) = 0;
};
