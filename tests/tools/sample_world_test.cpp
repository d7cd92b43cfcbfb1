// The sample world as scripts/run writes it, opened through the game's own loaders: the cellar a new
// game begins in, the surface block round the crossroads and the skies over it.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "data/effects/ability.h"
#include "data/effects/effect.h"
#include "data/effects/effect_list.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "data/map_objects/map_object_type.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/package/module.h"
#include "data/persons/npc_type.h"
#include "data/player/item_phrase.h"
#include "data/quest.h"
#include "data/rules/race_table.h"
#include "data/rules/skill_table.h"
#include "data/spells/spell_type.h"
#include "engine/base/archive.h"
#include "game/game_data.h"
#include "render/render.h"
#include "screens/play/rain_weather.h"
#include "support/fake_dialog_world.h"
#include "support/map_fixture.h"
#include "support/png_writer.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"
#include "support/test_surface.h"
#include "tools/sampledata/level_writer.h"
#include "tools/sampledata/sample_skies.h"
#include "tools/sampledata/sample_surface.h"
#include "tools/sampledata/world_packages.h"
#include "ui/widgets/item_type_picture.h"

namespace sample_world_test {

namespace {

constexpr int kSouth = 2;

// The game object's tables, filled from the picture package and the base world written into a
// fresh program folder, pictures loaded and slots assigned as a new game does.
class SampleWorldPackagesTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        game.InitTables();
        game.m_moduleContext.folder = &folder;
        game.m_moduleContext.random = &random;
        std::string error;
        ASSERT_TRUE(WriteResourcePackage(folder, error)) << error;
        ASSERT_TRUE(WriteWorldPackage(folder, error)) << error;
        ASSERT_TRUE(game.m_packages.Open("BrimvaleRes")) << game.m_packages.Error().Message();
        ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();
        world = game.m_packages.Current();
        ASSERT_NE(world, nullptr);
        game.LoadTablePictures(nullptr);
        game.BuildTables(nullptr);
    }

    // The map's cells on a grid of the tests' own, the map's cell (0, 0) at the grid's.
    void Load(SMap& map) {
        grid.origins[&map] = {0, 0};
        map.LoadCells(grid, 100);
    }
    const SMapCell& Cell(int x, int y) { return grid.Cell(x, y); }
    static std::string TypeName(const SMapObjectType* type) { return type ? type->m_name.Text() : ""; }

    SFileFolder folder{Folder()};
    SRandom random;
    SGameData game;
    SModule* world = nullptr;
    TestGrid grid;
};

TEST_F(SampleWorldPackagesTest, bothPackagesOpenAndTheWorldIsTheBaseWorld) {
    EXPECT_STREQ(world->Identifier().Text(), "base");
    EXPECT_EQ(game.m_packages.Count(), 2);
}

// Every record the sample writes comes back from the game's loaders and is written again as it was:
// the tables' writers and readers agree on every field the sample data sets.
TEST_F(SampleWorldPackagesTest, theTablesWriteBackWhatWasWritten) {
    const SSamplePackage worldPackage = SampleWorldPackage();
    const SSamplePackage resources = SampleResourcePackage();
    const int version = worldPackage.version;
    EXPECT_EQ(game.m_skyTable.Write(version), resources.tables.at(SModuleTable::Skies));
    EXPECT_EQ(game.m_items.Write(version), worldPackage.tables.at(SModuleTable::Items));
    const std::vector<uint8_t> types =
        WrittenBytes([&](SArchive& archive) { game.m_mapObjectTypes.Write(archive, version); });
    EXPECT_EQ(types, worldPackage.tables.at(SModuleTable::MapObjectTypes)[0]);
    SSampleNames noLoot;
    SWrittenItemNames lootNames(noLoot);
    const SRecordList monsters = {
        WrittenBytes([&](SArchive& archive) { game.m_monsters.WriteBaseTypes(archive, version); }),
        WrittenBytes([&](SArchive& archive) { game.m_monsters.WriteMonsters(archive, version, lootNames); })};
    EXPECT_EQ(monsters, worldPackage.tables.at(SModuleTable::Monsters));
}

