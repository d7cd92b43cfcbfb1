#pragma once
// SMapObjectNpc: a character shown on a wall side (behind a counter, say), to talk with (type code 12).
#include "data/map_objects/map_object_type.h"

class SMapObjectNpc : public SMapObjectType {};
