// The world's dialogue table and persons' topic sets: records by data version, chunks of several
// packages, and persons' shared entries resolved to the world's topics by name.
#include "data/dialogue/dialog_table.h"

#include <gtest/gtest.h>

#include "support/fake_dialog_world.h"
#include "support/record_bytes.h"
#include "support/record_package.h"

namespace dialog_table_test {

namespace {

std::unique_ptr<SDialogTopic> makeTopic(const char* name, const char* display, uint32_t shared = 0) {
    auto topic = std::make_unique<SDialogTopic>();
    topic->name.Set(name);
    topic->display.Assign(display);
    topic->shared = shared;
    return topic;
}

std::unique_ptr<SDialogTopic> answeredTopic(const char* name, const char* display, const char* answerText) {
    auto topic = makeTopic(name, display);
    topic->further.Assign("more");
    topic->condition = std::make_unique<SCondition>();
    topic->condition->code = 11;
    topic->condition->op = 4;
    topic->condition->value = 2;
    auto answer = std::make_unique<SDialogAnswer>();
    answer->text.Assign(answerText);
    answer->script = {7, 7};
    topic->answers.Add(answer.release(), ListOrder::Appended);
    return topic;
}

// World topics "job" and "town" and the greeting "hello", shared as the world's are once read.
void addWorldTopics(SDialogTopicSet& world) {
    world.AddTopic(answeredTopic("job", "Job", "I sell bread."));
    world.AddTopic(answeredTopic("town", "Town", "Brim is quiet."));
    world.AddGreeting(answeredTopic("hello", "Hello", "Good day."));
    for (SDialogTopic* topic : world.Topics()) topic->shared = 1;
    world.Greetings()[0]->shared = 1;
}

class DialogTableTest : public RecordPackageTest {};

TEST_F(DialogTableTest, theDisplayTextTheConditionAndTheFurtherTextCameWithLaterVersions) {
    struct Row {
        int version;
        const char* display;
        bool condition;
        const char* further;
    };
    for (Row row :
         {Row{36, "", false, ""}, Row{37, "", true, ""}, Row{38, "Job", true, ""}, Row{60, "Job", true, "more"}}) {
        SDialogTable written;
        addWorldTopics(written);
        SDialogTable read;
        ASSERT_TRUE(read.Load(OpenRecords(written.Write(row.version), row.version))) << Refusal();
        ASSERT_EQ(read.Topics().size(), 2u) << row.version;
        ASSERT_EQ(read.Greetings().size(), 1u) << row.version;
        const SDialogTopic* job = read.FindTopic("job");
        ASSERT_NE(job, nullptr);
        EXPECT_STREQ(job->display.Text(), row.display) << row.version;
        EXPECT_EQ(job->condition != nullptr, row.condition) << row.version;
        EXPECT_STREQ(job->further.Text(), row.further) << row.version;
        ASSERT_EQ(job->answers.Count(), 1);
        EXPECT_STREQ(job->answers[0]->text.Text(), "I sell bread.");
        EXPECT_EQ(job->answers[0]->script, (std::vector<uint8_t>{7, 7}));
        EXPECT_EQ(read.FindTopic("hello"), nullptr) << "greetings are a list of their own";
        EXPECT_NE(read.FindGreeting("hello"), nullptr);
        for (const SDialogTopic* topic : read.Topics()) EXPECT_EQ(topic->shared, 1u) << "the world's are shared";
    }
}

TEST_F(DialogTableTest, aSecondPackagesTopicsJoinAndADamagedChunkAddsNone) {
    SDialogTable first;
    addWorldTopics(first);
    SDialogTable second;
    second.AddTopic(answeredTopic("ruins", "Ruins", "Old stones."));
    SRecordList records = first.Write(114);
    const SRecordList more = second.Write(114);
    records.insert(records.end(), more.begin(), more.end());
    std::vector<uint8_t> cut = more[0];
    cut.resize(cut.size() - 3);
    records.push_back(cut);

    SDialogTable table;
    SRecordCursor& cursor = OpenRecords(records, 114);
    ASSERT_TRUE(table.Load(cursor)) << Refusal();
    ASSERT_TRUE(table.Load(cursor)) << Refusal();
    EXPECT_EQ(table.Topics().size(), 3u);
    EXPECT_STREQ(table.Topics()[2]->name.Text(), "ruins") << "in package order";
    EXPECT_FALSE(table.Load(cursor));
    EXPECT_NE(Refusal().find("the dialogue table"), std::string::npos) << Refusal();
    EXPECT_EQ(table.Topics().size(), 3u);
    table.Clear();
    EXPECT_TRUE(table.Topics().empty());
    EXPECT_TRUE(table.Greetings().empty());
}

class PersonTopicSetTest : public ::testing::Test {
protected:
    PersonTopicSetTest() {
        addWorldTopics(world);
        // The person's own "rumours", the world's "job", a "lost" topic the world lacks, and
        // "hello" as a topic: the world has it only as a greeting.
        written.AddTopic(answeredTopic("rumours", "Rumours", "None today."));
        written.AddTopic(makeTopic("job", "", 1));
        written.AddTopic(makeTopic("lost", "", 1));
        written.AddTopic(makeTopic("hello", "", 1));
        written.AddGreeting(makeTopic("hello", "", 1));
        bytes = WrittenBytes([&](SArchive& archive) { written.Serialize(archive, 114, SDialogScope::Person); });
        EXPECT_EQ(ReadBytes(bytes, [&](SArchive& a) { person.Serialize(a, 114, SDialogScope::Person); }),
                  int(bytes.size()));
    }

