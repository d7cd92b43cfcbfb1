#pragma once
// SMapObjectAmbientSound: a place that gives off a sound; nothing to see (type code 43).
#include "data/map_objects/map_object_type.h"

class SMapObjectAmbientSound : public SMapObjectType {};
