#include "screens/inventory/inventory_pages.h"

#include "engine/base/archive.h"

namespace {

constexpr uint8_t kInventoryPagesTag = 'X';

uint32_t within(uint32_t value, uint32_t first, uint32_t last, uint32_t fallback) {
    return value >= first && value <= last ? value : fallback;
}

}  // namespace

void SInventoryPages::Serialize(SArchive& archive) {
    archive.SerializeTag(kInventoryPagesTag);
    for (uint32_t* word :
         {&page, &returnPage, &subPage, &descriptionView, &itemFilter, &effectsFilter, &questFilter, &spellSchool})
        archive.SerializeU32(*word);
}

bool SInventoryPages::Read(SArchive& archive) {
    SInventoryPages read;
    read.Serialize(archive);
    if (archive.Failed()) return false;
    page = within(read.page, kItems, kLastPage, kItems);
    returnPage = within(read.returnPage, kItems, kSpells, kItems);
    subPage = within(read.subPage, 0, kLastSubPage, 0);
    descriptionView = within(read.descriptionView, 0, 1, 1);
    itemFilter = within(read.itemFilter, 0, kLastItemFilter, 0);
    effectsFilter = within(read.effectsFilter, 0, kLastEffectsFilter, 0);
    questFilter = within(read.questFilter, 0, kLastQuestFilter, 0);
    spellSchool = within(read.spellSchool, kFirstSchool, kLastSchool, kFirstSchool);
    return true;
}
