#pragma once
// SMapObjectTrap: a trap in the floor that strikes whoever steps on it (type code 42).
#include "data/map_objects/map_object_type.h"

class SMapObjectTrap : public SMapObjectType {};
