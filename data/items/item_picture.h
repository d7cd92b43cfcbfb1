#pragma once
// SItemPicture: the picture an item shows in the inventory, and the palettes it is drawn with.
#include <cstdint>

#include "data/package/module_load_order.h"
#include "data/palette_holder.h"

class SArchive;

class SItemPicture : public SPaletteHolder {
public:
    static constexpr uint8_t kChunkTag = 22;
    static constexpr SModuleTable kTable = SModuleTable::Items;

    // Tag 23, the name, the flag; at data versions 45 and 46 a further byte after a flag of 0;
    // the palette names. The name points into the record.
    void Serialize(SArchive& archive, int version);

    // Non-zero: the picture is not the resource of the record's name, which then stays unresolved.
    uint8_t m_flag = 0;
    uint8_t m_oldByte = 0;  // written back as read
    // The resource cache's slot of the picture, once resolved; 0 for none.
    uint32_t m_slot = 0;
};