// The picture package holds every picture the world's types, its monster and its pictured items
// name, so none of them draws nothing.
TEST_F(SampleWorldPackagesTest, everyPictureTheWorldNamesIsInThePicturePackage) {
    ASSERT_GT(game.m_mapObjectTypes.Count(), 0);
    for (int i = 0; i < game.m_mapObjectTypes.Count(); ++i) {
        SMapObjectType& type = *game.m_mapObjectTypes.GetTypeAt(i);
        SCOPED_TRACE(type.m_name.Text());
        EXPECT_TRUE(type.LoadPictures());
        for (int k = 0; k < type.PictureNameCount(); ++k) {
            if (type.PictureName(k)) {
                EXPECT_NE(game.m_cache.FindPicture(type.PictureName(k)), nullptr) << k;
            }
        }
    }
    ASSERT_GT(game.m_monsters.BaseTypeCount(), 0);
    for (int i = 0; i < game.m_monsters.BaseTypeCount(); ++i) {
        const SMonsterBaseType& type = *game.m_monsters.BaseTypeAt(i);
        EXPECT_EQ(type.Fault(), "");
        for (const SPictureEntry* picture : type.Pictures()) EXPECT_NE(picture, nullptr) << type.m_name.Text();
    }
}

// The item grid shrinks every item picture from 50 x 50, whatever its size, so a picture of another
// size, or none, shows as a black cell; a floor pile shows the same picture.
TEST_F(SampleWorldPackagesTest, everyItemHasAPictureOfTheItemGridsSize) {
    ASSERT_GT(game.m_items.ItemTypeCount(), 0);
    for (int i = 0; i < game.m_items.ItemTypeCount(); ++i) {
        const SItemType& type = *game.m_items.ItemTypeAt(i);
        SCOPED_TRACE(type.m_name.Text());
        const SPictureEntry* picture = ItemTypePicture(game, type);
        ASSERT_NE(picture, nullptr);
        EXPECT_NE(type.m_pictureSlot, 0u);
        EXPECT_EQ(picture->picture.Width(), 50);
        EXPECT_EQ(picture->picture.Height(), 50);
    }
}

// The game names a scroll "Scroll of ...", a wand "Wand of ..." and a spellbook "Spellbook of ...":
// the world gives them the spell's words alone, so that no name says its kind twice.
TEST_F(SampleWorldPackagesTest, magicItemsLeaveTheWordForTheirKindToTheGame) {
    int named = 0;
    for (int i = 0; i < game.m_items.ItemTypeCount(); ++i) {
        const SItemType& type = *game.m_items.ItemTypeAt(i);
        if (type.m_class != kItemMagic) continue;
        SString shown;
        type.GetDisplayName(nullptr, shown, false, game.m_spells);
        const std::string name = shown.Text();
        const std::string kind = name.substr(0, name.find(' '));
        if (kind.empty()) continue;
        ++named;
        EXPECT_EQ(name.find(kind, kind.size()), std::string::npos) << type.m_name.Text() << ": " << name;
    }
    EXPECT_GT(named, 0);
}

// The words a phrase or name of the game puts round an item's name: one of them twice reads "a
// potion of Small healing potion" or "'Book of the Rasvim' book". Plurals count as their word.
int KindWordCount(const std::string& text, const std::string& kind) {
    int count = 0;
    std::string word;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? char(std::tolower(static_cast<unsigned char>(text[i]))) : ' ';
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += c;
            continue;
        }
        if (word == kind || word == kind + "s") ++count;
        word.clear();
    }
    return count;
}

TEST_F(SampleWorldPackagesTest, everyItemsNameReadsWellInTheGamesPhrases) {
    for (int i = 0; i < game.m_items.ItemTypeCount(); ++i) {
        const SItemType& type = *game.m_items.ItemTypeAt(i);
        SString shown, one, several;
        type.GetDisplayName(nullptr, shown, false, game.m_spells);
        FormatItemPhrase(type, 1, one);
        FormatItemPhrase(type, 3, several);
        for (const char* kind : {"potion", "book", "scroll", "wand", "spellbook", "gem", "card", "item"})
            for (const SString* text : {&shown, &one, &several})
                EXPECT_LE(KindWordCount(text->Text(), kind), 1) << type.m_name.Text() << ": " << text->Text();
    }
}

