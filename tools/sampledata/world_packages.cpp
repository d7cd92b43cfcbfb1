#include "tools/sampledata/world_packages.h"

#include <memory>

#include "data/items/item_classes.h"
#include "data/items/item_database.h"
#include "engine/files/file_layer.h"
#include "tools/sampledata/sample_afflictions.h"
#include "tools/sampledata/sample_alchemy.h"
#include "tools/sampledata/sample_ambient_places.h"
#include "tools/sampledata/sample_dungeon.h"
#include "tools/sampledata/sample_ferry.h"
#include "tools/sampledata/sample_first_person.h"
#include "tools/sampledata/sample_item_types.h"
#include "tools/sampledata/sample_kit.h"
#include "tools/sampledata/sample_merchant_places.h"
#include "tools/sampledata/sample_merchants.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sample_people.h"
#include "tools/sampledata/sample_quests.h"
#include "tools/sampledata/sample_rite_scrolls.h"
#include "tools/sampledata/sample_rules.h"
#include "tools/sampledata/sample_scenes.h"
#include "tools/sampledata/sample_skies.h"
#include "tools/sampledata/sample_spell_vendor.h"
#include "tools/sampledata/sample_spells.h"
#include "tools/sampledata/sample_start_room.h"
#include "tools/sampledata/sample_surface.h"
#include "tools/sampledata/sample_village.h"
#include "tools/sampledata/sample_village_quest.h"
#include "tools/sampledata/sample_world_art.h"
#include "tools/sampledata/sample_world_scripts.h"
#include "tools/sampledata/sample_world_types.h"
#include "tools/sampledata/world_map_art.h"

