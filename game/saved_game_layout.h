#pragma once
// The records of a saved-game file and the fixed parts of the two the saved-game manager writes
// itself: the header (3000) and the package index (3001).
#include <cstdint>

enum SSaveRecord : uint16_t {
    kSaveHeaderRecord = 3000,
    kSavePackagesRecord = 3001,
    kSaveGlobalsRecord = 3002,
    kSavePlayerRecord = 3003,
    kSavePlayScreenRecord = 3004,
    kSaveInventoryRecord = 3005,
    kSaveNamesRecord = 3006,
    // Each listed package takes this id and the next ones: its own record, then one per map.
    kSaveFirstPackageRecord = 3010,
};

// The header's leading tags, before the version byte.
constexpr uint8_t kSaveHeaderTags[] = {2, 3, 0xFF};
// From the version byte to the map title: the version, the thumbnail's count and its pixels.
constexpr uint32_t kSaveVersionToTitle = 1 + 2 + 8000;
