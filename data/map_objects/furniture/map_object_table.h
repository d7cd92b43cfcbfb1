#pragma once
// SMapObjectTable: a table in the middle of a cell, with a text to read (type code 19).
#include "data/map_objects/map_object_type.h"

class SMapObjectTable : public SMapObjectType {};
