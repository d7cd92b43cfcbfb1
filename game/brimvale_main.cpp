#include "game/brimvale_main.h"

#include <cstdio>

#include "framework/hal_clock.h"
#include "game/command_line.h"
#include "game/feldmar2.h"
#include "platform/device.h"
#include "screens/menu/state_main.h"

namespace {

constexpr const char* kUsage = "usage: brimvale [--screen WIDTHxHEIGHT] [--help] [--version]\n";

void printHelp() {
    std::printf(
        "%s\n"
        "Brim Vale, a first-person role-playing game for handheld computers.\n\n"
        "  --screen WxH  the device's screen: 240x320, 320x240, 480x640 (the default), 640x480,\n"
        "                240x240, 480x480, 800x480, 800x600 or 640x240\n"
        "  --help, -h    this text\n"
        "  --version     the game's version\n\n"
        "Data packages and saved games are kept in $BRIMVALE_HOME, else in\n"
        "$XDG_DATA_HOME/brimvale (~/.local/share/brimvale).\n",
        kUsage);
}

}  // namespace

int BrimvaleMain(int argc, const char* const* argv) {
    SCommandLine commandLine = ParseCommandLine(argc, argv);
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "brimvale: %s\n%s", commandLine.error.c_str(), kUsage);
        return 2;
    }
    if (commandLine.request == SCommandLine::Request::kHelp) {
        printHelp();
        return 0;
    }
    if (commandLine.request == SCommandLine::Request::kVersion) {
        std::printf("Brim Vale %s\n", SStateMain::kVersion);
        return 0;
    }
    platform::SetDeviceScreen(commandLine.screenWidth, commandLine.screenHeight,
                              PanelOrientation(uint32_t(commandLine.screenWidth), uint32_t(commandLine.screenHeight)));

    Feldmar2 game;
    // Without a window of its own (none could be opened, or the game runs already) the run failed.
    int status = 1;
    if (game.CreateAppWindow(game.m_title)) {
        game.m_lastKeepAwake = HAL::GetTime();
        // When initialisation fails, the reason has been shown.
        if (game.OnInitialize()) {
            game.MessageLoop();
            status = 0;
        }
    }
    HAL::ClearCurrentGame();
    return status;
}
