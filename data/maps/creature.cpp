#include "data/maps/creature.h"

#include <algorithm>
#include <cstdint>

#include "data/monsters/monster.h"
#include "engine/base/archive.h"

namespace {

// The level data lost its hit points in data version 71, its two unread bytes (one before version
// 65) and the facing's freedom in version 70, and gained the container id in version 89.
constexpr int kNoHpFrom = 71;
constexpr int kNoPaddingFrom = 70;
constexpr int kTwoPaddingBytesFrom = 65;
constexpr int kContainerFrom = 89;

// What a saved game keeps of a creature: only the fields that are not 0, announced by a mask.
struct SSavedCreatureFields {
    static constexpr uint8_t kHp = 0x01;
    static constexpr uint8_t kState = 0x02;
    static constexpr uint8_t kOwner = 0x04;
    static constexpr uint8_t kContainer = 0x08;
    static constexpr uint8_t kPlace = 0x10;

    int16_t hp = 0;
    uint8_t state = 0;
    uint8_t ownerId = 0;
    uint8_t containerId = 0;
    uint8_t x = 0;
    uint8_t y = 0;

    void Serialize(SArchive& archive) {
        uint8_t mask = uint8_t((hp ? kHp : 0) | (state ? kState : 0) | (ownerId ? kOwner : 0) |
                               (containerId ? kContainer : 0) | (x || y ? kPlace : 0));
        archive.SerializeU8(mask);
        if (mask & kHp) archive.SerializeI16(hp);
        if (mask & kState) archive.SerializeU8(state);
        if (mask & kOwner) archive.SerializeU8(ownerId);
        if (mask & kContainer) archive.SerializeU8(containerId);
        if (mask & kPlace) {
            archive.SerializeU8(x);
            archive.SerializeU8(y);
        }
    }
};

}  // namespace

void SCreature::SerializeLevel(SArchive& archive, int version, uint16_t& monsterName) {
    archive.SerializeU16(monsterName);
    if (version < kNoHpFrom) archive.SerializeI16(hp);
    archive.SerializeU8(id);
    archive.SerializeU8(state);
    archive.SerializeU8(ownerId);
    if (version < kNoPaddingFrom) {
        archive.Skip(version >= kTwoPaddingBytesFrom ? 2 : 1);
        if (!archive.IsWriting()) state &= uint8_t(~kFacing);
    }
    archive.SerializeU8(x);
    archive.SerializeU8(y);
    if (version >= kContainerFrom) archive.SerializeU8(containerId);
}

void SCreature::SaveState(SArchive& archive, uint16_t monsterName) const {
    uint8_t savedId = id;
    archive.SerializeU8(savedId);
    archive.SerializeU16(monsterName);
    SSavedCreatureFields fields{hp, state, ownerId, containerId, x, y};
    fields.Serialize(archive);
}

void SCreature::LoadState(SArchive& archive) {
    // Starting from zeros, what the mask leaves out reads as 0.
    SSavedCreatureFields fields;
    fields.Serialize(archive);
    hp = fields.hp;
    state = IsPerson() ? fields.state : uint8_t(fields.state & kSavedMonsterState);
    ownerId = fields.ownerId;
    containerId = fields.containerId;
    x = fields.x;
    y = fields.y;
    ClampHp();
}

void SCreature::SkipState(SArchive& archive) {
    SSavedCreatureFields fields;
    fields.Serialize(archive);
}

bool SCreature::IsPerson() const { return monster && monster->m_kind == SMonsterBaseType::kKindPeople; }

bool SCreature::IsHostile() const {
    if (monster == nullptr || IsPerson()) return false;
    if (state & kAggressive) return true;
    return (state & kProvoked) && (monster->m_flags & SMonster::kFlagHostileWhenProvoked);
}

int SCreature::GetHealthPercent() const {
    const int most = MostHp();
    if (most <= 0) return 0;
    return std::clamp(hp * 100 / most, 0, 100);
}

// Hit points are 16 bits; a monster's most may be larger.
int16_t SCreature::MostHp() const {
    return monster ? int16_t(std::min<int>(monster->m_stats[kStatMaxHitPoints], INT16_MAX)) : int16_t(0);
}

void SCreature::Heal() {
    if (monster) hp = MostHp();
}

void SCreature::ClampHp() {
    if (monster) hp = std::min(hp, MostHp());
}
