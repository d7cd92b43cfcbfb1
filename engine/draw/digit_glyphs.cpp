#include "engine/draw/digit_glyphs.h"

#include <string>

#include "engine/base/string.h"

namespace {

struct DigitCodes {
    char digitBase;  // added to the digit's value
    char minus, plus;
    char suffixes[4];  // after a number: K, M, B, %
};

void rewriteDigits(SString& text, const DigitCodes& codes) {
    static constexpr char kSuffixes[] = {'K', 'M', 'B', '%'};
    // Rewritten in a copy and put back once: the string's own character access measures the
    // text on every call, and prices are rewritten many times a frame.
    std::string out = text.Text();
    bool afterNumber = false;
    for (size_t i = 0; i < out.size(); ++i) {
        const char c = out[i];
        if (c >= '0' && c <= '9') {
            out[i] = char(codes.digitBase + (c - '0'));
            afterNumber = true;
            continue;
        }
        // The character after the last is the terminator, never a digit.
        const char next = out[i + 1];
        const bool digitFollows = next >= '0' && next <= '9';
        if (c == '-' && digitFollows) out[i] = codes.minus;
        if (c == '+' && digitFollows) out[i] = codes.plus;
        if (afterNumber)
            for (int s = 0; s < 4; ++s)
                if (c == kSuffixes[s]) out[i] = codes.suffixes[s];
        afterNumber = c == ')';
    }
    text.Assign(out.c_str());
}

}  // namespace

void ToDigitGlyphs(SString& text) { rewriteDigits(text, {14, 28, 29, {24, 25, 26, 27}}); }

void ToDigitGlyphsHigh(SString& text) {
    rewriteDigits(text, {char(160), char(134), char(135), {char(130), char(131), char(132), char(133)}});
}
