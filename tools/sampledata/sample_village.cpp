#include "tools/sampledata/sample_village.h"

#include <memory>
#include <string>
#include <vector>

#include "data/items/loot_rule.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_base_type.h"
#include "data/monsters/monster_table.h"
#include "tools/sampledata/art_canvas.h"
#include "tools/sampledata/sample_village_folk.h"
#include "tools/sampledata/sample_village_quest.h"
#include "tools/sampledata/section_cells.h"

namespace {

constexpr int kSide = 21;

// The village's cells: a street along row 6 and down column 6 to a second street along row 14;
// the house with the locked door at the west end of that street, the guard post on the first and
// the rain bell's post at its west end.
const char* const kLegend = R"(cell n floor=base_grass centre=base_door centre-id=40 centre-extra=4 upper=base_doorleaf
cell o floor=base_grass centre=base_brick
cell p floor=base_sand centre=base_position centre-id=42 centre-extra=3
cell q floor=base_grass centre=base_brick wall-s=base_sign wall-s-id=41
cell r floor=base_stone
cell i floor=base_grass centre=base_brick wall-s=base_sign wall-s-id=21)";

// The door is locked (level 2) and trapped (level 1); the sign's script takes the player to jail.
// Ilse, who lost her locket, walks north of the street.
const char* const kObjects = R"(object 40 base_eastbrookdoor state=0x480 flags=3
object 41 base_guardpost text-a="The guard post of Eastbrook. Use it to turn yourself in." text-b=base_turnin
object 42 base_s0303_jailexit
object 21 base_rainbell text-a="The rain bell of Eastbrook. The farmers ring it when the wells run low." text-b=base_rainbell
container 40 3 17 loot=base_money_100
container 41 255 0
creature base_townsman 3 6
creature base_townsman 15 6
creature base_townsman 6 11
creature base_townsman 2 14
creature base_pedlar 8 6 container=41
creature base_widow 12 3
)";

const char* const kJail = R"(
fog 0x0841
view 100
floor base_stone
ceiling base_ceiling
cell # centre=base_brick shadow-floor=base_brick shadow-centre=base_brick
cell . floor=base_stone
cell P floor=base_stone centre=base_position centre-id=1 centre-extra=1
cells 15 15
#####
#...#
#.P.#
#...#
#####
end
object 1 base_s0303_jailentry
container 1 16 16 loot=base_bread,base_water
)";

constexpr int kBellX = 3, kBellY = 4;

// What the village puts in a cell; 0 keeps the town's own.
char villageCell(int x, int y) {
    const bool house = x >= 1 && x <= 5 && y >= 15 && y <= 19;
    if (house) {
        if (x == 3 && y == 15) return 'n';
        if (x == 1 || x == 5 || y == 15 || y == 19) return 'o';
        return 'r';
    }
    if (x == 8 && y == 5) return 'q';
    if (x == 8 && y == 7) return 'p';
    if (x == kBellX && y == kBellY) return 'i';
    // Nothing grows where the player stands to ring it.
    if (x == kBellX && y == kBellY + 1) return '.';
    if ((y == 6 && x >= 1 && x <= 19) || (x == 6 && y >= 1 && y <= 14) || (y == 14 && x >= 1 && x <= 6)) return '=';
    return 0;
}

void editTown(std::string& level) {
    AddSectionLegend(level, kLegend);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if (const char c = villageCell(x, y)) SetSectionCell(level, x, y, c);
    level += kObjects;
}

