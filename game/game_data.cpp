#include "game/game_data.h"

#include "engine/base/string.h"
#include "engine/draw/screen_type.h"
#include "game/script/script_context.h"
#include "render/render.h"
#include "ui/state.h"

SGameData::SGameData() {
    // The packages' chunks go straight into the game's tables.
    auto& tables = m_moduleContext.tables;
    tables[int(SModuleTable::Abilities)] = [this](SRecordCursor& cursor) { return m_abilities.Load(cursor); };
    tables[int(SModuleTable::Recipes)] = [this](SRecordCursor& cursor) { return m_recipes.Load(cursor); };
    tables[int(SModuleTable::Diseases)] = [this](SRecordCursor& cursor) { return m_diseases.Load(cursor); };
    tables[int(SModuleTable::Globals)] = [this](SRecordCursor& cursor) { return m_globals.Load(cursor); };
    tables[int(SModuleTable::Items)] = [this](SRecordCursor& cursor) { return m_items.Load(cursor); };
    tables[int(SModuleTable::SpellEffects)] = [this](SRecordCursor& cursor) { return m_spellEffects.Load(cursor); };
    tables[int(SModuleTable::Spells)] = [this](SRecordCursor& cursor) { return m_spells.Load(cursor); };
    tables[int(SModuleTable::MapObjectTypes)] = [this](SRecordCursor& cursor) { return m_mapObjectTypes.Load(cursor); };
    tables[int(SModuleTable::Monsters)] = [this](SRecordCursor& cursor) { return m_monsters.Load(cursor); };
    tables[int(SModuleTable::Interiors)] = [this](SRecordCursor& cursor) { return m_interiors.Load(cursor); };
    tables[int(SModuleTable::Races)] = [this](SRecordCursor& cursor) { return m_races.Load(cursor); };
    tables[int(SModuleTable::Skills)] = [this](SRecordCursor& cursor) { return m_skills.Load(cursor); };
    tables[int(SModuleTable::Attributes)] = [this](SRecordCursor& cursor) { return m_attributes.Load(cursor); };
    tables[int(SModuleTable::Quests)] = [this](SRecordCursor& cursor) { return m_questTable.Load(cursor); };
    tables[int(SModuleTable::Scenes)] = [this](SRecordCursor& cursor) { return m_sceneTable.Load(cursor); };
    tables[int(SModuleTable::Skies)] = [this](SRecordCursor& cursor) { return m_skyTable.Load(cursor); };
    tables[int(SModuleTable::Scripts)] = [this](SRecordCursor& cursor) { return m_scriptTable.Load(cursor); };
    tables[int(SModuleTable::Sounds)] = [this](SRecordCursor& cursor) { return m_soundTable.Load(cursor); };
    tables[int(SModuleTable::Dialogue)] = [this](SRecordCursor& cursor) { return m_dialogue.Load(cursor); };
    tables[int(SModuleTable::Faces)] = [this](SRecordCursor& cursor) { return m_faces.Load(cursor); };
    tables[int(SModuleTable::NpcTypes)] = [this](SRecordCursor& cursor) { return m_npcTypes.Load(cursor); };
    // Map data names its map-object types through the packages' name indexes and the maps record.
    m_moduleContext.mapObjectTypes = &m_mapObjectTypes;
    m_moduleContext.findItemType = [this](const char* name) { return m_items.FindItemType(name); };
    m_moduleContext.findMonster = [this](const char* name) { return m_monsters.FindMonster(name); };
    // Monsters' loot names item types through the package's item-type index, which older packages
    // read only after their last table.
    m_moduleContext.afterTables = [this](const SModule& module) { m_monsters.ResolveLoot(module.ItemTypeIndex()); };
    m_moduleContext.items = &m_items;
}

SGameData::~SGameData() = default;

uint16_t SGameData::LayoutRecordId() const {
    const bool squareOrLarge = m_screenMode == 8 || m_screenMode == 11 || m_screenMode == 14 || m_screenMode == 15 ||
                               m_screenMode == 16;
    return squareOrLarge ? 3003 : 3001;
}

bool SGameData::LoadLayoutRecord() {
    m_layoutBytes = m_dataPackage ? m_dataPackage->LoadRecord(LayoutRecordId()) : nullptr;
    m_layout = m_layoutBytes ? SLayoutRecord({m_layoutBytes->Data(), m_layoutBytes->Size()}) : SLayoutRecord();
    return m_layoutBytes != nullptr;
}

void SGameData::GetLayoutSize(uint32_t dialogId, uint32_t& width, uint32_t& height) const {
    m_layout.FindSize(uint16_t(m_screenMode), uint16_t(dialogId), width, height);
}

std::optional<SLayoutRow> SGameData::GetLayoutCtrl(uint32_t dialogId, uint32_t controlId) const {
    return m_layout.FindCtrl(uint16_t(m_screenMode), uint16_t(dialogId), uint16_t(controlId));
}

const SStepTables& StepTables() {
    static const SStepTables tables = [] {
        SStepTables t{};
        for (int i = 0; i <= 30; ++i) {
            t.a[0][i] = i + 1;
            t.b[0][i] = 31;
            t.a[1][i] = 31;
            t.b[1][i] = (i + 1) * 32;
            t.a[2][i] = 31 - i;
            t.b[2][i] = 992;
            t.a[3][i] = 1;
            t.b[3][i] = 992 - 32 * i;
        }
        return t;
    }();
    return tables;
}

std::array<const SPictureEntry*, 9> SGameData::ScreenFrameSet() const {
    return InterfaceSet<9>(IsSmallScreenType(m_screenMode) ? SInterfaceRole::kSmallFrameSet
                                                           : SInterfaceRole::kLargeFrameSet);
}