    SDialogTable world;
    SDialogTopicSet written;
    SDialogTopicSet person;
    std::vector<uint8_t> bytes;
};

TEST_F(PersonTopicSetTest, sharedEntriesBecomeTheWorldsTopicsAndAMissingOneStaysANameAlone) {
    person.ResolveShared(world);
    ASSERT_EQ(person.Topics().size(), 4u);
    EXPECT_STREQ(person.Topics()[0]->name.Text(), "rumours");
    EXPECT_EQ(person.Topics()[1], world.FindTopic("job")) << "in the entry's place";
    const SDialogTopic* lost = person.Topics()[2];
    EXPECT_STREQ(lost->name.Text(), "lost");
    EXPECT_EQ(lost->shared, 1u);
    EXPECT_EQ(lost->answers.Count(), 0) << "only its name";
    EXPECT_NE(person.Topics()[3], world.FindGreeting("hello")) << "topics come from the world's topics only";
    EXPECT_EQ(person.Greetings()[0], world.FindGreeting("hello"));
}

TEST_F(PersonTopicSetTest, writingBackGivesTheSameRecordAndClearingLeavesTheWorldsTopics) {
    person.ResolveShared(world);
    EXPECT_EQ(WrittenBytes([&](SArchive& archive) { person.Serialize(archive, 114, SDialogScope::Person); }), bytes);
    person.Clear();
    EXPECT_TRUE(person.Topics().empty());
    // The sanitizer build sees a world topic freed twice, or a stand-in never freed.
    ASSERT_NE(world.FindTopic("job"), nullptr);
    EXPECT_EQ(world.FindTopic("job")->answers.Count(), 1);
}

TEST_F(PersonTopicSetTest, theMenuListsTheTopicsAnsweredNowAndTheGreetingIsTheFirstAnswered) {
    person.ResolveShared(world);
    FakeDialogWorld game;
    const SDialogPerson someone{2, false};
    game.level = 1;
    EXPECT_TRUE(person.CollectTopics(&someone, game).empty()) << "every answered topic asks for level 2";
    EXPECT_FALSE(person.FindGreetingFor(&someone, game).has_value()) << "silence";
    game.level = 2;
    const std::vector<SDialogTopicEntry> menu = person.CollectTopics(&someone, game);
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_STREQ(menu[0].text, "Rumours");
    EXPECT_STREQ(menu[1].text, "Job");
    EXPECT_EQ(menu[1].answer, world.FindTopic("job")->answers[0]);
    const std::optional<SDialogTopicEntry> greeting = person.FindGreetingFor(&someone, game);
    ASSERT_TRUE(greeting.has_value());
    EXPECT_STREQ(greeting->answer->text.Text(), "Good day.");
}

}  // namespace

}  // namespace dialog_table_test
