#pragma once
// SMapObjectTeleport: a teleport that sends whoever steps on it elsewhere (type code 25).
#include "data/map_objects/map_object_type.h"

class SMapObjectTeleport : public SMapObjectType {};
