#include "game/save_package_index.h"

#include "engine/base/archive.h"

void SSavePackageIndex::Serialize(SArchive& archive) {
    uint32_t count = uint32_t(packages.size());
    archive.SerializeU32(count);
    archive.SerializeString(current);
    archive.SerializeString(currentMap);
    if (!archive.IsWriting()) packages.clear();
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        if (!archive.IsWriting()) packages.emplace_back();
        archive.SerializeString(packages[i].identifier);
        archive.SerializeU32(packages[i].firstId);
    }
}

const SSavePackageIndex::Entry* SSavePackageIndex::Find(const std::string& identifier) const {
    for (const Entry& entry : packages)
        if (entry.identifier == identifier) return &entry;
    return nullptr;
}
