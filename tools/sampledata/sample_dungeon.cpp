#include "tools/sampledata/sample_dungeon.h"

#include <memory>

#include "data/effects/effect.h"
#include "data/effects/stored_percent.h"
#include "data/items/item_classes.h"
#include "data/items/loot_rule.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_table.h"
#include "tools/sampledata/sample_item_types.h"
#include "tools/sampledata/sample_spells.h"

namespace {

// The hall runs east from the stairs up (to the cellar, and below them to the woods); its east door
// opens on the archer's room with a chest in the north wall. South of that room the iron door, a
// short passage and the trapped door lead to the lever room; the lever in its west wall opens the
// gate in its south wall, behind which lies the deepest room with the shaman, the chest for the
// quest's item and the plate back to Eastbrook. As in the cellar the walls, doors and stairs have a
// second storey up to the ceiling.
const char* const kDungeon = R"(
fog 0x0841
view 100
floor base_stone
ceiling base_ceiling
cell # centre=base_brick shadow-floor=base_brick shadow-centre=base_brick
cell . floor=base_stone
cell U floor=base_stone centre=base_stairs centre-id=1 shadow-floor=base_brick shadow-centre=base_brick shadow-upper=base_ceiling
cell A floor=base_stone centre=base_position centre-id=2 centre-extra=2
cell d floor=base_stone centre=base_door centre-id=3 centre-extra=9 upper=base_doorleaf shadow-floor=base_brick shadow-centre=base_brick shadow-upper=base_ceiling
cell c centre=base_brick wall-s=base_chest wall-s-id=4 shadow-floor=base_brick shadow-centre=base_brick
cell L floor=base_stone centre=base_door centre-id=5 centre-extra=4 upper=base_doorleaf shadow-floor=base_brick shadow-centre=base_brick shadow-upper=base_ceiling
cell T floor=base_stone centre=base_plaguedoor centre-id=6 centre-extra=8 upper=base_doorleaf shadow-floor=base_brick shadow-centre=base_brick shadow-upper=base_ceiling
cell l centre=base_brick wall-e=base_lever wall-e-id=7 shadow-floor=base_brick shadow-centre=base_brick
cell G floor=base_stone centre=base_door centre-id=8 upper=base_gatebars shadow-floor=base_brick shadow-centre=base_brick shadow-upper=base_ceiling
cell q centre=base_brick wall-n=base_chest wall-n-id=9 shadow-floor=base_brick shadow-centre=base_brick
cell p floor=base_stone centre=base_plate centre-id=10 centre-extra=3
cell V floor=base_stone centre=base_stairs centre-id=11 shadow-floor=base_brick shadow-centre=base_brick shadow-upper=base_ceiling
cell W floor=base_stone centre=base_position centre-id=12 centre-extra=2
cells 8 10
###################c###
#################.....#
#################.....#
#U..............#.....#
#A..............d.....#
#VW.............#.....#
###################L###
###################.###
###################.###
###################T###
###############.......#
##############l.......#
###############.......#
#################G#####
#############........p#
#############.........#
#############.........#
####################q##
end
object 1 base_dungeonstairs text-a=base_cellarback text-b=base_dungeonup
object 2 base_dungeonfoot
; Plain doors, closed; the iron door is locked at level 30 and opens with its key; the trapped door
; carries a level-10 trap.
object 3 base_dungeondoor flags=3
object 4 base_archerchest container=1
object 5 base_irondoor state=0xC0 flags=3 text-a=base_key_irondoor
object 6 base_trappeddoor state=0x400 flags=3
object 7 base_gatelever flags=3 text-b=base_pullgatelever
object 8 base_dungeongate flags=3
object 9 base_deepchest container=3
object 10 base_dungeonplate text-a=base_eastbrookarrival
object 11 base_woodsstairs text-a=base_woodsfoot text-b=base_woodsup
object 12 base_dungeonwoodsfoot
container 1 255 0 loot=base_money_100,base_phealsmall*2,base_quiver_cheap
container 2 29 22 loot=base_pmanasmall,level1
container 3 255 0 loot=base_quest_silverlocket
creature base_dungeonbrute 15 14 state=0x04
creature base_dungeonarcher 29 14 state=0x04
creature base_dungeonshaman 22 25 state=0x04
)";

