#pragma once
// SMapObjectFloorSwitch: a switch in the floor that stepping on and off turns (type code 31).
#include "data/map_objects/map_object_type.h"

class SMapObjectFloorSwitch : public SMapObjectType {};
