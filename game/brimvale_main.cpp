#include "game/brimvale_main.h"

#include <cstdio>

#include "framework/hal_clock.h"
#include "game/command_line.h"
#include "game/feldmar2.h"
#include "platform/device.h"

int BrimvaleMain(int argc, const char* const* argv) {
    SCommandLine commandLine = ParseCommandLine(argc, argv);
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "brimvale: %s\nusage: brimvale [--screen WIDTHxHEIGHT]\n", commandLine.error.c_str());
        return 2;
    }
    platform::SetDeviceScreen(commandLine.screenWidth, commandLine.screenHeight,
                              PanelOrientation(uint32_t(commandLine.screenWidth), uint32_t(commandLine.screenHeight)));

    Feldmar2 game;
    int status = 0;
    if (game.CreateAppWindow(game.m_title)) {
        game.m_lastKeepAwake = HAL::GetTime();
        if (game.OnInitialize())
            game.MessageLoop();
        else
            status = 1;  // the reason has been shown
    }
    HAL::ClearCurrentGame();
    return status;
}
