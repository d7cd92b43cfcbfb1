#pragma once
// The records a data package holds for its own sake, apart from its resources and type tables:
// the header, the record that announces the package picture, the name indexes and the head of the
// maps record. Each has one serialize routine for both directions.
#include <cstdint>
#include <vector>

#include "data/package/module_load_order.h"
#include "engine/base/string.h"

class SArchive;

constexpr uint16_t kModuleHeaderRecord = 3999;
constexpr uint16_t kModuleFirstIndexRecord = 4000;

struct SModuleHeader {
    uint32_t value = 0;
    uint8_t dataVersion = 0;
    uint8_t flagA = 1;
    uint8_t flagB = 1;
    SString name;
    SString identifier;
    SString text;
    uint16_t valueA = 0;
    uint16_t valueB = 0;
    SString mapPrefix;  // empty: the package has no maps of its own naming and no package picture
    void Serialize(SArchive& archive);
};

// Announces the package picture, which is the record after it.
struct SPackagePictureRecord {
    uint16_t size = 0;
    void Serialize(SArchive& archive);
};

struct SNameIndexRecord {
    std::vector<const char*> names;  // point into the record when read
    void Serialize(SArchive& archive, SNameIndex index);
};

// What the maps record holds before its maps: the default floor type as an index into the
// map-object type names, the default palette as an index into the palette names (0: none), and
// how many maps follow.
struct SMapsRecordHead {
    uint16_t floorIndex = 0;
    uint16_t paletteIndex = 0;
    uint8_t mapCount = 0;
    void Serialize(SArchive& archive);
};
