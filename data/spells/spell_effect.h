#pragma once
// SSpellEffect: an animation that flies where a spell is cast or shows where it strikes: its frame
// pictures and the palettes they are drawn with. SSpellEffectTable: all of them.
#include <cstdint>

#include "data/frame_holder.h"
#include "data/package/module_load_order.h"

class SArchive;

class SSpellEffect : public SFrameHolder {
public:
    static constexpr uint8_t kChunkTag = '0';
    static constexpr SModuleTable kTable = SModuleTable::SpellEffects;

    // Tag '1', the name, the value; from data version 26 to 108 a text that is read and dropped;
    // the frame names and the palette names as string lists. Read names point into the record.
    void Serialize(SArchive& archive, int version);

    // Handed to the animation by the casting code.
    uint8_t m_value = 1;
};

using SSpellEffectTable = SFrameHolderTable<SSpellEffect>;
