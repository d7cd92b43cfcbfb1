#include "tools/sampledata/sample_dungeon.h"

#include <memory>

#include "data/items/loot_rule.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_table.h"

namespace {

// The stairs up at the hall's west end, the arrival beside them looking east down the hall.
const char* const kDungeon = R"(
fog 0x0841
view 100
floor base_stone
ceiling base_ceiling
cell # centre=base_brick
cell . floor=base_stone
cell U floor=base_stone centre=base_stairs centre-id=1
cell A floor=base_stone centre=base_position centre-id=2 centre-extra=2
cells 8 12
#################
#U..............#
#A..............#
#...............#
#################
end
object 1 base_dungeonstairs text-a=base_cellarback text-b=base_dungeonup
object 2 base_dungeonfoot
creature base_dungeonbrute 15 14 state=0x04
creature base_dungeonarcher 22 13 state=0x04
creature base_dungeonshaman 23 15 state=0x04
)";

enum SAttack : uint8_t { kMelee = 1, kMissile = 2, kMeleeOrSpell = 4 };

struct SDungeonMonster {
    const char* name;
    const char* displayName;
    uint8_t attack;
    SMonsterStats stats;  // damage, armour, hit points, experience, then the attributes
};

const SDungeonMonster kMonsters[] = {
    {"base_dungeonbrute", "Cave brute", kMelee, {2, 5, 1, 14, 20, 10, 8, 10, 4, 0}},
    {"base_dungeonarcher", "Goblin archer", kMissile, {1, 4, 1, 10, 20, 6, 12, 8, 6, 0}},
    {"base_dungeonshaman", "Goblin shaman", kMeleeOrSpell, {1, 3, 0, 10, 25, 5, 8, 6, 14, 0}},
};

}  // namespace

SSampleMap SampleDungeon() { return {"base_dungeon", "The dungeon", kDungeon}; }

void AddDungeonMonsters(SMonsterTable& monsters, const SMonsterBaseType& goblin) {
    // The archer's kind: the goblin's pictures, with the arrow to shoot.
    auto archers = std::make_unique<SMonsterBaseType>();
    archers->m_name.Set("base_goblinarcher");
    for (int i = 0; i < goblin.m_pictureNames.Count(); ++i) archers->m_pictureNames.Append(goblin.m_pictureNames[i]);
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
        // A roll for any item of level 1, and gold.
        auto loot = std::make_unique<SLootRule>();
        loot->m_level = 1;
        monster->m_loot.m_rules.Add(loot.release(), ListOrder::Appended);
        auto gold = std::make_unique<SLootRule>();
        gold->m_itemType.Assign("base_money_100");
        monster->m_loot.m_rules.Add(gold.release(), ListOrder::Appended);
        monsters.Add(std::move(monster));
    }
}
