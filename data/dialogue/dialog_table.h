#pragma once
// SDialogTable: the world's topics and greetings, which every package's dialogue chunk adds to and
// persons' sets refer to by name.
#include "data/dialogue/dialog_topic_set.h"
#include "engine/packages/record_list.h"

struct SRecordCursor;

class SDialogTable : public SDialogTopicSet {
public:
    // One record: the topic set in the world's scope. Its topics join those of the packages opened
    // before, all or none: a missing or damaged record adds nothing and fails with the cursor's
    // error naming the table.
    bool Load(SRecordCursor& cursor);
    // The record Load reads back, for what the table holds.
    SRecordList Write(int version);
};
