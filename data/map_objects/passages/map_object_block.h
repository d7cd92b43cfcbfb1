#pragma once
// SMapObjectBlock: a solid block in the middle of a cell (type codes 7 and 8).
#include "data/map_objects/map_object_type.h"

class SMapObjectBlock : public SMapObjectType {};
