// The interface pictures and sounds that stay loaded for the whole run.
#include "game/game_data.h"
#include "game/interface_pictures.h"

namespace {
constexpr uint16_t kInterfaceSoundRecords[2] = {4031, 4032};
}

bool SGameData::LoadInterfaceRecords(std::string& error) {
    const std::string package = m_fileFolder ? m_fileFolder->Resolve("BrimvaleData.pdb") : "BrimvaleData.pdb";
    for (int slot = 0; slot < kInterfacePictures; ++slot) {
        m_interfacePictures[slot].reset();
        const uint16_t id = InterfacePictureRecord(slot, m_screenMode);
        if (id == 0) continue;
        auto entry = std::make_unique<SPictureEntry>();
        entry->recordId = id;
        entry->record = m_dataPackage->LoadRecord(id);
        if (!entry->record) {
            error = "The interface package " + package + " has no record " + std::to_string(id) + " (picture slot " +
                    std::to_string(slot) + ").";
            return false;
        }
        std::string why;
        // Interface pictures start at the record's first byte.
        if (!entry->Bind(entry->record->Data(), entry->record->Size(), why)) {
            error = "The interface package " + package + " has a damaged record " + std::to_string(id) + ": " + why + ".";
            return false;
        }
        m_interfacePictures[slot] = std::move(entry);
    }
    m_interfaceTextColour = 0x94D6EF;
    m_interfaceShadeColour = 0x4294C6;

    SSoundType* sounds[2] = {&m_interfaceSound1, &m_interfaceSound2};
    for (int i = 0; i < 2; ++i) {
        auto record = m_dataPackage->LoadRecord(kInterfaceSoundRecords[i]);
        if (!record) {
            error = "The interface package " + package + " has no record " + std::to_string(kInterfaceSoundRecords[i]) +
                    " (an interface sound).";
            return false;
        }
        sounds[i]->sampleImage = std::move(record->bytes);
    }
    return true;
}
