#pragma once
// Which record of the interface package each of the game object's 480 interface-picture slots
// holds. Small screens (modes 6, 7, 8, 16) and large screens (9, 10, 11, 14, 15) have their own
// pictures; mode 8 borrows a few of its own.
#include <cstdint>
#include <vector>

constexpr int kInterfacePictureSlots = 480;

// The record id of a slot in a screen mode, or 0 for a slot that holds no picture.
uint16_t InterfacePictureRecord(int slot, uint32_t screenMode);
// Every record id any screen mode's slots name, each once.
std::vector<uint16_t> AllInterfacePictureRecords();
