#include "fuzz/dialogue_input.h"

#include "engine/base/archive.h"

void SDialogueInput::Serialize(SArchive& archive) {
    archive.SerializeU8(version);
    world.Serialize(archive, version, SDialogScope::World);
    person.Serialize(archive, version);
}
