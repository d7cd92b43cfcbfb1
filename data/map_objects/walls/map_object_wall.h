#pragma once
// SMapObjectWall: a wall filling its cell (type code 5).
#include "data/map_objects/map_object_type.h"

class SMapObjectWall : public SMapObjectType {};