// "You have lost an item of %s.", "You have purchased an item of %s for %u gold.": an item with no
// phrase of its own is named by what it is made of or a plural, as "an item of Iron key" or "an item
// of Silver ring" does not read. A word taken here must read after "an item of".
TEST_F(SampleWorldPackagesTest, everyNameInTheGeneralItemPhraseTakesNoArticle) {
    const std::set<std::string> uncountable = {
        "bread",   "cloth",     "correspondence", "iron",   "ironmongery", "ironwork",  "jewellery",
        "leather", "limewood",  "mail",           "meat",   "oak",         "parchment", "silver",
        "steel",   "stoneware", "water",          "wicker", "yew",
    };
    int general = 0;
    for (int i = 0; i < game.m_items.ItemTypeCount(); ++i) {
        const SItemType& type = *game.m_items.ItemTypeAt(i);
        SString one;
        FormatItemPhrase(type, 1, one);
        if (std::string(one.Text()).rfind("an item of ", 0) != 0) continue;
        ++general;
        std::string last = type.m_displayName.Text();
        last = last.substr(last.rfind(' ') + 1);
        for (char& c : last) c = char(std::tolower(static_cast<unsigned char>(c)));
        const bool plural = last.size() > 2 && last.back() == 's' && last[last.size() - 2] != 's';
        EXPECT_TRUE(plural || uncountable.count(last)) << type.m_name.Text() << ": " << one.Text();
    }
    EXPECT_GT(general, 20);
}

// What an item does is told with the names the player reads: "Cures Cellar rot disease", never the
// world's own name for it ("Cures base_cellarrot disease").
TEST_F(SampleWorldPackagesTest, everyItemsDescriptionNamesThingsAsThePlayerKnowsThem) {
    const SEffectLookups lookups = game.EffectLookups();
    int described = 0;
    for (int i = 0; i < game.m_items.ItemTypeCount(); ++i) {
        const SItemType& type = *game.m_items.ItemTypeAt(i);
        SString out;
        type.GetDescription(nullptr, lookups, game.m_player, 10, false, out);
        EXPECT_EQ(std::string(out.Text()).find("base_"), std::string::npos) << type.m_name.Text() << ": " << out.Text();
        described += out.IsEmpty() ? 0 : 1;
    }
    EXPECT_GT(described, 20);
}

// A sword that weighs "0.0" and a pack of "0.0/165.0" read as a mistake; only gold weighs nothing.
TEST_F(SampleWorldPackagesTest, everyItemButGoldHasAWeight) {
    for (int i = 0; i < game.m_items.ItemTypeCount(); ++i) {
        const SItemType& type = *game.m_items.ItemTypeAt(i);
        EXPECT_TRUE(type.m_class == kItemMoney || type.m_weight > 0) << type.m_name.Text();
    }
}

// A quest's title stands in "The %s quest has been solved.": no article of its own, no owner's
// name ("The Ilse's locket quest").
TEST_F(SampleWorldPackagesTest, everyQuestsTitleReadsWellInTheQuestMessages) {
    const SPtrArray<SQuest>& quests = game.m_questTable.Quests();
    ASSERT_GT(quests.Count(), 0);
    for (int i = 0; i < quests.Count(); ++i) {
        const std::string title = quests[i]->title.Text();
        EXPECT_FALSE(title.rfind("The ", 0) == 0 || title.rfind("A ", 0) == 0) << title;
        EXPECT_EQ(title.find("'s"), std::string::npos) << title;
        EXPECT_EQ(KindWordCount(title, "quest"), 0) << title;
    }
}

// Character creation shows each race's ability and each skill's description from these; without
// them its boxes stay empty.
TEST_F(SampleWorldPackagesTest, everyRaceNamesItsAbilityAndEverySkillIsDescribed) {
    for (int race = 1; race <= 5; ++race) {
        const SRaceDef& entry = *game.m_races.Entry(race);
        const SAbility* ability = game.m_abilities.Find(entry.AbilityName().Text());
        ASSERT_NE(ability, nullptr) << entry.name.Text();
        EXPECT_GT(ability->m_effects.Count(), 0) << entry.name.Text();
        EXPECT_STREQ(entry.AbilityName().Text(), entry.id.Text()) << "the ability a new character gains";
    }
    for (int skill = 1; skill <= 20; ++skill)
        EXPECT_FALSE(game.m_skills.Entry(skill)->furtherText.IsEmpty()) << game.m_skills.Name(skill);
    // The Seiry's quiet feet made them better at Mind Magic.
    const SAbility* seiry = game.m_abilities.Find("base_seiry");
    ASSERT_NE(seiry, nullptr);
    ASSERT_GT(seiry->m_effects.Count(), 0);
    EXPECT_EQ(seiry->m_effects[0]->m_subTarget, game.m_skills.Find("Stealth"));
}

