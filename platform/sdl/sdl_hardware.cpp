// The desktop gives a program no way past its window: no controller registers, no video memory, no
// display-driver escapes, no processor identification. Every question is answered as a device
// without that hardware answers it, so the framework draws through the window.
#include "platform/display_escape.h"
#include "platform/hardware.h"

namespace platform {

std::string OemInfo() { return {}; }
bool ReadProcessorId(uint32_t&) { return false; }
void* MapPhysicalMemory(uint32_t, uint32_t) { return nullptr; }
void UnmapPhysicalMemory(void*) {}
// Nothing can be mapped, so there is never a register block to read.
uint32_t ReadRegister(const void*, uint32_t) { return 0; }
void* KernelMemory(uint32_t, uint32_t) { return nullptr; }
uint32_t KernelAddressOf(const void*) { return 0; }

bool EscapeSupported(uint32_t) { return false; }
bool QueryDirectFrameBuffer(DirectFrameBufferInfo&) { return false; }
bool QueryRawFrameBuffer(RawFrameBufferInfo&) { return false; }

}  // namespace platform
