// Layout records: the dialog sizes and control rows of the interface package, looked up for the
// 3-D view's row in two screen modes and for the mode, dialog and control ids the input ends with.
#include <cstdlib>
#include <vector>

#include "engine/base/byte_order.h"
#include "game/layout_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    const SLayoutRecord record(bytes);
    // The last six bytes name a mode, a dialog and a control as well.
    const uint16_t asked[3] = {size >= 6 ? ReadLE16(data + size - 6) : uint16_t(0),
                               size >= 4 ? ReadLE16(data + size - 4) : uint16_t(0),
                               size >= 2 ? ReadLE16(data + size - 2) : uint16_t(0)};
    uint32_t width = 0, height = 0;
    record.FindSize(asked[0], asked[1], width, height);
    record.FindCtrl(asked[0], asked[1], asked[2]);
    for (uint16_t mode : {uint16_t(6), uint16_t(9), asked[0]}) {
        for (uint16_t dialog : {uint16_t(43), uint16_t(1), asked[1]}) {
            if (record.FindSize(mode, dialog, width, height) && (width > 0xFFFF || height > 0xFFFF)) std::abort();
            record.FindCtrl(mode, dialog, 550);
        }
    }
    return 0;
}
