// Containers, shelves, signs and character objects on wall sides; tables and stands in the middle
// of a cell; what using and attacking them does.
#include <gtest/gtest.h>

#include <memory>

#include "data/effects/effect.h"
#include "data/map_objects/map_object_play_fixture.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map.h"
#include "data/spells/spell_type.h"

namespace {

class FurnitureTest : public MapObjectPlayTest {
protected:
    void Fire(const char* name, uint32_t event, SPlacedObject* object, bool expectChanged = false) {
        bool changed = false;
        EXPECT_EQ(Type(name).OnEvent(event, &map, object, nullptr, 3, 4, changed), 0) << name;
        EXPECT_EQ(changed, expectChanged) << name << " " << event;
    }
    SSideOverlayRecord Side(const char* name, SMapCell& wall, int side) {
        SSideOverlayRecord record;
        uint16_t light = 256;
        Type(name).BuildSideRecord(nullptr, wall, side, record, light);
        return record;
    }

    SMap map{nullptr};
};

// Side 2 is seen from the cell in front at entry 0, and placed on that face.
TEST_F(FurnitureTest, wallMountedFurnitureShowsOnItsSide) {
    struct Row {
        const char* name;
        int picture;
        bool flagged;  // placed by PackPlacementFlagged, else by PackPlacement and standing out
        int oblique;   // 0 for none
        uint16_t drawCode;
    };
    const Row rows[] = {
        {"chest", 1, true, 0, 13},
        {"shelf", 2, false, 3, 31},
        {"npc", 5, true, 0, 26},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SMapObjectType& type = Type(row.name);
        type.m_placeA = 12;
        type.m_placeB = 7;
        type.m_place[3] = 20;
        SMapCell wall = SideCell(row.name, 2);
        const SSideOverlayRecord record = Side(row.name, wall, 2);
        const uint16_t placement =
            row.flagged ? PackPlacementFlagged(0, SizeOf(row.picture), false, 12, 7)
                        : uint16_t(PackPlacement(0, SizeOf(row.picture), 12, 20) | SSideOverlayRecord::kProjecting);
        EXPECT_EQ(record.m_position[0], placement);
        EXPECT_EQ(record.m_picture[0], Picture(row.picture));
        EXPECT_EQ(record.m_obliquePicture[0], row.oblique ? Picture(row.oblique) : 0);
        EXPECT_EQ(record.m_palette[0], wallPalette.slot);
        EXPECT_EQ(record.m_drawCode[0], row.drawCode);
        EXPECT_EQ(record.m_picture[1] | record.m_picture[2] | record.m_picture[3], 0);
    }
}

// A sign that is the side's wall takes the wall's arrays; one hung on another wall the
// decoration's.
TEST_F(FurnitureTest, aSignIsTheWallOrHangsOnIt) {
    Type("sign").m_placeA = 9;
    Type("sign").m_placeB = 4;
    const uint16_t placement = PackPlacementFlagged(3, SizeOf(4), false, 9, 4);
    SMapCell own = SideCell("sign", 1);
    SSideOverlayRecord record = Side("sign", own, 1);
    EXPECT_EQ(record.m_position[3], placement);
    EXPECT_EQ(record.m_picture[3], Picture(4));
    EXPECT_EQ(record.m_obliquePicture[3], 0);
    EXPECT_EQ(record.m_palette[3], wallPalette.slot);
    EXPECT_EQ(record.m_secondPicture[3], 0);

    SMapCell hung = SideCell("wall", 1);
    hung.sides[1].decorationType = &Type("sign");
    record = Side("sign", hung, 1);
    EXPECT_EQ(record.m_picture[3], 0);
    EXPECT_EQ(record.m_secondPosition[3], placement);
    EXPECT_EQ(record.m_secondPicture[3], Picture(4));
    EXPECT_EQ(record.m_secondPalette[3], decorationPalette.slot);
}

TEST_F(FurnitureTest, usedStorageOpensItsItems) {
    SPlacedObject chest, shelf;
    Fire("chest", kUsed, &chest, true);
    Fire("shelf", kUsed, &shelf, true);
    Fire("chest", kAttacked, &chest);
    EXPECT_EQ(screen.openedContainers, (std::vector<const SPlacedObject*>{&chest, &shelf}));
}

// Attacking a peaceful character is a crime of 5, held to 1000, whatever the crime before.
TEST_F(FurnitureTest, attackingACharacterIsACrime) {
    SPlacedObject npc;
    screen.crime = 998;
    Fire("npc", kAttacked, &npc);
    EXPECT_EQ(screen.crime, 1000);
    EXPECT_EQ(screen.messages,
              (std::vector<std::string>{"You've tried to attack peaceful people!", "You have committed a crime."}));
    EXPECT_TRUE(screen.talks.empty());

    Fire("npc", kUsed, &npc);
    EXPECT_EQ(screen.talks, std::vector<std::string>{"npc"});
    EXPECT_EQ(screen.messages.size(), 2u);
}

// A harmful spell is an attack; a harmless one, or none the spell table knows, is nothing.
TEST_F(FurnitureTest, onlyAHarmfulSpellCastAtACharacterIsACrime) {
    struct Row {
        const char* label;
        uint8_t effectType;  // 0 for no spell
        int32_t crime;
    };
    // 23, a damage type; 45, open lock.
    const Row rows[] = {{"harmful", 23, 5}, {"harmless", 45, 0}, {"unknown", 0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        screen.crime = 0;
        SSpellType spell;
        if (row.effectType) {
            auto* effect = new SEffect;
            effect->m_type = row.effectType;
            spell.m_effects.Append(effect);
        }
        screen.spell = row.effectType ? &spell : nullptr;
        SPlacedObject npc;
        Fire("npc", kSpellCast, &npc);
        EXPECT_EQ(screen.crime, row.crime);
    }
}

TEST_F(FurnitureTest, aTableShowsItsTextWithItsMarkersReplaced) {
    SPlacedObject table;
    Fire("table", kUsed, &table);
    EXPECT_TRUE(screen.messages.empty()) << "no text, nothing shown";
    table.textA.Assign("Dinner for %name%.");
    Fire("table", kAttacked, &table);
    Fire("table", kUsed, &table);
    EXPECT_EQ(screen.messages, std::vector<std::string>{"Dinner for Ayla."});
}

TEST_F(FurnitureTest, tablesAndStandsStandInTheMiddleOfTheCell) {
    struct Row {
        const char* name;
        bool on;
        int picture;
        uint16_t drawCode;
    };
    const Row rows[] = {{"table", true, 6, 36}, {"stand", true, 8, 35}, {"stand", false, 7, 35}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + (row.on ? " on" : " off"));
        SPlacedObject object;
        if (!row.on) object.flags |= SPlacedObject::kClosed;
        SMapCell cell = CentreCell(row.name);
        SObjectTypeRecord record;
        uint16_t light = 256;
        Type(row.name).BuildCellRecord(&object, cell, record, light);
        EXPECT_EQ(record.m_kind, 1);
        EXPECT_EQ(record.m_pictures[0], Picture(row.picture));
        EXPECT_EQ(record.m_palettes[0], centrePalette.slot);
        EXPECT_EQ(record.m_x[0], 0x8000);
        EXPECT_EQ(record.m_y[0], 0x8000);
        EXPECT_EQ(record.m_drawCode, row.drawCode);

        EXPECT_TRUE(Type(row.name).IsBlocking(&object));
        EXPECT_TRUE(Type(row.name).IsBlocking(nullptr));
        object.flags = 0;
        EXPECT_FALSE(Type(row.name).IsBlocking(&object)) << "hidden";
    }
}

}  // namespace
