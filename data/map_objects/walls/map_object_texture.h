#pragma once
// SMapObjectTexture: a floor or ceiling texture (type code 1).
#include "data/map_objects/map_object_type.h"

class SMapObjectTexture : public SMapObjectType {};
