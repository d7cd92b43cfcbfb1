// The interface pictures and sounds that stay loaded for the whole run.
#include "game/game_data.h"
#include "game/interface_pictures.h"

namespace {
constexpr uint16_t kInterfaceSoundRecords[2] = {4031, 4032};
}

bool SGameData::LoadInterfaceRecords(SReadError& error) {
    for (int slot = 0; slot < kInterfacePictures; ++slot) {
        m_interfacePictures[slot].reset();
        const uint16_t id = InterfacePictureRecord(slot, m_screenMode);
        if (id == 0) continue;
        auto entry = std::make_unique<SPictureEntry>();
        entry->recordId = id;
        entry->record = m_dataPackage->LoadRecord(id);
        SReadError fault = m_dataPackage->RecordFault(id, "picture slot " + std::to_string(slot), "missing");
        // Interface pictures start at the record's first byte.
        if (!entry->record || !entry->Bind(entry->record->bytes, 0, fault)) {
            error = fault;
            return false;
        }
        m_interfacePictures[slot] = std::move(entry);
    }
    m_interfaceTextColour = 0x94D6EF;
    m_interfaceShadeColour = 0x4294C6;

    SSoundType* sounds[2] = {&m_interfaceSound1, &m_interfaceSound2};
    for (int i = 0; i < 2; ++i) {
        const uint16_t id = kInterfaceSoundRecords[i];
        auto record = m_dataPackage->LoadRecord(id);
        std::string fault = "missing";
        if (!record || !sounds[i]->TakeImage(std::move(record->bytes), fault)) {
            error = m_dataPackage->RecordFault(id, "an interface sound", fault);
            return false;
        }
        // Named only so that whoever listens can tell the two apart.
        sounds[i]->name = "interface sound " + std::to_string(i + 1);
    }
    return true;
}

const SPictureEntry* SGameData::InterfacePicture(SInterfaceRole role, int index) const {
    const SRoleSlots slots = InterfaceRoleSlots(role);
    if (index < 0 || index >= slots.count) return nullptr;
    return m_interfacePictures[slots.first + index].get();
}
