// The journal's list pages on every screen mode: each list has room for rows, each description for
// its text, every control of the page lies on the screen, and what a frame draws is what a full
// repaint draws.
#include <gtest/gtest.h>

#include <string>

#include "screens/inventory/inventory_fixture.h"

namespace journal_layout_test {

namespace {

class JournalLayoutTest : public InventoryTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    void ExpectFits(const SJournalList& list, const std::string& page) {
        const std::string where = page + " in mode " + std::to_string(GetParam());
        EXPECT_GE(list.m_list.m_rowsPerPage, 2u) << where;
        EXPECT_GE(int(list.m_text.m_h), 2 * int(list.m_list.m_rowHeight)) << where;
        for (const SCtrl* ctrl :
             {static_cast<const SCtrl*>(&list.m_title), static_cast<const SCtrl*>(&list.m_list),
              static_cast<const SCtrl*>(&list.m_pageUp), static_cast<const SCtrl*>(&list.m_pageDown),
              static_cast<const SCtrl*>(&list.m_text), static_cast<const SCtrl*>(&list.m_nextText)}) {
            ASSERT_TRUE(ctrl->IsShown()) << where << ": control " << ctrl->m_id;
            EXPECT_LE(ctrl->m_x + ctrl->m_w, m_rig->Width()) << where << ": control " << ctrl->m_id;
            EXPECT_LE(ctrl->m_y + ctrl->m_h, m_rig->Height()) << where << ": control " << ctrl->m_id;
        }
        m_rig->Frame();
        EXPECT_TRUE(m_rig->MatchesFullRepaint()) << where;
        m_rig->Shot("journal_" + page + "_mode" + std::to_string(GetParam()));
    }
};

TEST_P(JournalLayoutTest, everyListPageFitsTheScreen) {
    StartInventory(GetParam());
    SStateInventory& inventory = OpenBag(nullptr);
    Command(SStateInventory::kQuestsTab);
    ExpectFits(inventory.m_questsPage.m_list, "quests");
    Command(SStateInventory::kSpellsTab);
    ExpectFits(inventory.m_spellsPage.m_list, "spells");
    Command(SStateInventory::kCharacterTab);
    const char* const names[] = {"abilities", "diseases", "effects"};
    const SJournalList* lists[] = {&inventory.m_characterLists.m_abilities, &inventory.m_characterLists.m_diseases,
                                   &inventory.m_characterLists.m_effects};
    for (uint32_t sheet = SCharacterLists::kAbilities; sheet <= SCharacterLists::kEffects; ++sheet) {
        Command(SCharacterHeader::kTabs[sheet]);
        ExpectFits(*lists[sheet - SCharacterLists::kAbilities], names[sheet - SCharacterLists::kAbilities]);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, JournalLayoutTest, ::testing::Values(6u, 7u, 8u, 9u, 10u, 11u, 14u, 15u, 16u));

}  // namespace

}  // namespace journal_layout_test
