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

// Floor fillers: perspective-correct row spans reading floor textures, whose rows are 256 texels
// long whatever their width (formats 1 and 2: 128 block entries). A, B and C are the polygon's
// first, second and third textures, B and C read in A's format and within A's bounds; a mask is a
// picture of at least 2,048 texel bytes holding 128 rows of 16 bytes, one bit per 2 x 2 texels.
// Texel choice: type 1 A; 2 B where mask 1 is set, else A; 3 C where mask 2 is set, else as 2; 4
// the overlay B unless it is 0xFFFF, then A; 5 the overlay C unless it is 0xFFFF, then as 2. No
// colour is keyed. Shades are signed; a factor above 32 read as unsigned (a negative shade too) is
// 32. A texture A not 256 wide, a B or C not of A's format and width or shorter than A, or a mask
// too small draws nothing. NS fillers serve facings 0 and 2 (u varies along a row), EW fillers
// facings 1 and 3 (v varies); the coordinate that holds is taken at the left edge. Free fillers
// step both at any facing; DrawPolyFloor1Free also draws type 6.
void DrawPolyFloor1NS(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a, uint32_t fog);
void DrawPolyFloor1EW(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a, uint32_t fog);
void DrawPolyFloor1Free(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                        uint32_t fog);
void DrawPolyFloor2NS(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& mask1, uint32_t fog);
void DrawPolyFloor2EW(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& mask1, uint32_t fog);
void DrawPolyFloor2Free(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                        const SRenderTexture& b, const SRenderTexture& mask1, uint32_t fog);
void DrawPolyFloor3NS(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1,
                      const SRenderTexture& mask2, uint32_t fog);
void DrawPolyFloor3EW(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1,
                      const SRenderTexture& mask2, uint32_t fog);
void DrawPolyFloor3Free(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                        const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1,
                        const SRenderTexture& mask2, uint32_t fog);
void DrawPolyFloor4NS(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, uint32_t fog);
void DrawPolyFloor4EW(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, uint32_t fog);
void DrawPolyFloor4Free(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                        const SRenderTexture& b, uint32_t fog);
void DrawPolyFloor5NS(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1, uint32_t fog);
void DrawPolyFloor5EW(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1, uint32_t fog);
void DrawPolyFloor5Free(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                        const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1, uint32_t fog);
// Type 10, object faces at any angle: a floor texture (at most 1,024 rows) read as type 1, the
// coordinates sampled exactly at the start, middle and end of each row span and a second-order fit
// stepped between; the fog factor of the left edge holds along the span. A row whose rounded start
// lies right of its end ends the polygon. A face of more than 32 vertices, or one whose vertex terms
// (u << 18) / z do not fit 32 bits, draws nothing.
void DrawPolyType10(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a, uint32_t fog);

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
