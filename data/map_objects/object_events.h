#pragma once
// The events a map object reacts to (SMapObjectType::OnEvent), by the bits the play screen and the
// scripts give them.
#include <cstdint>

enum SObjectEvent : uint32_t {
    kSteppedOn = 1,
    kSteppedOff = 2,
    kAttacked = 8,
    kSpellCast = 16,
    kUsed = 32,
};
