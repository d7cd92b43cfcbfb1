#pragma once
// Orla the scribe, whose stall stands at the east end of Eastbrook's north street: she sells
// spellbooks, scrolls, a blank scroll and a wand, and the alchemist's mortar and herbs, from a
// stock that restocks with every one of them, and buys magic items and herbs.
#include <vector>

#include "tools/sampledata/sample_package.h"

class SFaceTable;
class SItemDatabase;
class SNpcTable;

constexpr const char* kSpellVendor = "base_orla";

// The blank scroll's item type, among the kit's before their pictures are added.
void AddBlankScroll(SItemDatabase& items);
// The level of the stall's wares, which puts them in her stock, once every ware's type is there.
void AddSpellVendorStock(SItemDatabase& items);
// Orla, her face and her talk.
void AddSpellVendor(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package);
// Her stall and its counter in the town.
void PlaceSpellVendor(std::vector<SSampleMap>& maps);
