#pragma once

// The program: reads the command line, opens the window and runs the game until it ends. Returns
// the process's exit status.
int BrimvaleMain(int argc, const char* const* argv);
