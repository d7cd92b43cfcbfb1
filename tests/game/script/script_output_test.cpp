#include <gtest/gtest.h>

#include "game/script/script_context_fixture.h"

namespace script_output_test {

namespace {

using Shown = std::vector<std::pair<std::string, uint32_t>>;

class ScriptOutputTest : public ScriptContextTest {
protected:
    void SetUp() override {
        ScriptContextTest::SetUp();
        player.SetName("Aldric");
    }
};

TEST_F(ScriptOutputTest, aMessageGoesToTheScreenOfTheOutputMode) {
    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    context.ShowMessage("Hello, %PCName%.", true);
    context.ShowMessage("Plain.", false);
    context.SetupForConversation(npcs.Find("base_innkeeper"));
    context.ShowMessage("Spoken.", false);
    context.SetupForScene();
    context.ShowMessage("Told.", true);
    EXPECT_EQ(log.shown, Shown({{"Hello, Aldric.", SScriptTextOutput::kHighlightColour},
                                {"Plain.", SScriptTextOutput::kPlainColour}}));
    EXPECT_EQ(textBox.shown, Shown({{"Spoken.", SScriptTextOutput::kHighlightColour}}));
    ASSERT_EQ(sceneText.shown.size(), 1u);
    EXPECT_EQ(sceneText.shown[0].first, "Told.");
}

TEST_F(ScriptOutputTest, thePlayersMessagesReachTheContextsOutput) {
    SScriptContext& output = context;
    SPlayer reporter;
    reporter.Attach({&attributes, &skills, &races, &modules, &random}, &output, &playerScreen);
    reporter.ReceiveGold(5, true, true);
    ASSERT_EQ(log.shown.size(), 1u);
    EXPECT_EQ(log.shown[0].second, SScriptTextOutput::kHighlightColour);
}

TEST_F(ScriptOutputTest, aModeWithoutAScreenShowsNothing) {
    context.SetTextOutput(SScriptOutputMode::Conversation, nullptr);
    context.SetupForConversation(nullptr);
    context.ShowMessage("Lost.", true);
    EXPECT_TRUE(log.shown.empty());
    EXPECT_TRUE(textBox.shown.empty());
}

TEST_F(ScriptOutputTest, aSetupStartsAFreshQuestion) {
    context.SetAnswer(2);
    context.SetupForObjectNpc(kEventUse, doorObject, map, nullptr, door, {1, 2, 3, 2}, SScriptOutputMode::Conversation);
    EXPECT_EQ(context.Answer(), 0);
    EXPECT_EQ(context.Event(), kEventUse);
    EXPECT_EQ(context.Place(), SGridPlace({1, 2, 3, 2}));
    EXPECT_EQ(context.OutputMode(), SScriptOutputMode::Conversation);
    context.SetAnswer(1);
    context.SetupForScene();
    EXPECT_EQ(context.Answer(), 0);
    EXPECT_EQ(context.Event(), 0u);
    EXPECT_EQ(context.Source(), nullptr);
    EXPECT_EQ(context.Place(), SGridPlace{});
    EXPECT_EQ(context.OutputMode(), SScriptOutputMode::Scene);
}

TEST_F(ScriptOutputTest, aCreaturesSetupFindsItsCellThroughTheGridAndItsPartnerByTheObjectsText) {
    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    EXPECT_EQ(context.Place(), SGridPlace({3 + 7, 4 + 7, -1, 1}));
    EXPECT_EQ(context.Cell(), &grid.Cell(3 + 7, 4 + 7));
    EXPECT_EQ(context.Npc(), npcs.Find("base_innkeeper"));
    EXPECT_EQ(context.Creature(), guard);
    // A creature whose section is not on the grid stands nowhere.
    grid.origins.clear();
    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    EXPECT_EQ(context.Place(), SGridPlace{});
    EXPECT_EQ(context.Cell(), nullptr);
}

TEST_F(ScriptOutputTest, onlyACharacterObjectHasAPartner) {
    context.SetupForObjectNpc(kEventUse, guardObject, map, nullptr, house, {}, SScriptOutputMode::PlayScreen);
    EXPECT_EQ(context.Npc(), npcs.Find("base_innkeeper"));
    context.SetupForObjectNpc(kEventUse, guardObject, map, nullptr, door, {}, SScriptOutputMode::PlayScreen);
    EXPECT_EQ(context.Npc(), nullptr);
}

TEST_F(ScriptOutputTest, aBlowsWeaponsAndASpellAreKeptForTheEventScript) {
    items.AddItemType(MakeItemType("base_sword", 1));
    SItem blade(*items.FindItemType("base_sword"));
    context.SetHitWeapons(&blade, nullptr);
    EXPECT_STREQ(context.WeaponName(0).Text(), "base_sword");
    EXPECT_STREQ(context.WeaponName(1).Text(), "");
    context.SetSpell("base_fireball", 4);
    EXPECT_STREQ(context.SpellName().Text(), "base_fireball");
    EXPECT_EQ(context.SpellValue(), 4);
}

}  // namespace

}  // namespace script_output_test
