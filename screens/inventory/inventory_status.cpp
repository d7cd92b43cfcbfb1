#include "screens/inventory/inventory_status.h"

#include "engine/base/format_count.h"
#include "engine/base/string.h"

namespace {

constexpr char kGoldGlyph = 9;

}  // namespace

void FormatInventoryStatus(uint32_t screenType, uint32_t gold, uint32_t weight, uint32_t capacity, SString& out) {
    SString goldText;
    FormatGoldShort(gold, goldText);
    const unsigned whole = weight / 100, tenth = weight % 100 / 10;
    const unsigned wholeCap = capacity / 100, tenthCap = capacity % 100 / 10;
    // The narrowest screens leave the gold glyph out; each layout gets exactly its own arguments.
    switch (screenType) {
        case 2:
        case 3:
        case 5:
        case 7:
        case 8:
            out.Format("Gold: %s%c\rPack: %u.%u/%u.%u", goldText.Text(), kGoldGlyph, whole, tenth, wholeCap, tenthCap);
            break;
        case 6:
        case 12:
        case 13:
            out.Format("Gold:\r%s\rPack:\r%u.%u/\r%u.%u", goldText.Text(), whole, tenth, wholeCap, tenthCap);
            break;
        case 16:
            out.Format("Gold:\r%s%c\r\rPack:\r%u.%u/\r%u.%u", goldText.Text(), kGoldGlyph, whole, tenth, wholeCap,
                       tenthCap);
            break;
        default:
            out.Format("Gold:\r%s%c\rPack:\r%u.%u/\r%u.%u", goldText.Text(), kGoldGlyph, whole, tenth, wholeCap,
                       tenthCap);
            break;
    }
}

SLoadWarning LoadWarningFor(uint32_t weight, uint32_t capacity) {
    if (weight <= capacity) return SLoadWarning::kNone;
    return uint64_t(weight) > uint64_t(capacity) * 3 / 2 ? SLoadWarning::kWayTooMuch : SLoadWarning::kTooMuch;
}

const char* LoadWarningText(SLoadWarning warning) {
    switch (warning) {
        case SLoadWarning::kTooMuch: return "You carry too much - your attack capabilities are decreased.";
        case SLoadWarning::kWayTooMuch: return "You carry way too much - you can't move.";
        case SLoadWarning::kNone: break;
    }
    return "";
}
