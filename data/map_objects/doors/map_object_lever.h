#pragma once
// SMapObjectLever: a lever on a wall side, turned on and off by use (type code 16).
#include "data/map_objects/map_object_type.h"

class SMapObjectLever : public SMapObjectType {};
