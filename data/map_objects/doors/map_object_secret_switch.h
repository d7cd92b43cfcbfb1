#pragma once
// SMapObjectSecretSwitch: a hidden switch on a wall side (type code 28).
#include "data/map_objects/map_object_type.h"

class SMapObjectSecretSwitch : public SMapObjectType {};
