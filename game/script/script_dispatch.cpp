// Where a command call goes: the world's commands whatever the target, the others to the target's
// handler.
#include "data/map_objects/map_object_type.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/package/module.h"
#include "data/player/player.h"
#include "data/script_command_ids.h"
#include "engine/base/c_string.h"
#include "game/script/script_command_table.h"
#include "game/script/script_context.h"
#include "game/script/script_play_screen.h"
#include "script/script_errors.h"

namespace {

// The class of walls, which show a script's change on every side.
constexpr uint8_t kDispatchWallCode = 5;
constexpr int kDispatchSides = 4;

// A placed object found on its map: the creature that belongs to it, when there is one, makes it
// the creature's.
SScriptTarget objectTarget(SPlacedObject* object, SMap* map, SCreature* creature) {
    const auto kind = creature ? SScriptTarget::Kind::CreatureObject : SScriptTarget::Kind::MapObject;
    return {kind, object, creature, map, {}};
}

}  // namespace

int SScriptContext::CallCommand(const char* target, uint8_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                                const SScriptValue& arg3, std::optional<SScriptValue>& result) {
    const SScriptCommandDef* command = FindScriptCommand(id);
    if (command == nullptr) return kScriptOk;
    if (command->kinds & kCommandGlobal) return RunGlobalCommand(id, arg1, arg2, arg3, result);
    const std::optional<SScriptTarget> found = ResolveTarget(target);
    if (!found) return kScriptNotAnObject;
    switch (found->kind) {
        case SScriptTarget::Kind::MapObject: return RunObjectCommand(*found, id, arg1, arg2, arg3, result);
        case SScriptTarget::Kind::CreatureObject: return RunCreatureCommand(*found, id, arg1, result);
        case SScriptTarget::Kind::Player: {
            SPlayerWorld* world = m_playScreen ? m_playScreen->PlayerWorld() : nullptr;
            if (m_world.player == nullptr || world == nullptr) return kScriptOk;
            return int(m_world.player->ExecuteScriptCommand(*world, id, arg1, arg2, arg3, result));
        }
    }
    return kScriptOk;
}

std::optional<SScriptTarget> SScriptContext::ResolveTarget(const char* name) const {
    if (name == nullptr) return std::nullopt;
    if (StrICmp(name, "(this)") == 0) {
        // The context's own map: the current map may be another surface section than the source's.
        if (m_creature) return SScriptTarget{SScriptTarget::Kind::CreatureObject, m_source, m_creature, m_map, m_place};
        if (m_source == nullptr) return std::nullopt;
        SScriptTarget self = objectTarget(m_source, m_map, m_map ? m_map->FindCreatureOfObject(*m_source) : nullptr);
        self.place = m_place;
        return self;
    }
    if (StrICmp(name, "player") == 0) return SScriptTarget{SScriptTarget::Kind::Player, nullptr, nullptr, nullptr, {}};
    const SModule* world = m_playScreen ? m_playScreen->CurrentWorld() : nullptr;
    const SFoundObject found = world ? world->FindMapObject(name) : SFoundObject{};
    if (found.object == nullptr) return std::nullopt;
    SScriptTarget target = objectTarget(found.object, found.map, found.creature);
    if (target.kind == SScriptTarget::Kind::MapObject) {
        m_playScreen->LocateObject(*found.map, *found.object, target.place);
    } else if (const std::optional<SGridPlace> place = gridPlaceOf(*found.map, *found.creature)) {
        target.place = *place;
    }
    return target;
}

int SScriptContext::RunObjectCommand(const SScriptTarget& target, uint32_t id, const SScriptValue& arg1,
                                     const SScriptValue& arg2, const SScriptValue& arg3,
                                     std::optional<SScriptValue>& result) {
    SMapObjectType& handler = handlerOf(*target.object);
    const SGridPlace& place = target.place;
    bool changed = false;
    const int code =
        handler.ExecuteCommand(target.map, target.object, place.x, place.y, int(id), arg1, arg2, arg3, result, changed);
    if (changed) {
        QueueCellEvent(target.map, place);
        // A wall shows on all four sides of its cell.
        if (handler.m_typeCode == kDispatchWallCode && (id == kSetVisible || id == kSetHidden))
            for (int side = 0; side < kDispatchSides; ++side)
                QueueCellEvent(target.map, {place.x, place.y, side, place.layer});
    }
    return code;
}

int SScriptContext::RunCreatureCommand(const SScriptTarget& target, uint32_t id, const SScriptValue& arg1,
                                       std::optional<SScriptValue>& result) {
    if (target.map == nullptr) return kScriptOk;
    std::optional<SMonsterContext> context = monsterContext(*target.map);
    if (!context) return kScriptOk;
    bool changed = false;
    const int code = monsterOf(*target.creature)
                         .ExecuteCommand(*context, target.object, target.creature, int(id), arg1, result, changed);
    if (changed) QueueCellEvent(target.map, target.place);
    return code;
}
