#include "data/maps/map_cell.h"

#include <gtest/gtest.h>

#include "data/map_objects/map_object_type_table.h"

namespace map_cell_test {

namespace {

TEST(MapCellTest, everyTypeACellOrItsCompanionShowsKeepsItsPictures) {
    SMapObjectTypeTable table;
    std::vector<SMapObjectType*> types;
    for (int i = 0; i < 12; ++i) {
        std::unique_ptr<SMapObjectType> type = table.CreateType(1);
        types.push_back(type.get());
        table.Add(std::move(type));
    }
    SMapCell cell;
    cell.floorType = types[0], cell.floorOverlay = types[1], cell.ceilingType = types[2];
    cell.ceilingOverlay = types[3], cell.centreType = types[4], cell.upperType = types[5];
    cell.sides[0].wallType = types[6], cell.sides[3].decorationType = types[7];
    SMapCellShadow shadow;
    shadow.floorType = types[8], shadow.centreType = types[9], shadow.upperType = types[10];
    shadow.sides[2].wallType = types[11];
    cell.MarkTypesInUse();
    for (int i = 0; i < 12; ++i) EXPECT_EQ(types[size_t(i)]->KeepLoaded(), i < 8) << i;
    shadow.MarkTypesInUse();
    for (SMapObjectType* type : types) EXPECT_TRUE(type->KeepLoaded());
}

TEST(MapCellTest, clearingTheCentreOrASideLeavesTheRestOfTheCell) {
    alignas(8) static unsigned char things[2];
    auto* type = reinterpret_cast<SMapObjectType*>(&things[0]);
    SMapCell cell;
    cell.floorType = cell.centreType = cell.upperType = type;
    cell.centreId = 4;
    cell.centreExtra = 2;
    for (SMapCellSide& side : cell.sides) side = {type, nullptr, 3, type, nullptr};
    cell.containerId = 7;
    cell.ClearCentre();
    cell.ClearSide(2);
    EXPECT_EQ(cell.floorType, type);
    EXPECT_EQ(cell.centreType, nullptr);
    EXPECT_EQ(cell.upperType, nullptr);
    EXPECT_EQ(cell.centreId, 0);
    EXPECT_EQ(cell.centreExtra, 0);
    EXPECT_EQ(cell.sides[1].objectId, 3);
    EXPECT_EQ(cell.sides[2].wallType, nullptr);
    EXPECT_EQ(cell.sides[2].objectId, 0);
    EXPECT_EQ(cell.sides[2].decorationType, nullptr);
    EXPECT_EQ(cell.containerId, 7);
}

}  // namespace

}  // namespace map_cell_test
