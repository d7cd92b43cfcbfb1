#pragma once
// SDialogChoice: a reply an answer offers the player, shown only while its condition holds.
#include <memory>

#include "data/dialogue/condition.h"
#include "engine/base/string.h"

class SArchive;

struct SDialogChoice {
    // The record, both ways: tag 0x21, the optional condition, the text.
    void Serialize(SArchive& archive);
    // No condition, or one that holds.
    bool IsAvailable(const SDialogPerson* person, SDialogWorld& world) const;

    std::unique_ptr<SCondition> condition;
    SString text;
};
