#pragma once
// SMapObjectStair: a stair, used from the next cell, to another place (type code 33).
#include "data/map_objects/map_object_type.h"

class SMapObjectStair : public SMapObjectType {};
