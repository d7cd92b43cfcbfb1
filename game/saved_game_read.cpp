// Reading a saved game. The whole file is read and checked first against tables of its own, so that
// a damaged or foreign save is refused while the running game is still as it was; only then is
// the world rebuilt and the save read over it.
#include "engine/base/archive.h"
#include "engine/packages/loading_steps.h"
#include "engine/packages/record_cursor.h"
#include "game/game_data.h"
#include "game/save_names.h"
#include "game/save_package_index.h"
#include "game/saved_game_layout.h"
#include "game/saved_screens.h"

namespace {

constexpr uint32_t kLoadSteps = 18;

// One record of the save, loaded, with an archive reading it.
struct SLoadedRecord {
    std::unique_ptr<SPdbRecord> bytes;
    SArchive archive;

    bool Load(SPdb& file, uint16_t id) {
        bytes = file.LoadRecord(id);
        if (bytes) archive.OpenRead(bytes->Data(), bytes->Size());
        return bytes != nullptr;
    }
};

const char* recordContents(uint16_t id) {
    switch (id) {
        case kSaveHeaderRecord: return "the header";
        case kSavePackagesRecord: return "the package index";
        case kSaveGlobalsRecord: return "the script globals";
        case kSavePlayerRecord: return "the player";
        case kSavePlayScreenRecord: return "the play screen";
        case kSaveInventoryRecord: return "the inventory";
        case kSaveNamesRecord: return "the name tables";
        default: return "";
    }
}

}  // namespace

// What the check of a save found, for the read that follows it.
struct SSaveNames::SCheckedSave {
    std::unique_ptr<SPdb> file;
    int version = 0;
    SSavePackageIndex index;
};

bool SSaveNames::checkSave(uint32_t slot, SCheckedSave& save, std::string& fault) const {
    save.file = openSaveFile(slot, fault);
    if (!save.file) return false;
    SPdb& file = *save.file;
    const auto refuse = [&](uint16_t id, const std::string& what, std::optional<uint32_t> offset = {}) {
        fault = file.RecordFault(id, recordContents(id), what, offset).Message();
        return false;
    };
    const auto cutShort = [&](uint16_t id, const SArchive& archive) {
        fault = CutShort(file, id, recordContents(id), archive).Message();
        return false;
    };
    SLoadedRecord records[kSaveNamesRecord - kSaveHeaderRecord + 1];
    for (uint16_t id = kSaveHeaderRecord; id <= kSaveNamesRecord; ++id)
        if (!records[id - kSaveHeaderRecord].Load(file, id)) return refuse(id, "missing");
    const auto archiveOf = [&records](uint16_t id) -> SArchive& { return records[id - kSaveHeaderRecord].archive; };

    // The header: the tags when they are there, the version, and past the thumbnail the map title
    // and the date, which the slot lists read.
    SArchive& header = archiveOf(kSaveHeaderRecord);
    for (uint8_t tag : kSaveHeaderTags) header.SerializeTag(tag);
    const uint32_t versionAt = header.GetSize();
    uint8_t version = 0;
    header.SerializeU8(version);
    header.Skip(kSaveVersionToTitle - 1);
    std::string text;
    header.SerializeString(text);
    header.SerializeString(text);
    if (header.Failed()) return cutShort(kSaveHeaderRecord, header);
    if (version > kSaveVersion)
        return refuse(kSaveHeaderRecord, "version " + std::to_string(version) + " is newer than this game", versionAt);
    save.version = version;

    // The name tables, against nothing: every name resolves to none, but each index the records
    // hold must lie inside its table.
    SSaveNames names;
    names.ReadNameTables(archiveOf(kSaveNamesRecord));
    if (archiveOf(kSaveNamesRecord).Failed()) return cutShort(kSaveNamesRecord, archiveOf(kSaveNamesRecord));

    SArchive& packages = archiveOf(kSavePackagesRecord);
    save.index.Serialize(packages);
    if (packages.Failed()) return cutShort(kSavePackagesRecord, packages);
    if (!save.index.Find(save.index.current))
        return refuse(kSavePackagesRecord,
                      "the current package \"" + save.index.current + "\" is not among its packages");
    for (const SSavePackageIndex::Entry& entry : save.index.packages) {
        SReadError packageFault;
        if (entry.firstId < kSaveFirstPackageRecord || entry.firstId > 0xFFFF)
            return refuse(kSavePackagesRecord, "package \"" + entry.identifier + "\" starts at record " +
                                                   std::to_string(entry.firstId) + ", outside its records");
        if (!SModule::CheckSaveState(file, version, uint16_t(entry.firstId), entry.identifier.c_str(), packageFault)) {
            fault = packageFault.Message();
            return false;
        }
    }

    SGlobalTable globals;
    if (!globals.LoadValues(archiveOf(kSaveGlobalsRecord)))
        return cutShort(kSaveGlobalsRecord, archiveOf(kSaveGlobalsRecord));
    SPlayer player;
    std::string playerFault;
    SArchive& playerArchive = archiveOf(kSavePlayerRecord);
    if (!player.ReadSaveRecord(playerArchive, version, names, playerFault))
        return playerArchive.Failed() ? cutShort(kSavePlayerRecord, playerArchive)
                                      : refuse(kSavePlayerRecord, playerFault);
    if (names.m_indexOutOfRange) return refuse(kSavePlayerRecord, "it names more than the name tables hold");
    SArchive& world = archiveOf(kSavePlayScreenRecord);
    std::string worldFault;
    if (m_playScreen && !m_playScreen->CheckSaved(world, version, worldFault))
        return worldFault.empty() ? cutShort(kSavePlayScreenRecord, world) : refuse(kSavePlayScreenRecord, worldFault);
    if (m_inventory && !m_inventory->CheckUiRecord(archiveOf(kSaveInventoryRecord), version))
        return cutShort(kSaveInventoryRecord, archiveOf(kSaveInventoryRecord));
    return true;
}

