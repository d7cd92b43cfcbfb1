#include "game/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace command_line_test {

namespace {

struct CommandLineCase {
    const char* name;
    std::vector<const char*> args;
    int width, height;
    bool ok;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) { *out << c.name; }

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, readsTheScreenSize) {
    const CommandLineCase& c = GetParam();
    std::vector<const char*> argv{"brimvale"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    SCommandLine result = ParseCommandLine(int(argv.size()), argv.data());
    EXPECT_EQ(result.error.empty(), c.ok) << result.error;
    if (c.ok) {
        EXPECT_EQ(result.screenWidth, c.width);
        EXPECT_EQ(result.screenHeight, c.height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(CommandLineCase{"none", {}, 480, 640, true},
                      CommandLineCase{"separate", {"--screen", "240x320"}, 240, 320, true},
                      CommandLineCase{"joined", {"--screen=800x600"}, 800, 600, true},
                      CommandLineCase{"unsupportedStillParses", {"--screen", "1024x768"}, 1024, 768, true},
                      CommandLineCase{"missingSize", {"--screen"}, 0, 0, false},
                      CommandLineCase{"trailingJunk", {"--screen", "240x320x"}, 0, 0, false},
                      CommandLineCase{"zero", {"--screen", "0x320"}, 0, 0, false},
                      CommandLineCase{"unknown", {"--fast"}, 0, 0, false},
                      CommandLineCase{"largestSide", {"--screen", "4096x4096"}, 4096, 4096, true},
                      CommandLineCase{"pastTheLargestSide", {"--screen", "4097x320"}, 0, 0, false},
                      CommandLineCase{"hugeSquare", {"--screen", "16384x16384"}, 0, 0, false},
                      CommandLineCase{"overflowing", {"--screen", "99999999999x1"}, 0, 0, false},
                      CommandLineCase{"signed", {"--screen", "+240x320"}, 0, 0, false},
                      CommandLineCase{"helpWithASize", {"--screen", "240x320", "--help"}, 240, 320, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineRequestTest, helpAndVersionAreRequestsNotErrors) {
    struct Row {
        const char* option;
        SCommandLine::Request request;
    };
    for (const Row& row : {Row{"--help", SCommandLine::Request::kHelp}, Row{"-h", SCommandLine::Request::kHelp},
                           Row{"--version", SCommandLine::Request::kVersion}}) {
        const char* argv[] = {"brimvale", row.option};
        const SCommandLine result = ParseCommandLine(2, argv);
        EXPECT_EQ(result.error, "") << row.option;
        EXPECT_EQ(result.request, row.request) << row.option;
    }
    const char* none[] = {"brimvale"};
    EXPECT_EQ(ParseCommandLine(1, none).request, SCommandLine::Request::kPlay);
}

}  // namespace

}  // namespace command_line_test
