#pragma once
// SMapObjectSign: a sign on a wall side (type code 18).
#include "data/map_objects/map_object_type.h"

class SMapObjectSign : public SMapObjectType {};
