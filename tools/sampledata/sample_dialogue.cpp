#include "tools/sampledata/sample_dialogue.h"

#include "data/persons/face_table.h"
#include "data/persons/npc_table.h"
#include "tools/sampledata/game_script_commands.h"
#include "tools/sampledata/interface_art_parts.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/script_assembler.h"

namespace {

constexpr int8_t kReplyCode = 2;  // a condition on the player's reply to the answer before

std::unique_ptr<SCondition> condition(int8_t code, int16_t value, const char* text, uint8_t op) {
    auto made = std::make_unique<SCondition>();
    made->code = code;
    made->value = value;
    made->op = op;
    if (text != nullptr) made->text.Assign(text);
    return made;
}

}  // namespace

std::unique_ptr<SDialogTopic> SampleTopic(const char* name, const char* display,
                                          std::initializer_list<SSampleAnswer> answers) {
    auto made = std::make_unique<SDialogTopic>();
    made->name.Set(name);
    made->display.Assign(display);
    for (const SSampleAnswer& sample : answers) {
        auto answer = std::make_unique<SDialogAnswer>();
        answer->text.Assign(sample.text);
        if (sample.script) answer->script = SScriptAssembler::Assemble(sample.script, GameScriptCommands());
        size_t next = 0;
        if (sample.reply != 0) answer->conditions[next++] = condition(kReplyCode, sample.reply, nullptr, 1);
        for (const SSampleTest& test : sample.tests)
            if (test.code != 0) answer->conditions[next++] = condition(test.code, test.value, test.text, test.op);
        for (int i = 0; i < SDialogAnswer::kChoices; ++i) {
            if (sample.choices[i] == nullptr) continue;
            answer->choices[size_t(i)] = std::make_unique<SDialogChoice>();
            answer->choices[size_t(i)]->text.Assign(sample.choices[i]);
        }
        made->answers.Add(answer.release(), ListOrder::Appended);
    }
    return made;
}

SNpcType& AddSamplePerson(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package, const char* name,
                          const char* face, const char* display, int race) {
    auto record = std::make_unique<SFaceType>();
    record->name.Set(face);
    faces.Add(std::move(record));
    package.pictures.push_back({face, interface_art::Portrait(race).Record()});
    auto person = std::make_unique<SNpcType>();
    person->name.Set(name);
    person->texts[0].Assign(display);
    person->texts[1].Assign(face);
    person->race = uint8_t(race);
    person->topics = std::make_unique<SDialogTopicSet>();
    persons.Add(std::move(person));
    return *persons.Find(name);
}
