#include "game/data_picture.h"

#include "engine/files/pdb.h"
#include "engine/packages/resource_cache.h"

std::unique_ptr<SPictureEntry> LoadDataPicture(SPdb& package, uint16_t id) {
    auto entry = std::make_unique<SPictureEntry>();
    entry->recordId = id;
    entry->record = package.LoadRecord(id);
    SReadError fault;
    // Pictures of the interface package start at the record's first byte.
    if (!entry->record || !entry->Bind(entry->record->bytes, 0, fault)) return nullptr;
    return entry;
}
