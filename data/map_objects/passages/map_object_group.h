#pragma once
// SMapObjectGroup: up to four copies of one thing at fixed places in a cell (type code 27).
#include "data/map_objects/map_object_type.h"

class SMapObjectGroup : public SMapObjectType {};
