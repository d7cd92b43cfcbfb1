#pragma once
// Writes a complete data package with the game's own record writers: the header, the resource
// index, the package picture (with a map-name prefix), one chunk per type table in load order, the
// name indexes and the maps record. Tables are empty unless given their records. The sample
// packages and the tests' packages are written this way.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "data/maps/level_records.h"
#include "data/package/module_load_order.h"
#include "engine/packages/record_list.h"
#include "engine/packages/resource_index.h"

class SFileFolder;
class SPdbWriter;

struct SSampleMap {
    std::string name;
    std::string title;
    // The level data in the level writer's text (level_writer.h); empty: a map with no cells, no
    // objects and no creatures.
    std::string level = {};
    // Level records by their offset from the cells record, in place of the ones the level text
    // gives: tests break one this way.
    std::map<uint16_t, std::vector<uint8_t>> replacedRecords = {};
};

struct SSamplePackage {
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
    std::vector<SSampleMap> maps;
    // A table's records (its writer's) in place of its empty chunk.
    std::map<SModuleTable, SRecordList> tables;

    // False, with what is wrong in `error` when given, for a map whose level text does not read.
    [[nodiscard]] bool WriteTo(SPdbWriter& writer, std::string* error = nullptr) const;
    [[nodiscard]] bool Write(const SFileFolder& folder, const char* fileName, std::string* error = nullptr) const;
};

// The record id each map's level data starts at: the maps record's id + 1 + 5 i.
constexpr uint16_t kSampleMapRecordStride = kLevelRecordCount;
