#include "screens/play/travel_words.h"

#include <cctype>
#include <string>

int ParseDirectionLetter(const char* text) {
    if (text == nullptr) return 0;
    switch (std::tolower(static_cast<unsigned char>(*text))) {
        case 'w': return 1;
        case 's': return 2;
        case 'e': return 3;
        default: return 0;
    }
}

int ParseTransitionKind(const char* text) {
    if (text == nullptr) return 0;
    std::string word;
    for (const char* c = text; *c != 0; ++c) word += char(std::tolower(static_cast<unsigned char>(*c)));
    static const struct {
        const char* word;
        int kind;
    } kKinds[] = {{"teleport", 1},    {"hole", 2},     {"fall", 3},      {"ladderdown", 4},
                  {"ladder down", 4}, {"ladderup", 5}, {"ladder up", 5}, {"stairdown", 6},
                  {"stair down", 6},  {"stairup", 7},  {"stair up", 7}};
    for (const auto& entry : kKinds)
        if (word == entry.word) return entry.kind;
    return 0;
}
