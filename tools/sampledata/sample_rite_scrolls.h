#pragma once
// Two scrolls whose spells no trader sells, in a casket beside the cellar's start: the scroll of
// marking writes down where its reader stands, to come back to by a recall, and the scroll of
// enchanting binds a spell the reader knows into an item. The spells themselves are in the
// sample spell table (base_spellmark, base_spellenchant).
#include <cstdint>

class SItemDatabase;
struct SSampleMap;

// The two scrolls' types, each casting its spell once, with the kit's scroll picture; a plain ring
// that takes enchantment and a wand of three charges, drawn as the kit's.
void AddRiteScrolls(SItemDatabase& items);
// The casket on the floor north-west of the kit's chest, as container 4: the scrolls, a blank scroll,
// the ring and the wand.
void AddRiteCasket(SSampleMap& cellar);
