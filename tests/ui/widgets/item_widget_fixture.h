#pragma once
// Item widgets drawn into memory: the widget fixture with the game's tables, a player attached to
// them, and item types whose inventory pictures the resource cache holds (a solid 50x50 square of
// the type's colour), so that a test can fill a grid from the player's pack and read its cells.
#include <memory>
#include <string>

#include "support/item_records.h"
#include "support/picture_entry.h"
#include "widget_fixture.h"

class ItemWidgetTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        game.InitTables();
        game.m_random = std::make_unique<SRandom>();
        game.m_random->Seed(51);
        game.m_player.Attach({&game.m_attributes, &game.m_skills, &game.m_races, &game.m_packages,
                              game.m_random.get(), &game.m_items, &game.m_spells, &game.m_questTable,
                              &game.m_abilities, &game.m_diseases},
                             nullptr, nullptr);
    }

    // A type of the class and subtype worth `value`, with its picture chain (equipment record,
    // item picture record, cache picture) in place when it has a colour.
    SItemType& addType(const std::string& name, uint8_t kind, uint8_t subkind, uint32_t value, uint16_t colour = 0) {
        auto type = MakeItemType(name.c_str(), kind, subkind);
        type->m_baseValue = value;
        if (colour != 0) {
            const std::string equipName = name + "_eq", pictureName = name + "_pic";
            type->m_equipName.Assign(equipName.c_str());
            auto equipment = std::make_unique<SEquipPicture>();
            equipment->m_name.Set(equipName.c_str());
            equipment->m_pictureName.Assign(pictureName.c_str());
            game.m_items.Equipment().Add(std::move(equipment));
            auto record = std::make_unique<SItemPicture>();
            record->m_name.SetOwned();
            record->m_name.Set(pictureName.c_str());
            game.m_items.Pictures().Add(std::move(record));
            auto picture = SolidPicture(50, 50, colour);
            picture->name.SetOwned();
            picture->name.Set(pictureName.c_str());
            game.m_cache.AddPicture(std::move(picture));
        }
        game.m_items.AddItemType(std::move(type));
        return *game.m_items.FindItemType(name.c_str());
    }
    // n new items of the type in the pack; the last of them.
    SItem* give(const SItemType& type, int n = 1) { return game.m_player.AddItems(type, n); }

    TestWandPricing wands;
};
