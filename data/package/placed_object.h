#pragma once
// SPlacedObject: one map object placed on a map, which cells refer to by its id. Its map-object type
// gives it its looks and behaviour; the object keeps only what changes in play: its flags, its state
// word and byte, and the item container that belongs to it.
#include <algorithm>
#include <cstdint>

struct SPlacedObject {
    static constexpr uint8_t kVisible = 0x01;  // present; walls block only then
    static constexpr uint8_t kClosed = 0x02;   // closed, off, used, picked or dead, as the class reads it

    // The lock and the trap each keep a level in tens, 0 to 150, in four bits of the state word.
    int LockLevel() const { return levelAt(kLockShift); }
    int TrapLevel() const { return levelAt(kTrapShift); }
    // The level is rounded down to tens and held to what the four bits can keep.
    void SetLockLevel(int level) { setLevelAt(kLockShift, level); }
    void SetTrapLevel(int level) { setLevelAt(kTrapShift, level); }

    uint16_t state = 0;       // bits 6..9 the lock level, 10..13 the trap level, the others the class's
    uint8_t containerId = 0;  // the map's item container that belongs to the object; 0 for none
    uint8_t flags = kVisible;
    uint8_t stateByte = 0;  // the scripts' own ("getstate", "setstate")

private:
    static constexpr int kLockShift = 6;
    static constexpr int kTrapShift = 10;
    static constexpr int kLevelMask = 15;

    int levelAt(int shift) const { return ((state >> shift) & kLevelMask) * 10; }
    void setLevelAt(int shift, int level) {
        const int tens = std::clamp(level / 10, 0, kLevelMask);
        state = uint16_t((state & ~(kLevelMask << shift)) | (tens << shift));
    }
};
