// The headless device's pretend hardware: whatever the test provides is there, everything else is
// absent, as on a device without it.
#include "platform/headless/headless_hardware.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "platform/display_escape.h"
#include "platform/hardware.h"
#include "platform/headless/headless.h"

namespace platform {

namespace {

struct Region {
    uint32_t address;
    uint8_t* memory;
    size_t size;

    bool Holds(uint64_t from, uint64_t bytes) const { return from >= address && from + bytes <= address + size; }
};

struct Hardware {
    std::string oemInfo;
    std::optional<uint32_t> processorId;
    std::vector<Region> physical;
    std::vector<void*> mappings;
    std::vector<Region> kernel;
    std::function<void(const void*, uint32_t)> registerHook;
    std::optional<DirectFrameBufferInfo> directFrameBuffer;
    std::optional<RawFrameBufferInfo> rawFrameBuffer;
};

Hardware& hardware() {
    static Hardware instance;
    return instance;
}

void* find(const std::vector<Region>& regions, uint32_t address, uint32_t size) {
    for (const Region& region : regions)
        if (region.Holds(address, size)) return region.memory + (address - region.address);
    return nullptr;
}

}  // namespace

std::string OemInfo() { return hardware().oemInfo; }

bool ReadProcessorId(uint32_t& id) {
    if (!hardware().processorId) return false;
    id = *hardware().processorId;
    return true;
}

void* MapPhysicalMemory(uint32_t physical, uint32_t size) {
    void* memory = find(hardware().physical, physical, size);
    if (memory != nullptr) hardware().mappings.push_back(memory);
    return memory;
}

void UnmapPhysicalMemory(void* address) {
    auto& mappings = hardware().mappings;
    auto found = std::find(mappings.begin(), mappings.end(), address);
    if (found != mappings.end()) mappings.erase(found);
}

uint32_t ReadRegister(const void* block, uint32_t offset) {
    if (hardware().registerHook) hardware().registerHook(block, offset);
    // Registers are words in the processor's own byte order, as on the device.
    return *reinterpret_cast<const volatile uint32_t*>(static_cast<const uint8_t*>(block) + offset);
}

void* KernelMemory(uint32_t address, uint32_t size) { return find(hardware().kernel, address, size); }

uint32_t KernelAddressOf(const void* memory) {
    auto* byte = static_cast<const uint8_t*>(memory);
    for (const Region& region : hardware().kernel)
        if (byte >= region.memory && byte < region.memory + region.size)
            return region.address + uint32_t(byte - region.memory);
    return 0;
}

bool EscapeSupported(uint32_t code) {
    if (code == kEscapeDirectFrameBuffer) return hardware().directFrameBuffer.has_value();
    if (code == kEscapeRawFrameBuffer) return hardware().rawFrameBuffer.has_value();
    return false;
}

bool QueryDirectFrameBuffer(DirectFrameBufferInfo& info) {
    if (!hardware().directFrameBuffer) return false;
    info = *hardware().directFrameBuffer;
    return true;
}

bool QueryRawFrameBuffer(RawFrameBufferInfo& info) {
    if (!hardware().rawFrameBuffer) return false;
    info = *hardware().rawFrameBuffer;
    return true;
}

namespace headless {

void ResetHardware() { hardware() = Hardware{}; }

void SetOemInfo(const std::string& text) { hardware().oemInfo = text; }
void SetProcessorId(uint32_t id) { hardware().processorId = id; }
void ProvidePhysicalMemory(uint32_t physical, void* memory, size_t size) {
    hardware().physical.push_back({physical, static_cast<uint8_t*>(memory), size});
}
size_t PhysicalMappings() { return hardware().mappings.size(); }
void ProvideKernelMemory(uint32_t address, void* memory, size_t size) {
    hardware().kernel.push_back({address, static_cast<uint8_t*>(memory), size});
}
void SetRegisterReadHook(std::function<void(const void*, uint32_t)> hook) { hardware().registerHook = std::move(hook); }
void SetDirectFrameBuffer(const DirectFrameBufferInfo& info) { hardware().directFrameBuffer = info; }
void SetRawFrameBuffer(const RawFrameBufferInfo& info) { hardware().rawFrameBuffer = info; }

}  // namespace headless
}  // namespace platform
