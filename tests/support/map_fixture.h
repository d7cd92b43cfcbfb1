#pragma once
// Maps for tests: monsters, saved-game name tables and a play-screen grid of the tests' own, and a
// package fixture whose maps are drawn with the level writer.
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/items/item_database.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/maps/map_save_names.h"
#include "data/monsters/monster_table.h"
#include "engine/base/random.h"
#include "render/view_descriptor.h"
#include "support/item_records.h"
#include "support/module_fixture.h"
#include "support/monster_records.h"

// A monster of the world with the most hit points, kind and flags a map asks of it; a person of it
// carries one of each item type named.
constexpr uint8_t kTestMonsterFlags = SMonster::kFlagHostileWhenProvoked | SMonster::kFlagDefault;

inline std::unique_ptr<SMonster> MakeMapMonster(const char* name, uint16_t maxHp, uint8_t kind = 1,
                                                uint8_t flags = kTestMonsterFlags,
                                                std::initializer_list<const char*> goods = {}) {
    std::unique_ptr<SMonster> monster = MakeMonster(name, nullptr);
    monster->m_stats[kStatMaxHitPoints] = maxHp;
    monster->m_kind = kind;
    monster->m_flags = flags;
    for (const char* type : goods) monster->m_loot.m_rules.Add(MakeLootRule(type).release(), ListOrder::Appended);
    return monster;
}

// The saved game's monster and item-type names: index 0 none, the others in the order they were
// met; item types are found again by name in the database.
class TestSaveNames : public SMapSaveNames {
public:
    explicit TestSaveNames(const SItemDatabase& items) : itemTypes(items) {}

    uint16_t InternItemType(const char* name) override { return itemTypes.InternItemType(name); }
    SItemType* GetItemType(uint16_t index) const override { return itemTypes.GetItemType(index); }
    uint16_t InternMonster(const SMonster& monster) override {
        for (size_t i = 1; i < monsters.size(); ++i)
            if (monsters[i] == &monster) return uint16_t(i);
        monsters.push_back(const_cast<SMonster*>(&monster));
        return uint16_t(monsters.size() - 1);
    }
    SMonster* GetMonster(uint16_t index) const override { return index < monsters.size() ? monsters[index] : nullptr; }

    std::vector<SMonster*> monsters{nullptr};
    TestItemNames itemTypes;
};

// The play screen's grid as the tests see it. Each map's cell (0, 0) lies at its origin on the grid
// (0, 0 unless set); creatures placed are noted with their grid cell.
class TestGrid : public SMapGrid {
public:
    SMapCell& Cell(int column, int row) override { return cells[size_t(row * kSize + column)]; }
    SMapCellShadow& Shadow(int column, int row) override { return shadows[size_t(row * kSize + column)]; }
    bool MapToGrid(const SMap& map, int x, int y, int& column, int& row) const override {
        auto origin = origins.find(&map);
        if (origin == origins.end()) return false;
        column = origin->second.first + x;
        row = origin->second.second + y;
        return true;
    }
    bool PlaceCreatureNear(SMap& map, SCreature& creature, int x, int y) override {
        int column = 0, row = 0;
        if (!MapToGrid(map, x, y, column, row)) return false;
        placed.push_back({creature.id, column, row});
        return true;
    }
    SItemPileRecord* CreatureSprite(const SCreature& creature) override { return &sprites[creature.displaySlot]; }
    void RefreshCreaturePicture(SMap&, SCreature& creature) override { refreshed.push_back(creature.id); }
    void MarkMonsterInUse(const SMonster& monster) override { marked.push_back(monster.m_name.Text()); }

    struct Placed {
        uint8_t id;
        int column, row;
        bool operator==(const Placed&) const = default;
    };
    std::array<SMapCell, kSize * kSize> cells;
    std::array<SMapCellShadow, kSize * kSize> shadows;
    std::map<const SMap*, std::pair<int, int>> origins;
    std::vector<Placed> placed;
    std::map<uint16_t, SItemPileRecord> sprites;
    std::vector<uint8_t> refreshed;
    std::vector<std::string> marked;
};

// A package fixture with the tests' monsters and a map-object type table, for maps drawn in the
// level writer's text.
class MapTest : public ModuleTest {
protected:
    MapTest() {
        context.mapObjectTypes = &types;
        context.findMonster = [this](const char* name) { return monsters.FindMonster(name); };
        context.items = &items;
        context.findItemType = [this](const char* name) { return items.FindItemType(name); };
        random.Seed(7);
        context.random = &random;
    }

    // A type of the code's class named `name`, in the types the maps name.
    SMapObjectType* AddType(int code, const char* name) {
        std::unique_ptr<SMapObjectType> type = types.CreateType(code);
        type->m_name.Set(name);
        SMapObjectType* added = type.get();
        types.Add(std::move(type));
        return added;
    }

    // A monster of the world the maps name (MakeMapMonster).
    SMonster* AddMonster(const char* name, uint16_t maxHp, uint8_t kind = 1, uint8_t flags = kTestMonsterFlags,
                         std::initializer_list<const char*> goods = {}) {
        std::unique_ptr<SMonster> monster = MakeMapMonster(name, maxHp, kind, flags, goods);
        SMonster* added = monster.get();
        monsters.Add(std::move(monster));
        return added;
    }

    // Opens a package at this data version with one map of that name drawn by `level`; the map, or
    // null with the package's error in `error`.
    SMap* OpenMap(const std::string& level, int version = 114, const char* name = "base_cave") {
        return OpenMap(TestMap{name, "A map", level}, version);
    }
    SMap* OpenMap(const TestMap& map, int version = 114) {
        TestWorldPackage package;
        package.version = version;
        package.mapPrefix = "base_s";
        package.palettes = palettes;
        package.maps = {map};
        std::string written;
        if (!package.Write(folder, "Brimvale", &written)) {
            error = written;
            return nullptr;
        }
        if (!modules.Open("Brimvale")) {
            error = modules.Error().Message();
            return nullptr;
        }
        return modules.Current()->FindMap(map.name.c_str());
    }

    SMapObjectTypeTable types;
    SItemDatabase items;
    SRandom random;
    std::vector<SNamedResource> palettes;
    SMonsterTable monsters;
    std::string error;
};
