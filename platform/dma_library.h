#pragma once
// The optional library that copies a frame from system memory to video memory by DMA. Entry points
// are looked up by these names (platform/library.h) and called through these types.
#include <cstdint>

namespace platform::dma_library {

inline constexpr const char* kLibrary = "gxdma.dll";

using IsReady = int (*)();  // non-zero when the last transfer has finished
// Starts copying a rectangle of the frame to the screen; left and width are multiples of 4 pixels.
using CopyToVideo = int (*)(uint32_t left, uint32_t top, uint32_t width, uint32_t height);

inline constexpr const char* kIsReady = "IsDMAReady";
inline constexpr const char* kCopyToVideo = "DmaDRAMtoVRAM";

}  // namespace platform::dma_library
