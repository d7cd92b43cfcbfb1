// brimvale-viewer [WORLD] [--dump FOLDER --walk STEPS]: walks a tiny world in the 3-D view. With
// --dump it opens no window and writes FOLDER/step-NNN.png before the first step and after each.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/viewer/viewer_session.h"
#include "tools/viewer/viewer_window.h"

namespace {

constexpr const char* kUsage =
    "usage: brimvale-viewer [WORLD-FILE] [--dump FOLDER --walk STEPS]\n"
    "  STEPS: F forward, B back, L and R quarter turns, A and D one degree\n";

int Dump(SViewerSession& session, const std::string& folder, const std::string& steps) {
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    int index = 0;
    auto write = [&] {
        while (session.Moving()) session.Frame();
        char name[32];
        std::snprintf(name, sizeof name, "/step-%03d.png", index++);
        if (session.Dump(folder + name)) return true;
        std::fprintf(stderr, "brimvale-viewer: cannot write %s%s\n", folder.c_str(), name);
        return false;
    };
    session.Frame();
    if (!write()) return 1;
    for (char step : steps) {
        if (!session.Step(step)) std::printf("step %d (%c) refused\n", index, step);
        session.Frame();
        if (!write()) return 1;
    }
    std::printf("wrote %d frames into %s\n", index, folder.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string worldFile, folder, steps;
    bool dump = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--dump") && i + 1 < argc) {
            dump = true;
            folder = argv[++i];
        } else if (!std::strcmp(argv[i], "--walk") && i + 1 < argc) {
            steps = argv[++i];
        } else if (argv[i][0] != '-' && worldFile.empty()) {
            worldFile = argv[i];
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    std::string text = kSampleDungeon;
    if (!worldFile.empty()) {
        std::ifstream file(worldFile);
        if (!file) {
            std::fprintf(stderr, "brimvale-viewer: cannot read %s\n", worldFile.c_str());
            return 1;
        }
        std::stringstream buffer;
        buffer << file.rdbuf();
        text = buffer.str();
    }
    SViewerSession session;
    std::string error;
    if (!session.Open(text, error)) {
        std::fprintf(stderr, "brimvale-viewer: %s: %s\n", worldFile.empty() ? "the sample dungeon" : worldFile.c_str(),
                     error.c_str());
        return 1;
    }
    if (dump) return Dump(session, folder, steps);
    return RunViewerWindow(session);
}
