#pragma once
// SScene: a picture show of the world data, page after page, that the scene screen plays.
#include <cstdint>

#include "engine/base/name.h"
#include "engine/base/ptr_array.h"
#include "engine/base/string.h"

class SArchive;

struct SScenePage {
    // The page's record part, both ways: tag '7' (skipped on reading only when present), the
    // picture name and the text, from data version 102 the script name. Each may be empty.
    void Serialize(SArchive& archive, int version);

    SString pictureName;
    SString text;
    SString scriptName;  // a named script run when the page shows
};

struct SScene {
    // Names are read as copies of their own: the table keeps no package records.
    SScene() { name.SetOwned(); }
    SScene(const SScene&) = delete;
    SScene& operator=(const SScene&) = delete;

    const SName& NameKey() const { return name; }
    // Null outside 0 .. page count - 1.
    const SScenePage* Page(int index) const { return pages.At(index); }
    // The scene record, both ways: tag '6' (skipped on reading only when present), name, music
    // name, from data version 113 the second text, then the page list.
    void Serialize(SArchive& archive, int version);

    SName name;
    SString musicName;   // may be empty
    SString secondText;  // kept as read; no screen shows it
    SPtrArray<SScenePage> pages{4};
};

// An entry of the scene table's name list, which packages from data version 101 carry.
struct SSceneName {
    SSceneName() { name.SetOwned(); }
    SSceneName(const SSceneName&) = delete;
    SSceneName& operator=(const SSceneName&) = delete;

    const SName& NameKey() const { return name; }
    void Serialize(SArchive& archive, int) { name.Serialize(archive); }

    SName name;
};
