#include "ui/dialogs/dialog_repair.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/dialogs/tool_dialog_fixture.h"

namespace dialog_repair_test {

namespace {

constexpr uint32_t kRepair = 14;

class SelfRepairTest : public ToolDialogTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartTools(mode);
        if (!HasFailure()) dialog.Init(&Game());
        return rig;
    }
    void show(const SItem* hammer) {
        dialog.Open(hammer);
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
    }
    SItem& hammer(uint32_t condition, uint16_t maxCondition = 1000, const char* name = "Hammer") {
        const std::string id = std::string("base_") + name;
        SItemType* type = Game().m_items.FindItemType(id.c_str());
        if (type == nullptr) type = &Tool(id.c_str(), kItemRepair, 1, name, maxCondition, 0xC618);
        return Give(*type, condition);
    }
    SItem& armour(uint32_t condition, uint16_t maxCondition = 1000, const char* name = "Mail") {
        const std::string id = std::string("base_") + name;
        SItemType* type = Game().m_items.FindItemType(id.c_str());
        if (type == nullptr) type = &Tool(id.c_str(), kItemHeavyArmour, kArmourBody, name, maxCondition);
        return Give(*type, condition);
    }
    std::string hammerName() const { return dialog.m_hammerText.m_title.Text(); }

    SDialogRepair dialog;
};

// Every try rolls the wear, then the success, then on success the gain, from the game's generator:
// a twin generator with the same seed foretells each of them.
TEST_F(SelfRepairTest, atSkill40TheHammerWears40To79AndASuccessAdds95To189) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Player().SetBaseSkill(kRepair, 40);
    SItem& tool = hammer(60000, 60000);
    SItem& item = armour(0, 60000);
    show(&tool);
    SRandom twin;
    twin.Seed(kSeed);
    int successes = 0, minWear = 1000, maxWear = 0, minGain = 1000, maxGain = 0;
    for (int attempt = 0; attempt < 300; ++attempt) {
        const uint32_t toolBefore = tool.m_amount, itemBefore = item.m_amount;
        const int wear = twin.Next(40) + 40;
        const bool success = twin.Next(100) <= 80;
        const int gain = success ? twin.Next(95) + 95 : 0;
        rig.Key(3006);
        ASSERT_EQ(toolBefore - tool.m_amount, uint32_t(wear)) << attempt;
        ASSERT_EQ(item.m_amount - itemBefore, uint32_t(gain)) << attempt;
        successes += success;
        minWear = std::min(minWear, wear), maxWear = std::max(maxWear, wear);
        if (success) minGain = std::min(minGain, gain), maxGain = std::max(maxGain, gain);
    }
    EXPECT_EQ(minWear, 40);
    EXPECT_EQ(maxWear, 79);
    EXPECT_EQ(minGain, 95);
    EXPECT_EQ(maxGain, 189);
    // 81 of the 100 rolls succeed.
    EXPECT_NEAR(successes, 243, 20);
    EXPECT_EQ(Player().UseCount(kRepair), 255u) << "the use counter stops at 255";
}

TEST_F(SelfRepairTest, fromSkill119TheHammerNeverWearsAndARepairStopsAtTheMaximum) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Player().SetBaseSkill(kRepair, 119);
    SItem& tool = hammer(500);
    SItem& item = armour(900);
    armour(100, 1000, "Plate");
    show(&tool);
    rig.Sounds().Clear();
    rig.Key(3006);
    EXPECT_EQ(tool.m_amount, 500u);
    EXPECT_EQ(item.m_amount, 1000u);
    EXPECT_EQ(Rows(dialog.m_list), std::vector<std::string>{"Plate"}) << "the mended item leaves the list";
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_repairok 10"});
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

