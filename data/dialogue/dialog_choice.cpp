#include "data/dialogue/dialog_choice.h"

#include "data/dialogue/optional_record.h"

void SDialogChoice::Serialize(SArchive& archive) {
    constexpr uint8_t kTag = 0x21;
    archive.SerializeTag(kTag);
    SerializeOptional(archive, condition);
    archive.SerializeSString(text);
}

bool SDialogChoice::IsAvailable(const SDialogPerson* person, SDialogWorld& world) const {
    return condition == nullptr || condition->Evaluate(person, world);
}
