#pragma once
// SFpsItem: the sprite of a wielded item that the 3-D view shows in the player's hands: its frame
// pictures, the palettes they are drawn with, and the sound a blow with it makes.
#include <array>
#include <cstdint>

#include "data/frame_holder.h"
#include "data/package/module_load_order.h"
#include "engine/base/string.h"

class SArchive;
class SSoundTable;

class SFpsItem : public SFrameHolder {
public:
    static constexpr uint8_t kChunkTag = 56;
    static constexpr SModuleTable kTable = SModuleTable::Items;

    // Plays the blow's sound at full volume; the channel, 0 when none plays.
    int PlaySound(SSoundTable& sounds) const;

    // Tag 57, the name, the value, a text and two u16; a byte from data version 4, two from 75,
    // one from 77 and one from 78; a text from 82, the sound name from 107; the frame names; from
    // 18 the palette names. Names point into the record.
    void Serialize(SArchive& archive, int version);

    // Read and written back for the play screen, which gives them their meaning.
    uint8_t m_value = 0;
    SString m_text;
    uint16_t m_numberA = 0;
    uint16_t m_numberB = 0;
    std::array<uint8_t, 5> m_bytes{};
    SString m_lateText;
    SString m_soundName;
};