// A wand or scroll of a spell that grows with skill tells the skill level it casts at; the world's
// give one, or their description would read "at skill level 0".
TEST_F(SampleWorldPackagesTest, wandsAndScrollsOfGrowingSpellsCastAtASkillLevel) {
    int growing = 0;
    for (int i = 0; i < game.m_items.ItemTypeCount(); ++i) {
        const SItemType& type = *game.m_items.ItemTypeAt(i);
        if (type.m_class != kItemMagic || (type.m_subtype != kMagicWand && type.m_subtype != kMagicScroll) ||
            !type.m_effects)
            continue;
        for (int k = 0; k < type.m_effects->Count(); ++k) {
            const SEffect& effect = *type.m_effects->Get(k);
            const SSpellType* spell = game.m_spells.FindSpell(effect.m_target.Text());
            if (effect.m_type != kEffectCastSpell || !spell || !spell->HasScaledEffect()) continue;
            ++growing;
            EXPECT_GT(effect.m_magnitudePerLevel, 0) << type.m_name.Text();
        }
    }
    EXPECT_GT(growing, 0);
}

// Whoever the player can talk to says something first: a person without a greeting a newcomer
// hears opens the conversation with "(silence)".
TEST_F(SampleWorldPackagesTest, everyPersonWhoTalksGreetsANewcomer) {
    FakeDialogWorld newcomer;
    int talking = 0;
    for (int i = 0; i < game.m_npcTypes.Count(); ++i) {
        const SNpcType& person = *game.m_npcTypes.At(i);
        if (!person.topics) continue;
        ++talking;
        EXPECT_TRUE(person.FindGreeting(newcomer).has_value()) << person.name.Text();
    }
    EXPECT_GT(talking, 0);
}

// A new character's weapons deal blows, and the blades train and strike with Light Weapon, the
// skill that gives the short sword.
TEST_F(SampleWorldPackagesTest, theKitsWeaponsDealDamageAndTheBladesAreLight) {
    int weapons = 0;
    for (int i = 0; i < game.m_items.ItemTypeCount(); ++i) {
        const SItemType& type = *game.m_items.ItemTypeAt(i);
        if (type.m_class != kItemWeapon) continue;
        ++weapons;
        EXPECT_GT(type.m_minDamage, 0) << type.m_name.Text();
        EXPECT_GE(type.m_maxDamage, type.m_minDamage) << type.m_name.Text();
    }
    EXPECT_GT(weapons, 0);
    for (const char* blade : {"base_weap_shortswordcheap", "base_weap_dirkcheap"})
        EXPECT_NE(game.m_items.FindItemType(blade)->m_flags & kItemLightWeapon, 0) << blade;
}

