#include "game/command_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// One side of the size: decimal digits only, 1 to kLargestSide. Past the end of `text` on success.
const char* parseSide(const char* text, int& side) {
    if (*text < '0' || *text > '9') return nullptr;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || value < 1 || value > SCommandLine::kLargestSide) return nullptr;
    side = int(value);
    return end;
}

bool parseSize(const char* text, int& width, int& height) {
    int w = 0, h = 0;
    const char* at = parseSide(text, w);
    if (at == nullptr || *at != 'x') return false;
    at = parseSide(at + 1, h);
    if (at == nullptr || *at != '\0') return false;
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
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            result.request = SCommandLine::Request::kHelp;
            continue;
        }
        if (std::strcmp(arg, "--version") == 0) {
            result.request = SCommandLine::Request::kVersion;
            continue;
        }
        if (std::strcmp(arg, "--screen") == 0) {
            size = i + 1 < argc ? argv[++i] : "";
        } else if (std::strncmp(arg, "--screen=", 9) == 0) {
            size = arg + 9;
        } else {
            result.error = std::string("unknown option \"") + arg + "\"";
            break;
        }
        if (!parseSize(size, result.screenWidth, result.screenHeight))
            result.error = std::string("--screen wants WIDTHxHEIGHT, each from 1 to ") +
                           std::to_string(SCommandLine::kLargestSide) + ", not \"" + size + "\"";
    }
    return result;
}
