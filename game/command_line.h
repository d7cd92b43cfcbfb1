#pragma once
#include <string>

// What the player can choose when starting the game.
struct SCommandLine {
    // What the run is for: the game, or only an answer on the standard output.
    enum class Request { kPlay, kHelp, kVersion };

    // No handheld's screen comes near this on either side; a larger size would ask the desktop for
    // a window of gigabytes before the game could say that it does not support it.
    static constexpr int kLargestSide = 4096;

    Request request = Request::kPlay;
    int screenWidth = 480;  // the emulated device's screen
    int screenHeight = 640;
    std::string error;  // empty when the command line was understood
};

// Understands "--screen WxH" (also "--screen=WxH"), "--help" ("-h") and "--version". Whether a
// size is one the game supports is the game's decision, not the command line's; only sizes past
// kLargestSide on a side are refused here.
SCommandLine ParseCommandLine(int argc, const char* const* argv);
