#pragma once
// The optional library of a graphics chip with memory of its own, shown through an overlay. Entry
// points are looked up by these names (platform/library.h) and called through these types; every
// entry answers non-zero on success.
#include <cstdint>

namespace platform::graphics_chip_library {

inline constexpr const char* kLibrary = "CoreLinkLib.dll";

using ProcessAttach = int (*)();
using ProcessDetach = int (*)();
using AllocateSurface = int (*)(uint32_t* surface, uint32_t width, uint32_t height);
using DestroySurface = int (*)(uint32_t surface);
using AllocOverlay = int (*)(uint32_t* overlay);
using SetupOverlay = int (*)(uint32_t overlay, uint32_t surface, int32_t x, int32_t y);
using SetOverlayOnOff = int (*)(uint32_t overlay, int on);
using ReleaseOverlay = int (*)(uint32_t overlay);
using WaitComplete = int (*)(uint32_t milliseconds);  // non-zero when the chip is idle
// Opens the surface's memory to the processor: `pixels` gets its first pixel; rows are packed.
using SetupMemoryTransfer = int (*)(uint32_t surface, void** pixels);
using TerminateMemoryTransfer = int (*)();

inline constexpr const char* kProcessAttach = "AtiCore_ProcessAttach";
inline constexpr const char* kProcessDetach = "AtiCore_ProcessDetach";
inline constexpr const char* kAllocateSurface = "AtiCore_AllocateSurface";
inline constexpr const char* kDestroySurface = "AtiCore_DestroySurface";
inline constexpr const char* kAllocOverlay = "AtiCore_AllocOverlay";
inline constexpr const char* kSetupOverlay = "AtiCore_SetupOverlay";
inline constexpr const char* kSetOverlayOnOff = "AtiCore_SetOverlayOnOff";
inline constexpr const char* kReleaseOverlay = "AtiCore_ReleaseOverlay";
inline constexpr const char* kWaitComplete = "AtiCore_WaitComplete";
inline constexpr const char* kSetupMemoryTransfer = "AtiCore_SetupMemoryTransfer";
inline constexpr const char* kTerminateMemoryTransfer = "AtiCore_TerminateMemoryTransfer";

}  // namespace platform::graphics_chip_library
