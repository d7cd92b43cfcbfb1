#pragma once
// SEquipPicture: the equipment record that links an item type to its pictures: the inventory
// picture and the first-person sprite shown while the item is wielded.
#include <array>
#include <cstdint>

#include "data/package/module_load_order.h"
#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;

class SEquipPicture {
public:
    static constexpr uint8_t kChunkTag = 18;
    static constexpr SModuleTable kTable = SModuleTable::Items;

    // Texts are read as copies of their own.
    SEquipPicture() { m_name.SetOwned(); }
    SEquipPicture(const SEquipPicture&) = delete;
    SEquipPicture& operator=(const SEquipPicture&) = delete;

    const SName& NameKey() const { return m_name; }

    // No tag: the name, a text, the item picture's and the sprite's names, the aligned u32, five
    // u16 and from data version 29 a sixth, then two bytes.
    void Serialize(SArchive& archive, int version);

    SName m_name;
    SString m_text;
    SString m_pictureName;  // an SItemPicture
    SString m_spriteName;   // an SFpsItem
    // Read and written back for the screens, which give them their meaning.
    uint32_t m_value = 100;
    std::array<uint16_t, 6> m_numbers{10, 100, 5, 10, 5, 1000};
    uint8_t m_byteA = 2;
    uint8_t m_byteB = 3;
};
