#include "screens/settings/key_choices.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/files/settings.h"

namespace key_choices_test {

namespace {

// Default keys must never show a row as "none": every default binding is among its row's choices,
// on keyboards and on button devices in each orientation.
TEST(KeyChoicesTest, everyDefaultBindingIsAChoiceOfItsRow) {
    for (bool keyboard : {false, true})
        for (uint32_t orientation : {0u, 1u, 2u}) {
            const auto defaults = DefaultBindings(orientation, keyboard);
            for (int row = 0; row < kKeyRows; ++row) {
                const auto choices = RowChoices(row, keyboard);
                EXPECT_GT(FindChoice(choices, defaults[size_t(row)]), 0)
                    << (keyboard ? "keyboard" : "buttons") << " orientation " << orientation << " row " << row;
            }
        }
}

// The settings tell a keyboard's table from a button device's by the size of the words: keys
// below 256, actions from 1000 on.
TEST(KeyChoicesTest, keysAreBelow256AndActionsFrom1000On) {
    for (int row = 0; row < kKeyRows; ++row) {
        for (const SKeyChoice& key : RowChoices(row, true)) EXPECT_LT(key.code, 256u) << key.name;
        for (const SKeyChoice& action : RowChoices(row, false))
            EXPECT_TRUE(action.code == 0 || action.code >= 1000) << action.name;
    }
}

TEST(KeyChoicesTest, aCodeNotOfferedAndARowPastTheLastFindNone) {
    EXPECT_EQ(FindChoice(RowChoices(0, false), 5555), 0);
    EXPECT_EQ(FindChoice(RowChoices(0, true), 'a'), 0) << "a strafes, it does not walk forward";
    EXPECT_TRUE(RowChoices(9, false).empty());
    EXPECT_TRUE(RowChoices(-1, true).empty());
    EXPECT_EQ(std::string(RowLabel(0, true)), "Forward:");
    EXPECT_EQ(std::string(RowLabel(9, true)), "");
}

}  // namespace

}  // namespace key_choices_test
