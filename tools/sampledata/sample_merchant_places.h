#pragma once
// Where the sample traders stand: counters in Eastbrook's south-east quarter, each a brick block
// with the person on its west side, along a sand path from the town's road, and the object type a
// person behind a counter is.
#include <vector>

class SMapObjectTypeTable;
struct SSampleMap;
struct SSamplePackage;

constexpr const char* kSampleCounterType = "base_counter";

// The counter person's type and its picture.
void AddSampleCounterType(SMapObjectTypeTable& types, SSamplePackage& world);
// Puts the counters, the path and the merchants' stock containers into Eastbrook's level text.
void PlaceSampleMerchants(std::vector<SSampleMap>& maps);
