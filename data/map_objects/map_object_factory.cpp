#include "data/map_objects/map_object_factory.h"

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

std::unique_ptr<SMapObjectType> MakeMapObjectType(int typeCode) {
    switch (typeCode) {
        case 1: return std::make_unique<SMapObjectTexture>();
        // Codes without behaviour of their own.
        case 2:
        case 3:
        case 21:
        case 23:
        case 30:
        case 34:
        case 36: return std::make_unique<SMapObjectType>();
        case 4: return std::make_unique<SMapObjectTextureDecor>();
        case 5: return std::make_unique<SMapObjectWall>();
        case 6: return std::make_unique<SMapObjectWallLine>();
        case 7:
        case 8: return std::make_unique<SMapObjectBlock>();
        case 9: return std::make_unique<SMapObjectWallDecor>();
        case 10: return std::make_unique<SMapObjectCityWindow>();
        case 11: return std::make_unique<SMapObjectCityDoor>();
        case 12: return std::make_unique<SMapObjectNpc>();
        case 13: return std::make_unique<SMapObjectFlower>();
        case 14: return std::make_unique<SMapObjectContainer>();
        case 15: return std::make_unique<SMapObjectHole>();
        case 16: return std::make_unique<SMapObjectLever>();
        case 17: return std::make_unique<SMapObjectShelf>();
        case 18: return std::make_unique<SMapObjectSign>();
        case 19: return std::make_unique<SMapObjectTable>();
        case 20:
        case 22: return std::make_unique<SMapObjectDoor>();
        case 24: return std::make_unique<SMapObjectFootbridge>();
        case 25: return std::make_unique<SMapObjectTeleport>();
        case 26: return std::make_unique<SMapObjectTree>();
        case 27: return std::make_unique<SMapObjectGroup>();
        case 28: return std::make_unique<SMapObjectSecretSwitch>();
        case 29: return std::make_unique<SMapObjectPillar>();
        case 31: return std::make_unique<SMapObjectFloorSwitch>();
        case 32: return std::make_unique<SMapObjectStand>();
        case 33: return std::make_unique<SMapObjectStair>();
        case 35: return std::make_unique<SMapObjectWeb>();
        case 37: return std::make_unique<SMapObjectWallOfForce>();
        case 38: return std::make_unique<SMapObjectBush>();
        case 39: return std::make_unique<SMapObjectPosition>();
        case 40: return std::make_unique<SMapObjectWallFloorDecor>();
        case 41: return std::make_unique<SMapObjectBlockAnim>();
        case 42: return std::make_unique<SMapObjectTrap>();
        case 43: return std::make_unique<SMapObjectAmbientSound>();
        default: return nullptr;
    }
}
