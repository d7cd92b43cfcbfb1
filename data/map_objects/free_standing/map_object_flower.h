#pragma once
// SMapObjectFlower: a plant that yields an ingredient when picked (type code 13).
#include "data/map_objects/map_object_type.h"

class SMapObjectFlower : public SMapObjectType {};
