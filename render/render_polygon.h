#pragma once
// The records of one frame's geometry: vertices, texture coordinates, polygons with their fillers'
// types, and the keys that sort them into painter's order.
#include <cstdint>

// A vertex: in view space lateral (right positive), height (up positive) and depth (forward
// positive), 22.10; on the screen x and y in 28.4 with the depth kept.
struct SRenderVertex {
    int32_t x = 0;
    int32_t y = 0;
    int32_t z = 0;
};

// Texture coordinates in 1/16 texel.
struct SRenderUv {
    int32_t u = 0;
    int32_t v = 0;
};

// What a polygon is, which picks the filler that draws it.
enum class SPolygonType : uint8_t {
    FogFill = 0,             // flat fill with the fog colour (ground beyond the far distance, pit bottoms)
    Floor = 1,               // one texture
    FloorMasked = 2,         // two textures chosen per texel by one mask
    FloorTwoMasks = 3,       // three textures chosen by two masks
    FloorOverlay = 4,        // an overlay over a base texture
    FloorOverlayMasked = 5,  // an overlay over a mask-chosen pair
    FloorFreeAngle = 6,      // one texture, always with the free-rotation floor filler (ceilings)
    Wall = 7,
    PitSide = 8,  // fog per pixel with per-vertex light
    WallOverlay = 9,
    ObjectFace = 10,
    Billboard = 11,  // upright, colour-keyed
    Sky = 12,
    KeyedQuad = 13,
    KeyedObjectQuad = 14,
};

// Sort classes, drawn in the order 0, 5, 1, 2, 4, 3.
enum class SSortClass : uint8_t {
    Background = 0,   // sky, ground and the indoor band
    Pit = 1,          // pit side faces and bottoms
    Floor = 2,        // floors and cells outside the map
    FirstLayer = 3,   // first-layer walls and objects
    SecondLayer = 4,  // second-layer walls and objects
    Ceiling = 5,
};

struct SRenderPolygon {
    static constexpr uint8_t kFlash = 0x01;    // blend toward the flash colour instead of the fog
    static constexpr uint8_t kVisible = 0x02;  // set by the occlusion pass; only these are drawn
    static constexpr uint8_t kMarkerA = 0x04;  // a billboard drawn with the descriptor's marker A
    static constexpr uint8_t kMarkerB = 0x08;

    uint8_t m_flags = 0;
    SPolygonType m_type = SPolygonType::FogFill;
    // Where the polygon's vertices, uvs and shades start in the frame buffers; each run is
    // consecutive.
    uint16_t m_firstVertex = 0;
    uint16_t m_vertexCount = 0;
    uint16_t m_firstUv = 0;
    uint16_t m_firstShade = 0;
    uint16_t m_pictures[3] = {};
    uint16_t m_palettes[3] = {};  // 0 is the picture's own palette
    uint16_t m_masks[2] = {};     // 1-bit selection masks of the masked floor types
};

struct SRenderSortKey {
    int32_t m_farDepth = 0;  // the largest z of the polygon's vertices
    int32_t m_nearDepth = 0;
    uint16_t m_polygon = 0;
    SSortClass m_class = SSortClass::Background;
};
