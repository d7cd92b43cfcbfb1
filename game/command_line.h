#pragma once
#include <string>

// What the player can choose when starting the game.
struct SCommandLine {
    int screenWidth = 480;  // the emulated device's screen
    int screenHeight = 640;
    std::string error;  // empty when the command line was understood
};

// Understands "--screen WxH" (also "--screen=WxH"). Whether the size is one the game supports is
// the game's decision, not the command line's.
SCommandLine ParseCommandLine(int argc, const char* const* argv);
