#pragma once
// The polygon fillers of the 3-D view: each draws one polygon type into a raster target, in any of
// its orientations. None allocates or divides per pixel. A pixel a filler leaves keeps its value,
// though for speed some read it and write it back (keyed chunks, the column tile of span_output.h).
//
// Every filler draws the pixels whose centres the fill rule puts inside the polygon, cut to the
// surface, and reads only texels inside its picture: the texture coordinate that holds along a span
// and the two ends of the one that varies along it are clamped to the picture, so that a span
// beyond it reads the picture's edge texels. A texture without
// texels or with an unknown format draws nothing; so do perspective fillers given a vertex at or
// behind the eye (depth 0 or less).
#include <cstdint>
#include <span>

#include "engine/draw/raster_target.h"
#include "render/fill/fill_polygon.h"
#include "render/fill/render_texture.h"

// Row-span fillers, s along the screen row and t down it; pictures are stored upright.

// Type 0: every pixel takes the colour as it is (the map's fog colour, RGB565).
void DrawPolyFlat(const SRasterTarget& target, const SFillPolygon& polygon, uint16_t colour);
// Type 12: affine, opaque, t constant along a row, the fog factor per row. fog is the spread fog
// colour.
void DrawPolySky(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture, uint32_t fog);
// Type 11, and types 13 and 14 when their quad is screen-aligned: as the sky, but keyed by the key
// colour and block 0. Colour index 0 of format 0 is an ordinary colour here.
void DrawPolyBillboard(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                       uint32_t fog);
// The picture the 2-D layer draws turned by an angle: four vertices of x and y only, s and t both
// stepped along the row, keyed, no fog.
void DrawQuadKeyedAffine(const SRasterTarget& target, std::span<const SRenderVertex, 4> quad,
                         const SRenderTexture& texture, std::span<const SRenderUv, 4> uvs);

// Column-span fillers, one screen column at a time.
//
// Walls and side faces store their pictures turned: s is the picture's column and runs down the
// screen column, t is its row and holds along the screen column.

// Type 7: perspective-correct, opaque, the fog factor per column.
void DrawPolyWall(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                  uint32_t fog);
// Type 9: a wall whose overlay shows the base texture where its colour is the key colour. An
// overlay of another format or size than its base is not read: the wall is drawn plain.
void DrawPolyWallOverlay(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                         const SRenderTexture& overlay, uint32_t fog);
// Type 8: as a wall, with the shade interpolated along the lower edge too and the fog factor
// stepped down the column; every pixel is blended, also at factor 32.
void DrawPolySideFace(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                      uint32_t fog);

// Keyed upright quads store their pictures upright: s is the picture's column and holds along the
// screen column, t runs down it. The key colour, block 0 and colour index 0 of format 0 leave the
// pixel.

// Type 14: perspective-correct.
void DrawPolyType14(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                    uint32_t fog);
// Type 13: affine.
void DrawPolyType13(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                    uint32_t fog);
