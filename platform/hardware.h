#pragma once
// Direct access to the device's hardware, for the video drivers that bypass the system's drawing
// layer: the processor's identity, the OEM's name for the device, and memory that only the kernel
// normally sees (controller registers, video memory). A device without such access answers as if the
// hardware were not there, and the framework falls back to the window.
#include <cstdint>
#include <string>

namespace platform {

// The OEM's name for the device (at most 260 characters); empty when the system does not say.
std::string OemInfo();

// The processor's identification word, read in kernel mode; false when it cannot be read.
bool ReadProcessorId(uint32_t& id);

// Maps `size` bytes of physical memory from `physical` into the program; null when the device has no
// memory there or refuses. Every mapping is released with UnmapPhysicalMemory.
void* MapPhysicalMemory(uint32_t physical, uint32_t size);
void UnmapPhysicalMemory(void* address);

// Reads the 32-bit controller register at `offset` bytes into a mapped register block. Registers
// change behind the program's back, so every poll reads again.
uint32_t ReadRegister(const void* block, uint32_t offset);

// The kernel keeps fixed windows onto memory that are reachable in kernel mode at known addresses.
// KernelMemory answers where the program reaches `size` bytes at `address`, null when nothing is
// there; KernelAddressOf answers the kernel address of memory the program holds, 0 when it is not in
// such a window.
void* KernelMemory(uint32_t address, uint32_t size);
uint32_t KernelAddressOf(const void* memory);

}  // namespace platform
