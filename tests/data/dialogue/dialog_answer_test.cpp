// Which answers a person gives and which replies an answer offers.
#include "data/dialogue/dialog_answer.h"

#include <gtest/gtest.h>

#include "data/dialogue/dialog_topic.h"
#include "support/fake_dialog_world.h"
#include "support/record_bytes.h"

namespace dialog_answer_test {

namespace {

constexpr int8_t kWordCode = 2, kLevelCode = 11;

std::unique_ptr<SCondition> levelAtLeast(int16_t level) {
    auto condition = std::make_unique<SCondition>();
    condition->code = kLevelCode;
    condition->op = 4;
    condition->value = level;
    return condition;
}

std::unique_ptr<SCondition> wordIs(int16_t word) {
    auto condition = std::make_unique<SCondition>();
    condition->code = kWordCode;
    condition->value = word;
    return condition;
}

std::unique_ptr<SDialogChoice> choice(const char* text, std::unique_ptr<SCondition> condition = nullptr) {
    auto made = std::make_unique<SDialogChoice>();
    made->text.Assign(text);
    made->condition = std::move(condition);
    return made;
}

class DialogAnswerTest : public ::testing::Test {
protected:
    FakeDialogWorld world;
    const SDialogPerson person{2, false};
};

TEST_F(DialogAnswerTest, anAnswerIsGivenWhenAllItsConditionsHoldAndNoReplyIsPendingUnlessItAsksForOne) {
    SDialogAnswer plain;
    SDialogAnswer leveled;
    leveled.conditions[4] = levelAtLeast(3);
    SDialogAnswer reply;
    reply.conditions[1] = levelAtLeast(1);
    reply.conditions[2] = wordIs(2);
    struct Row {
        int32_t word, level;
        bool plain, leveled, reply;
    };
    for (Row row : {Row{0, 1, true, false, false}, Row{0, 3, true, true, false}, Row{2, 3, false, false, true},
                    Row{5, 3, false, false, false}}) {
        world.word = row.word;
        world.level = row.level;
        EXPECT_EQ(plain.IsAvailable(&person, world), row.plain) << row.word << " " << row.level;
        EXPECT_EQ(leveled.IsAvailable(&person, world), row.leveled) << row.word << " " << row.level;
        EXPECT_EQ(reply.IsAvailable(&person, world), row.reply) << row.word << " " << row.level;
    }
}

TEST_F(DialogAnswerTest, theChoicesKeepTheirSlotsAndThoseWhoseConditionFailsAreLeftOut) {
    SDialogAnswer answer;
    EXPECT_FALSE(answer.HasChoices());
    answer.choices[0] = choice("Yes");
    answer.choices[1] = choice("Only for heroes", levelAtLeast(10));
    answer.choices[2] = choice("No");
    answer.choices[3] = choice("Later", levelAtLeast(1));
    EXPECT_TRUE(answer.HasChoices());

    SDialogAnswer::SChoiceSlots slots;
    EXPECT_EQ(answer.GetChoices(slots, &person, world), 3);
    EXPECT_EQ(slots[0], answer.choices[0].get());
    EXPECT_EQ(slots[1], nullptr);
    EXPECT_EQ(slots[2], answer.choices[2].get());
    EXPECT_EQ(slots[3], answer.choices[3].get());
    EXPECT_STREQ(answer.ChoiceText(2), "Only for heroes") << "the text is the slot's, shown or not";
    EXPECT_STREQ(answer.ChoiceText(0), "");
    EXPECT_STREQ(answer.ChoiceText(5), "");
    answer.choices[2].reset();
    EXPECT_STREQ(answer.ChoiceText(3), "") << "an empty slot";
}

TEST_F(DialogAnswerTest, theScriptIsACopyThatKeepsItsLengthAndAnOddLengthReadsBack) {
    SDialogAnswer written;
    written.conditions[3] = levelAtLeast(2);
    written.text.Assign("Welcome.");
    written.choices[1] = choice("Thanks", wordIs(1));
    written.script = {1, 2, 3};
    const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& archive) { written.Serialize(archive); });
    SDialogAnswer read;
    ASSERT_EQ(ReadBytes(bytes, [&](SArchive& archive) { read.Serialize(archive); }), int(bytes.size()));
    for (int i = 0; i < SDialogAnswer::kConditions; ++i) EXPECT_EQ(read.conditions[i] != nullptr, i == 3) << i;
    EXPECT_EQ(read.conditions[3]->value, 2);
    EXPECT_STREQ(read.text.Text(), "Welcome.");
    ASSERT_NE(read.choices[1], nullptr);
    EXPECT_EQ(read.choices[0], nullptr);
    ASSERT_NE(read.choices[1]->condition, nullptr);
    EXPECT_EQ(read.choices[1]->condition->code, kWordCode);
    EXPECT_STREQ(read.choices[1]->text.Text(), "Thanks");
    EXPECT_EQ(read.script, written.script);
    EXPECT_NE(read.script.data(), bytes.data() + bytes.size() - 3) << "not a pointer into the record";
}

class DialogTopicTest : public DialogAnswerTest {
protected:
    DialogTopicTest() {
        for (int16_t level : {5, 0, 3}) {
            auto answer = std::make_unique<SDialogAnswer>();
            if (level) answer->conditions[0] = levelAtLeast(level);
            topic.answers.Add(answer.release(), ListOrder::Appended);
        }
    }
    const SDialogAnswer* answer(int i) const { return topic.answers[i]; }

    SDialogTopic topic;
};

TEST_F(DialogTopicTest, theSearchGoesOnBehindTheGivenAnswerOrFromTheFirst) {
    world.level = 4;
    EXPECT_EQ(topic.FindAnswer(&person, nullptr, world), answer(1)) << "the first available";
    EXPECT_EQ(topic.FindAnswer(&person, answer(1), world), answer(2));
    EXPECT_EQ(topic.FindAnswer(&person, answer(2), world), nullptr) << "none after the last";
    SDialogAnswer stranger;
    EXPECT_EQ(topic.FindAnswer(&person, &stranger, world), answer(1)) << "an answer of another topic";
    world.level = 5;
    EXPECT_EQ(topic.FindAnswer(&person, &stranger, world), answer(0));
}

TEST_F(DialogTopicTest, theTopicsOwnConditionGuardsOnlyTheFirstSearch) {
    topic.condition = levelAtLeast(9);
    world.level = 4;
    EXPECT_EQ(topic.FindAnswer(&person, nullptr, world), nullptr);
    EXPECT_EQ(topic.FindAnswer(&person, answer(0), world), answer(1));
}

}  // namespace

}  // namespace dialog_answer_test
