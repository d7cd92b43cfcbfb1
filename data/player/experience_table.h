#pragma once
// The experience a character needs to hold each level 0..99.
#include <cstdint>

constexpr uint32_t kMaxLevel = 99;

// Entry 0 and 1 are 0; levels above 99 need what 99 does, so nothing reads past the table.
uint32_t ExperienceForLevel(uint32_t level);
