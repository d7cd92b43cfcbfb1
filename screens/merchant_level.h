#pragma once
// A merchant's level, which sets the smith's repair level, the price of a room and the shop's
// buy factor: the world can raise it through a global that the person type names.
#include <cstdint>

class SGlobalTable;
class SNpcType;

// The value of the person type's global when the world has that global and it is above 0, else
// the person type's level byte.
uint32_t MerchantLevel(const SNpcType& person, const SGlobalTable& globals);
