#pragma once
// SMapObjectTextureDecor: a decoration lying on the floor, animated and sounding while on (type code 4).
#include "data/map_objects/map_object_type.h"

class SMapObjectTextureDecor : public SMapObjectType {};
