#pragma once
// SMapObjectContainer: a chest or the like against a wall side, opened for its items (type code 14).
#include "data/map_objects/map_object_type.h"

class SMapObjectContainer : public SMapObjectType {};
