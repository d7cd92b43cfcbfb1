#pragma once
// Writes a complete world package with the game's own record writers: the header, the resource
// index, the package picture (with a map-name prefix), one chunk per type table in load order, the
// name indexes and the maps record. Tables are empty unless a test gives their records.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "data/package/module_load_order.h"
#include "engine/packages/resource_index.h"
#include "support/record_bytes.h"

class SFileFolder;
class SPdbWriter;

struct TestMap {
    std::string name;
    std::string title;
};

struct TestWorldPackage {
    int version = 114;
    std::string creator = "BrVa";
    uint32_t headerValue = 0;
    uint8_t flagA = 1;
    uint8_t flagB = 1;
    std::string name = "Brim Vale";
    std::string identifier = "base";
    std::string text;
    uint16_t valueA = 0;
    uint16_t valueB = 0;
    std::string mapPrefix;
    std::vector<SNamedResource> pictures;
    std::vector<SNamedResource> palettes;
    std::vector<uint8_t> packagePicture;  // a picture record; written when the map prefix is not empty
    std::map<SNameIndex, std::vector<std::string>> names;
    uint16_t floorIndex = 0;
    uint16_t paletteIndex = 0;
    std::vector<TestMap> maps;
    // A table's records in place of its empty chunk.
    std::map<SModuleTable, std::vector<std::vector<uint8_t>>> tables;

    void WriteTo(SPdbWriter& writer) const;
    bool Write(const SFileFolder& folder, const char* fileName) const;
};

// A table's one record as the table's own writer writes it, for TestWorldPackage::tables.
template <typename Table>
std::vector<uint8_t> TableRecord(Table& table, int version) {
    return WrittenBytes([&](SArchive& archive) { table.Write(archive, version); });
}

// The record id each map's level data starts at: the maps record's id + 1 + 5 i.
constexpr uint16_t kTestMapRecordStride = 5;
