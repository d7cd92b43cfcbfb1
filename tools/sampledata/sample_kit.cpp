#include "tools/sampledata/sample_kit.h"

#include <memory>
#include <string>

#include "data/effects/effect.h"
#include "data/effects/effect_list.h"
#include "data/items/item_classes.h"
#include "data/items/item_database.h"
#include "tools/sampledata/art_canvas.h"
#include "tools/sampledata/sample_item_types.h"
#include "tools/sampledata/sample_package.h"

namespace {

const uint16_t kGround = ArtColour(24, 22, 28);

enum class Shape {
    kBlade,
    kClub,
    kBow,
    kQuiver,
    kArmour,
    kShield,
    kBoots,
    kCape,
    kRing,
    kBook,
    kLetter,
    kMap,
    kMortar,
    kHerb,
    kPotion,
    kScroll,
    kWand,
    kCoins,
    kPick,
    kHammer,
    kBread,
    kGem,
    kAnvil,
    kLocket,
    kKey,
};

struct KitPicture {
    const char* item;
    const char* picture;
    Shape shape;
    uint8_t red, green, blue;
};

// Every item the world holds: the kit, the chest, the cellar's pile, the shops and the dungeon.
const KitPicture kPictures[] = {
    {"base_water", "bres_kit_water", Shape::kPotion, 70, 130, 220},
    {"base_money_100", "bres_kit_money_100", Shape::kCoins, 230, 190, 60},
    {"base_alc_alkieberries", "bres_kit_alc_alkieberries", Shape::kHerb, 120, 50, 150},
    {"base_key_irondoor", "bres_kit_key_irondoor", Shape::kKey, 120, 120, 130},
    {"base_race_rasvim_book", "bres_kit_race_rasvim_book", Shape::kBook, 150, 60, 50},
    {"base_race_etherim_book", "bres_kit_race_etherim_book", Shape::kBook, 60, 90, 160},
    {"base_race_seiry_book", "bres_kit_race_seiry_book", Shape::kBook, 60, 140, 80},
    {"base_race_derth_book", "bres_kit_race_derth_book", Shape::kBook, 140, 110, 60},
    {"base_race_nogur_book", "bres_kit_race_nogur_book", Shape::kBook, 110, 60, 140},
    {"base_book_blocking", "bres_kit_book_blocking", Shape::kBook, 180, 150, 60},
    {"base_phealsmall", "bres_kit_phealsmall", Shape::kPotion, 210, 50, 50},
    {"base_punholysmall", "bres_kit_punholysmall", Shape::kPotion, 120, 200, 60},
    {"base_pmanasmall", "bres_kit_pmanasmall", Shape::kPotion, 60, 90, 220},
    {"base_bread", "bres_kit_bread", Shape::kBread, 200, 150, 80},
    {"base_rottenmeat", "bres_kit_rottenmeat", Shape::kBread, 110, 90, 60},
    {"base_stalewater", "bres_kit_stalewater", Shape::kPotion, 110, 130, 110},
    {"base_boots_fur", "bres_kit_boots_fur", Shape::kBoots, 140, 100, 60},
    {"base_shield_smallwooden", "bres_kit_shield_smallwooden", Shape::kShield, 150, 100, 50},
    {"base_shield_woodenround", "bres_kit_shield_woodenround", Shape::kShield, 170, 120, 60},
    {"base_weap_shortswordcheap", "bres_kit_weap_shortswordcheap", Shape::kBlade, 200, 200, 210},
    {"base_weap_greatcudgel2", "bres_kit_weap_greatcudgel2", Shape::kClub, 130, 90, 50},
    {"base_weap_dirkcheap", "bres_kit_weap_dirkcheap", Shape::kBlade, 170, 170, 160},
    {"base_mail_frayedleather", "bres_kit_mail_frayedleather", Shape::kArmour, 150, 100, 60},
    {"base_mail_scalecheap", "bres_kit_mail_scalecheap", Shape::kArmour, 150, 160, 170},
    {"base_weap_shortbowcheap", "bres_kit_weap_shortbowcheap", Shape::kBow, 160, 110, 50},
    {"base_quiver_cheap", "bres_kit_quiver_cheap", Shape::kQuiver, 120, 80, 40},
    {"base_spbookcurelightwounds", "bres_kit_spbookcurelightwounds", Shape::kBook, 230, 230, 240},
    {"base_spbookstoneskin", "bres_kit_spbookstoneskin", Shape::kBook, 140, 140, 140},
    {"base_spbookburninghand", "bres_kit_spbookburninghand", Shape::kBook, 230, 90, 30},
    {"base_spbookcurse", "bres_kit_spbookcurse", Shape::kBook, 90, 40, 120},
    {"base_spbookdrainhealth", "bres_kit_spbookdrainhealth", Shape::kBook, 60, 60, 60},
    {"base_spbookfeather", "bres_kit_spbookfeather", Shape::kBook, 130, 200, 230},
    {"base_repair_hammerapprentice", "bres_kit_repair_hammerapprentice", Shape::kHammer, 160, 160, 170},
    {"base_gem_amethyst", "bres_kit_gem_amethyst", Shape::kGem, 170, 80, 210},
    {"base_alc_mortarbeginner", "bres_kit_alc_mortarbeginner", Shape::kMortar, 170, 170, 160},
    {"base_alc_criminivulgaris", "bres_kit_alc_criminivulgaris", Shape::kHerb, 80, 160, 60},
    {"base_alc_ladyslipper", "bres_kit_alc_ladyslipper", Shape::kHerb, 220, 180, 60},
    {"base_alc_moonshinemushies", "bres_kit_alc_moonshinemushies", Shape::kHerb, 200, 200, 230},
    {"base_alc_powerberries", "bres_kit_alc_powerberries", Shape::kHerb, 200, 40, 60},
    {"base_alc_purplefairyring", "bres_kit_alc_purplefairyring", Shape::kHerb, 150, 60, 190},
    {"base_key_lockpickbeginner", "bres_kit_key_lockpickbeginner", Shape::kPick, 190, 190, 200},
    {"base_scrdisarm", "bres_kit_scrdisarm", Shape::kScroll, 230, 210, 160},
    {"base_robe_clothcape", "bres_kit_robe_clothcape", Shape::kCape, 60, 80, 150},
    {"base_ring_copper", "bres_kit_ring_copper", Shape::kRing, 210, 120, 60},
    {"base_ring_silver", "bres_kit_ring_silver", Shape::kRing, 210, 210, 220},
    {"base_letter_welcome", "bres_kit_letter_welcome", Shape::kLetter, 240, 230, 200},
    {"base_map_cellar", "bres_kit_map_cellar", Shape::kMap, 220, 200, 150},
    {"base_wand_sparks", "bres_kit_wand_sparks", Shape::kWand, 120, 80, 40},
    {"base_misc_anvil", "bres_kit_misc_anvil", Shape::kAnvil, 90, 90, 100},
    {"base_scrblank", "bres_kit_scrblank", Shape::kScroll, 240, 236, 220},
    {"base_quest_silverlocket", "bres_kit_quest_silverlocket", Shape::kLocket, 200, 200, 215},
};

const SSampleItemType kKitItems[] = {
    {"base_ring_copper", "Copper jewellery", kItemAccessory, kAccessoryRing, 40, 0, 10, nullptr},
    {"base_ring_silver", "Silver jewellery", kItemAccessory, kAccessoryRing, 90, 0, 10, nullptr},
    {"base_book_blocking", "On Blocking", kItemBook, kBookSubtypeBook, 30, 0, 100,
     "Hold the shield a hand's breadth from the body, and meet the blow before it lands."},
    {"base_letter_welcome", "Correspondence", kItemBook, 2, 1, 0, 5,
     "Friend, the cellar door sticks. Push, then lift. The chest is yours. - M."},
    {"base_map_cellar", "Cellar plans", kItemBook, 3, 5, 0, 5,
     "A room below ground, a door to the north, and a goblin drawn with a question mark."},
    {"base_wand_sparks", "Sparks", kItemMagic, kMagicWand, 120, 0, 50, nullptr},
    // Heavier than a new character can carry unburdened, but not so heavy that it cannot move with
    // the rest of the chest.
    {"base_misc_anvil", "Smith's ironwork", kItemMiscellaneous, 1, 60, 0, 17000, nullptr},
};

// The chest holds one item of every class the pack knows, and two of one scroll so that the spell
// book groups them.
constexpr const char* kChest[] = {
    "base_weap_shortswordcheap",
    "base_weap_shortbowcheap",
    "base_quiver_cheap",
    "base_mail_frayedleather",
    "base_shield_smallwooden",
    "base_ring_copper",
    "base_ring_silver",
    "base_book_blocking",
    "base_spbookfeather",
    "base_letter_welcome",
    "base_map_cellar",
    "base_alc_mortarbeginner",
    "base_alc_powerberries",
    "base_phealsmall",
    "base_scrdisarm",
    "base_scrdisarm",
    "base_wand_sparks",
    "base_money_100",
    "base_key_lockpickbeginner",
    "base_repair_hammerapprentice",
    "base_misc_anvil",
};

// Blocking is skill 1; the book raises it by 2.
constexpr uint8_t kBlockSkill = 1;
constexpr int16_t kBookLesson = 2;
// What the kit's weapons deal a blow: enough that the cellar's goblin falls in a few.
struct KitWeapon {
    const char* item;
    uint16_t minDamage, maxDamage;
};
constexpr KitWeapon kKitWeapons[] = {
    {"base_weap_shortswordcheap", 2, 5}, {"base_weap_dirkcheap", 1, 4}, {"base_weap_greatcudgel2", 3, 7},
    {"base_weap_shortbowcheap", 2, 5},   {"base_quiver_cheap", 1, 3},
};
// A full wand of Sparks throws the burning hand this many times before it needs recharging.
constexpr int16_t kSparksCharges = 5;

std::unique_ptr<SEffectList> oneEffect(uint8_t type, int16_t magnitude, uint8_t subTarget, const char* target) {
    auto effect = std::make_unique<SEffect>();
    effect->m_type = type;
    effect->m_baseMagnitude = magnitude;
    effect->m_subTarget = subTarget;
    effect->m_source = kSourceConstant;
    effect->m_target.Assign(target);
    auto list = std::make_unique<SEffectList>();
    list->Add(std::move(effect));
    return list;
}

void addKitTypes(SItemDatabase& items) {
    AddSampleItemTypes(items, kKitItems);
    if (SItemType* book = items.FindItemType("base_book_blocking"))
        book->m_effects = oneEffect(kEffectFortifySkill, kBookLesson, kBlockSkill, "");
    for (const KitWeapon& weapon : kKitWeapons)
        if (SItemType* type = items.FindItemType(weapon.item)) {
            type->m_minDamage = weapon.minDamage;
            type->m_maxDamage = weapon.maxDamage;
        }
    if (SItemType* wand = items.FindItemType("base_wand_sparks")) {
        wand->m_effects = oneEffect(kEffectCastSpell, kSparksCharges, 0, "base_spellburninghand");
        wand->m_effects->Get(0)->m_magnitudePerLevel = kSampleWandSkill;
    }
    // The spellbook of the kit teaches the Feather spell wherever the world has it.
    if (SItemType* spellbook = items.FindItemType("base_spbookfeather")) {
        spellbook->m_effects = oneEffect(kEffectCastSpell, 0, 0, "base_spellfeather");
        spellbook->m_firstText.Assign("Feather: the body weighs as a bird's, and the pack with it.");
    }
}

void drawShape(SArtCanvas& art, Shape shape, uint16_t colour) {
    const uint16_t dark = ArtShade(colour, 55), light = ArtShade(colour, 140);
    const uint16_t wood = ArtColour(120, 80, 40), ink = ArtColour(40, 30, 20);
    switch (shape) {
        case Shape::kBlade:
            art.Line(12, 38, 36, 12, 5, colour);
            art.Line(10, 30, 20, 40, 3, ArtColour(180, 150, 60));
            art.Line(8, 42, 14, 36, 4, wood);
            break;
        case Shape::kClub:
            art.Line(12, 40, 32, 16, 5, wood);
            art.Disc(34, 14, 8, colour);
            break;
        case Shape::kBow:
            for (int i = 0; i < 12; ++i)
                art.Line(14 + i * 1.6, 8 + i * 3, 14 + (i + 1) * 1.6, 8 + (i + 1) * 3, 3, colour);
            art.Line(14, 8, 14, 44, 1, light);
            break;
        case Shape::kQuiver:
            art.Fill(18, 16, 14, 28, colour);
            for (int x : {20, 25, 30}) art.Line(x, 16, x - 2, 6, 1.5, light);
            break;
        case Shape::kArmour:
            art.Fill(14, 12, 22, 28, colour);
            art.Fill(8, 12, 8, 12, colour);
            art.Fill(34, 12, 8, 12, colour);
            art.Fill(21, 12, 8, 6, dark);
            break;
        case Shape::kShield:
            art.Disc(25, 25, 17, colour);
            art.Disc(25, 25, 5, light);
            break;
        case Shape::kBoots:
            art.Fill(14, 10, 10, 26, colour);
            art.Fill(14, 32, 22, 8, colour);
            break;
        case Shape::kCape: art.Triangle(25, 8, 8, 42, 42, 42, colour); break;
        case Shape::kRing:
            art.Disc(25, 28, 12, colour);
            art.Disc(25, 28, 8, kGround);
            art.Disc(25, 15, 4, ArtColour(120, 200, 230));
            break;
        case Shape::kBook:
            art.Fill(12, 10, 26, 32, colour);
            art.Fill(12, 10, 4, 32, dark);
            art.Fill(20, 16, 14, 3, light);
            break;
        case Shape::kLetter:
            art.Fill(10, 14, 30, 22, colour);
            art.Line(10, 14, 25, 27, 1.5, ink);
            art.Line(40, 14, 25, 27, 1.5, ink);
            break;
        case Shape::kMap:
            art.Fill(10, 10, 30, 30, colour);
            art.Line(14, 34, 24, 20, 1.5, ArtColour(180, 40, 40));
            art.Line(24, 20, 36, 16, 1.5, ArtColour(180, 40, 40));
            break;
        case Shape::kMortar:
            art.Fill(12, 24, 26, 14, colour);
            art.Line(30, 30, 38, 8, 3, dark);
            break;
        case Shape::kHerb:
            art.Line(25, 42, 25, 18, 2, ArtColour(60, 120, 40));
            art.Disc(18, 22, 6, colour);
            art.Disc(32, 20, 6, colour);
            art.Disc(25, 12, 6, colour);
            break;
        case Shape::kPotion:
            art.Disc(25, 30, 12, colour);
            art.Fill(21, 10, 8, 10, light);
            art.Fill(20, 8, 10, 3, wood);
            break;
        case Shape::kScroll:
            art.Fill(12, 14, 26, 22, colour);
            art.Disc(12, 25, 5, dark);
            art.Disc(38, 25, 5, dark);
            break;
        case Shape::kWand:
            art.Line(12, 40, 36, 12, 3, colour);
            art.Disc(37, 11, 4, ArtColour(250, 220, 80));
            break;
        case Shape::kCoins:
            for (int i = 0; i < 3; ++i) art.Disc(18 + i * 7, 30 - i * 5, 9, colour);
            break;
        case Shape::kPick:
            art.Line(10, 25, 38, 25, 2, colour);
            art.Line(38, 25, 38, 18, 2, colour);
            art.Disc(10, 25, 5, dark);
            break;
        case Shape::kHammer:
            art.Line(16, 40, 30, 16, 4, wood);
            art.Fill(22, 8, 20, 10, colour);
            break;
        case Shape::kBread: art.Disc(25, 27, 14, colour); break;
        case Shape::kGem:
            art.Triangle(25, 10, 12, 26, 38, 26, colour);
            art.Triangle(12, 26, 38, 26, 25, 42, dark);
            break;
        case Shape::kAnvil:
            art.Fill(8, 14, 34, 8, colour);
            art.Triangle(8, 14, 8, 22, 2, 14, colour);
            art.Fill(18, 22, 14, 10, dark);
            art.Fill(12, 32, 26, 8, colour);
            break;
        case Shape::kLocket:
            // An oval on a broken chain.
            art.Line(14, 6, 25, 16, 1.5, light);
            art.Line(36, 8, 31, 14, 1.5, light);
            art.Disc(25, 29, 11, colour);
            art.Disc(25, 29, 7, dark);
            art.Disc(25, 29, 4, colour);
            break;
        case Shape::kKey:
            // A ring bow, a long shank and a toothed bit.
            art.Disc(14, 25, 8, colour);
            art.Disc(14, 25, 4, kGround);
            art.Line(22, 25, 42, 25, 4, colour);
            art.Fill(34, 27, 4, 8, colour);
            art.Fill(40, 27, 3, 6, dark);
            break;
    }
}

}  // namespace

