#include "tools/sampledata/sample_rules.h"

#include <iterator>

#include "data/rules/race_table.h"
#include "data/rules/skill_table.h"
#include "engine/packages/record_list.h"
#include "tools/sampledata/sample_package.h"

namespace {

// In skill order, 1 to 20.
constexpr const char* kSkillTexts[] = {
    "Catches blows on a shield. A good blocker takes less harm in a fight.",
    "Daggers, short swords and other quick blades: how often they hit and how hard.",
    "Long swords, axes, clubs and other heavy arms: how often they hit and how hard.",
    "Fighting with a weapon in each hand.",
    "Moving and fighting well in leather and other light armour.",
    "Moving and fighting well in mail, plate and other heavy armour.",
    "Bows and thrown weapons: how often a shot finds its mark.",
    "Spells that heal wounds and cure poison and disease.",
    "Spells that ward off harm: stone skin, resistances and shields.",
    "Spells that strike at a foe: fire, lightning and the like.",
    "Spells that bend the mind: curses, charms and fear.",
    "The dark spells that drain the living and command the dead.",
    "Spells of the world around: light, feather fall, travel and the weather.",
    "Mending worn weapons and armour with a hammer and tongs.",
    "Better prices when buying and selling.",
    "Brewing potions from herbs and other ingredients.",
    "Talking people round: better answers and kinder prices.",
    "Opening locks without their keys.",
    "Finding and disarming traps on doors and chests.",
    "Moving unseen, and taking what is not one's own.",
};
static_assert(std::size(kSkillTexts) == 20);

}  // namespace

void AddSampleRules(SSamplePackage& world) {
    SRaceTable races;
    races.InitDefaults();
    // Race 0 is the creatures, which have no ability.
    for (int id = 1; id <= 5; ++id) races.Entry(id)->texts[0].Assign(races.Entry(id)->id.Text());
    world.tables[SModuleTable::Races] = WriteOneRecord([&](SArchive& archive) { races.Write(archive, world.version); });

    SSkillTable skills;
    skills.InitDefaults();
    for (int id = 1; id <= 20; ++id) skills.Entry(id)->furtherText.Assign(kSkillTexts[id - 1]);
    world.tables[SModuleTable::Skills] =
        WriteOneRecord([&](SArchive& archive) { skills.Write(archive, world.version); });
}