// A villager in a long coat and a hat, seen from behind (view 0), from the side (1) or from the
// front (2), standing (pose 0) or in either step (1, 2).
SArtCanvas townsman(int view, int pose) {
    SArtCanvas canvas(40, 72);
    const uint16_t skin = ArtColour(230, 185, 150), coat = TownsmanCoatColour(), hat = ArtColour(90, 60, 30);
    const uint16_t hair = ArtColour(110, 70, 40), legs = ArtColour(70, 60, 50), eye = ArtColour(20, 20, 20);
    canvas.Fill(12, 2, 16, 6, hat);
    canvas.Fill(8, 8, 24, 3, hat);
    canvas.Disc(20, 16, 7, view == 0 ? hair : skin);
    if (view == 2) canvas.Fill(16, 14, 2, 2, eye), canvas.Fill(22, 14, 2, 2, eye);
    if (view == 1) canvas.Fill(26, 16, 3, 2, skin), canvas.Fill(23, 14, 2, 2, eye);
    canvas.Fill(11, 24, 18, 28, coat);
    const int swing = pose == 0 ? 0 : pose == 1 ? 6 : -6;
    if (view == 1) {
        canvas.Line(20, 27, 20 + swing, 46, 4, coat);
        canvas.Disc(20 + swing, 47, 2.5, skin);
        canvas.Line(18, 52, 18 - swing, 71, 5, legs), canvas.Line(22, 52, 22 + swing, 71, 5, legs);
    } else {
        canvas.Line(11, 27, 6, 46, 4, coat), canvas.Line(29, 27, 34, 46, 4, coat);
        canvas.Disc(6, 47, 2.5, skin), canvas.Disc(34, 47, 2.5, skin);
        const int spread = pose == 0 ? 0 : 4;
        canvas.Line(16, 52, 16 - spread, 71, 5, legs), canvas.Line(24, 52, 24 + spread, 71, 5, legs);
    }
    return canvas;
}

constexpr const char* kViews[3] = {"back", "side", "front"};

// By view and pose, then the front again, which the persons show at first. They live as long as
// the program: the package writer and the monster table keep pointers to them.
const std::vector<std::string>& pictureNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (int view = 0; view < 3; ++view)
            for (int pose = 0; pose < 3; ++pose)
                list.push_back(std::string("bres_townsman-") + kViews[view] + std::to_string(pose));
        list.push_back(list[size_t(2 * 3)]);
        return list;
    }();
    return names;
}

}  // namespace

uint16_t TownsmanCoatColour() { return ArtColour(60, 90, 150); }

const char* const kRainBellScript = R"(if ( evtuse ( ) ) {
    if ( answer ( ) == 0 ) questionyesno ( "Ring the rain bell?" ) ;
    else if ( answer ( ) == 1 ) {
        setweathercloud ( "" , 90 ) ;
        setweatherrain ( 80 ) ;
        message ( "The bell booms over the roofs. Clouds gather, and the rain comes down." ) ;
    }
})";

void AddVillagePictures(SSamplePackage& resources) {
    for (int view = 0; view < 3; ++view)
        for (int pose = 0; pose < 3; ++pose)
            resources.pictures.push_back(
                {pictureNames()[size_t(view * 3 + pose)].c_str(), townsman(view, pose).Record()});
}

void AddVillageMonsters(SMonsterTable& monsters) {
    auto folk = std::make_unique<SMonsterBaseType>();
    folk->m_name.Set("base_townsfolk");
    folk->m_kind = SMonsterBaseType::kKindPeople;
    // Standing and both steps seen from behind, from the side and from the front, then the front.
    for (const std::string& name : pictureNames()) folk->m_pictureNames.Append(name.c_str());
    struct SVillager {
        const char* name;
        const char* display;
        uint8_t stealDifficulty;
        const char* talk;  // the person it talks as
        const char* goods[3];
    };
    const SVillager villagers[] = {
        {"base_townsman", "Townsman", 30, kVillagerTalk, {}},
        {"base_pedlar", "Pedlar", 5, kVillagerTalk, {"base_bread", "base_water", "base_ring_copper"}},
        {"base_widow", "Ilse", 30, kLocketOwner, {}},
    };
    for (const SVillager& villager : villagers) {
        auto monster = std::make_unique<SMonster>();
        monster->m_name.Set(villager.name);
        monster->InitFromType(*folk);
        monster->m_displayName.Assign(villager.display);
        monster->m_copied[1] = villager.stealDifficulty;
        monster->m_talkText.Assign(villager.talk);
        monster->m_stats = {1, 2, 1, 10, 10, 5, 5, 5, 2, 0};
        // What a person carries in its container: the pedlar's goods.
        for (const char* goods : villager.goods) {
            if (goods == nullptr) continue;
            auto rule = std::make_unique<SLootRule>();
            rule->m_itemType.Assign(goods);
            monster->m_loot.m_rules.Add(rule.release(), ListOrder::Appended);
        }
        monsters.Add(std::move(monster));
    }
    monsters.Add(std::move(folk));
}

void AddVillage(std::vector<SSampleMap>& maps) {
    for (SSampleMap& map : maps)
        if (map.name == kVillageTown) editTown(map.level);
    maps.push_back({std::string(kVillageTown) + "_jail", "The jail of Eastbrook", kJail});
}
