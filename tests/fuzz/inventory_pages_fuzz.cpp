// The inventory's part of a saved game (record 3005): read whole or refused. A record read whole
// leaves every word in its range; a refused one leaves the pages as they were.
#include <cstdlib>

#include "engine/base/archive.h"
#include "screens/inventory/inventory_pages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SArchive archive;
    archive.OpenRead(data, uint32_t(size));
    SInventoryPages pages;
    pages.page = SInventoryPages::kSpells;
    if (!pages.Read(archive)) {
        if (pages.page != SInventoryPages::kSpells) std::abort();
        return 0;
    }
    using P = SInventoryPages;
    if (pages.page > P::kLastPage || pages.returnPage > P::kSpells || pages.subPage > P::kLastSubPage ||
        pages.descriptionView > 1 || pages.itemFilter > P::kLastItemFilter ||
        pages.effectsFilter > P::kLastEffectsFilter || pages.questFilter > P::kLastQuestFilter ||
        pages.spellSchool < P::kFirstSchool || pages.spellSchool > P::kLastSchool)
        std::abort();
    return 0;
}
