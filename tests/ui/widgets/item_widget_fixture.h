#pragma once
// Item widgets drawn into memory: the widget fixture with the game's tables, a player attached to
// them, and item types whose inventory pictures the resource cache holds (a solid 50x50 square of
// the type's colour), so that a test can fill a grid from the player's pack and read its cells.
#include <memory>
#include <string>

#include "support/item_records.h"
#include "support/picture_entry.h"
#include "support/pictured_items.h"
#include "widget_fixture.h"

class ItemWidgetTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        game.InitTables();
        game.m_random = std::make_unique<SRandom>();
        game.m_random->Seed(51);
        game.m_player.Attach({&game.m_attributes, &game.m_skills, &game.m_races, &game.m_packages, game.m_random.get(),
                              &game.m_items, &game.m_spells, &game.m_questTable, &game.m_abilities, &game.m_diseases},
                             nullptr, nullptr);
    }

    // A type of the class and subtype worth `value`, drawn as a solid square of the colour when
    // it has one.
    SItemType& addType(const std::string& name, uint8_t kind, uint8_t subkind, uint32_t value, uint16_t colour = 0) {
        return AddPicturedItemType(game, name, kind, subkind, value, colour ? SolidPicture(50, 50, colour) : nullptr);
    }
    // n new items of the type in the pack; the last of them.
    SItem* give(const SItemType& type, int n = 1) { return game.m_player.AddItems(type, n); }

    TestWandPricing wands;
};
