#pragma once
// SMapObjectWallFloorDecor: a decoration that stands out from a wall side down to the floor (type code 40).
#include "data/map_objects/map_object_type.h"

class SMapObjectWallFloorDecor : public SMapObjectType {};
