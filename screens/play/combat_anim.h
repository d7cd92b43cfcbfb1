#pragma once
// SCombatAnim: one thing a fight shows, waiting in the play screen's combat queue: a weapon stroke,
// a missile, a casting gesture, a spell's bloom, the jolt of a blow the player takes, a lunge while
// paralysed or the shield rising. Records only show and time things; each calls the fight's rules
// at a fixed frame. Every field starts at zero but byPlayer.
#include <cstdint>

class SFpsItem;
class SItem;
class SMap;
class SSpellEffect;
class SSpellType;
struct SCreature;

struct SCombatAnim {
    enum Kind : uint32_t {
        kStroke = 1,
        kMissile = 2,
        kGesture = 3,
        kSelfEffect = 4,
        kCellEffect = 5,
        kSpellMissile = 6,
        kHurt = 7,
        kParalysedLunge = 9,
        kShieldRaise = 10,
    };
    // How the off hand moves during a stroke.
    enum OffHand : uint8_t {
        kOffHandIdle = 0,
        kOffHandOwnClock = 1,  // a shield strikes a little after the weapon
        kOffHandFollows = 2,   // the off hand moves with the weapon hand's frames
    };

    uint32_t kind = 0;
    uint8_t handActive = 0;
    uint8_t offHandMode = kOffHandIdle;
    uint32_t lastStep = 0;    // the millisecond tick of the last frame; 0 before the first
    uint32_t secondStep = 0;  // the off hand's clock (strokes) or the flight's (missiles)
    int8_t frame = 0;
    int8_t offHandFrame = 0;
    uint8_t fullSequence = 0;  // the whole frame list plays, rather than the single strike frame
    uint8_t offHandFullSequence = 0;
    uint8_t returning = 0;
    uint8_t offHandReturning = 0;
    SItem* item = nullptr;        // the wielded item, or the item that carries a spell
    SItem* thrownItem = nullptr;  // the off-hand item of a stroke; the quiver or thrown item of a missile
    const SFpsItem* picture = nullptr;
    const SFpsItem* picture2 = nullptr;  // the off hand, the missile or the gesture
    uint16_t palette = 0;                // palette slots; 0 for the picture's own colours
    uint16_t palette2 = 0;
    uint8_t hit = 0;  // a missile reached its target, which the next frame resolves
    uint8_t offHandIsShield = 0;
    uint8_t firesAmmunition = 0;
    uint8_t thrown = 0;
    uint8_t byPlayer = 1;
    uint16_t cellX = 0, cellY = 0;
    // The position inside the cell runs 0..65535 with 32768 the middle; a flight reaches 65536
    // before it wraps into the next cell, so it needs more than 16 bits.
    int32_t subX = 0, subY = 0;
    uint16_t spriteSize = 0;
    int8_t side = 0;  // a flight's direction or the side a blow comes from; -1 none
    uint16_t cellsTravelled = 0;
    const SSpellType* spell = nullptr;
    const SSpellEffect* effectAnim = nullptr;
    uint16_t effectPalette = 0;
    int32_t strength = 0;
    uint32_t itemPicture = 0;     // a used spell item shows its own gesture picture
    uint32_t wieldedPicture = 0;  // the wielded staff shows the gesture
    uint32_t amount = 0;          // the damage a hurt shows over the portrait
    SCreature* attacker = nullptr;
    uint8_t attackerId = 0;  // to tell whether the attacker still stands when its missile lands
    uint8_t poison = 0;
    uint8_t startDelay = 0;
    SMap* attackerMap = nullptr;   // the map the attacker stands on
    int32_t stepX = 0, stepY = 0;  // a shield raise's step in percent
};