// The cellar: walls round a floor, meeting in the corners and jutting in east of the start, a
// closed door in the north wall with a banner west of it and a sign east of it, a pile and a
// goblin between the door and the start, which faces north.
TEST_F(SampleWorldPackagesTest, theCellarHoldsEverythingAPlayerLooksAtOnItsCell) {
    SMap* cellar = game.m_packages.FindMap("base_cellar");
    ASSERT_NE(cellar, nullptr);
    EXPECT_FALSE(cellar->IsSurface());
    EXPECT_STREQ(cellar->Title().Text(), "The cellar");
    EXPECT_EQ(cellar->ViewDistance(), 100);
    EXPECT_EQ(cellar->FogColour(), 0x0841);
    EXPECT_EQ(TypeName(cellar->CeilingType()), "base_ceiling");
    EXPECT_EQ(TypeName(cellar->FloorType()), "base_stone");
    Load(*cellar);

    for (auto [x, y] : {std::pair{14, 12}, {22, 12}, {14, 20}, {22, 20}, {20, 17}, {21, 17}, {20, 18}})
        EXPECT_EQ(TypeName(Cell(x, y).centreType), "base_brick") << x << "," << y;

    const SMapCell& door = Cell(18, 14);
    EXPECT_EQ(TypeName(door.centreType), "base_door");
    EXPECT_EQ(TypeName(door.upperType), "base_doorleaf");
    EXPECT_EQ(door.centreExtra, 8) << "facing north, a plain door";
    const SPlacedObject* doorObject = cellar->FindObject(door.centreId);
    ASSERT_NE(doorObject, nullptr);
    EXPECT_EQ(doorObject->flags, SPlacedObject::kVisible | SPlacedObject::kClosed);

    struct WallSide {
        int x;
        const char* type;
        const char* text;
    };
    for (const WallSide& side :
         {WallSide{16, "base_banner", "The banner of Brim Vale."}, WallSide{20, "base_sign", "Mind the goblin."}}) {
        SCOPED_TRACE(side.type);
        const SMapCell& wall = Cell(side.x, 14);
        EXPECT_EQ(TypeName(wall.centreType), "base_brick");
        EXPECT_EQ(TypeName(wall.sides[kSouth].wallType), side.type);
        const SPlacedObject* object = cellar->FindObject(wall.sides[kSouth].objectId);
        ASSERT_NE(object, nullptr);
        EXPECT_STREQ(object->textA.Text(), side.text);
    }

    const SMapCell& start = Cell(18, 19);
    EXPECT_EQ(TypeName(start.centreType), "base_position");
    EXPECT_EQ(start.centreType->m_typeCode, 39);
    EXPECT_EQ(start.centreExtra, 1) << "facing north";
    EXPECT_EQ(cellar->FindObject(start.centreId), cellar->FindObjectByName("base_start"));

    const SItemList* pile = cellar->FindContainer(uint8_t(Cell(17, 18).containerId));
    ASSERT_NE(pile, nullptr);
    std::set<std::string> items;
    for (int i = 0; i < pile->Count(); ++i) items.insert(pile->At(i)->m_type->m_name.Text());
    EXPECT_EQ(items, (std::set<std::string>{"base_water", "base_money_100", "base_alc_alkieberries"}));

    ASSERT_EQ(cellar->Creatures().Count(), 1);
    const SCreature& goblin = *cellar->Creatures()[0];
    EXPECT_EQ(grid.placed, (std::vector<TestGrid::Placed>{{goblin.id, 18, 16}}));
    ASSERT_NE(goblin.monster, nullptr);
    EXPECT_STREQ(goblin.monster->m_displayName.Text(), "Cave goblin");
    EXPECT_FALSE(goblin.IsHostile());
    EXPECT_EQ(goblin.GetHealthPercent(), 100);
}

// No way leads out of the cellar into cells that no map fills: from the start every open cell is
// fenced by walls and the closed door.
TEST_F(SampleWorldPackagesTest, theCellarIsWalledIn) {
    SMap* cellar = game.m_packages.FindMap("base_cellar");
    ASSERT_NE(cellar, nullptr);
    Load(*cellar);
    std::set<std::pair<int, int>> reached;
    std::function<void(int, int)> walk = [&](int x, int y) {
        ASSERT_TRUE(x > 0 && y > 0 && x < SMapGrid::kSize - 1 && y < SMapGrid::kSize - 1);
        const SMapCell& cell = Cell(x, y);
        ASSERT_NE(cell.floorType, nullptr) << "an open cell without a floor at " << x << "," << y;
        if (!reached.insert({x, y}).second) return;
        for (auto [dx, dy] : {std::pair{0, -1}, {1, 0}, {0, 1}, {-1, 0}}) {
            const SMapCell& next = Cell(x + dx, y + dy);
            const SPlacedObject* object = cellar->FindObject(next.centreId);
            if (next.centreType == nullptr || !next.centreType->IsBlocking(object)) walk(x + dx, y + dy);
        }
    };
    walk(18, 19);
    EXPECT_EQ(reached.size(), 31u) << "the room's floor, nothing past the door or up the stairs";
}

// A stair is used from the one open cell in front of it; on every other side lies rock, so that no
// floor past the room shows through the stairs' arch.
TEST_F(SampleWorldPackagesTest, theCellarsStairsStandInTheRock) {
    SMap* cellar = game.m_packages.FindMap("base_cellar");
    ASSERT_NE(cellar, nullptr);
    Load(*cellar);
    int stairs = 0;
    for (int y = 1; y < SMapGrid::kSize - 1; ++y) {
        for (int x = 1; x < SMapGrid::kSize - 1; ++x) {
            if (TypeName(Cell(x, y).centreType) != "base_stairs") continue;
            ++stairs;
            int open = 0;
            for (auto [dx, dy] : {std::pair{0, -1}, {1, 0}, {0, 1}, {-1, 0}}) {
                const SMapCell& next = Cell(x + dx, y + dy);
                const SPlacedObject* object = cellar->FindObject(next.centreId);
                if (next.centreType == nullptr || !next.centreType->IsBlocking(object)) ++open;
            }
            EXPECT_EQ(open, 1) << "the stairs at " << x << "," << y;
        }
    }
    EXPECT_EQ(stairs, 2);
}