enum SAttack : uint8_t { kMelee = 1, kMissile = 2, kMeleeOrSpell = 4 };

struct SDungeonEffect {
    uint8_t source;
    uint8_t type;
    int16_t magnitude;  // the chance in percent of a blow's effect
    const char* target;
};

struct SDungeonMonster {
    const char* name;
    const char* displayName;
    uint8_t attack;
    SMonsterStats stats;  // damage, armour, hit points, experience, then the attributes
    SDungeonEffect effects[2];
    const char* drop;  // an item type it always carries, besides a roll of level 1 and gold
};

const SDungeonMonster kMonsters[] = {
    {"base_dungeonbrute",
     "Cave brute",
     kMelee,
     {2, 5, 1, 14, 20, 10, 8, 10, 4, 0},
     {{kSourceStrike, kEffectInfectDisease, 40, kSampleDisease}},
     kDungeonKey},
    {"base_dungeonarcher",
     "Goblin archer",
     kMissile,
     {1, 4, 1, 10, 20, 6, 12, 8, 6, 0},
     {{kSourceStrike, kEffectPoison, 60, ""}},
     nullptr},
    {"base_dungeonshaman",
     "Goblin shaman",
     kMeleeOrSpell,
     {1, 3, 0, 10, 25, 5, 8, 6, 14, 0},
     {{kSourceSpellCharge, kEffectCastSpell, 0, "base_spelllightningbolt"},
      {kSourceSpellCharge, kEffectCastSpell, 0, "base_spellcurse"}},
     "base_phealsmall"},
};

const SSampleItemType kDungeonItems[] = {
    // Named for the phrases the game makes of it: "You have found an item of Ironmongery."
    {kDungeonKey, "Ironmongery", kItemKey, 1, 1, 0, 10, "A heavy iron key, warm from the brute's belt."},
};

// A roll for that item type, or for any item of level 1 without one.
void addLoot(SMonster& monster, const char* itemType) {
    auto rule = std::make_unique<SLootRule>();
    if (itemType != nullptr) rule->m_itemType.Assign(itemType);
    monster.m_loot.m_rules.Add(rule.release(), ListOrder::Appended);
}

}  // namespace

SSampleMap SampleDungeon() { return {kDungeonMap, "The dungeon", kDungeon}; }

void AddDungeonMonsters(SMonsterTable& monsters, const SMonsterBaseType& goblin) {
    // The archer's kind: the goblin's pictures and voice, with the arrow to shoot.
    auto archers = std::make_unique<SMonsterBaseType>();
    archers->m_name.Set("base_goblinarcher");
    for (int i = 0; i < goblin.m_pictureNames.Count(); ++i) archers->m_pictureNames.Append(goblin.m_pictureNames[i]);
    for (int i = 0; i < 3; ++i) archers->m_sounds[i] = goblin.m_sounds[i];
    archers->m_missile = "bres_fpsarrow";
    archers->m_attackKind = kMissile;
    SMonsterBaseType* archerType = archers.get();
    monsters.Add(std::move(archers));
    for (const SDungeonMonster& sample : kMonsters) {
        auto monster = std::make_unique<SMonster>();
        monster->m_name.Set(sample.name);
        monster->m_baseType = sample.attack == kMissile ? archerType : monsters.FindBaseType("base_goblin");
        monster->m_displayName.Assign(sample.displayName);
        monster->m_attackKind = sample.attack;
        monster->m_stats = sample.stats;
        for (const SDungeonEffect& carried : sample.effects) {
            if (carried.type == 0) continue;
            auto effect = std::make_unique<SEffect>(kContextMonster);
            effect->m_source = carried.source;
            effect->m_type = carried.type;
            // A strike effect's chance is kept as a stored percentage.
            effect->m_baseMagnitude = carried.source == kSourceStrike ? PercentToStored(carried.magnitude)
                                                                      : carried.magnitude;
            effect->m_target.Assign(carried.target);
            monster->m_effects.Add(std::move(effect));
        }
        if (sample.drop != nullptr) addLoot(*monster, sample.drop);
        addLoot(*monster, nullptr);
        addLoot(*monster, "base_money_100");
        monsters.Add(std::move(monster));
    }
}

void AddDungeonItems(SItemDatabase& items) { AddSampleItemTypes(items, kDungeonItems); }
