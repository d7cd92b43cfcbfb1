#pragma once
// Window messages as the device delivers them: the numeric codes are the device's own, because the
// framework's window procedure dispatches on them.
#include <cstdint>

namespace platform {

struct Window;

enum MessageCode : uint32_t {
    kMsgDestroy = 2,
    kMsgActivate = 6,  // low word of wParam: 0 lost activation, otherwise gained
    kMsgPaint = 15,
    kMsgClose = 16,
    kMsgQuit = 18,
    kMsgKeyDown = 256,  // wParam virtual key; lParam bit 30 set when the key was already down
    kMsgKeyUp = 257,
    kMsgMouseMove = 512,  // lParam: x in the low 16 bits, y in the high 16 bits
    kMsgLButtonDown = 513,
    kMsgLButtonUp = 514,
};

constexpr intptr_t kKeyWasDownBit = intptr_t(1) << 30;

struct Message {
    Window* window = nullptr;
    uint32_t code = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

// Packs stylus coordinates the way the device does: two unsigned 16-bit halves.
constexpr intptr_t PackPoint(int x, int y) { return intptr_t((uint32_t(uint16_t(x)) | (uint32_t(uint16_t(y)) << 16))); }
constexpr int PointX(intptr_t lParam) { return int(uint32_t(lParam) & 0xFFFF); }
constexpr int PointY(intptr_t lParam) { return int((uint32_t(lParam) >> 16) & 0xFFFF); }

// Virtual-key codes the game binds.
enum VirtualKey : uint32_t {
    kVkBack = 8,
    kVkTab = 9,
    kVkReturn = 13,
    kVkEscape = 27,
    kVkSpace = 32,
    kVkLeft = 37,
    kVkUp = 38,
    kVkRight = 39,
    kVkDown = 40,
    kVkLeftShift = 160,
    kVkLeftControl = 162,
    kVkApp1 = 193,
    kVkApp2 = 194,
    kVkApp3 = 195,
    kVkApp4 = 196,
};

}  // namespace platform
