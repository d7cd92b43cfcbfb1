#include "data/player/item_phrase.h"

#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "support/item_records.h"

namespace item_phrase_test {

namespace {

TEST(ItemPhraseTest, phrasesByClassAndCount) {
    struct Case {
        uint8_t itemClass;
        uint8_t subtype;
        const char* displayName;
        uint32_t count;
        const char* phrase;
    };
    const Case cases[] = {
        {kItemMoney, 1, "Gold", 1, "250\t"},
        {kItemMoney, 1, "Gold", 10, "10 items of Gold"},
        {kItemBook, kBookSubtypeBook, "Old Roads", 1, "a book of 'Old Roads'"},
        {kItemBook, kBookSubtypeBook, "Old Roads", 2, "2 books of 'Old Roads'"},
        {kItemBook, 2, "Note", 1, "an item of Note"},
        {kItemPotion, 1, "Healing", 1, "a potion of Healing"},
        {kItemPotion, 1, "Healing", 3, "3 potions of Healing"},
        {kItemGem, 1, "Amethyst", 1, "an Amethyst gem"},
        {kItemGem, 1, "Ruby", 1, "a Ruby gem"},
        {kItemGem, 1, "Ruby", 4, "4 Ruby gems"},
        {kItemMagic, kMagicScroll, "Light", 1, "a scroll of Light"},
        {kItemMagic, kMagicScroll, "Light", 2, "2 scrolls of Light"},
        {kItemMagic, kMagicWand, "Sparks", 1, "a wand of Sparks"},
        {kItemMagic, kMagicWand, "Sparks", 5, "5 wands of Sparks"},
        {kItemMagic, kMagicSpellbook, "Feather", 1, "a spellbook of Feather"},
        {kItemMagic, kMagicSpellbook, "Feather", 2, "2 spellbooks of Feather"},
        {kItemMagic, kMagicBlankScroll, "Parchment", 1, "an item of Parchment"},
        {kItemCard, 1, "Dragon", 1, "a card of 'Dragon'"},
        {kItemCard, 1, "Dragon", 6, "6 cards of 'Dragon'"},
        {kItemWeapon, kWeaponLongSword, "Long sword", 1, "an item of Long sword"},
        {kItemWeapon, kWeaponLongSword, "Long sword", 0, "0 items of Long sword"},
    };
    for (const Case& c : cases) {
        auto type = MakeItemType("base_thing", c.itemClass, c.subtype, c.displayName);
        type->m_baseValue = 250;
        SString out("[");
        FormatItemPhrase(*type, c.count, out);
        EXPECT_EQ(std::string(out.Text()), std::string("[") + c.phrase) << c.phrase;
    }
}

}  // namespace

}  // namespace item_phrase_test
