#include "data/dialogue/dialog_answer.h"

#include "data/dialogue/dialog_world.h"
#include "data/dialogue/optional_record.h"

namespace {

constexpr int8_t kConversationWordCode = 2;

}  // namespace

void SDialogAnswer::Serialize(SArchive& archive) {
    constexpr uint8_t kTag = 0x22;
    archive.SerializeTag(kTag);
    for (auto& condition : conditions) SerializeOptional(archive, condition);
    archive.SerializeSString(text);
    for (auto& choice : choices) SerializeOptional(archive, choice);
    const uint8_t* bytes = script.data();
    auto length = uint16_t(script.size());
    archive.SerializeBlob(bytes, length);
    if (!archive.IsWriting()) script.assign(bytes, bytes + length);
}

bool SDialogAnswer::IsAvailable(const SDialogPerson* person, SDialogWorld& world) const {
    bool asksForWord = false;
    for (const auto& condition : conditions) {
        if (condition == nullptr) continue;
        if (!condition->Evaluate(person, world)) return false;
        if (condition->code == kConversationWordCode) asksForWord = true;
    }
    return asksForWord || world.ConversationWord() == 0;
}

int SDialogAnswer::GetChoices(SChoiceSlots& slots, const SDialogPerson* person, SDialogWorld& world) const {
    int count = 0;
    for (int i = 0; i < kChoices; ++i) {
        const SDialogChoice* choice = choices[i].get();
        slots[i] = choice && choice->IsAvailable(person, world) ? choice : nullptr;
        if (slots[i]) ++count;
    }
    return count;
}

bool SDialogAnswer::HasChoices() const {
    for (const auto& choice : choices)
        if (choice) return true;
    return false;
}

const char* SDialogAnswer::ChoiceText(int slot) const {
    const SDialogChoice* choice = slot >= 1 && slot <= kChoices ? choices[slot - 1].get() : nullptr;
    return choice ? choice->text.Text() : "";
}
