#pragma once
// A range of physical memory (controller registers, video memory) mapped into the program for as long
// as the object lives.
#include <cstdint>

namespace HAL {

class PhysicalMapping {
public:
    // Maps `size` bytes at `physical`; the mapping is empty when the device has nothing there.
    PhysicalMapping(uint32_t physical, uint32_t size);
    ~PhysicalMapping();
    PhysicalMapping(const PhysicalMapping&) = delete;
    PhysicalMapping& operator=(const PhysicalMapping&) = delete;

    explicit operator bool() const { return m_address != nullptr; }
    // The 32-bit word at `offset` bytes, read afresh from the hardware.
    uint32_t Read(uint32_t offset) const;

private:
    void* m_address;
};

}  // namespace HAL
