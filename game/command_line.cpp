#include "game/command_line.h"

#include <cstdio>
#include <cstring>

namespace {

bool parseSize(const char* text, int& width, int& height) {
    int w = 0, h = 0, used = 0;
    if (std::sscanf(text, "%dx%d%n", &w, &h, &used) != 2 || text[used] != '\0' || w <= 0 || h <= 0) return false;
    width = w;
    height = h;
    return true;
}

}  // namespace

SCommandLine ParseCommandLine(int argc, const char* const* argv) {
    SCommandLine result;
    for (int i = 1; i < argc && result.error.empty(); ++i) {
        const char* arg = argv[i];
        const char* size = nullptr;
        if (std::strcmp(arg, "--screen") == 0) {
            size = i + 1 < argc ? argv[++i] : "";
        } else if (std::strncmp(arg, "--screen=", 9) == 0) {
            size = arg + 9;
        } else {
            result.error = std::string("unknown option \"") + arg + "\"";
            break;
        }
        if (!parseSize(size, result.screenWidth, result.screenHeight))
            result.error = std::string("--screen wants WIDTHxHEIGHT, not \"") + size + "\"";
    }
    return result;
}
