#pragma once
// SMapObjectWallLine: a line drawn along the sides of a wall (type code 6).
#include "data/map_objects/map_object_type.h"

class SMapObjectWallLine : public SMapObjectType {};
