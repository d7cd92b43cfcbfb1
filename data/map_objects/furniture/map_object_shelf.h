#pragma once
// SMapObjectShelf: a shelf against a wall side that shows the items on it (type code 17).
#include "data/map_objects/map_object_type.h"

class SMapObjectShelf : public SMapObjectType {};
