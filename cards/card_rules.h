#pragma once
// What each card does, one row per card: when it is played, on each turn it lies on the table, when
// its owner deals or receives damage, and how keen the computer opponent is to play it.
#include <cstdint>

// Played (m is the multiplier the card is played with).
enum class SCardPlay : uint8_t {
    Strike,         // strikes for value1 x m
    SplitStrike,    // half of value1 x m through the defences, half past the absorbing items
    StrikeAndMark,  // strikes for value1 x m, then lies on the table
    Assault,        // removes an enemy marker (two with a combo), then strikes for value1 x m
    Backstab,       // value1 x m past the absorbing items
    Mark,           // lies on the table
    Combo,          // another play with double effect
    ComboHeal,      // another play with the same multiplier, and heals half the missing hp
    Heal,           // heals value1 x m
    HealAndMark,    // heals value1 x m, then lies on the table
    HealHalf,       // heals half the missing hp, x m
    RaiseAndHeal,   // raises max hp and heals by value1 x m
    RemoveMarker,   // removes an enemy marker (two with a combo)
    ClearMarkers,   // removes every enemy marker
    StrikeSuffer2,  // strikes for value1 x m, then its owner suffers value2 x m
    StrikeSuffer1,  // strikes for value1 x m, then its owner suffers value1 x m
    Drain,          // value1 x m past the absorbing items, and heals as much
};

// Each turn of a marker.
enum class SCardTurn : uint8_t {
    None,
    HurtValue2,  // value2 to the enemy past its absorbing items and the owner's outgoing markers
    HealValue1,
    HealValue2,
    StrikeValue1,
    AbsorbValue1,  // wears the enemy's items down by value1; what they do not take is lost
    DrainValue1,   // value1 to the enemy past its absorbing items, and heals as much
};

// When the marker's owner deals damage.
enum class SCardDeal : uint8_t {
    None,
    Boost,        // + value1 %
    SpendAttack,  // + value1 %, spending one attack
};

// When the marker's owner receives damage.
enum class SCardReceive : uint8_t {
    None,
    Resist,     // - value1 %, no minimum
    Shield,     // - value1 %, at least 1, paid from the marker's count
    ShieldAll,  // the whole hit, paid from the marker's count
    Reduce,     // - value1 %, at least 1
    Weaken,     // + value2 %, by the same rule as Reduce
    Reflect,    // value1 % (at least 1) struck back at the enemy
};

// The opponent's score: Fixed gives high; the others give high when their test holds, else low.
enum class SCardScore : uint8_t {
    Fixed,
    OwnFull,    // all three of the owner's marker slots are taken
    Healthy,    // the owner has at least 20 hp
    EnemyFull,  // all three of the enemy's marker slots are taken
};

struct SCardRule {
    SCardPlay play;
    SCardTurn turn;
    SCardDeal deal;
    SCardReceive receive;
    SCardScore score;
    int32_t high;
    int32_t low;
};

const SCardRule& CardRule(uint32_t deck, uint32_t index);
