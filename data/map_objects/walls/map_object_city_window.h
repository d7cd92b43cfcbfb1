#pragma once
// SMapObjectCityWindow: a window of a town house, lit at night (type code 10).
#include "data/map_objects/map_object_type.h"

class SMapObjectCityWindow : public SMapObjectType {};
