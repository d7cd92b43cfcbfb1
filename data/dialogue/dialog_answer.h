#pragma once
// SDialogAnswer: what a person answers on a topic: the text, the script the answer runs, up to
// five conditions that decide whether the person gives it, and up to four replies it offers.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "data/dialogue/condition.h"
#include "data/dialogue/dialog_choice.h"
#include "engine/base/string.h"

class SArchive;

struct SDialogAnswer {
    static constexpr int kConditions = 5;
    static constexpr int kChoices = 4;
    using SChoiceSlots = std::array<const SDialogChoice*, kChoices>;

    // The record, both ways: tag 0x22, five optional conditions, the text, four optional choices,
    // the script as a counted blob (length 0: none). The script is read as a copy of its own, so
    // that the interpreter aligns from the program's start and checks every read against its
    // length.
    void Serialize(SArchive& archive);
    // Every condition holds, and either one of them asks for the conversation word (code 2) or the
    // word is 0: while a reply is pending, only answers that expect one are given.
    bool IsAvailable(const SDialogPerson* person, SDialogWorld& world) const;
    // Each slot gets its choice when present and available, else null; answers how many are set.
    int GetChoices(SChoiceSlots& slots, const SDialogPerson* person, SDialogWorld& world) const;
    bool HasChoices() const;
    // The text of choice slot 1..4; empty for an empty slot or a number outside them.
    const char* ChoiceText(int slot) const;

    std::array<std::unique_ptr<SCondition>, kConditions> conditions;
    SString text;
    std::array<std::unique_ptr<SDialogChoice>, kChoices> choices;
    std::vector<uint8_t> script;
};
