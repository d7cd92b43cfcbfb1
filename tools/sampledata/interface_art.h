#pragma once
// Generated pictures for the interface package: every record an interface-picture slot names.
#include <cstdint>
#include <vector>

// The picture record for an interface record id: a small bevelled tile whose hue follows the id,
// so that neighbouring pieces of a frame or bar can be told apart on screen.
std::vector<uint8_t> InterfacePicture(uint16_t recordId);
