#include "engine/base/read_error.h"

#include <gtest/gtest.h>

namespace read_error_test {

namespace {

struct MessageCase {
    const char* name;
    SReadError error;
    const char* message;
};

void PrintTo(const MessageCase& c, std::ostream* out) { *out << c.name; }

class ReadErrorMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ReadErrorMessageTest, namesThePlaceThatIsKnownBeforeTheFault) {
    EXPECT_EQ(GetParam().error.Message(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadErrorMessageTest,
    ::testing::Values(MessageCase{"faultAlone", {"", {}, "", {}, "cut short"}, "cut short"},
                      MessageCase{"fileOnly",
                                  {"/games/Brimvale.pdb", {}, "", {}, "the file cannot be opened"},
                                  "/games/Brimvale.pdb: the file cannot be opened"},
                      MessageCase{"fileAndRecord",
                                  {"/games/Brimvale.pdb", 4023, "the quest table", {}, "lists 2 entries"},
                                  "/games/Brimvale.pdb: record 4023 (the quest table): lists 2 entries"},
                      MessageCase{"fileRecordAndOffset",
                                  {"/games/Brimvale.pdb", 4027, "the sound and music table", 4, "cut short"},
                                  "/games/Brimvale.pdb: record 4027 (the sound and music table) at byte 4: cut short"},
                      MessageCase{"recordWithoutContents",
                                  {"/games/Save1.pdb", 3, "", {}, "cannot be read"},
                                  "/games/Save1.pdb: record 3: cannot be read"},
                      // Id 0 and byte 0 are places like any other, not "unknown".
                      MessageCase{"recordAndByteZero",
                                  {"/games/Brimvale.pdb", 0, "", 0, "picture format 3 is not 0, 1 or 2"},
                                  "/games/Brimvale.pdb: record 0 at byte 0: picture format 3 is not 0, 1 or 2"},
                      MessageCase{"offsetWithoutFile",
                                  {"", {}, "", 2, "picture size -2x2 is negative"},
                                  "at byte 2: picture size -2x2 is negative"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadErrorTest, onlyAFaultMakesItFailed) {
    EXPECT_FALSE(SReadError{}.Failed());
    EXPECT_FALSE((SReadError{"/games/Brimvale.pdb", 4000, "the picture index", 6, ""}.Failed()));
    EXPECT_TRUE((SReadError{"", {}, "", {}, "missing"}.Failed()));
}

}  // namespace

}  // namespace read_error_test