namespace {

// A name the game gives no phrase of its own ("a potion of %s") stands in "an item of %s", so it
// says what the thing is made of or is a plural: "an item of Notched steel", not "of Short sword".
// Weights are in hundredths: a sword 3.0, scale mail 15.0, a potion 0.3.
const SSampleItemType kKitItems[] = {
    {"base_race_rasvim_book", "The Rasvim", kItemBook, kBookSubtypeBook, 0, 0, 100},
    {"base_race_etherim_book", "The Etherim", kItemBook, kBookSubtypeBook, 0, 0, 100},
    {"base_race_seiry_book", "The Seiry", kItemBook, kBookSubtypeBook, 0, 0, 100},
    {"base_race_derth_book", "The Derth", kItemBook, kBookSubtypeBook, 0, 0, 100},
    {"base_race_nogur_book", "The Nogur", kItemBook, kBookSubtypeBook, 0, 0, 100},
    {"base_phealsmall", "Healing", kItemPotion, 1, 20, 0, 30},
    {"base_punholysmall", "Unholy power", kItemPotion, 1, 20, 0, 30},
    {"base_pmanasmall", "Mana", kItemPotion, 1, 20, 0, 30},
    {"base_bread", "Bread", kItemComestible, kComestibleFood, 2, 0, 50},
    {"base_water", "Water", kItemComestible, kComestibleWater, 1, 0, 50},
    {"base_rottenmeat", "Rotten meat", kItemComestible, kComestibleFood, 1, kItemSpoilt, 50},
    {"base_stalewater", "Stale water", kItemComestible, kComestibleWater, 1, kItemSpoilt, 50},
    {"base_boots_fur", "Fur boots", kItemLightArmour, kArmourBoots, 10, 0, 200},
    {"base_shield_smallwooden", "Woven wicker", kItemLightArmour, kArmourShield, 10, 0, 400},
    {"base_shield_woodenround", "Banded limewood", kItemLightArmour, kArmourShield, 15, 0, 600},
    {"base_weap_shortswordcheap", "Notched steel", kItemWeapon, kWeaponShortSword, 20, kItemLightWeapon, 300},
    {"base_weap_greatcudgel2", "Knotted oak", kItemWeapon, kWeaponClub, 15, 0, 700},
    {"base_weap_dirkcheap", "Cold iron", kItemWeapon, kWeaponShortSword, 10, kItemLightWeapon, 100},
    {"base_mail_frayedleather", "Frayed leather", kItemLightArmour, kArmourBody, 20, 0, 800},
    {"base_mail_scalecheap", "Cheap scale mail", kItemHeavyArmour, kArmourBody, 40, 0, 1500},
    {"base_weap_shortbowcheap", "Hunter's yew", kItemWeapon, kWeaponShortBow, 25, 0, 200},
    {"base_quiver_cheap", "Cheap arrows", kItemWeapon, kWeaponQuiver, 5, 0, 100},
    {"base_spbookcurelightwounds", "Cure light wounds", kItemMagic, kMagicSpellbook, 50, 0, 100},
    {"base_spbookstoneskin", "Stone skin", kItemMagic, kMagicSpellbook, 50, 0, 100},
    {"base_spbookburninghand", "Burning hand", kItemMagic, kMagicSpellbook, 50, 0, 100},
    {"base_spbookcurse", "Curse", kItemMagic, kMagicSpellbook, 50, 0, 100},
    {"base_spbookdrainhealth", "Drain health", kItemMagic, kMagicSpellbook, 50, 0, 100},
    {"base_spbookfeather", "Feather", kItemMagic, kMagicSpellbook, 50, 0, 100},
    {"base_repair_hammerapprentice", "Apprentice's tools", kItemRepair, 1, 10, 0, 150},
    {"base_money_100", "100 gold", kItemMoney, 1, 100},
    {"base_gem_amethyst", "Amethyst", kItemGem, 1, 60, 0, 10},
    {"base_alc_mortarbeginner", "Beginner's stoneware", kItemAlchemy, 1, 20, 0, 150},
    {"base_alc_alkieberries", "Alkie berries", kItemIngredient, 1, 2, 0, 10},
    {"base_alc_criminivulgaris", "Criminis vulgaris", kItemIngredient, 1, 2, 0, 10},
    {"base_alc_ladyslipper", "Lady slipper petals", kItemIngredient, 1, 2, 0, 10},
    {"base_alc_moonshinemushies", "Moonshine mushrooms", kItemIngredient, 1, 2, 0, 10},
    {"base_alc_powerberries", "Power berries", kItemIngredient, 1, 2, 0, 10},
    {"base_alc_purplefairyring", "Purple fairy caps", kItemIngredient, 1, 2, 0, 10},
    {"base_key_lockpickbeginner", "Beginner's lockpicks", kItemKey, kKeySubtypeLockpick, 10, 0, 10},
    {"base_scrdisarm", "Disarming", kItemMagic, kMagicScroll, 30, 0, 10},
    {"base_robe_clothcape", "Homespun cloth", kItemLightArmour, kArmourCloak, 10, 0, 150},
};

bool writePackage(const SSamplePackage& package, const SFileFolder& folder, const char* fileName, std::string& error) {
    if (package.Write(folder, fileName, &error)) return true;
    error = "cannot write " + folder.Resolve((std::string(fileName) + ".pdb").c_str()) +
            (error.empty() ? "" : ": " + error);
    return false;
}

SSamplePackage worldPackage() {
    SSamplePackage package;
    package.identifier = "base";
    package.name = "Brim Vale";
    package.mapPrefix = "base_s";
    SItemDatabase items;
    AddSampleItemTypes(items, kKitItems);
    AddLocketItem(items);
    AddBlankScroll(items);
    AddDungeonItems(items);
    AddSampleKitItems(items);
    AddAfflictionItems(items);
    AddRiteScrolls(items);
    AddSampleStock(items);
    AddSpellVendorStock(items);
    AddAlchemyEffects(items);
    AddFirstPersonSprites(items);
    AddSampleSpells(package, items);
    package.tables[SModuleTable::Items] = items.Write(package.version);
    AddSampleWorldTypes(package);
    AddSampleWorldScripts(package);
    AddSampleQuests(package);
    AddSampleAfflictions(package);
    AddSampleRules(package);
    AddAlchemyRecipes(package);
    package.maps = SampleSurfaceSections();
    AddVillage(package.maps);
    AddFerryLanding(package.maps);
    package.maps.push_back(SampleStartRoom());
    AddSampleChest(package.maps.back());
    AddAfflictionLoot(package.maps.back());
    AddRiteCasket(package.maps.back());
    package.maps.push_back(SampleDungeon());
    AddDungeonEntrance(package.maps);
    AddAmbientPlaces(package.maps);
    PlaceSampleMerchants(package.maps);
    PlaceSpellVendor(package.maps);
    AddSamplePeople(package);
    package.valueA = kSurfaceSections;
    package.valueB = kSurfaceSections;
    package.packagePicture = WorldMapPicture(package.maps, package.mapPrefix, package.valueA, package.valueB);
    return package;
}

SSamplePackage resourcePackage() {
    SSamplePackage package;
    package.identifier = "bres";
    package.name = "Brim Vale pictures";
    AddSampleIntro(package);
    AddWorldPictures(package);
    AddVillagePictures(package);
    AddSampleKitPictures(package);
    AddFirstPersonPictures(package);
    AddSpellPictures(package);
    AddDungeonPictures(package);
    AddSampleSkies(package);
    return package;
}

// Both packages come out the same at every call, and the tests write them for nearly every case,
// so each is built once per process.
const SSamplePackage& builtWorldPackage() {
    static const SSamplePackage package = worldPackage();
    return package;
}

const SSamplePackage& builtResourcePackage() {
    static const SSamplePackage package = resourcePackage();
    return package;
}

}  // namespace

SSamplePackage SampleWorldPackage() { return builtWorldPackage(); }

bool WriteWorldPackage(const SFileFolder& folder, std::string& error) {
    return writePackage(builtWorldPackage(), folder, "Brimvale", error);
}

SSamplePackage SampleResourcePackage() { return builtResourcePackage(); }

bool WriteResourcePackage(const SFileFolder& folder, std::string& error) {
    return writePackage(builtResourcePackage(), folder, "BrimvaleRes", error);
}
