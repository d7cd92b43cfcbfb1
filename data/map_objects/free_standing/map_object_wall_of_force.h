#pragma once
// SMapObjectWallOfForce: a wall of force, animated and sounding while on (type code 37).
#include "data/map_objects/map_object_type.h"

class SMapObjectWallOfForce : public SMapObjectType {};
