#pragma once
// SMapObjectBush: a bush (type code 38).
#include "data/map_objects/map_object_type.h"

class SMapObjectBush : public SMapObjectType {};
