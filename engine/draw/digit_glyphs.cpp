#include "engine/draw/digit_glyphs.h"

#include "engine/base/string.h"

namespace {

struct DigitCodes {
    char digitBase;  // added to the digit's value
    char minus, plus;
    char suffixes[4];  // after a number: K, M, B, %
};

void rewriteDigits(SString& text, const DigitCodes& codes) {
    static constexpr char kSuffixes[] = {'K', 'M', 'B', '%'};
    bool afterNumber = false;
    const int length = text.Length();
    for (int i = 0; i < length; ++i) {
        const char c = text.At(i);
        if (c >= '0' && c <= '9') {
            text.SetAt(i, char(codes.digitBase + (c - '0')));
            afterNumber = true;
            continue;
        }
        const char next = text.At(i + 1);
        const bool digitFollows = next >= '0' && next <= '9';
        if (c == '-' && digitFollows) text.SetAt(i, codes.minus);
        if (c == '+' && digitFollows) text.SetAt(i, codes.plus);
        if (afterNumber)
            for (int s = 0; s < 4; ++s)
                if (c == kSuffixes[s]) text.SetAt(i, codes.suffixes[s]);
        afterNumber = c == ')';
    }
}

}  // namespace

void ToDigitGlyphs(SString& text) { rewriteDigits(text, {14, 28, 29, {24, 25, 26, 27}}); }

void ToDigitGlyphsHigh(SString& text) {
    rewriteDigits(text, {char(160), char(134), char(135), {char(130), char(131), char(132), char(133)}});
}
