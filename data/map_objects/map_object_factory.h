#pragma once
// Which class each map-object type code makes.
#include <memory>

class SMapObjectType;

// A new, blank object of the code's class; null for a code outside 1..43.
std::unique_ptr<SMapObjectType> MakeMapObjectType(int typeCode);
