#pragma once
// Private requests ("escapes") that some display drivers answer with the address and layout of the
// screen's memory.
#include <cstdint>

namespace platform {

constexpr uint32_t kEscapeDirectFrameBuffer = 0x20000;
constexpr uint32_t kEscapeRawFrameBuffer = 0x20001;

// The answer to kEscapeDirectFrameBuffer (a 132-byte record on the device; only these fields are
// used).
struct DirectFrameBufferInfo {
    int32_t version = 0;  // 100 for the record the program knows
    void* frameBuffer = nullptr;
    int32_t stride = 0;  // bytes from one row to the next
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t format = 0;  // bit 3: the memory is laid out in landscape
};

// The answer to kEscapeRawFrameBuffer (24 bytes on the device).
struct RawFrameBufferInfo {
    uint16_t format = 0;  // low two bits 1: RGB565
    uint16_t bitsPerPixel = 0;
    void* frameBuffer = nullptr;  // the pixel at the top-left of the screen
    int32_t xStride = 0;          // bytes from one pixel to the next on the screen, signed
    int32_t yStride = 0;          // bytes from one screen row to the next, signed
    int32_t width = 0;
    int32_t height = 0;
};

// Whether the display driver answers the escape at all.
bool EscapeSupported(uint32_t code);
// False when the driver refuses.
bool QueryDirectFrameBuffer(DirectFrameBufferInfo& info);
bool QueryRawFrameBuffer(RawFrameBufferInfo& info);

}  // namespace platform
