#include "ui/dialogs/dialog_mark_recall.h"

#include <gtest/gtest.h>

#include "engine/files/file_layer.h"
#include "support/text_ctrl_lines.h"
#include "support/world_package.h"
#include "ui/dialogs/play_dialog_fixture.h"

namespace dialog_mark_recall_test {

namespace {

constexpr uint32_t kIntelligence = 4;
constexpr uint32_t kMarkMode = 1;
constexpr uint32_t kRecallMode = 0;

class MarkRecallTest : public PlayDialogTest {
protected:
    // The base world with two maps open, the player standing on the harbour facing south.
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        TestWorldPackage world;
        world.maps = {{"base_s0101", "Harbour"}, {"base_cave", "Cave"}};
        EXPECT_TRUE(world.Write(SFileFolder(), "Brimvale"));
        EXPECT_TRUE(Game().m_packages.Open("Brimvale")) << Game().m_packages.Error().Message();
        if (HasFailure()) return rig;
        Play().m_package = Game().m_packages.Current();
        Play().m_currentMap = Play().m_package->FindMap("base_s0101");
        Play().m_cellX = 12;
        Play().m_cellY = 4;
        Play().m_heading = 180;
        dialog.Init(&Game());
        return rig;
    }
    void show(uint32_t markMode) {
        dialog.Open(markMode);
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
    }
    void setIntelligence(uint16_t value) { Player().SetBaseAttribute(kIntelligence, value); }
    std::vector<std::string> queuedTexts() const {
        std::vector<std::string> texts;
        for (const auto& event : m_rig->PlayScreen().Events()) texts.push_back(TextCtrlLines(*event->textCtrl));
        return texts;
    }

    SDialogMarkRecall dialog;
};

TEST_F(MarkRecallTest, markModeMakesASlotForEveryFivePointsOfIntelligenceAtLeastOne) {
    open();
    ASSERT_FALSE(HasFailure());
    setIntelligence(9);
    show(kMarkMode);
    EXPECT_EQ(Rows(dialog.m_list), std::vector<std::string>{"1. -"});
    EXPECT_STREQ(dialog.m_title.m_words.Text(), "Mark a position");
    setIntelligence(25);
    show(kRecallMode);
    EXPECT_EQ(dialog.m_list.RowCount(), 1) << "only Mark makes slots";
    show(kMarkMode);
    EXPECT_EQ(Rows(dialog.m_list), (std::vector<std::string>{"1. -", "2. -", "3. -", "4. -", "5. -"}));
    setIntelligence(10);
    show(kMarkMode);
    EXPECT_EQ(dialog.m_list.RowCount(), 5) << "slots once made stay";
}

TEST_F(MarkRecallTest, markingOverAUsedSlotReplacesItAndKeepsTheRowSelected) {
    open();
    ASSERT_FALSE(HasFailure());
    setIntelligence(15);
    show(kMarkMode);
    dialog.m_list.Select(1);
    dialog.Apply();
    Play().m_currentMap = Play().m_package->FindMap("base_cave");
    dialog.Apply();
    EXPECT_EQ(dialog.m_list.m_selected, 1);
    EXPECT_EQ(Rows(dialog.m_list), (std::vector<std::string>{"1. -", "2. Brim Vale, Cave", "3. -"}));
    const SMarkRecord& mark = *Player().Mark(1);
    EXPECT_STREQ(mark.packageIdentifier.Text(), "base");
    EXPECT_STREQ(mark.mapName.Text(), "base_cave");
    EXPECT_EQ(mark.x, 12);
    EXPECT_EQ(mark.y, 4);
    EXPECT_EQ(mark.direction, 2) << "heading 180 is the third quarter";
    EXPECT_EQ(queuedTexts(), std::vector<std::string>(2, "Position has been marked."));
    EXPECT_EQ(Play().Events()[0]->buttons, 1u);
}

// A free slot has an empty package identifier, which no open package has.
TEST_F(MarkRecallTest, recallingAFreeSlotOrAClosedPackagesPlaceFailsAndAGoodSlotQueuesTheJourney) {
    open();
    ASSERT_FALSE(HasFailure());
    setIntelligence(15);
    show(kMarkMode);
    dialog.m_list.Select(0);
    dialog.Apply();
    dialog.m_list.Select(1);
    dialog.Apply();
    Player().Mark(1)->packageIdentifier.Assign("islands");
    Play().ClearEvents();

    show(kRecallMode);
    EXPECT_STREQ(dialog.m_title.m_words.Text(), "Recall a position");
    for (int slot : {2, 1}) {
        dialog.m_list.Select(slot);
        dialog.Apply();
    }
    EXPECT_EQ(queuedTexts(), std::vector<std::string>(2, "Teleport failed."));
    Play().ClearEvents();

    dialog.m_list.Select(0);
    m_rig->Sounds().Clear();
    dialog.OnCommand(SDialogMarkRecall::kOk);
    ASSERT_EQ(Play().Events().size(), 1u);
    const SGameEvent& event = *Play().Events()[0];
    EXPECT_EQ(event.type, SGameEvent::kTravel);
    EXPECT_EQ(event.kind, 1u);
    const STravelTarget& travel = event.travel;
    EXPECT_TRUE(travel.toCoords);
    EXPECT_EQ(travel.package, "base");
    EXPECT_EQ(travel.map, "base_s0101");
    EXPECT_EQ(travel.x, 12);
    EXPECT_EQ(travel.y, 4);
    EXPECT_EQ(travel.quarter, 2u);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogMarkRecall::kCancel});
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_clickh 10"});
}

TEST_F(MarkRecallTest, cancelChangesNothing) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    setIntelligence(10);
    show(kMarkMode);
    rig.Tap(dialog.m_cancel.m_x + 2, dialog.m_cancel.m_y + 2);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogMarkRecall::kCancel});
    EXPECT_TRUE(Player().Mark(0)->packageIdentifier.IsEmpty());
    EXPECT_TRUE(Play().Events().empty());
}

TEST_F(MarkRecallTest, usedAndFreeSlotsLookRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        setIntelligence(20);
        show(kMarkMode);
        dialog.m_list.Select(0);
        dialog.Apply();
        dialog.m_list.Select(2);
        Play().m_currentMap = Play().m_package->FindMap("base_cave");
        dialog.Apply();
        show(kRecallMode);
        const std::string name = "mark_recall_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
        EXPECT_FALSE(dialog.m_pageUp.IsEnabled()) << name;
        EXPECT_FALSE(dialog.m_pageDown.IsEnabled()) << name << ": four slots fit on a page";
    }
}

}  // namespace

}  // namespace dialog_mark_recall_test
