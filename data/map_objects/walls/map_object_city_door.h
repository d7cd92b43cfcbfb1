#pragma once
// SMapObjectCityDoor: the door of a town house, which opens onto a talk with the one who lives there (type code 11).
#include "data/map_objects/map_object_type.h"

class SMapObjectCityDoor : public SMapObjectType {};
