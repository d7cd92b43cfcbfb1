#include "data/effects/effect_types.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace effect_types_test {

namespace {

using Permissions = std::vector<SEffectPermission>;

Permissions listOf(const SEffectTypes& types, int context) {
    auto list = types.Permissions(context);
    return {list.begin(), list.end()};
}

TEST(EffectTypesTest, everyTypeHasItsNameAndBothEnchantTypesShareOne) {
    SEffectTypes types;
    EXPECT_STREQ(types.Name(3), "");
    types.Init();
    EXPECT_STREQ(types.Name(0), "");
    EXPECT_STREQ(types.Name(1), "Fortify skill");
    EXPECT_STREQ(types.Name(31), "Cast spell");
    EXPECT_STREQ(types.Name(50), "Enchant");
    EXPECT_STREQ(types.Name(51), "Enchant");
    EXPECT_STREQ(types.Name(58), "Fortify outfit");
    EXPECT_STREQ(types.Name(59), "");
    EXPECT_STREQ(types.Name(-1), "");
    for (int type = 1; type < kEffectTypeCount; ++type) EXPECT_STRNE(types.Name(type), "") << type;
}

TEST(EffectTypesTest, theListsHoldTheirContextsTypesInTypeOrder) {
    SEffectTypes types;
    EXPECT_TRUE(listOf(types, 5).empty());
    types.Init();
    types.Init();  // building twice gives the same lists
    EXPECT_TRUE(listOf(types, 0).empty());
    EXPECT_EQ(listOf(types, 1), (Permissions{{15, 3},
                                             {16, 3},
                                             {18, 3},
                                             {22, 3},
                                             {26, 1},
                                             {27, 1},
                                             {28, 1},
                                             {29, 1},
                                             {30, 1},
                                             {31, 2},
                                             {32, 1},
                                             {33, 3},
                                             {36, 3},
                                             {38, 3},
                                             {53, 1}}));
    EXPECT_EQ(listOf(types, 10), (Permissions{{31, 2}}));
    EXPECT_EQ(listOf(types, 13), (Permissions{{1, 3}}));
    EXPECT_EQ(listOf(types, 15), (Permissions{{23, 1}, {24, 1}, {25, 1}, {26, 1}, {27, 1}, {28, 1}, {32, 1}}));
    EXPECT_EQ(listOf(types, 16), (Permissions{{1, 3}, {2, 3}, {5, 3}, {8, 3}, {10, 3}, {11, 3}, {58, 3}}));
    EXPECT_TRUE(listOf(types, 17).empty());
    EXPECT_TRUE(listOf(types, -1).empty());
}

TEST(EffectTypesTest, spellsMayCarryFortyThreeTypesAndNoListIsLongerThanItsBlock) {
    SEffectTypes types;
    types.Init();
    Permissions spells = listOf(types, kContextSpell);
    EXPECT_EQ(spells.size(), 43u);
    for (SEffectPermission permission : spells) EXPECT_EQ(permission.source, kSourceOnUse) << int(permission.type);

    std::set<int> listed;
    for (int context = 0; context < kEffectContextCount; ++context) {
        Permissions list = listOf(types, context);
        EXPECT_LE(list.size(), size_t(SEffectTypes::kMaxPermissions)) << context;
        for (size_t i = 0; i < list.size(); ++i) {
            listed.insert(list[i].type);
            if (i > 0) {
                EXPECT_LT(list[i - 1].type, list[i].type) << context;
            }
        }
    }
    // Only what applies these types outside of items puts them on anything.
    for (int type : {0, 37, 42, 51, 54}) EXPECT_EQ(listed.count(type), 0u) << type;
    EXPECT_EQ(listed.size(), size_t(kEffectTypeCount - 5));
}

}  // namespace

}  // namespace effect_types_test
