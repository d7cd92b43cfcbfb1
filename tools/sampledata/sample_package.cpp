#include "tools/sampledata/sample_package.h"

#include "data/maps/map_header.h"
#include "data/package/empty_table.h"
#include "data/package/module_records.h"
#include "engine/base/archive.h"
#include "engine/files/pdb_writer.h"
#include "tools/sampledata/level_writer.h"

namespace {

// Tiny picture of the package: format 0, 1 x 1, colour 0.
const std::vector<uint8_t> kBlankPicture{0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0};

void writeNameIndex(const SSampleNames& names, SNameIndex index, SPdbWriter& writer, uint16_t& id) {
    SNameIndexRecord record;
    auto found = names.find(index);
    if (found != names.end())
        for (const std::string& name : found->second) record.names.push_back(name.c_str());
    SArchive archive;
    archive.OpenWrite();
    record.Serialize(archive, index);
    writer.AddRecordFromArchive(id++, archive);
}

void writeTable(const SSamplePackage& package, SModuleTable table, SPdbWriter& writer, uint16_t& id) {
    auto given = package.tables.find(table);
    if (given == package.tables.end()) {
        WriteEmptyTable(table, package.version, writer, id);
        return;
    }
    for (const std::vector<uint8_t>& bytes : given->second)
        writer.AddRecord(id++, bytes.data(), uint32_t(bytes.size()));
}

}  // namespace

bool SSamplePackage::WriteTo(SPdbWriter& writer, std::string* error) const {
    // The levels first: the names they use join the name indexes, which come before the maps.
    SSampleNames allNames = names;
    std::vector<SWrittenLevel> levels(maps.size());
    for (size_t i = 0; i < maps.size(); ++i) {
        std::string fault;
        if (WriteLevel(maps[i].level, version, allNames, levels[i], fault)) continue;
        if (error) *error = "map " + maps[i].name + ", " + fault;
        return false;
    }

    writer.SetTypeAndCreator("DATA", creator.c_str());
    SArchive archive;
    archive.OpenWrite();
    SModuleHeader header;
    header.value = headerValue;
    header.dataVersion = uint8_t(version);
    header.flagA = flagA;
    header.flagB = flagB;
    header.name.Assign(name.c_str());
    header.identifier.Assign(identifier.c_str());
    header.text.Assign(text.c_str());
    header.valueA = valueA;
    header.valueB = valueB;
    header.mapPrefix.Assign(mapPrefix.c_str());
    header.Serialize(archive);
    writer.AddRecordFromArchive(kModuleHeaderRecord, archive);

    uint16_t id = kModuleFirstIndexRecord;
    WriteResourceIndex(writer, id, pictures, palettes);
    if (!mapPrefix.empty()) {
        std::vector<uint8_t> picture(kResourceRecordPrefix, 0);
        const std::vector<uint8_t>& bytes = packagePicture.empty() ? kBlankPicture : packagePicture;
        picture.insert(picture.end(), bytes.begin(), bytes.end());
        SPackagePictureRecord announce{uint16_t(picture.size())};
        archive.Rewind();
        announce.Serialize(archive);
        writer.AddRecordFromArchive(id++, archive);
        writer.AddRecord(id++, picture.data(), uint32_t(picture.size()));
    } else {
        id = uint16_t(id + 2);
    }

    for (const SModuleStep& step : ModuleLoadOrder(version)) {
        if (step.isTable)
            writeTable(*this, step.table, writer, id);
        else
            writeNameIndex(allNames, step.nameIndex, writer, id);
    }

    const uint16_t mapsRecord = id;
    archive.Rewind();
    SMapsRecordHead head{floorIndex, paletteIndex, uint8_t(maps.size())};
    head.Serialize(archive);
    for (size_t i = 0; i < maps.size(); ++i) {
        uint16_t cellsRecord = uint16_t(mapsRecord + 1 + kSampleMapRecordStride * i);
        archive.SerializeU16(cellsRecord);
        SMapHeader& header = levels[i].header;
        header.name = maps[i].name.c_str();
        header.title.Assign(maps[i].title.c_str());
        header.Serialize(archive, version);
        for (uint16_t k = 0; k < kLevelRecordCount; ++k) {
            auto replaced = maps[i].replacedRecords.find(k);
            const std::vector<uint8_t>& record = replaced != maps[i].replacedRecords.end() ? replaced->second
                                                                                           : levels[i].records[k];
            if (!record.empty()) writer.AddRecord(uint16_t(cellsRecord + k), record.data(), uint32_t(record.size()));
        }
    }
    writer.AddRecordFromArchive(mapsRecord, archive);
    return true;
}

bool SSamplePackage::Write(const SFileFolder& folder, const char* fileName, std::string* error) const {
    SPdbWriter writer;
    writer.Attach(folder);
    return WriteTo(writer, error) && writer.Write(fileName);
}
