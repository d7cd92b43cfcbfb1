#pragma once
// SDialogTopic: a subject a person can be asked about (or a greeting): the line the player picks,
// an optional condition and the answers, of which the person gives the first available one.
#include <cstdint>
#include <memory>

#include "data/dialogue/condition.h"
#include "data/dialogue/dialog_answer.h"
#include "engine/base/name.h"
#include "engine/base/ptr_array.h"
#include "engine/base/string.h"

class SArchive;

// Where a topic record stands: in the world's table every topic is read whole; in a person's set
// a shared topic is only a name that stands for the world's topic of that name.
enum class SDialogScope : uint8_t { World, Person };

struct SDialogTopic {
    SDialogTopic() { name.SetOwned(); }
    SDialogTopic(const SDialogTopic&) = delete;
    SDialogTopic& operator=(const SDialogTopic&) = delete;

    const SName& NameKey() const { return name; }
    // The record, both ways: tag 0x23, an aligned u32 shared flag, the name; a shared topic of a
    // person's set ends there. Otherwise, by data version: after 37 the display text, after 36 the
    // optional condition, after 59 the further text; then the answers as an aligned u16 count and
    // the records.
    void Serialize(SArchive& archive, int version, SDialogScope scope);
    // Only the name, in a person's set: the world's topic of that name stands there.
    bool IsReference(SDialogScope scope) const { return scope == SDialogScope::Person && shared == 1; }
    // The first available answer after `after` (from the first when `after` is not one of them);
    // without `after`, none unless the topic's own condition holds, then from the first.
    const SDialogAnswer* FindAnswer(const SDialogPerson* person, const SDialogAnswer* after, SDialogWorld& world) const;

    uint32_t shared = 0;  // 1 for every topic of the world's table
    SString display;
    SName name;
    SString further;  // kept for the conversation screen
    std::unique_ptr<SCondition> condition;
    SPtrArray<SDialogAnswer> answers{4};
};
