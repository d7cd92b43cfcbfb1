#include "screens/play/creature_info.h"

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/creature_stats.h"
#include "data/monsters/monster.h"
#include "engine/base/string.h"

namespace {

// Knowledge beyond each of these shows one more line.
constexpr uint32_t kFullHp = 20;
constexpr uint32_t kExperience = 30;
constexpr uint32_t kAttributes = 40;
constexpr uint32_t kEffects = 50;
constexpr uint32_t kPerception = 20;

unsigned stat(const SMonster& monster, SMonsterStat which) { return monster.m_stats[size_t(which)]; }

}  // namespace

void FormatCreatureInfo(const SMap& map, const SCreature& creature, uint32_t knowledge,
                        const SCreatureInfoTables& tables, SString& out) {
    out.Assign("");
    if (creature.monster == nullptr) return;
    const SMonster& monster = *creature.monster;
    const char* name = monster.m_displayName.Text() ? monster.m_displayName.Text() : "";
    if (creature.IsPerson()) {
        out.Format("%s\r", name);
        if (knowledge > kPerception) out.AppendFormat("Perception: %u\r", unsigned(monster.m_perception));
        return;
    }
    const unsigned hp = unsigned(creature.hp > 0 ? creature.hp : 0);
    out.Format("%s\rLevel: %u\r", name, unsigned(monster.m_level));
    if (knowledge < kFullHp)
        out.AppendFormat("Hp: %u\r", hp);
    else
        out.AppendFormat("Hp: %u/%u\r", hp, stat(monster, kStatMaxHitPoints));
    if (knowledge > kExperience) out.AppendFormat("Xp: %u\r", stat(monster, kStatExperience));
    if (knowledge > kAttributes) {
        const SCreatureStats stats(monster, creature, map.Effects(), tables.diseases);
        out.AppendFormat("Str:%d, Dex:%d, End:%d, Int:%d\r", stats.Attribute(1), stats.Attribute(2), stats.Attribute(3),
                         stats.Attribute(4));
    }
    if (knowledge > kEffects) {
        SString effects;
        map.Effects().Format(creature.id, effects, tables.skills, tables.attributes);
        out.Append("Active effects:");
        out.Append(effects.Text());
    }
}
