#include "engine/base/format.h"

#include <cstdint>

#include "engine/base/c_string.h"
#include "engine/base/number_text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Collects output up to the buffer's size less the terminator; the rest is dropped.
class Output {
public:
    Output(char* out, size_t size) : m_out(out), m_size(size) {}

    void Put(char c) {
        if (m_length + 1 < m_size) m_out[m_length++] = c;
    }
    void Put(const char* text) {
        while (*text) Put(*text++);
    }
    void Repeat(char c, int count) {
        for (; count > 0; --count) Put(c);
    }
    int Finish() {
        m_out[m_length] = '\0';
        return static_cast<int>(m_length);
    }

private:
    char* m_out;
    size_t m_size;
    size_t m_length = 0;
};

struct Conversion {
    bool leftJustify = false;
    bool zeroPad = false;
    bool plusSign = false;
    int width = 0;
    bool isLong = false;
};

// Reads the flags, width and length of a conversion; format points behind the '%'.
Conversion ReadConversion(const char*& format) {
    const auto flag = [&format](char c) { return *format == c && ++format; };
    Conversion conversion;
    conversion.leftJustify = flag('-');
    conversion.zeroPad = flag('0');
    conversion.plusSign = flag('+');
    if (IsDigit(*format)) {
        conversion.width = StrToShort(format);
        while (IsDigit(*format)) ++format;
    }
    conversion.isLong = flag('l');
    return conversion;
}

// On this 64-bit build a long argument is wider than the game's 32-bit numbers: read it whole and
// keep the low 32 bits, as the 32-bit device did.
uint32_t NumberArgument(bool isLong, va_list& args) {
    return isLong ? static_cast<uint32_t>(va_arg(args, long)) : static_cast<uint32_t>(va_arg(args, int));
}

}  // namespace

int FormatV(char* out, size_t size, const char* format, va_list args) {
    if (!out || !format || size == 0) return 0;
    Output output(out, size);
    va_list rest;
    va_copy(rest, args);
    while (*format) {
        if (*format != '%') {
            output.Put(*format++);
            continue;
        }
        ++format;
        if (*format == '%') {
            output.Put(*format++);
            continue;
        }
        const Conversion conversion = ReadConversion(format);
        char scratch[kDecimalTextSize + 1];
        const char* text = scratch;
        switch (*format) {
            case 's':
                text = va_arg(rest, const char*);
                if (!text) text = "";
                break;
            case 'd': {
                const auto value = static_cast<int32_t>(NumberArgument(conversion.isLong, rest));
                const bool sign = conversion.plusSign && value > 0;
                scratch[0] = '+';
                IntToStr(value, scratch + (sign ? 1 : 0));
                break;
            }
            case 'u': UIntToStr(NumberArgument(conversion.isLong, rest), scratch); break;
            case 'c':
                scratch[0] = static_cast<char>(va_arg(rest, int));
                scratch[1] = '\0';
                break;
            default: va_end(rest); return output.Finish();
        }
        ++format;
        const int length = StrLen(text);
        const char pad = conversion.zeroPad ? '0' : ' ';
        if (!conversion.leftJustify) output.Repeat(pad, conversion.width - length);
        output.Put(text);
        if (conversion.leftJustify) output.Repeat(pad, conversion.width - length);
    }
    va_end(rest);
    return output.Finish();
}

int Format(char* out, size_t size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = FormatV(out, size, format, args);
    va_end(args);
    return length;
}
