#include <algorithm>

#include "data/items/item_database.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_grid.h"
#include "data/monsters/creature_stats.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_screen.h"
#include "data/script_command_ids.h"

namespace {

int32_t truthNumber(bool value) { return value ? 1 : 0; }

// The object's part: its flags and state byte; answers false for a command that is not one.
bool objectCommand(SMonsterContext& context, SPlacedObject& object, SCreature* creature, int command,
                   const SScriptValue& arg1, std::optional<SScriptValue>& result) {
    switch (command) {
        case kIsVisible: result = SScriptValue(truthNumber(object.flags & SPlacedObject::kVisible)); return true;
        case kSetVisible:
            object.flags |= SPlacedObject::kVisible;
            if (creature) context.grid.PlaceCreatureNear(context.map, *creature, creature->x, creature->y);
            context.screen.RedrawView();
            return true;
        case kSetHidden:
            object.flags &= uint8_t(~SPlacedObject::kVisible);
            if (creature) context.screen.RemoveCreatureFromCell(context.map, *creature);
            return true;
        case kGetState: result = SScriptValue(int32_t(object.stateByte)); return true;
        case kSetState: object.stateByte = uint8_t(arg1.Number()); return true;
        case kIsDead: result = SScriptValue(truthNumber(object.flags & SPlacedObject::kClosed)); return true;
        default: return false;
    }
}

// The creature's part; answers false for a command that is not one.
bool creatureCommand(SMonsterContext& context, SCreature& creature, int command, const SScriptValue& arg1,
                     std::optional<SScriptValue>& result) {
    SCreatureEffects& effects = context.map.Effects();
    switch (command) {
        case kHasItem: {
            const SItemList* goods = context.map.FindContainer(creature.containerId);
            const SItemType* type = context.items.FindItemType(arg1.Text());
            result = SScriptValue(truthNumber(goods && type && goods->FindByType(type)));
            return true;
        }
        case kGetPosX: result = SScriptValue(int32_t(creature.x)); return true;
        case kGetPosY: result = SScriptValue(int32_t(creature.y)); return true;
        case kInfectDisease: effects.Infect(creature.id, arg1.Text()); return true;
        case kCureDisease: effects.Cure(creature.id, arg1.Text()); return true;
        case kIsDiseased: result = SScriptValue(truthNumber(effects.HasDisease(creature.id, arg1.Text()))); return true;
        case kGetHp: result = SScriptValue(int32_t(creature.hp)); return true;
        case kSetHp: SetCreatureHp(creature, arg1.Number()); return true;
        case kAddHp: SetCreatureHp(creature, int64_t(creature.hp) + arg1.Number()); return true;
        case kSetFullHp: creature.Heal(); return true;
        case kIsAggressive: result = SScriptValue(truthNumber(creature.IsHostile())); return true;
        case kSetAggressive: creature.MakeAggressive(); return true;
        case kSetPeaceful: creature.MakePeaceful(); return true;
        case kIsParalyzed: result = SScriptValue(truthNumber(effects.IsParalyzed(creature.id))); return true;
        case kIsPoisoned: result = SScriptValue(truthNumber(effects.Sum(creature.id, kEffectPoison) > 0)); return true;
        case kIsCursed: result = SScriptValue(truthNumber(effects.IsCursed(creature.id))); return true;
        default: return false;
    }
}

}  // namespace

int SMonster::ExecuteCommand(SMonsterContext& context, SPlacedObject* object, SCreature* creature, int command,
                             const SScriptValue& arg1, std::optional<SScriptValue>& result, bool& changed) {
    if (object && objectCommand(context, *object, creature, command, arg1, result)) {
        changed = changed || command == kSetVisible || command == kSetHidden;
        return 0;
    }
    if (creature && creatureCommand(context, *creature, command, arg1, result)) return 0;
    switch (command) {
        case kKnowsSpell: result = SScriptValue(truthNumber(KnowsSpell(arg1.Text()))); break;
        case kGetMaxHp: result = SScriptValue(int32_t(m_stats[kStatMaxHitPoints])); break;
        case kIsUndead: result = SScriptValue(truthNumber(m_kind == SMonsterBaseType::kKindUndead)); break;
        case kGetLevel: result = SScriptValue(int32_t(m_level)); break;
        case kGetAc: result = SScriptValue(int32_t(m_stats[kStatArmourClass])); break;
        // With no creature to ask, the cautious answer.
        case kIsAggressive: result = SScriptValue(1); break;
        // Every other function, and those that need a creature or an object without one, gives 0.
        default: result = SScriptValue(0); break;
    }
    return 0;
}
