#pragma once
// SMapObjectPillar: a pillar (type code 29).
#include "data/map_objects/map_object_type.h"

class SMapObjectPillar : public SMapObjectType {};
