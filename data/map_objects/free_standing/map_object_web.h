#pragma once
// SMapObjectWeb: a web that blocks until it is torn (type code 35).
#include "data/map_objects/map_object_type.h"

class SMapObjectWeb : public SMapObjectType {};
