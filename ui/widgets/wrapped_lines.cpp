#include "ui/widgets/wrapped_lines.h"

#include <algorithm>
#include <cstring>

#include "engine/draw/text.h"

namespace {

bool isBreak(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

int skipBreaks(const char* text, int position, int length) {
    while (position < length && isBreak(text[position])) ++position;
    return position;
}

}  // namespace

void ForEachWrappedLine(const SText& text, const char* words, int width,
                        const std::function<void(const char* start, int length)>& line) {
    if (words == nullptr) return;
    const int length = int(std::strlen(words));
    int end = 0;
    for (int start = skipBreaks(words, 0, length); start < length; start = skipBreaks(words, end, length)) {
        int lineWidth = 0;
        bool lineFeed = false;
        end = text.BreakLine(words, start, width, lineWidth, true, lineFeed);
        // A word wider than the box (a file's path) is broken where the line is full rather than
        // carried on past the box's edge with the rest of the text.
        if (width > 0 && lineWidth > width) end = text.BreakLine(words, start, width, lineWidth, false, lineFeed);
        end = std::max(end, start + 1);
        line(words + start, end - start);
    }
}