TEST_F(SelfRepairTest, aHammerWornBelowATenthVanishesForTheNextOrTheNewLast) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Player().SetBaseSkill(kRepair, 40);
    hammer(90, 1000, "Worn");  // 9 per cent: never offered
    SItem& first = hammer(100, 1000, "Old");
    hammer(1000, 1000, "New");
    SItem& last = hammer(110, 1000, "Tired");
    armour(0, 60000);
    show(&first);
    ASSERT_EQ(dialog.m_hammers.size(), 3u);
    EXPECT_EQ(hammerName(), "Old");
    EXPECT_FALSE(dialog.m_previousHammer.IsEnabled());
    EXPECT_TRUE(dialog.m_nextHammer.IsEnabled());

    rig.Key(3006);
    EXPECT_EQ(dialog.m_hammers.size(), 2u);
    EXPECT_EQ(hammerName(), "New") << "the next hammer takes the worn one's place";
    EXPECT_TRUE(rig.MatchesFullRepaint());

    dialog.OnCommand(SDialogRepair::kNextHammer);
    ASSERT_EQ(dialog.SelectedHammer()->item, &last);
    rig.Frame();
    rig.Key(3006);
    EXPECT_EQ(hammerName(), "New") << "the new last hammer after the last one wore out";
    EXPECT_FALSE(dialog.m_nextHammer.IsEnabled());
    EXPECT_TRUE(rig.MatchesFullRepaint());
    EXPECT_EQ(Player().ItemCount(), 5) << "a worn hammer stays in the pack";
}

TEST_F(SelfRepairTest, withoutAUsableHammerTheRepairDoesNothing) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    SItem& worn = hammer(99);
    hammer(0, 0, "Ghost");  // a maximum of 0 would divide
    SItem& item = armour(500);
    show(&worn);
    EXPECT_TRUE(dialog.m_hammers.empty());
    EXPECT_EQ(dialog.SelectedHammer(), nullptr);
    EXPECT_EQ(hammerName(), "");
    rig.Sounds().Clear();
    rig.Key(3006);
    EXPECT_EQ(item.m_amount, 500u);
    EXPECT_EQ(Player().UseCount(kRepair), 0u);
    EXPECT_TRUE(rig.Sounds().Lines().empty());
}

TEST_F(SelfRepairTest, eachItemShowsItsConditionWord) {
    open();
    ASSERT_FALSE(HasFailure());
    for (uint32_t condition : {90u, 100u, 290u, 300u, 690u, 700u, 990u, 1000u}) armour(condition);
    Give(Tool("base_ghost", kItemWeapon, kWeaponMace, "Ghost mace", 0), 0);
    show(nullptr);
    std::vector<std::string> words;
    for (int i = 0; i < dialog.m_list.RowCount(); ++i) words.emplace_back(dialog.m_list.Row(i).side.Text());
    EXPECT_EQ(words, (std::vector<std::string>{"broken", "poor", "poor", "average", "average", "good", "good"}));
}

// A failed try changes only the hammer's text; the dialog still shows what a full repaint would.
TEST_F(SelfRepairTest, aFailedTryWearsTheHammerAndLeavesTheItem) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    SItem& tool = hammer(1000);
    SItem& item = armour(500);
    show(&tool);
    SRandom twin;
    twin.Seed(kSeed);
    // Skill 0: the try succeeds only on a roll of 0.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const uint32_t wear = uint32_t(twin.Next(60) + 60);
        const bool success = twin.Next(100) == 0;
        if (success) twin.Next(75);
        const uint32_t before = tool.m_amount;
        rig.Sounds().Clear();
        rig.Key(3006);
        EXPECT_EQ(before - tool.m_amount, wear);
        if (success) continue;
        EXPECT_EQ(item.m_amount, 500u);
        EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_repairfail 10"});
        EXPECT_TRUE(rig.MatchesFullRepaint()) << attempt;
    }
}

TEST_F(SelfRepairTest, selfRepairWithAHammerLooksRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        SItem& tool = hammer(640);
        hammer(1000, 1000, "Smiths hammer");
        armour(300, 1000, "Chain mail");
        Give(Tool("base_sword", kItemWeapon, kWeaponLongSword, "Long sword"), 50);
        show(&tool);
        const std::string name = "self_repair_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
    }
}

}  // namespace

}  // namespace dialog_repair_test
