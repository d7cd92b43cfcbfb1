#pragma once
// SPlacedObject: one map object placed on a map, which cells refer to by its id. Its map-object type,
// found by the object's name, gives it its looks and behaviour; the object keeps only what is its
// own: two texts for its class (a teleport's target), its flags, its state word and byte, and the
// item container that belongs to it.
#include <algorithm>
#include <cstdint>

#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;

struct SPlacedObject {
    static constexpr uint8_t kVisible = 0x01;    // present; walls block only then
    static constexpr uint8_t kClosed = 0x02;     // closed, off, used, picked or dead, as the class reads it
    static constexpr uint8_t kOpening = 0x20;    // a door on its way open
    static constexpr uint8_t kClosing = 0x40;    // and on its way closed
    static constexpr uint8_t kRestocked = 0x80;  // restocked during this visit
    static constexpr uint8_t kNoByte = 255;      // ByteA and ByteB when the level data gives none

    SPlacedObject() { name.SetOwned(); }
    SPlacedObject(const SPlacedObject&) = delete;
    SPlacedObject& operator=(const SPlacedObject&) = delete;

    const SName& NameKey() const { return name; }

    // The lock and the trap each keep a level in tens, 0 to 150, in four bits of the state word.
    int LockLevel() const { return levelAt(kLockShift); }
    int TrapLevel() const { return levelAt(kTrapShift); }
    // The level is rounded down to tens and held to what the four bits can keep.
    void SetLockLevel(int level) { setLevelAt(kLockShift, level); }
    void SetTrapLevel(int level) { setLevelAt(kTrapShift, level); }

    // The level-data record, both ways (data version): from version 53 the state word comes first,
    // before it after the name and the two texts; the id and the container id; from version 54
    // ByteA and ByteB; the flags. The name is the object's own copy.
    void Serialize(SArchive& archive, int version);
    // The saved-game form: the id, a mask of the fields that are not 0 (1 container id, 2 state
    // word, 4 flags, 8 state byte), then those fields.
    void SaveState(SArchive& archive) const;
    // Reads the saved form after the id, which the map has read. Every field the mask can hold is
    // cleared first, so that a field that became 0 in play (a hidden, open object's flags) stays 0
    // instead of coming back with its level-data value.
    void LoadState(SArchive& archive);
    // The defaults of a new object: visible, ByteA and ByteB none, everything else 0 and no name.
    void Reset();

    SName name;
    SString textA;            // the class's use (a target, a sign's words), and the person a script talks as
    SString textB;            // the named script that runs on the object's events; empty for none
    uint16_t state = 0;       // bits 6..9 the lock level, 10..13 the trap level, the others the class's
    uint8_t id = 0;           // 1..255 on its map
    uint8_t containerId = 0;  // the map's item container that belongs to the object; 0 for none
    uint8_t flags = kVisible;
    uint8_t byteA = kNoByte;
    uint8_t byteB = kNoByte;
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
