#include "engine/draw/screen_type.h"

#include <gtest/gtest.h>

namespace screen_type_test {

namespace {

// Every type from 0 to 17: small, large, or neither (1, 3, 4 and the types no screen has).
TEST(ScreenTypeTest, eachTypeIsSmallLargeOrInBetween) {
    struct Row {
        uint32_t type;
        bool small, large;
    };
    for (Row row :
         {Row{0, false, false}, Row{1, false, false}, Row{2, true, false}, Row{3, false, false}, Row{4, false, false},
          Row{5, true, false}, Row{6, true, false}, Row{7, true, false}, Row{8, true, false}, Row{9, false, true},
          Row{10, false, true}, Row{11, false, true}, Row{12, true, false}, Row{13, true, false}, Row{14, false, true},
          Row{15, false, true}, Row{16, true, false}, Row{17, false, false}}) {
        EXPECT_EQ(IsSmallScreenType(row.type), row.small) << "type " << row.type;
        EXPECT_EQ(IsLargeScreenType(row.type), row.large) << "type " << row.type;
    }
}

}  // namespace

}  // namespace screen_type_test
