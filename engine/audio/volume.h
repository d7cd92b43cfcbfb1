#pragma once
// The loudest of the eleven volume steps (0 .. 10) a sound effect is played at.
inline constexpr int kLoudestVolume = 10;