bool SSaveNames::LoadGame(uint32_t slot, SLoadingSteps& loading, std::string& error) {
    SCheckedSave save;
    std::string fault;
    if (!checkSave(slot, save, fault)) {
        error = "The saved game cannot be loaded: " + fault + ".";
        return false;
    }
    SGameData& game = *m_game;
    loading.Start(kLoadSteps);
    game.m_gameRunning = false;
    if (!prepareWorld(loading, error)) return false;
    const bool read = readSave(save, fault);
    Clear();
    loading.Step();
    if (!read) error = "The saved game could not be read: " + fault + ".";
    return read;
}

bool SSaveNames::readSave(SCheckedSave& save, std::string& fault) {
    SGameData& game = *m_game;
    SPdb& file = *save.file;
    const int version = save.version;
    SLoadedRecord record;
    // Names first: every other record refers to them.
    record.Load(file, kSaveNamesRecord);
    ReadNameTables(record.archive);

    for (const SSavePackageIndex::Entry& entry : save.index.packages) {
        // The save keeps the state of add-on worlds that are not open now; it stays unread.
        SModule* package = game.m_packages.FindById(entry.identifier.c_str());
        if (package && !package->LoadSaveState(file, record.archive, version, uint16_t(entry.firstId), *this)) {
            fault = package->Error().Message();
            return false;
        }
    }
    SModule* current = game.m_packages.FindById(save.index.current.c_str());
    if (current == nullptr) {
        fault = "the world \"" + save.index.current + "\" it was saved in is not open";
        return false;
    }
    game.m_packages.SetCurrent(current);
    current->SetCurrentMap(current->FindMap(save.index.currentMap.c_str()));

    record.Load(file, kSaveGlobalsRecord);
    if (!game.m_globals.LoadValues(record.archive)) {
        fault = CutShort(file, kSaveGlobalsRecord, recordContents(kSaveGlobalsRecord), record.archive).Message();
        return false;
    }
    record.Load(file, kSavePlayerRecord);
    if (!game.m_player.ReadSaveRecord(record.archive, version, *this, fault)) {
        if (fault.empty())
            fault = CutShort(file, kSavePlayerRecord, recordContents(kSavePlayerRecord), record.archive).Message();
        return false;
    }
    record.Load(file, kSavePlayScreenRecord);
    if (m_playScreen && !m_playScreen->SerializeForLoad(record.archive, version)) {
        fault = CutShort(file, kSavePlayScreenRecord, recordContents(kSavePlayScreenRecord), record.archive).Message();
        return false;
    }
    record.Load(file, kSaveInventoryRecord);
    if (m_inventory && !m_inventory->SerializeUiForLoad(record.archive, version)) {
        fault = CutShort(file, kSaveInventoryRecord, recordContents(kSaveInventoryRecord), record.archive).Message();
        return false;
    }
    if (m_indexOutOfRange) {
        fault = "a map names more than the name tables hold";
        return false;
    }
    return true;
}
