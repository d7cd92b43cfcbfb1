#include "data/effects/effect_record.h"

#include "data/effects/effect_list.h"
#include "engine/base/archive.h"

std::string SEffectRecord::Fault() const { return EffectsFault(m_effects); }

void SEffectRecord::serializeHead(SArchive& archive) {
    m_name.Serialize(archive);
    archive.SerializeSString(m_text);
}

void SEffectRecord::serializeEffects(SArchive& archive, int version) {
    m_effects.SerializeList(archive, version, ListOrder::Appended);
}
