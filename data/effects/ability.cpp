#include "data/effects/ability.h"

#include "engine/base/archive.h"

void SAbility::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(11);
    serializeHead(archive);
    serializeEffects(archive, version);
}
