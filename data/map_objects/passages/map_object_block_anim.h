#pragma once
// SMapObjectBlockAnim: an animated block in the middle of a cell (type code 41).
#include "data/map_objects/map_object_type.h"

class SMapObjectBlockAnim : public SMapObjectType {};
