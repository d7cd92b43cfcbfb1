#pragma once
// SMapObjectTree: a tree (type code 26).
#include "data/map_objects/map_object_type.h"

class SMapObjectTree : public SMapObjectType {};
