#include "tools/sampledata/sample_spell_vendor.h"

#include <string>

#include "data/dialogue/dialog_topic_set.h"
#include "data/items/item_classes.h"
#include "data/items/item_database.h"
#include "data/persons/npc_table.h"
#include "tools/sampledata/sample_dialogue.h"
#include "tools/sampledata/sample_item_types.h"
#include "tools/sampledata/sample_village.h"
#include "tools/sampledata/section_cells.h"

namespace {

constexpr uint8_t kStockLevel = 1;
// She pays at most this for one item.
constexpr uint32_t kMostPaid = 60;
constexpr uint8_t kEnchantingLevel = 10;

const SSampleItemType kBlankScroll[] = {
    {"base_scrblank", "Parchment", kItemMagic, kMagicBlankScroll, 15, 0, 5,
     "Good vellum, waiting for a spell to be written on it."},
};

// What her stall sells: every spellbook of the kit, the scrolls, the wand, the mortar and herbs.
constexpr const char* kWares[] = {
    "base_spbookcurelightwounds", "base_spbookstoneskin",      "base_spbookburninghand", "base_spbookcurse",
    "base_spbookdrainhealth",     "base_spbookfeather",        "base_scrdisarm",         "base_scrblank",
    "base_wand_sparks",           "base_alc_mortarbeginner",   "base_alc_alkieberries",  "base_alc_criminivulgaris",
    "base_alc_ladyslipper",       "base_alc_moonshinemushies", "base_alc_powerberries",  "base_alc_purplefairyring",
};

// Letters 'f' to 'h' of the town's legend: the stall's brick, its counter facing west, and the
// sand before it.
const char* const kLegend = R"(cell f floor=base_grass centre=base_brick
cell g floor=base_sand centre=base_brick wall-w=base_counter wall-w-id=20
cell h floor=base_sand)";

// Her stock lies nowhere on the map, as the other traders' does.
const char* const kObjects = R"(object 20 base_counter text-a=base_orla container=20
container 20 255 0
)";

constexpr int kStallLeft = 17, kStallRight = 19, kStallTop = 2, kStallBottom = 4;
constexpr int kCounterY = 3;
constexpr int kStreetY = 6;

void placeStall(std::string& level) {
    AddSectionLegend(level, kLegend);
    for (int y = kStallTop; y <= kStallBottom; ++y)
        for (int x = kStallLeft; x <= kStallRight; ++x) SetSectionCell(level, x, y, 'f');
    SetSectionCell(level, kStallLeft, kCounterY, 'g');
    // The sand from the street up to the counter.
    for (int y = kCounterY; y < kStreetY; ++y) SetSectionCell(level, kStallLeft - 1, y, 'h');
    level += kObjects;
}

}  // namespace

// Vellum takes as much enchantment as a plain ring.
constexpr uint16_t kBlankScrollStorage = 30;

void AddBlankScroll(SItemDatabase& items) {
    AddSampleItemTypes(items, kBlankScroll);
    if (SItemType* blank = items.FindItemType(kBlankScroll[0].name)) blank->m_enchantCapacity = kBlankScrollStorage;
}

void AddSpellVendorStock(SItemDatabase& items) {
    for (const char* name : kWares)
        if (SItemType* type = items.FindItemType(name)) type->m_level = kStockLevel;
}

void AddSpellVendor(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package) {
    SNpcType& orla = AddSamplePerson(persons, faces, package, kSpellVendor, "bres_orla", "Orla the scribe", 3);
    orla.shopLevel = kStockLevel;
    // Every ware of her level is on the shelf each time the stall restocks.
    orla.classMask = uint16_t(BuiltInItemCategory(kItemMagic).bit | BuiltInItemCategory(kItemAlchemy).bit |
                              BuiltInItemCategory(kItemIngredient).bit | SNpcType::kFullListStock);
    orla.wideValue = kMostPaid;
    // She also enchants, and so recharges the wands she sells.
    orla.smallValues[2] = kEnchantingLevel;
    orla.smallValues[3] = SNpcType::kTrade | SNpcType::kEnchanting;
    orla.topics->AddGreeting(SampleTopic(
        "base_orlahello", "Hello", {{"Spellbooks, scrolls and herbs, %PCName%. Read before you buy, if you can."}}));
    orla.topics->AddTopic(
        SampleTopic("base_orlaspells", "Spells",
                    {{"A spellbook teaches its spell once read: Feather for the traveller, Cure light wounds for the "
                      "careless. A blank scroll takes a spell you know.",
                      "gonext ( ) ;"},
                     {"And the mortar and my herbs make potions, for anyone patient with a pestle."}}));
}

void PlaceSpellVendor(std::vector<SSampleMap>& maps) {
    for (SSampleMap& map : maps)
        if (map.name == kVillageTown) placeStall(map.level);
}
