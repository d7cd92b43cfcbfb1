// Writing a saved game. Every record is built in memory and the file is written whole at the end,
// through a temporary file renamed into place, so that a save that fails leaves the slot's old
// file as it was.
#include <array>
#include <cstring>
#include <vector>

#include "engine/base/byte_order.h"
#include "engine/files/pdb_writer.h"
#include "game/game_data.h"
#include "game/save_names.h"
#include "game/save_package_index.h"
#include "game/saved_game_layout.h"
#include "game/saved_screens.h"

namespace {

// The picture, music and sound packages hold nothing a game changes.
bool isListed(const SModule& package) {
    for (const char* fixed : {"bres", "bmus", "bsnd"})
        if (package.Identifier().Equals(fixed)) return false;
    return true;
}

void writeHeader(SArchive& archive, SSavedPlayScreen* playScreen, const SModule* world) {
    for (uint8_t tag : kSaveHeaderTags) archive.SerializeTag(tag);
    uint8_t version = SSaveNames::kSaveVersion;
    archive.SerializeU8(version);
    std::array<uint16_t, kSaveThumbWidth * kSaveThumbHeight> pixels{};
    if (playScreen) playScreen->ViewThumbnail(pixels);
    std::vector<uint8_t> bytes(kSaveThumbBytes);
    for (size_t i = 0; i < pixels.size(); ++i) WriteLE16(&bytes[2 * i], pixels[i]);
    const uint8_t* thumbnail = bytes.data();
    uint16_t length = kSaveThumbBytes;
    archive.SerializeBlob(thumbnail, length);
    SString title;
    if (world && world->CurrentMap()) title = world->CurrentMap()->Title();
    archive.SerializeSString(title);
    SString date;
    if (playScreen) playScreen->FormatDayTime(date);
    archive.SerializeSString(date);
}

}  // namespace

bool SSaveNames::SaveGame(uint32_t slot, std::string& error) {
    SGameData& game = *m_game;
    const std::string fileName = SaveFileName(slot);
    SPdbWriter writer;
    if (game.m_fileFolder) writer.Attach(*game.m_fileFolder);
    writer.InitSaveHeader(fileName.c_str());
    const int version = kSaveVersion;
    const SModule* world = game.m_packages.Current();

    SArchive archive;
    archive.OpenWrite();
    writeHeader(archive, m_playScreen, world);
    writer.AddRecordFromArchive(kSaveHeaderRecord, archive);

    archive.Rewind();
    std::vector<SModule*> listed;
    SSavePackageIndex index;
    if (world) index.current = world->Identifier().Text();
    if (world && world->CurrentMap()) index.currentMap = world->CurrentMap()->Name();
    uint32_t nextId = kSaveFirstPackageRecord;
    for (int i = 0; i < game.m_packages.Count(); ++i) {
        SModule* package = game.m_packages.At(i);
        if (!isListed(*package)) continue;
        // Record ids are 16 bits: a world too large to number is not saved in part.
        if (nextId + uint32_t(package->Maps().Count()) > 0xFFFF) {
            error = "The game cannot be saved: its worlds have too many maps.";
            return false;
        }
        listed.push_back(package);
        index.packages.push_back({package->Identifier().Text(), nextId});
        nextId += 1 + uint32_t(package->Maps().Count());
    }
    index.Serialize(archive);
    writer.AddRecordFromArchive(kSavePackagesRecord, archive);

    // The tables start after the package index, which names nothing through them.
    Reset();
    for (size_t i = 0; i < listed.size(); ++i)
        listed[i]->SaveSaveState(writer, archive, version, uint16_t(index.packages[i].firstId), *this);

    archive.Rewind();
    game.m_globals.SaveValues(archive);
    writer.AddRecordFromArchive(kSaveGlobalsRecord, archive);
    archive.Rewind();
    game.m_player.WriteSaveRecord(archive, version, *this);
    writer.AddRecordFromArchive(kSavePlayerRecord, archive);
    archive.Rewind();
    if (m_playScreen) m_playScreen->SerializeForSave(archive, version);
    writer.AddRecordFromArchive(kSavePlayScreenRecord, archive);
    archive.Rewind();
    if (m_inventory) m_inventory->SerializeUiForSave(archive, version);
    writer.AddRecordFromArchive(kSaveInventoryRecord, archive);
    // Last, when every record before has named what it refers to.
    archive.Rewind();
    WriteNameTables(archive);
    writer.AddRecordFromArchive(kSaveNamesRecord, archive);
    Clear();

    if (!writer.Write(fileName.c_str())) {
        const SFileFolder folder = game.m_fileFolder ? *game.m_fileFolder : SFileFolder();
        error = "The game could not be saved to " + folder.Resolve(CompletePdbName(fileName.c_str()).c_str()) + ".";
        return false;
    }
    return true;
}
