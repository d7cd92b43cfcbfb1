#include "game/script/script_context.h"

#include "data/items/item.h"
#include "data/items/item_type.h"
#include "data/map_objects/map_object_type.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_grid.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_table.h"
#include "data/persons/npc_table.h"
#include "data/script_table.h"
#include "game/script/script_play_screen.h"
#include "game/script/script_text_output.h"
#include "script/script.h"
#include "ui/widgets/dialog_list_ctrl.h"

namespace {

// The map-object class of the people that live behind character objects.
constexpr uint8_t kContextNpcObjectCode = 12;

// The output's slot; null for a mode outside the three.
SScriptTextOutput** slotOf(std::array<SScriptTextOutput*, 3>& outputs, SScriptOutputMode mode) {
    const uint32_t index = uint32_t(mode) - 1;
    return index < outputs.size() ? &outputs[index] : nullptr;
}

}  // namespace

SScriptContext::SScriptContext() { m_cellEvents.reserve(4); }

SScriptContext::~SScriptContext() = default;

void SScriptContext::Init(const SScriptWorld& world, SScript& interpreter) {
    m_world = world;
    m_script = &interpreter;
    interpreter.SetContext(this);
    m_defaultHandler = std::make_unique<SMapObjectType>();
    m_defaultHandler->SetTable(world.mapObjectTypes);
}

void SScriptContext::SetTextOutput(SScriptOutputMode mode, SScriptTextOutput* output) {
    if (SScriptTextOutput** slot = slotOf(m_outputs, mode)) *slot = output;
}

void SScriptContext::startScript(uint32_t event, SScriptOutputMode mode) {
    m_answer = 0;
    m_listOpen = false;
    m_list.reset();
    m_listResult.Assign("");
    m_event = event;
    m_outputMode = mode;
    m_source = nullptr;
    m_place = {};
    m_type = nullptr;
    m_creature = nullptr;
    m_npc = nullptr;
    m_map = nullptr;
    m_cell = nullptr;
}

void SScriptContext::SetupForCreature(uint32_t event, SPlacedObject* source, SMap* map, SCreature* creature,
                                      SScriptOutputMode mode) {
    startScript(event, mode);
    m_source = source;
    m_map = map;
    m_creature = creature;
    if (const std::optional<SGridPlace> place = map && creature ? gridPlaceOf(*map, *creature) : std::nullopt) {
        m_place = *place;
        m_cell = &m_playScreen->Grid()->Cell(place->x, place->y);
    }
    m_npc = source && m_world.npcs ? m_world.npcs->Find(source->textA.Text()) : nullptr;
}

void SScriptContext::SetupForObjectNpc(uint32_t event, SPlacedObject* source, SMap* map, SMapCell* cell,
                                       SMapObjectType* type, const SGridPlace& place, SScriptOutputMode mode) {
    startScript(event, mode);
    m_source = source;
    m_map = map;
    m_cell = cell;
    m_type = type;
    m_place = place;
    const bool person = source && type && type->m_typeCode == kContextNpcObjectCode;
    m_npc = person && m_world.npcs ? m_world.npcs->Find(source->textA.Text()) : nullptr;
}

void SScriptContext::SetupForScene() { startScript(0, SScriptOutputMode::Scene); }

void SScriptContext::SetupForConversation(SNpcType* npc) {
    startScript(kEventUse, SScriptOutputMode::Conversation);
    m_npc = npc;
}

std::optional<SGridPlace> SScriptContext::gridPlaceOf(const SMap& map, const SCreature& creature) const {
    // The grid decides where the creature stands: a creature of a neighbouring surface section lies
    // elsewhere than its own section's offset of 7 cells would say.
    SMapGrid* grid = m_playScreen ? m_playScreen->Grid() : nullptr;
    int column = 0, row = 0;
    if (!grid || !grid->MapToGrid(map, creature.x, creature.y, column, row)) return std::nullopt;
    if (column < 0 || row < 0 || column >= SMapGrid::kSize || row >= SMapGrid::kSize) return std::nullopt;
    SGridPlace place;
    place.x = column;
    place.y = row;
    return place;
}