void AddSampleKitItems(SItemDatabase& items) {
    addKitTypes(items);
    for (const KitPicture& kit : kPictures) {
        SItemType* type = items.FindItemType(kit.item);
        if (type == nullptr || !type->m_equipName.IsEmpty()) continue;
        type->m_equipName.Assign(kit.item);
        auto equipment = std::make_unique<SEquipPicture>();
        equipment->m_name.Set(kit.item);
        equipment->m_pictureName.Assign(kit.picture);
        items.Equipment().Add(std::move(equipment));
        auto record = std::make_unique<SItemPicture>();
        record->m_name.Set(kit.picture);
        items.Pictures().Add(std::move(record));
    }
}

void AddSampleKitPictures(SSamplePackage& resources) {
    for (const KitPicture& kit : kPictures) {
        // 50 pixels square on the item grid's dark ground, as the large screens draw items; the small
        // ones shrink them. In blocks of 2 x 2, the ground of the top left corner comes first and
        // is block 0: the inventory draws it, the 3-D view leaves it out round an item on the floor.
        SArtCanvas art(50, 50, kGround);
        drawShape(art, kit.shape, ArtColour(kit.red, kit.green, kit.blue));
        resources.pictures.push_back({kit.picture, art.BlockRecord()});
    }
}

void AddSampleChest(SSampleMap& cellar) {
    std::string loot;
    for (const char* item : kChest) loot += (loot.empty() ? "" : ",") + std::string(item);
    // Beside the start, west of it.
    cellar.level += "container 2 16 19 loot=" + loot + "\n";
}
