// The tests that dialogue conditions and commands make of the conversation's partner and of named
// objects, and the partner's portrait.
#include <cstring>

#include "data/map_objects/map_object_type.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/monster.h"
#include "data/package/module.h"
#include "data/world/global_table.h"
#include "engine/base/minutes_per_day.h"
#include "game/script/script_context.h"
#include "game/script/script_play_screen.h"

namespace {

constexpr uint8_t kNpcObjectCode = 12;
// The portrait among a base type's pictures: people have ten, the others seven.
constexpr int kPersonPortrait = 9;
constexpr int kCreaturePortrait = 6;

// Aggressive, or provoked while its monster turns hostile when provoked.
bool isAggressive(const SCreature& creature) {
    if (creature.state & SCreature::kAggressive) return true;
    if (!(creature.state & SCreature::kProvoked)) return false;
    return creature.monster && (creature.monster->m_flags & SMonster::kFlagHostileWhenProvoked);
}

}  // namespace

bool SScriptContext::creaturePasses(const SMap& map, const SCreature& creature, SCreatureTest test) const {
    const SCreatureEffects& effects = map.Effects();
    switch (test) {
        case SCreatureTest::Aggressive: return isAggressive(creature);
        case SCreatureTest::Paralyzed: return effects.IsParalyzed(creature.id);
        case SCreatureTest::Poisoned: return map.SumEffect(creature.id, kEffectPoison) != 0;
        case SCreatureTest::Cursed: return effects.IsCursed(creature.id);
        case SCreatureTest::Diseased: return effects.HasDisease(creature.id, nullptr);
    }
    return false;
}

bool SScriptContext::CreatureIs(SCreatureTest test) const {
    if (m_creature == nullptr) return false;
    // Aggressiveness is the creature's own; the effects live in its map's lists.
    if (test == SCreatureTest::Aggressive) return isAggressive(*m_creature);
    return m_map && creaturePasses(*m_map, *m_creature, test);
}

bool SScriptContext::CreatureIsMonster(const char* name) const {
    return m_creature && m_creature->monster && m_creature->monster->m_name.Text() && name &&
           std::strcmp(m_creature->monster->m_name.Text(), name) == 0;
}

bool SScriptContext::NamedObjectIs(const char* name, SCreatureTest test) const {
    const SModule* world = m_playScreen ? m_playScreen->CurrentWorld() : nullptr;
    const SFoundObject found = world && name ? world->FindMapObject(name) : SFoundObject{};
    return found.creature && creaturePasses(*found.map, *found.creature, test);
}

bool SScriptContext::NamedObjectIsDead(const char* name) const {
    const SModule* world = m_playScreen ? m_playScreen->CurrentWorld() : nullptr;
    const SFoundObject found = world && name ? world->FindMapObject(name) : SFoundObject{};
    return found.creature && (found.object->flags & SPlacedObject::kClosed);
}

int32_t SScriptContext::GetNamedObjectState(const char* name) const {
    const SModule* world = m_playScreen ? m_playScreen->CurrentWorld() : nullptr;
    const SFoundObject found = world && name ? world->FindObject(name) : SFoundObject{};
    return found.object ? int32_t(int8_t(found.object->stateByte)) : 0;
}

bool SScriptContext::IsCurrentMap(const char* name) const {
    const SMap* map = m_playScreen ? m_playScreen->CurrentMap() : nullptr;
    return map && name && std::strcmp(map->Name(), name) == 0;
}

bool SScriptContext::IsCurrentWorld(const char* name) const {
    const SModule* world = m_playScreen ? m_playScreen->CurrentWorld() : nullptr;
    return world && name && world->Identifier().Equals(name);
}

std::optional<uint32_t> SScriptContext::minutesSinceGlobal(const char* name) const {
    const SGlobalVar* global = m_world.globals && name ? m_world.globals->Find(name) : nullptr;
    if (global == nullptr) return std::nullopt;
    return minutesSince(global->m_value.Number());
}

int32_t SScriptContext::GetHourDiffOfGlobal(const char* name) const {
    return int32_t(minutesSinceGlobal(name).value_or(0) / kMinutesPerHour);
}

int32_t SScriptContext::GetDayDiffOfGlobal(const char* name) const {
    return int32_t(minutesSinceGlobal(name).value_or(0) / kMinutesPerDay);
}

const char* SScriptContext::GetPartnerFace() const {
    if (m_type) {
        if (m_type->m_typeCode != kNpcObjectCode) return kUnknownFace;
        return m_type->PictureNameCount() >= 2 ? m_type->PictureName(1) : nullptr;
    }
    // A base type with fewer pictures than its kind calls for has no portrait of its own.
    const SMonsterBaseType* base = m_creature && m_creature->monster ? m_creature->monster->m_baseType : nullptr;
    if (base == nullptr) return kUnknownFace;
    const char* portrait =
        base->m_pictureNames.At(base->m_kind == SMonsterBaseType::kKindPeople ? kPersonPortrait : kCreaturePortrait);
    return portrait ? portrait : kUnknownFace;
}
