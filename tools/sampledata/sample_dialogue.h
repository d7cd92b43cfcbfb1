#pragma once
// The sample world's persons written as short tables: a topic from its answers, each with its
// text, its script listing, the reply or the tests it waits for and the replies it offers; and a
// person with a face of its own.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>

#include "data/dialogue/dialog_topic.h"

class SFaceTable;
class SNpcTable;
class SNpcType;
struct SSamplePackage;

// A test an answer waits for: the condition code, the value it compares equal to, and the name
// it measures (an item type, a quest...).
struct SSampleTest {
    int8_t code = 0;  // 0: no test
    int16_t value = 1;
    const char* text = nullptr;
    uint8_t op = 1;  // =, !=, >, >=, <, <= as 1 to 6
};

struct SSampleAnswer {
    const char* text;
    const char* script = nullptr;  // a listing for the script assembler
    int16_t reply = 0;             // given only to this reply (1 to 4); 0 always
    const char* choices[SDialogAnswer::kChoices] = {};
    std::array<SSampleTest, 3> tests = {};  // all must hold
};

std::unique_ptr<SDialogTopic> SampleTopic(const char* name, const char* display,
                                          std::initializer_list<SSampleAnswer> answers);

// Adds the person and a face of the race's look, under the face's name, to the tables and the
// face's picture to the package. Names are literals: the package keeps the pointers until it is
// written.
SNpcType& AddSamplePerson(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package, const char* name,
                          const char* face, const char* display, int race);
