#include <gtest/gtest.h>

#include "game/script/script_context_fixture.h"

namespace text_substitution_test {

namespace {

// A text, the player's gold and crime, and the text with its markers put in.
struct MarkerCase {
    const char* name;
    const char* text;
    const char* expected;
    uint32_t gold = 0;
    int32_t crime = 0;
};

class TextSubstitutionTest : public ScriptContextTest, public ::testing::WithParamInterface<MarkerCase> {
protected:
    void SetUp() override {
        ScriptContextTest::SetUp();
        player.SetName("Aldric");
        player.SetRace(2);
        AddGlobal("base_count", SScriptValue("12"));
        AddGlobal("base_self", SScriptValue("%Global:base_self%"));
        AddGlobal("base_pc", SScriptValue("%PCName%"));
    }
    std::string Substituted(const char* text) const {
        SString out(text);
        context.SubstituteText(out);
        return out.Text();
    }
};

TEST_P(TextSubstitutionTest, markersAreReplacedInOnePass) {
    const MarkerCase& row = GetParam();
    player.ReceiveGold(row.gold, false, false);
    player.AddCrime(row.crime);
    EXPECT_EQ(Substituted(row.text), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Markers, TextSubstitutionTest,
    ::testing::Values(MarkerCase{"anBeforeAVowel", "%AAN% apple", "an apple"},
                      MarkerCase{"capitalBeforeADigit", "%CAAN% 8-foot troll", "A 8-foot troll"},
                      MarkerCase{"articleAtTheEnd", "Take %aan%", "Take a"},
                      MarkerCase{"everyArticleTakesTheFirstOnes", "%AAN% apple and %Aan% pear", "an apple and an pear"},
                      MarkerCase{"articlesOfEachCase", "%CAAN% egg, %AAN% pear", "An egg, a pear"},
                      MarkerCase{"articleBeforeAValuePutIn", "%AAN% %Global:base_count% ...", "a 12 ..."},
                      MarkerCase{"playerNameInAnyCase", "I am %pcname%.", "I am Aldric."},
                      MarkerCase{"goldInThousands", "%PCGold%", "12K", 12345},
                      MarkerCase{"goldBelowTenThousand", "%PCGold%", "9999", 9999},
                      MarkerCase{"goldInBillions", "%PCGold%", "1B", 1000000000},
                      MarkerCase{"crimeIsAHundredGoldAPoint", "%PCCrimeGold%", "15K", 0, 150},
                      MarkerCase{"noPartnerOutsideAConversation", "%NPCName%", "?"},
                      MarkerCase{"raceName", "%PCRace%", "Etherim"}, MarkerCase{"noDisease", "[%PCDisease%]", "[]"},
                      MarkerCase{"dayOfTheClock", "%Day%", "3"},
                      MarkerCase{"dateOfThePlayScreen", "%DATE%", "Day 3, 2:00 am"},
                      MarkerCase{"titleOfTheCurrentMap", "%Map%", "A map"},
                      MarkerCase{"globalsText", "%Global:base_count% left", "12 left"},
                      MarkerCase{"missingGlobalIsEmpty", "[%Global:base_missing%]", "[]"},
                      MarkerCase{"unclosedGlobalStays", "[%Global:base_count", "[%Global:base_count"},
                      MarkerCase{"globalHoldingItsOwnMarkerEnds", "%Global:base_self%", "%Global:base_self%"},
                      MarkerCase{"markerInsideAValueStays", "%Global:base_pc%", "%PCName%"},
                      MarkerCase{"unknownMarkerStays", "100% %Foo%", "100% %Foo%"}),
    [](const ::testing::TestParamInfo<MarkerCase>& info) { return std::string(info.param.name); });

TEST_F(ScriptContextTest, aPlayerNameHoldingMarkersIsPutInAsItIs) {
    player.SetName("%PCName% %NPCName%");
    SString text("Hail, %PCName%!");
    context.SubstituteText(text);
    EXPECT_STREQ(text.Text(), "Hail, %PCName% %NPCName%!");
}

TEST_F(ScriptContextTest, thePartnersNameInAConversation) {
    context.SetupForConversation(npcs.Find("base_innkeeper"));
    SString text("%NPCName% greets you.");
    context.SubstituteText(text);
    EXPECT_STREQ(text.Text(), "base_innkeeper greets you.");
}

}  // namespace

}  // namespace text_substitution_test