// New games begin at "base_start" in the cellar; the surface's own position lies in the middle
// section, on the crossroads' road facing north.
TEST_F(SampleWorldPackagesTest, theStartAndTheSurfacePositionsAreFoundByName) {
    const SFoundObject start = world->FindObject("base_start");
    ASSERT_NE(start.object, nullptr);
    EXPECT_STREQ(start.map->Name(), "base_cellar");

    const SFoundObject surface = world->FindObject(kSurfacePosition);
    ASSERT_NE(surface.object, nullptr);
    EXPECT_STREQ(surface.map->Name(), "base_s0202");
    Load(*surface.map);
    int found = 0;
    for (int y = 0; y < SMap::kSectionCells; ++y) {
        for (int x = 0; x < SMap::kSectionCells; ++x) {
            const SMapCell& cell = Cell(x, y);
            if (cell.centreId != surface.object->id || cell.centreType == nullptr) continue;
            ++found;
            EXPECT_EQ(cell.centreType->m_typeCode, 39);
            EXPECT_EQ(cell.centreExtra & 7, 1) << "facing north";
            EXPECT_EQ(TypeName(cell.floorType), "base_sand");
        }
    }
    EXPECT_EQ(found, 1);
}

// From the middle section the eight around it are found by their offsets, and nothing beyond them.
TEST_F(SampleWorldPackagesTest, theNineSectionsLieRoundTheMiddleOne) {
    SMap* middle = game.m_packages.FindMap("base_s0202");
    ASSERT_NE(middle, nullptr);
    world->SetCurrentMap(middle);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const SMap* section = world->FindNeighbourMap(dx, dy);
            ASSERT_NE(section, nullptr) << dx << "," << dy;
            char name[32];
            std::snprintf(name, sizeof name, "base_s%02d%02d", 2 + dx, 2 + dy);
            EXPECT_STREQ(section->Name(), name);
            EXPECT_TRUE(section->IsSurface()) << name;
            EXPECT_FALSE(section->Title().IsEmpty()) << name;
        }
    }
    EXPECT_EQ(world->FindNeighbourMap(2, 0), nullptr);
    EXPECT_EQ(world->FindNeighbourMap(0, -2), nullptr);
}

// Each section is grass with its road, trees and a ruin; the roads run on from one section into
// the next.
TEST_F(SampleWorldPackagesTest, theSectionsAreFilledAndTheirRoadsJoin) {
    for (const char* name : {"base_s0101", "base_s0202", "base_s0303"}) {
        SCOPED_TRACE(name);
        SMap* section = game.m_packages.FindMap(name);
        ASSERT_NE(section, nullptr);
        grid = {};
        Load(*section);
        std::map<std::string, int> centres;
        for (int y = 0; y < SMap::kSectionCells; ++y) {
            for (int x = 0; x < SMap::kSectionCells; ++x) {
                ASSERT_NE(Cell(x, y).floorType, nullptr) << x << "," << y;
                ++centres[TypeName(Cell(x, y).centreType)];
            }
        }
        EXPECT_GT(centres["base_tree"], 0);
        EXPECT_GT(centres["base_brick"], 0);
    }
    SMap* middle = game.m_packages.FindMap("base_s0202");
    SMap* north = game.m_packages.FindMap("base_s0201");
    grid = {};
    Load(*middle);
    EXPECT_EQ(TypeName(Cell(10, 0).floorType), "base_sand");
    grid = {};
    Load(*north);
    EXPECT_EQ(TypeName(Cell(10, 20).floorType), "base_sand");
}

