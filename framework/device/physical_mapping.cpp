#include "framework/device/physical_mapping.h"

#include "platform/hardware.h"

namespace HAL {

PhysicalMapping::PhysicalMapping(uint32_t physical, uint32_t size)
    : m_address(platform::MapPhysicalMemory(physical, size)) {}

PhysicalMapping::~PhysicalMapping() {
    if (m_address != nullptr) platform::UnmapPhysicalMemory(m_address);
}

uint32_t PhysicalMapping::Read(uint32_t offset) const { return platform::ReadRegister(m_address, offset); }

}  // namespace HAL
