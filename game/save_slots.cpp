// What the slot lists show of a saved game, and deleting one.
#include "engine/base/archive.h"
#include "engine/base/byte_order.h"
#include "engine/files/pdb_writer.h"
#include "game/game_data.h"
#include "game/save_names.h"
#include "game/saved_game_layout.h"

std::unique_ptr<SPdb> SSaveNames::openSaveFile(uint32_t slot, std::string& fault) const {
    auto file = std::make_unique<SPdb>();
    if (m_game && m_game->m_fileFolder) file->Attach(*m_game->m_fileFolder);
    if (!file->Open(SaveFileName(slot).c_str(), kSaveTag)) {
        fault = file->Error().Message();
        return nullptr;
    }
    if (!file->IsSaveGame()) {
        fault = file->Path() + ": it is not a saved game";
        return nullptr;
    }
    return file;
}

std::unique_ptr<SSaveSlotInfo> SSaveNames::ReadSaveSlotInfo(uint32_t slot) const {
    std::string fault;
    std::unique_ptr<SPdb> file = openSaveFile(slot, fault);
    std::unique_ptr<SPdbRecord> record = file ? file->LoadRecord(kSaveHeaderRecord) : nullptr;
    if (record == nullptr) return nullptr;
    SArchive archive;
    archive.OpenRead(record->Data(), record->Size());
    // The list offers only what reads as a header, tags and all.
    for (uint8_t tag : kSaveHeaderTags)
        if (!archive.SerializeTag(tag)) return nullptr;
    auto info = std::make_unique<SSaveSlotInfo>();
    info->slot = slot;
    archive.SerializeU8(info->version);
    const uint8_t* pixels = nullptr;
    uint16_t length = 0;
    archive.SerializeBlob(pixels, length);
    archive.SerializeString(info->mapTitle);
    archive.SerializeString(info->dateText);
    // A thumbnail cut short would be drawn from past the record.
    if (archive.Failed() || length != kSaveThumbBytes) return nullptr;
    for (size_t i = 0; i < info->thumbnail.size(); ++i) info->thumbnail[i] = ReadLE16(pixels + 2 * i);
    return info;
}

bool SSaveNames::DeleteSaveSlot(uint32_t slot) const {
    SPdbWriter writer;
    if (m_game && m_game->m_fileFolder) writer.Attach(*m_game->m_fileFolder);
    writer.DeleteFile(SaveFileName(slot).c_str());
    return true;
}
