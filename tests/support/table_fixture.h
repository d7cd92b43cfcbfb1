#pragma once
// Rule and record tables filled from generated packages through their own loaders, as the game
// fills its tables: the module fixture with every table this build reads hooked in.
#include <map>
#include <vector>

#include "data/alchemy/recipe_table.h"
#include "data/effects/ability.h"
#include "data/effects/disease.h"
#include "data/items/item_database.h"
#include "data/rules/attribute_table.h"
#include "data/rules/race_table.h"
#include "data/rules/skill_table.h"
#include "data/spells/spell_effect.h"
#include "data/spells/spell_table.h"
#include "data/world/global_table.h"
#include "data/world/interior.h"
#include "support/module_fixture.h"

class TablesTest : public ModuleTest {
protected:
    TablesTest() {
        attributes.InitDefaults();
        skills.InitDefaults();
        races.InitDefaults();
        hook(SModuleTable::Attributes, attributes);
        hook(SModuleTable::Skills, skills);
        hook(SModuleTable::Races, races);
        hook(SModuleTable::Diseases, diseases);
        hook(SModuleTable::Abilities, abilities);
        hook(SModuleTable::Interiors, interiors);
        hook(SModuleTable::Globals, globals);
        hook(SModuleTable::SpellEffects, spellEffects);
        hook(SModuleTable::Spells, spells);
        hook(SModuleTable::Items, items);
        hook(SModuleTable::Recipes, recipes);
        context.findItemType = [this](const char* name) { return items.FindItemType(name); };
    }

    // Opens a package of this data version whose given tables hold the given records; every other
    // table is an empty chunk. The module, or null with modules.Error() set.
    SModule* OpenWith(const std::map<SModuleTable, std::vector<uint8_t>>& records, int version = 114,
                      const char* fileName = "Brimvale") {
        TestWorldPackage package;
        package.version = version;
        for (const auto& [table, record] : records) package.tables[table] = {record};
        return OpenPackage(package, fileName);
    }

    SAttributeTable attributes;
    SSkillTable skills;
    SRaceTable races;
    SDiseaseTable diseases;
    SAbilityTable abilities;
    SInteriorTable interiors;
    SGlobalTable globals;
    SSpellEffectTable spellEffects;
    SSpellTable spells;
    SItemDatabase items;
    SRecipeTable recipes;

private:
    template <typename Table>
    void hook(SModuleTable which, Table& table) {
        context.tables[int(which)] = [&table](SRecordCursor& cursor) { return table.Load(cursor); };
    }
};
