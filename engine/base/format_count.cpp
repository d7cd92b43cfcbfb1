#include "engine/base/format_count.h"

#include "engine/base/string.h"

void FormatCount(uint32_t value, SString& out) {
    if (value >= 1'000'000)
        out.Format("%luM", (unsigned long)(value / 1'000'000));
    else if (value < 10'000)
        out.Format("%lu", (unsigned long)value);
    else
        out.Format("%luK", (unsigned long)(value / 1'000));
}

void FormatGoldShort(uint32_t value, SString& out) {
    if (value >= 1'000'000'000)
        out.Format("%luB", (unsigned long)(value / 1'000'000'000));
    else
        FormatCount(value, out);
}
