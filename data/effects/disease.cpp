#include "data/effects/disease.h"

#include "engine/base/archive.h"

void SDisease::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(13);
    serializeHead(archive);
    archive.SerializeU8(m_strength);
    serializeEffects(archive, version);
}
