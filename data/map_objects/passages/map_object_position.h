#pragma once
// SMapObjectPosition: a named place that travel can lead to; nothing to see (type code 39).
#include "data/map_objects/map_object_type.h"

class SMapObjectPosition : public SMapObjectType {};
