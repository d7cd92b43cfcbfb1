#pragma once
// SMapHeader: a map's header as its package's maps record holds it, after the record id of the
// map's level data. Types and palettes are 1-based indexes into the package's name indexes.
#include <cstdint>

#include "engine/base/string.h"

class SArchive;

struct SMapHeader {
    // A 21 x 21 section of the surface, which lies on the world grid with its neighbours.
    static constexpr uint16_t kSurface = 0x80;
    static constexpr uint8_t kDefaultViewDistance = 100;

    // Tag 'G', the title, the name, the aligned flags and fog colour, the view distance, the
    // rectangle of the map that its cell record covers, and from data version 13 the aligned floor
    // type, floor palette, ceiling type and ceiling palette.
    void Serialize(SArchive& archive, int version);

    SString title;
    const char* name = nullptr;  // points into the maps record when read
    uint16_t flags = 0;
    uint16_t fogColour = 0;
    uint8_t viewDistance = kDefaultViewDistance;
    uint8_t storedLeft = 0;
    uint8_t storedTop = 0;
    uint8_t storedWidth = 0;
    uint8_t storedHeight = 0;
    uint16_t floorType = 0;  // 0: the first texture
    uint16_t floorPalette = 0;
    uint16_t ceilingType = 0;  // 0: the first texture, or the sky on the surface
    uint16_t ceilingPalette = 0;
};
