#pragma once
// SCondition: one test of a conversation: a code that says what is measured (the player, the
// play screen, the person, the script context), an operator and the value it is compared with.
#include <cstdint>

#include "engine/base/string.h"

class SArchive;
class SDialogWorld;
struct SDialogPerson;

// Operators 1..6: =, !=, >, >=, <, <=; any other gives false.
bool CompareByOperator(uint8_t op, int64_t tested, int64_t value);

struct SCondition {
    // The record, both ways: tag 0x20, the text, an aligned i16 value, the code, the operator and
    // the flag.
    void Serialize(SArchive& archive);
    // The code's test; codes outside -1..60 give false. Without a person, the person's race matches
    // no race and its shop counts as closed.
    bool Evaluate(const SDialogPerson* person, SDialogWorld& world) const;

    SString text;  // the name a test uses: an item type, quest, disease, global, object...
    int16_t value = 0;
    int8_t code = 0;
    uint8_t op = 1;
    uint8_t flag = 0;  // a race, an attribute or skill number, or a price entry number
};