// The sky table gives every hour and weather roll a sky with a picture; noon and midnight differ in
// fog and picture; the thunder sky is found by its name and never by the hour.
TEST_F(SampleWorldPackagesTest, theSkiesDifferByHourAndWeather) {
    SSkyView thunder;
    ASSERT_TRUE(game.m_skyTable.Get(kThunderSky, thunder));
    EXPECT_NE(thunder.pictureSlot, 0u);
    std::set<uint32_t> pictures;
    for (int hour = 0; hour < 24; ++hour) {
        for (int roll = 0; roll <= 100; ++roll) {
            SSkyView view;
            view.visibility = 255;
            game.m_skyTable.PickForHour(hour, roll, view);
            ASSERT_NE(view.pictureSlot, 0u) << hour << ", " << roll;
            ASSERT_LE(view.visibility, 100) << hour << ", " << roll;
            ASSERT_NE(view.pictureSlot, thunder.pictureSlot) << hour << ", " << roll;
            pictures.insert(view.pictureSlot);
        }
    }
    EXPECT_EQ(pictures.size(), 9u) << "three kinds of hour, three of weather";

    SSkyView noon, midnight, rainyNoon;
    game.m_skyTable.PickForHour(12, 10, noon);
    game.m_skyTable.PickForHour(0, 10, midnight);
    game.m_skyTable.PickForHour(12, 95, rainyNoon);
    EXPECT_NE(noon.fogColour, midnight.fogColour);
    EXPECT_NE(noon.pictureSlot, midnight.pictureSlot);
    EXPECT_GT(noon.visibility, midnight.visibility);
    EXPECT_NE(noon.pictureSlot, rainyNoon.pictureSlot);
    EXPECT_GT(noon.visibility, rainyNoon.visibility);
}

// Every roll that brings rain shows the rainy sky of its hour, the lightest rain as much as the
// heaviest, and no dry roll does: streaks must not fall from a bright sky.
TEST_F(SampleWorldPackagesTest, everyRollThatRainsShowsTheRainySky) {
    for (int hour : {7, 12, 0}) {
        SSkyView downpour;
        game.m_skyTable.PickForHour(hour, 99, downpour);
        for (int roll = 60; roll <= 100; ++roll) {
            SSkyView view;
            game.m_skyTable.PickForHour(hour, roll, view);
            const bool rains = SRainWeather::IntensityOfRoll(roll) > 0;
            EXPECT_EQ(view.pictureSlot == downpour.pictureSlot, rains) << "hour " << hour << ", roll " << roll;
        }
    }
}

// The noon and the midnight sky drawn by the renderer as the surface's sky and fog set them differ.
// With $BRIMVALE_SHOTS set, the frames are written there to be looked at.
TEST_F(SampleWorldPackagesTest, theNoonAndTheNightSkyDrawDifferently) {
    const SSamplePackage resources = SampleResourcePackage();
    std::vector<std::vector<uint16_t>> frames;
    for (int hour : {12, 0}) {
        SSkyView sky;
        game.m_skyTable.PickForHour(hour, 10, sky);
        const SPictureEntry* cached = game.m_cache.Picture(sky.pictureSlot);
        ASSERT_NE(cached, nullptr);
        std::vector<std::unique_ptr<SPictureEntry>> pictures(2);
        pictures[1] = std::make_unique<SPictureEntry>();
        pictures[1]->record = std::make_unique<SPdbRecord>();
        for (const SNamedResource& picture : resources.pictures)
            if (std::string(cached->name.Text()) == picture.name) pictures[1]->record->bytes = picture.bytes;
        SReadError error;
        ASSERT_TRUE(pictures[1]->Bind(pictures[1]->record->bytes, 0, error)) << error.Message();

        SViewDescriptor view;
        view.m_pictures = {pictures.data(), 2};
        view.m_skyPicture = 1;
        view.m_flags = SViewDescriptor::kSky;
        view.m_fogColour = sky.fogColour;
        view.m_viewWidth = 240;
        view.m_viewHeight = 200;
        // The surface's fog and view distances for the sky's visibility, in cells.
        view.m_farDistance = (sky.visibility + (100 - sky.visibility) / 2) * 7 / 100 * SRender::kUnitsPerCell;
        view.m_fogDistance = (hour >= 6 && hour <= 21 ? 2 : 1) * sky.visibility / 100 * SRender::kUnitsPerCell;
        view.m_positionX = view.m_positionY = 10 << 16;
        STestSurface surface(240, 200, 0);
        auto render = std::make_unique<SRender>();
        render->SetView(&view);
        render->SetSurface(&surface.Target());
        render->RenderFrame();
        frames.push_back(surface.Pixels());
        EXPECT_TRUE(WriteShot("sample_sky_hour_" + std::to_string(hour), frames.back(), 240, 200, 240));
    }
    EXPECT_NE(frames[0], frames[1]);
}

}  // namespace

}  // namespace sample_world_test
