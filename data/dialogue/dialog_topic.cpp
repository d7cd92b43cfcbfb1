#include "data/dialogue/dialog_topic.h"

#include "data/dialogue/optional_record.h"

namespace {

constexpr uint8_t kTopicTag = 0x23;
constexpr int kConditionAfter = 36;
constexpr int kDisplayAfter = 37;
constexpr int kFurtherAfter = 59;

}  // namespace

void SDialogTopic::Serialize(SArchive& archive, int version, SDialogScope scope) {
    archive.SerializeTag(kTopicTag);
    archive.SerializeU32(shared);
    archive.SerializeName(name);
    if (IsReference(scope)) return;
    if (version > kDisplayAfter) archive.SerializeSString(display);
    if (version > kConditionAfter) SerializeOptional(archive, condition);
    if (version > kFurtherAfter) archive.SerializeSString(further);
    answers.SerializeEach(archive, ListOrder::Appended,
                          [](SDialogAnswer& answer, SArchive& a) { answer.Serialize(a); });
}

const SDialogAnswer* SDialogTopic::FindAnswer(const SDialogPerson* person, const SDialogAnswer* after,
                                              SDialogWorld& world) const {
    int start = 0;
    if (after == nullptr) {
        if (condition && !condition->Evaluate(person, world)) return nullptr;
    } else {
        for (int i = 0; i < answers.Count(); ++i)
            if (answers[i] == after) start = i + 1;
    }
    for (int i = start; i < answers.Count(); ++i)
        if (answers[i]->IsAvailable(person, world)) return answers[i];
    return nullptr;
}
