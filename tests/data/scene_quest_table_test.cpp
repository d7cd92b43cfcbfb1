// The scene and quest tables: one record each, read and written by one routine.
#include <gtest/gtest.h>

#include "data/quest_table.h"
#include "data/scene_table.h"
#include "support/record_package.h"

namespace scene_quest_table_test {

namespace {

void addSampleScenes(SSceneTable& scenes) {
    auto intro = std::make_unique<SScene>();
    intro->name.Set("bres_intro");
    intro->musicName.Assign("bmus_main");
    intro->secondText.Assign("second");
    for (const char* text : {"Once upon a time", "The end"}) {
        auto page = std::make_unique<SScenePage>();
        page->pictureName.Assign("bres_page");
        page->text.Assign(text);
        page->scriptName.Assign("bres_pagescript");
        intro->pages.Add(page.release(), ListOrder::Appended);
    }
    scenes.Add(std::move(intro));
    auto credits = std::make_unique<SScene>();
    credits->name.Set("bmus_credits");
    scenes.Add(std::move(credits));
    for (const char* name : {"bres_intro", "bmus_credits"}) {
        auto entry = std::make_unique<SSceneName>();
        entry->name.Set(name);
        scenes.AddName(std::move(entry));
    }
}

class SceneTableTest : public RecordPackageTest {};

// Each version reads back what its records hold; the rest keeps its default (empty).
TEST_F(SceneTableTest, theNameListThePageScriptAndTheSecondTextCameWithLaterVersions) {
    struct Row {
        int version;
        int names;
        const char* scriptName;
        const char* secondText;
    };
    for (Row row : {Row{100, 0, "", ""}, Row{101, 2, "", ""}, Row{102, 2, "bres_pagescript", ""},
                    Row{112, 2, "bres_pagescript", ""}, Row{113, 2, "bres_pagescript", "second"}}) {
        SSceneTable written;
        addSampleScenes(written);
        SSceneTable read;
        ASSERT_TRUE(read.Load(OpenRecords(written.Write(row.version), row.version))) << Refusal();
        EXPECT_EQ(read.Names().Count(), row.names) << row.version;
        const SScene* intro = read.Find("bres_intro");
        ASSERT_NE(intro, nullptr) << row.version;
        EXPECT_STREQ(intro->musicName.Text(), "bmus_main");
        EXPECT_STREQ(intro->secondText.Text(), row.secondText) << row.version;
        ASSERT_EQ(intro->pages.Count(), 2);
        EXPECT_STREQ(intro->Page(1)->text.Text(), "The end");
        EXPECT_STREQ(intro->Page(0)->pictureName.Text(), "bres_page");
        EXPECT_STREQ(intro->Page(0)->scriptName.Text(), row.scriptName) << row.version;
        EXPECT_EQ(intro->Page(2), nullptr);
        EXPECT_EQ(intro->Page(-1), nullptr);
        ASSERT_NE(read.Find("bmus_credits"), nullptr);
        EXPECT_EQ(read.Find("bmus_credits")->pages.Count(), 0);
        EXPECT_EQ(read.Find("bres_outro"), nullptr);
    }
}

TEST_F(SceneTableTest, aSceneListCutShortIsRefused) {
    SSceneTable written;
    addSampleScenes(written);
    SRecordList records = written.Write(114);
    // The record reads back with zeros behind it, which end a text cut in its middle: cut deeper.
    records[0].resize(records[0].size() / 2);
    SSceneTable read;
    EXPECT_FALSE(read.Load(OpenRecords(records, 114)));
    EXPECT_NE(Refusal().find("record 100 (the scene table) at byte"), std::string::npos) << Refusal();
    EXPECT_NE(Refusal().find("cut short"), std::string::npos) << Refusal();
}

TEST_F(SceneTableTest, aPageCountBeyondThePagesIsRefused) {
    SSceneTable scenes;
    auto scene = std::make_unique<SScene>();
    scene->name.Set("bres_intro");
    scene->pages.Add(new SScenePage, ListOrder::Appended);
    scenes.Add(std::move(scene));
    SRecordList records = scenes.Write(114);
    // '5', pad, no names (2), one scene (4), '6' at 6, "bres_intro" NUL to 17, two empty texts to
    // 19, the page count at 20.
    ASSERT_EQ(records[0][20], 1) << "the layout above holds";
    records[0][20] = 3;
    SSceneTable read;
    EXPECT_FALSE(read.Load(OpenRecords(records, 114)));
    EXPECT_NE(Refusal().find("record 100 (the scene table) at byte"), std::string::npos) << Refusal();
}

class QuestTableTest : public RecordPackageTest {};

TEST_F(QuestTableTest, questsAreFoundByNameWithTheirTitleAndText) {
    SQuestTable written;
    for (const char* name : {"base_ring", "base_wolf", "base_key"}) {
        auto quest = std::make_unique<SQuest>();
        quest->name.Set(name);
        quest->title.Assign((std::string("Title of ") + name).c_str());
        quest->text.Assign("Find it.");
        written.Add(std::move(quest));
    }
    SQuestTable read;
    ASSERT_TRUE(read.Load(OpenRecords(written.Write(114), 114))) << Refusal();
    ASSERT_EQ(read.Quests().Count(), 3);
    ASSERT_NE(read.Find("base_wolf"), nullptr);
    EXPECT_STREQ(read.Find("base_wolf")->title.Text(), "Title of base_wolf");
    EXPECT_STREQ(read.Find("base_wolf")->text.Text(), "Find it.");
    EXPECT_EQ(read.Find("base_bear"), nullptr);
    read.Clear();
    EXPECT_EQ(read.Find("base_wolf"), nullptr);
}

TEST_F(QuestTableTest, aQuestCountBeyondTheQuestsIsRefused) {
    SQuestTable written;
    auto quest = std::make_unique<SQuest>();
    quest->name.Set("base_ring");
    written.Add(std::move(quest));
    SRecordList records = written.Write(114);
    ASSERT_EQ(records[0][2], 1) << "tag 8, pad, the count at 2";
    records[0][2] = 2;
    SQuestTable read;
    EXPECT_FALSE(read.Load(OpenRecords(records, 114)));
    EXPECT_NE(Refusal().find("record 100 (the quest table) at byte"), std::string::npos) << Refusal();
}

}  // namespace

}  // namespace scene_quest_table_test