void SScriptContext::QueueCellEvent(SMap* map, const SGridPlace& place) {
    const SCellEvent event{map, place};
    for (const SCellEvent& queued : m_cellEvents)
        if (queued == event) return;
    m_cellEvents.push_back(event);
}

void SScriptContext::RunDefault() {
    const std::optional<SScriptTarget> self = ResolveTarget("(this)");
    if (!self || self->object == nullptr || m_map == nullptr) return;
    bool changed = false;
    if (self->kind == SScriptTarget::Kind::CreatureObject) {
        std::optional<SMonsterContext> context = monsterContext(*m_map);
        if (self->creature->monster && context)
            self->creature->monster->OnEvent(m_event, *context, *self->creature, changed);
    } else if (m_type) {
        m_type->OnEvent(m_event, m_map, m_source, m_cell, m_place.x, m_place.y, changed);
    }
    if (changed) QueueCellEvent(m_map, m_place);
}

void SScriptContext::RunObjectScript() {
    if (m_source && !m_source->textB.IsEmpty() && m_world.scripts) m_world.scripts->Run(m_source->textB.Text());
    if (m_playScreen)
        m_playScreen->ApplyCellChanges(m_cellEvents);
    else
        m_cellEvents.clear();
}

void SScriptContext::ShowMessage(const char* text, bool highlight) {
    SScriptTextOutput** slot = slotOf(m_outputs, m_outputMode);
    if (slot == nullptr || *slot == nullptr) return;
    SString shown(text);
    SubstituteText(shown);
    uint32_t colour = SScriptTextOutput::kHighlightColour;
    if (m_outputMode == SScriptOutputMode::PlayScreen && !highlight) colour = SScriptTextOutput::kPlainColour;
    (*slot)->ShowText(shown.Text(), colour);
}

void SScriptContext::QueueMessage(const char* text, uint32_t buttons) {
    if (m_playScreen) m_playScreen->QueueMessage(text, buttons);
}

void SScriptContext::SetHitWeapons(SItem* first, SItem* second) {
    SItem* items[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        m_weapons[i] = items[i];
        const SItemType* type = items[i] ? items[i]->m_type : nullptr;
        m_weaponNames[i].Assign(type ? type->NameKey().Text() : "");
    }
}

void SScriptContext::SetSpell(const char* name, int32_t value) {
    m_spellName.Assign(name ? name : "");
    m_spellValue = value;
}

SMapObjectType& SScriptContext::handlerOf(const SPlacedObject& object) const {
    SMapObjectType* type = m_world.mapObjectTypes ? m_world.mapObjectTypes->Find(object.name.Text()) : nullptr;
    return type ? *type : *m_defaultHandler;
}

SMonster& SScriptContext::monsterOf(const SCreature& creature) {
    if (creature.monster) return *creature.monster;
    if (m_defaultMonster == nullptr) {
        m_defaultMonster = std::make_unique<SMonster>();
        SMonsterBaseType* base = m_world.monsters ? m_world.monsters->FindBaseType(kDefaultMonsterType) : nullptr;
        if (base) m_defaultMonster->InitFromType(*base);
    }
    return *m_defaultMonster;
}

std::optional<SMonsterContext> SScriptContext::monsterContext(SMap& map) {
    const SScriptWorld& w = m_world;
    SMapGrid* grid = m_playScreen ? m_playScreen->Grid() : nullptr;
    SMonsterScreen* screen = m_playScreen ? m_playScreen->MonsterScreen() : nullptr;
    if (!grid || !screen || !w.player || !w.random || !w.spells || !w.items || !w.diseases) return std::nullopt;
    SMonsterContext context{map, *grid, *screen, *w.player, *w.random, *w.spells, *w.items, *w.diseases};
    context.event.damage = m_damage;
    context.event.weapons[0] = m_weapons[0];
    context.event.weapons[1] = m_weapons[1];
    context.event.spell = m_spellName.IsEmpty() ? nullptr : m_spellName.Text();
    context.event.spellLevel = m_spellValue;
    return context;
}
