#pragma once
// SMapObjectStand: a stand in the middle of a cell, shown on or off (type code 32).
#include "data/map_objects/map_object_type.h"

class SMapObjectStand : public SMapObjectType {};
