#pragma once
// SMapObjectDoor: a single or a double door that slides open (type codes 20 and 22).
#include "data/map_objects/map_object_type.h"

class SMapObjectDoor : public SMapObjectType {};
