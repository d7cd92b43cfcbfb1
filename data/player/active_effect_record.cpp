// An active effect's saved form.
#include "data/items/item_type.h"
#include "data/player/active_effect.h"
#include "data/player/player_save_names.h"
#include "data/spells/spell_type.h"
#include "engine/base/archive.h"

void SActiveEffect::serialize(SArchive& archive, uint16_t& sourceId) {
    archive.SerializeU8(origin);
    archive.SerializeU8(type);
    archive.SerializeU16(sourceId);
    archive.SerializeString(name);
    archive.SerializeI16(magnitude);
    archive.SerializeU8(duration);
    archive.SerializeU8(subId);
}

void SActiveEffect::Write(SArchive& archive, SPlayerSaveNames& names) const {
    uint16_t sourceId = 0;
    if (source != nullptr && origin == kFromUsedItem)
        sourceId = names.InternItemType(static_cast<const SItemType*>(source)->m_name.Text());
    else if (source != nullptr && origin == kFromSpell)
        sourceId = names.InternSpell(*static_cast<const SSpellType*>(source));
    SActiveEffect written = *this;
    written.serialize(archive, sourceId);
}

bool SActiveEffect::Read(SArchive& archive, SPlayerSaveNames& names) {
    uint16_t sourceId = 0;
    serialize(archive, sourceId);
    if (archive.Failed() || type == kNoPlayerEffect || type >= kPlayerEffectTypes) return false;
    switch (origin) {
        case kFromUsedItem: source = names.GetItemType(sourceId); break;
        case kFromSpell: source = names.GetSpell(sourceId); break;
        case kFromMonster: source = nullptr; return true;
        default: return false;
    }
    return source != nullptr;
}
