#pragma once
// Eastbrook's village: townsfolk wandering its streets, who talk (a pedlar among them carries goods
// worth stealing, and Ilse asks for her lost locket), the rain bell that brings rain when rung, a
// locked and trapped house with a purse inside, the guard post where a criminal turns himself in,
// and the jail below with bread and water, from which the sentence ends in the street.
#include <cstdint>
#include <vector>

#include "tools/sampledata/sample_package.h"

class SMonsterTable;

// The town's map, named as the play screen finds a town's jail.
constexpr const char* kVillageTown = "base_s0303";

// The rain bell's script: rung, it asks first, then holds heavy rain over the land.
extern const char* const kRainBellScript;

// The townsman's coat: the colour most of him shows in every view and pose.
uint16_t TownsmanCoatColour();
// The townsfolk's pictures, standing and stepping.
void AddVillagePictures(SSamplePackage& resources);
// The townsfolk's kind and the monsters the village places.
void AddVillageMonsters(SMonsterTable& monsters);
// Eastbrook's streets, house, guard post, rain bell and townsfolk, and the jail map beside the
// sections.
void AddVillage(std::vector<SSampleMap>& maps);
