#pragma once
// The records the builders of upright pictures pass between them: a picture placed on the screen,
// how it meets the top of the first storey, what it is drawn with, and an upright quad inside a
// cell.
#include <cstdint>

#include "render/render_polygon.h"

// A picture placed on the screen: its rectangle in 28.4, its depth, and its scale, by which
// (texels x scale) >> 6 is a 28.4 length.
struct SScreenPicture {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t depth = 0;
    int32_t scale = 0;
};

// How an upright picture meets the level-3 line, the screen line of the top of the first storey at
// the picture's depth: what stands above it must sort with the second storey's walls.
enum class SStoreySplit : uint8_t {
    Whole,        // class 3, uncut
    CellObject,   // cut at the line; the upper piece in class 4, one depth unit nearer
    Pile,         // cut at the line; the upper piece in class 4 at the same depth
    SecondLayer,  // class 4, uncut
};

// What a picture is drawn with.
struct SPictureLook {
    uint16_t picture = 0;
    uint16_t palette = 0;  // 0 for the picture's own colours
    int32_t light = 0;     // 256 full
    bool mirrored = false;
    uint8_t flags = 0;  // SRenderPolygon's: kFlash draws a white silhouette, kMarkerA and kMarkerB a marker
};

// An upright quad inside a cell: its two ends in world units within the cell, a being the left one
// seen from its front, its top and bottom heights, and the texture at its corners.
struct SCellUpright {
    int32_t ax = 0, ay = 0;
    int32_t bx = 0, by = 0;
    int32_t top = 0;
    int32_t bottom = 0;
    SRenderUv topLeft;      // s at a, t at the top
    SRenderUv bottomRight;  // s at b, t at the bottom

    // The part of the quad between two heights, its t cut in proportion; the heights must lie
    // within the quad's.
    SCellUpright Between(int32_t high, int32_t low) const {
        SCellUpright part = *this;
        const int64_t span = int64_t(top) - bottom, dt = int64_t(bottomRight.v) - topLeft.v;
        part.top = high;
        part.bottom = low;
        part.topLeft.v = topLeft.v + int32_t(dt * (top - high) / span);
        part.bottomRight.v = topLeft.v + int32_t(dt * (top - low) / span);
        return part;
    }
};

// Whether an upright quad seen from behind is turned round (and its texture mirrored) so that it
// reads the same from both sides, or not drawn.
enum class SUprightSides : uint8_t { Both, FrontOnly };
