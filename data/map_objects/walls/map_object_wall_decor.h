#pragma once
// SMapObjectWallDecor: a decoration hanging on a wall side, some lit at night (type code 9).
#include "data/map_objects/map_object_type.h"

class SMapObjectWallDecor : public SMapObjectType {};
