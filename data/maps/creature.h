#pragma once
// SCreature: a monster or a person standing on a map. Its monster (SMonster) gives it its kind, its
// most hit points and its flags; the creature keeps only its own hit points, state bits, place and
// the object and item container it belongs with.
#include <cstdint>

class SArchive;
class SMonster;

struct SCreature {
    // State bits.
    static constexpr uint8_t kScripted = 0x01;    // placed by a script
    static constexpr uint8_t kProvoked = 0x02;    // hostile when its monster turns hostile then
    static constexpr uint8_t kAggressive = 0x04;  // hostile
    static constexpr uint8_t kFacing = 0x18;      // the facing 0..3
    static constexpr uint8_t kMotion = 0x60;      // winding up, striking or walking
    static constexpr uint8_t kHit = 0x80;         // hit or dying
    // What a saved game keeps of a creature that is no person: its pose is worked out afresh.
    static constexpr uint8_t kSavedMonsterState = kScripted | kProvoked | kAggressive;
    // X and Y of a creature that stands nowhere.
    static constexpr uint8_t kNowhere = 255;

    // The level data's record, both ways (data version): the aligned creature's entry in its
    // package's monster names, before version 71 the aligned hit points, the id, the state and the
    // owner object's id, before version 70 one byte (two from version 65) that nothing reads, the
    // place, and from version 89 the item container's id. Data older than version 70 has no facing.
    void SerializeLevel(SArchive& archive, int version, uint16_t& monsterName);
    // The saved-game form: the id, the aligned index of the monster's name in the saved game's name
    // table, a mask of the fields that are not 0 (1 hit points, 2 state, 4 owner, 8 container,
    // 0x10 the place), then those fields.
    void SaveState(SArchive& archive, uint16_t monsterName) const;
    // Reads the saved form after the id and the name, which the map has read. Every field the mask
    // can hold is cleared first, so that a field that became 0 stays 0. The hit points are held to
    // the monster's most; a creature that is no person keeps only kSavedMonsterState.
    void LoadState(SArchive& archive);
    // Reads past a saved creature's mask and fields, for one whose monster is gone.
    static void SkipState(SArchive& archive);

    // People never are; otherwise aggressive, or provoked when the monster turns hostile then.
    bool IsHostile() const;
    // Hit points in per cent of the monster's most, 0..100; 0 for a monster of no hit points.
    int GetHealthPercent() const;
    // The monster's most hit points, held to what the 16-bit hit points reach; 0 without a monster.
    int16_t MostHp() const;
    void MakePeaceful() { state &= uint8_t(~(kProvoked | kAggressive)); }
    void MakeAggressive() { state = uint8_t((state & ~kProvoked) | kAggressive); }
    void Heal();
    void ClampHp();
    bool IsPerson() const;

    SMonster* monster = nullptr;
    uint16_t displaySlot = 0;  // the creature's sprite record on the play screen; 0 when new
    int16_t hp = 0;
    uint8_t id = 0;  // 1..255 on its map
    uint8_t state = 0;
    uint8_t ownerId = 0;       // the placed object it stays off the grid with while that is hidden
    uint8_t containerId = 0;   // what a person carries; 0 for none
    uint8_t displayTimer = 0;  // set when poison strikes; the play screen counts it down
    uint8_t x = kNowhere;
    uint8_t y = kNowhere;
};
