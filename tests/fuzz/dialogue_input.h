#pragma once
// A fuzz input for the dialogue and person readers: a data version, a world dialogue chunk and a
// person's record, through one field list for both directions, so that the seed writer's inputs
// read back exactly.
#include <cstdint>

#include "data/dialogue/dialog_topic_set.h"
#include "data/persons/npc_type.h"

class SArchive;

struct SDialogueInput {
    uint8_t version = 114;
    SDialogTopicSet world;
    SNpcType person;

    void Serialize(SArchive& archive);
};
