// The journal's Quests page: the player's quests under the four filters with their state pictures,
// the description of the selected quest, and a quest the world's table lacks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/quest_table.h"
#include "screens/inventory/inventory_fixture.h"

namespace quests_page_test {

namespace {

constexpr uint32_t kLargeTall = 10;
constexpr uint32_t kSmallTall = 7;

class QuestsPageTest : public InventoryTest {
protected:
    SStateInventory& OpenQuests(uint32_t mode) {
        StartInventory(mode);
        for (const char* name : {"base_q_open", "base_q_won", "base_q_lost", "base_q_both"}) {
            auto quest = std::make_unique<SQuest>();
            quest->name.Set(name);
            quest->title.Assign(std::string(name).substr(7).c_str());
            quest->text.Assign((std::string("The tale of ") + name).c_str());
            Game().m_questTable.Add(std::move(quest));
        }
        OpenBag(nullptr);
        Command(SStateInventory::kQuestsTab);
        return Inventory();
    }
    // The quests given in this order, then ended as their names say.
    void GiveQuests() {
        for (const char* name : {"base_q_open", "base_q_won", "base_q_lost", "base_q_both"}) Player().AddQuest(name);
        Player().EndQuest("base_q_won", true);
        Player().EndQuest("base_q_lost", false);
        Player().EndQuest("base_q_both", false);
        // Both bits: solved is read first.
        Player().FindQuest("base_q_both")->state |= 1;
    }
    const SJournalList& List() { return Inventory().m_questsPage.m_list; }
    std::vector<uint32_t> Values() {
        std::vector<uint32_t> values;
        for (int i = 0; i < List().m_list.RowCount(); ++i) values.push_back(List().m_list.Row(i).value);
        return values;
    }
    std::string Body() {
        std::string body;
        for (const SString& page : List().m_text.m_pages) body += page.Text();
        return body;
    }
};

TEST_F(QuestsPageTest, eachFilterListsItsQuestsAndBothBitsCountAsSolved) {
    SStateInventory& inventory = OpenQuests(kLargeTall);
    GiveQuests();
    struct Row {
        uint32_t filter;
        std::vector<std::string> rows;
        std::vector<uint32_t> values;
    };
    const Row rows[] = {
        {0, {"open", "won", "lost", "both"}, {kQuestActive, kQuestSolved, kQuestFailed, kQuestSolved}},
        {1, {"open"}, {kQuestActive}},
        {2, {"won", "both"}, {kQuestSolved, kQuestSolved}},
        {3, {"lost"}, {kQuestFailed}},
    };
    for (const Row& row : rows) {
        Command(SQuestsPage::kFirstFilter + row.filter);
        const std::string name = "filter " + std::to_string(row.filter);
        EXPECT_EQ(m_rig->Sounds().Lines().back().rfind("bsnd_clickh", 0), 0u) << name;
        EXPECT_EQ(inventory.m_pages.questFilter, row.filter) << name;
        EXPECT_EQ(Rows(List().m_list), row.rows) << name;
        EXPECT_EQ(Values(), row.values) << name;
        for (uint32_t i = 0; i < SQuestsPage::kFilters; ++i)
            EXPECT_EQ(inventory.m_questsPage.m_filterButtons[i].IsChecked(), i == row.filter) << name;
        // The first row is selected and described.
        const SQuest* first = Game().m_questTable.Find(List().SelectedKey());
        ASSERT_NE(first, nullptr) << name;
        EXPECT_EQ(List().m_text.m_title.Text(), std::string(first->title.Text())) << name;
        EXPECT_EQ(Body().rfind("The tale of", 0), 0u) << name;
    }
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    // The filter stays while the screen is open, and a new visit starts with all.
    Command(SStateInventory::kItemsTab);
    Command(SStateInventory::kQuestsTab);
    EXPECT_EQ(inventory.m_pages.questFilter, 3u);
    Command(SStateInventory::kClose);
    OpenBag(nullptr);
    EXPECT_EQ(inventory.m_pages.questFilter, 0u);
}

TEST_F(QuestsPageTest, noQuestsGiveAnEmptyListAndDescriptionUnderEveryFilter) {
    SStateInventory& inventory = OpenQuests(kSmallTall);
    for (uint32_t filter = 0; filter < SQuestsPage::kFilters; ++filter) {
        Command(SQuestsPage::kFirstFilter + filter);
        EXPECT_EQ(List().m_list.RowCount(), 0) << filter;
        EXPECT_EQ(List().m_list.m_selected, -1) << filter;
        EXPECT_STREQ(List().m_text.m_title.Text(), "") << filter;
        EXPECT_TRUE(Body().empty()) << filter;
        EXPECT_FALSE(List().m_pageDown.IsEnabled()) << filter;
        EXPECT_FALSE(List().m_pageUp.IsEnabled()) << filter;
    }
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kQuests);
}

// A save from other data may name a quest the table no longer has: it keeps its row under the
// name it was given, with nothing to describe.
TEST_F(QuestsPageTest, aQuestTheTableLacksIsListedUnderItsStoredName) {
    OpenQuests(kLargeTall);
    GiveQuests();
    Game().m_questTable.Clear();
    auto kept = std::make_unique<SQuest>();
    kept->name.Set("base_q_won");
    kept->title.Assign("won");
    Game().m_questTable.Add(std::move(kept));
    Command(SQuestsPage::kFirstFilter);
    EXPECT_EQ(Rows(List().m_list), (std::vector<std::string>{"base_q_open", "won", "base_q_lost", "base_q_both"}));
    EXPECT_STREQ(List().m_text.m_title.Text(), "");
    EXPECT_TRUE(Body().empty());
    Command(SQuestsPage::kIds.list);
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(QuestsPageTest, pagesOfQuestsTurnWithTheButtons) {
    SStateInventory& inventory = OpenQuests(kSmallTall);
    const int visible = int(List().m_list.m_rowsPerPage);
    ASSERT_GE(visible, 2);
    for (int i = 0; i <= visible; ++i) {
        const std::string name = "base_q_n" + std::to_string(10 + i);
        auto quest = std::make_unique<SQuest>();
        quest->name.Set(name.c_str());
        quest->title.Assign(name.c_str());
        Game().m_questTable.Add(std::move(quest));
        Player().AddQuest(name.c_str());
    }
    Command(SStateInventory::kQuestsTab);
    EXPECT_TRUE(List().m_pageDown.IsEnabled());
    Command(SQuestsPage::kIds.pageDown);
    EXPECT_EQ(List().SelectedKey(), "base_q_n" + std::to_string(10 + visible));
    EXPECT_STREQ(List().m_text.m_title.Text(), List().SelectedKey());
    EXPECT_FALSE(List().m_pageDown.IsEnabled());
    Command(SQuestsPage::kIds.pageUp);
    EXPECT_STREQ(List().SelectedKey(), "base_q_n10");
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kQuests);
    m_rig->Shot("quests_page");
}

}  // namespace

}  // namespace quests_page_test
