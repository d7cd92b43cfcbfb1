#include <gtest/gtest.h>

#include <typeindex>

#include "data/map_objects/doors/map_object_door.h"
#include "data/map_objects/doors/map_object_floor_switch.h"
#include "data/map_objects/doors/map_object_lever.h"
#include "data/map_objects/doors/map_object_secret_switch.h"
#include "data/map_objects/free_standing/map_object_bush.h"
#include "data/map_objects/free_standing/map_object_flower.h"
#include "data/map_objects/free_standing/map_object_pillar.h"
#include "data/map_objects/free_standing/map_object_tree.h"
#include "data/map_objects/free_standing/map_object_wall_of_force.h"
#include "data/map_objects/free_standing/map_object_web.h"
#include "data/map_objects/furniture/map_object_container.h"
#include "data/map_objects/furniture/map_object_npc.h"
#include "data/map_objects/furniture/map_object_shelf.h"
#include "data/map_objects/furniture/map_object_sign.h"
#include "data/map_objects/furniture/map_object_stand.h"
#include "data/map_objects/furniture/map_object_table.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/map_objects/passages/map_object_ambient_sound.h"
#include "data/map_objects/passages/map_object_block.h"
#include "data/map_objects/passages/map_object_block_anim.h"
#include "data/map_objects/passages/map_object_group.h"
#include "data/map_objects/passages/map_object_hole.h"
#include "data/map_objects/passages/map_object_position.h"
#include "data/map_objects/passages/map_object_stair.h"
#include "data/map_objects/passages/map_object_teleport.h"
#include "data/map_objects/passages/map_object_trap.h"
#include "data/map_objects/walls/map_object_city_door.h"
#include "data/map_objects/walls/map_object_city_window.h"
#include "data/map_objects/walls/map_object_footbridge.h"
#include "data/map_objects/walls/map_object_texture.h"
#include "data/map_objects/walls/map_object_texture_decor.h"
#include "data/map_objects/walls/map_object_wall.h"
#include "data/map_objects/walls/map_object_wall_decor.h"
#include "data/map_objects/walls/map_object_wall_floor_decor.h"
#include "data/map_objects/walls/map_object_wall_line.h"

namespace map_object_factory_test {

namespace {

// Every code 0 to 44 with the class the factory must make; no class for 0 and 44.
TEST(MapObjectFactoryTest, eachTypeCodeMakesItsClassWithTheCodesFlags) {
    const std::type_index none = typeid(void);
    const std::type_index base = typeid(SMapObjectType);
    const std::type_index expected[] = {
        none,                              // 0
        typeid(SMapObjectTexture),         // 1
        base,                              // 2
        base,                              // 3
        typeid(SMapObjectTextureDecor),    // 4
        typeid(SMapObjectWall),            // 5
        typeid(SMapObjectWallLine),        // 6
        typeid(SMapObjectBlock),           // 7
        typeid(SMapObjectBlock),           // 8
        typeid(SMapObjectWallDecor),       // 9
        typeid(SMapObjectCityWindow),      // 10
        typeid(SMapObjectCityDoor),        // 11
        typeid(SMapObjectNpc),             // 12
        typeid(SMapObjectFlower),          // 13
        typeid(SMapObjectContainer),       // 14
        typeid(SMapObjectHole),            // 15
        typeid(SMapObjectLever),           // 16
        typeid(SMapObjectShelf),           // 17
        typeid(SMapObjectSign),            // 18
        typeid(SMapObjectTable),           // 19
        typeid(SMapObjectDoor),            // 20
        base,                              // 21
        typeid(SMapObjectDoor),            // 22
        base,                              // 23
        typeid(SMapObjectFootbridge),      // 24
        typeid(SMapObjectTeleport),        // 25
        typeid(SMapObjectTree),            // 26
        typeid(SMapObjectGroup),           // 27
        typeid(SMapObjectSecretSwitch),    // 28
        typeid(SMapObjectPillar),          // 29
        base,                              // 30
        typeid(SMapObjectFloorSwitch),     // 31
        typeid(SMapObjectStand),           // 32
        typeid(SMapObjectStair),           // 33
        base,                              // 34
        typeid(SMapObjectWeb),             // 35
        base,                              // 36
        typeid(SMapObjectWallOfForce),     // 37
        typeid(SMapObjectBush),            // 38
        typeid(SMapObjectPosition),        // 39
        typeid(SMapObjectWallFloorDecor),  // 40
        typeid(SMapObjectBlockAnim),       // 41
        typeid(SMapObjectTrap),            // 42
        typeid(SMapObjectAmbientSound),    // 43
        none,                              // 44
    };
    SMapObjectTypeTable table;
    for (int code = 0; code <= 44; ++code) {
        const std::unique_ptr<SMapObjectType> type = table.CreateType(code);
        if (expected[code] == none) {
            EXPECT_EQ(type, nullptr) << code;
            continue;
        }
        ASSERT_NE(type, nullptr) << code;
        const SMapObjectType& object = *type;
        EXPECT_EQ(std::type_index(typeid(object)), expected[code]) << code;
        EXPECT_EQ(type->m_typeCode, code);
        EXPECT_EQ(type->Table(), &table);
        const bool block = code == 7 || code == 8 || code == 41;
        EXPECT_EQ(type->m_flags, MapObjectDefaults(code).flags | (block ? 0x0200 : 0)) << code;
    }
    EXPECT_EQ(table.CreateType(255), nullptr);
    EXPECT_EQ(table.CreateType(-1), nullptr);
}

}  // namespace

}  // namespace map_object_factory_test
