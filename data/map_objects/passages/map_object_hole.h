#pragma once
// SMapObjectHole: a hole in the floor that can lead down (type code 15).
#include "data/map_objects/map_object_type.h"

class SMapObjectHole : public SMapObjectType {};
