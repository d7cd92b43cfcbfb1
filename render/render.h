#pragma once
// SRender: the render context of the 3-D view. It holds what the view needs between two frames
// and during one: the world's constants, the projection derived from the view rectangle, the
// camera, a cache of transformed cell corners, the clipper's scratch polygons and the frame's
// buffers. Every buffer has a fixed capacity inside the object, so that nothing is allocated per
// frame. The play screen's view descriptor and the display's raster target are given to it; it
// owns neither.
#include <cstdint>
#include <optional>

#include "engine/draw/raster_target.h"
#include "render/kept_scene.h"
#include "render/rain.h"
#include "render/render_polygon.h"
#include "render/sky_layout.h"
#include "render/thumbnail.h"
#include "render/upright_picture.h"
#include "render/view_descriptor.h"

class SRandom;
struct SPolygonFillers;

// A point of the ground plane in view space, 22.10.
struct SViewPoint {
    int32_t lateral = 0;
    int32_t depth = 0;
    bool operator==(const SViewPoint&) const = default;
};

class SRender {
public:
    // The world's geometry, 22.10: a cell is 1024 wide and a storey 731 high.
    static constexpr int32_t kCellSize = 1024;
    static constexpr int32_t kLevelStep = 731;
    // Headings and angles count this much to a degree.
    static constexpr int32_t kDegree = 1 << 16;
    // Heights of levels 0 to 4: the eye is at 0, the floor under it at level 2.
    static constexpr int32_t kLevels[5] = {-1980, -1249, -518, 213, 944};
    static constexpr int32_t kViewSpan = 1158;     // the world width shown at the projection distance
    static constexpr int32_t kFieldOfView = 60;    // degrees, across the view
    static constexpr int32_t kScanMargin = 2;      // degrees the cell scan adds to the field of view
    static constexpr int32_t kUnitsPerCell = 336;  // the unit of the descriptor's view distances
    static constexpr int32_t kNearDistance = 512;  // the near clipping plane
    // The 380-pixel-wide reference view in which the horizon and the sky are laid out.
    static constexpr int32_t kReferenceWidth = 380;
    static constexpr int32_t kReferenceHorizonRow = 70;
    static constexpr int32_t kSkyBandTop = 10;
    static constexpr int32_t kSkyBandBottom = 110;
    static constexpr int32_t kFloorReachDivisor = 240;
    // Pictures fixed in the cell's geometry are drawn at 336 texels across a cell and 240 up a
    // storey; free pictures at a scale of (D << 10) / depth x view width / 380.
    static constexpr int32_t kWallTexelsAcross = 336;
    static constexpr int32_t kWallTexelsUp = 240;
    static constexpr int kFreeScaleShift = 10;
    static constexpr uint16_t kCanopyKind = 11;  // a second-layer object kind: a canopy at level 3
    // A record's position inside a cell (65,536 per cell) in world units, and its height above the
    // floor (a fraction of a storey).
    static int32_t CellUnits(uint16_t position) { return position >> 6; }
    static int32_t HeightAboveFloor(uint16_t fraction) { return kLevels[2] + ((fraction * kLevelStep) >> 16); }
    static constexpr uint32_t kFlashColour = 0x07E0F81F;  // white in the spread form
    // Pit side faces are drawn in two light bands that reach down to level 0.
    static constexpr bool kDeepSideFaces = true;

    static constexpr int kMaxVertices = 2500;  // also uvs and shades
    static constexpr int kMaxPolygons = 500;
    // Screen columns the coverage arrays hold: the widest screen, so that a full-width 800x600 view
    // is served; a wider view is refused.
    static constexpr int kMaxViewWidth = 800;
    static constexpr int kMaxOccluders = 100;
    // A four-sided polygon gains at most one vertex at each of the six planes.
    static constexpr int kClipVertices = 10;
    // The corner cache covers offsets -14 to +13 from the eye cell on both axes.
    static constexpr int kCornerCacheSide = 28;
    static constexpr int kCornerCacheReach = 14;

    // Derived from the view rectangle, the surface and the view distances.
    struct SProjection {
        int32_t distance = 0;     // d = (view span / 2) x cot(field of view / 2)
        int32_t eyePullBack = 0;  // d - half a cell: how far the eye stands behind the player
        // How near the viewer the floor comes into view; read by the floor-item builder.
        int32_t floorReach = 0;
        int32_t farDistance = 0;
        int32_t fogStart = 0;
        int32_t scale = 0;          // (view width x d x 1024 / view span) << 9
        int32_t centreOffsetX = 0;  // subtracted from projected x (28.4)
        int32_t horizonOffset = 0;  // subtracted from projected y (28.4)
        int32_t width16 = 0;        // the view's size in 28.4
        int32_t height16 = 0;
        uint32_t fogSpread = 0;  // the fog colour in the spread form
        // The view rectangle of the surface, and the whole surface.
        SRasterTarget viewTarget;
        SRasterTarget fullTarget;
    };

    // Rebuilt at every frame from the player's position and heading.
    struct SCamera {
        int32_t facing = 0;  // 0 to 3 for headings 0, 90, 180, 270 exactly; 4 for any other
        int32_t sine = 0;    // of heading + 90 degrees, 22.10
        int32_t cosine = 0;
        int32_t eyeX = 0;  // 22.10 grid coordinates
        int32_t eyeY = 0;
        int32_t eyeCellX = 0;
        int32_t eyeCellY = 0;
        // The far corners of the view triangle the cell scan walks, left then right.
        int32_t farLeftX = 0;
        int32_t farLeftY = 0;
        int32_t farRightX = 0;
        int32_t farRightY = 0;
        // At facings 0 to 3, the eye's place inside its cell along the view axis, -512 to 511.
        int32_t inCellOffset = 0;
    };

    // The clipper's ping-pong buffers. A builder puts its polygon into viewPolygon (with uvs and
    // lights as its pipeline needs); the result stands in screenPolygon, uvs and lights.
    struct SClipScratch {
        SRenderVertex viewPolygon[kClipVertices];
        SRenderVertex viewScratch[kClipVertices];
        SRenderVertex screenPolygon[kClipVertices];
        SRenderVertex screenScratch[kClipVertices];
        SRenderUv uvs[kClipVertices];
        SRenderUv scratchUvs[kClipVertices];
        int32_t lights[kClipVertices] = {};  // 16.16, 0x10000 full
        int32_t scratchLights[kClipVertices] = {};
        int clippedCount = 0;  // vertices left after the near and far planes
    };

    // Every polygon of the frame, emptied at the start of each frame.
    struct SFrameBuffers {
        SRenderVertex vertices[kMaxVertices];
        int vertexCount = 0;
        SRenderUv uvs[kMaxVertices];
        int uvCount = 0;
        uint16_t shades[kMaxVertices] = {};
        int shadeCount = 0;
        SRenderPolygon polygons[kMaxPolygons];
        SRenderSortKey sortKeys[kMaxPolygons];
        int polygonCount = 0;
    };

    // A wall that hides what lies behind it, in pixels.
    struct SOccluder {
        int32_t left = 0;
        int32_t right = 0;
        int32_t topAtLeft = 0;
        int32_t topAtRight = 0;
        int32_t bottomAtLeft = 0;
        int32_t bottomAtRight = 0;
    };

    // Per screen column, the nearest occluder that covers it, or kUncovered.
    struct SOcclusion {
        static constexpr uint16_t kUncovered = 0xFFFF;
        uint16_t secondCoverage[kMaxViewWidth] = {};
        uint16_t firstCoverage[kMaxViewWidth] = {};
        SOccluder occluders[kMaxOccluders];
        int occluderCount = 0;
    };

    // The descriptor the play screen fills before each frame, and the surface the view is drawn on.
    void SetView(const SViewDescriptor* view) { m_view = view; }
    void SetSurface(SRasterTarget* surface) { m_surface = surface; }

    // Draws one frame of the 3-D view into the view rectangle of the surface; nothing when the
    // projection refuses the view. `sceneUnchanged`: the caller knows that nothing in the scene has
    // moved since the last frame, so while it rains only the streaks and the first-person item are
    // drawn again, over the scene kept from that frame.
    void RenderFrame(bool sceneUnchanged = false);

    // Recomputes the projection and the raster targets from the descriptor and the surface; called
    // wherever the surface, the view rectangle or the view distances may have changed. False, with
    // both targets emptied so that nothing can be drawn, when there is no descriptor or surface,
    // when the view is empty or wider than kMaxViewWidth, or when it does not lie inside the
    // surface.
    bool UpdateProjection();
    // A view-space point on the screen: x, y in 28.4, the depth kept. The depth must be positive.
    SRenderVertex Project(const SRenderVertex& point) const;

    // The grid corner (cx, cy), in cells from the eye cell, in view space.
    SViewPoint ToView(int32_t cx, int32_t cy) const;
    // The same through the corner cache, so that the corners that many faces share are transformed
    // once per frame. Corners beyond the cache are transformed every time.
    SViewPoint GetGridPoint(int32_t cx, int32_t cy);
    // A point (ox, oy) inside the cell whose corner is (cx, cy), at height oh, in view space.
    SRenderVertex CellCornerToView(int32_t cx, int32_t cy, int32_t ox, int32_t oh, int32_t oy);

    // The clip pipelines: the count vertices in the clip scratch's view polygon are clipped to the
    // near and far planes, projected and clipped to the view's edges; the result's vertex count
    // comes back, and below 3 means nothing is left to draw. A polygon of more than four vertices
    // could outgrow the buffers and gives 0. Along the near and far planes every attribute is
    // interpolated linearly; along the screen edges:
    int ClipPolygonA(int count);       // uvs perspective-correct, lights linear on the screen
    int ClipPolygonB(int count);       // uvs perspective-correct
    int ClipPolygonAffine(int count);  // uvs linear on the screen
    int ClipPolygonC(int count);       // positions only
    // Clips a polygon already projected into the screen polygon to the view's edges only, uvs
    // linear on the screen.
    int ClipPolygon4(int count);

    // The polygon list. AddPolygon commits the clip scratch's screen polygon (count vertices and
    // their uvs) with fog shades from one light and a sort key; the builder then fills in the
    // returned polygon's flags, pictures, palettes and masks. A polygon the frame has no room for
    // is dropped whole and none is returned.
    SRenderPolygon* AddPolygon(int count, SPolygonType type, int32_t light, SSortClass sortClass);
    // With the scratch's per-vertex lights as well: always a pit side face in the pit class.
    SRenderPolygon* AddPolygonLit(int count, int32_t light);
    // With the shades given, for the polygons that lie beyond the fog.
    SRenderPolygon* AddPolygonWithShades(int count, SPolygonType type, SSortClass sortClass, const uint16_t* shades);
    // Whether the screen polygon's first three vertices turn clockwise on the screen.
    bool IsTempQuadFrontFacing() const;
    // Painter's order, the occlusion pass and the fillers; the frame entry runs them in turn.
    void SortPolygons();
    void CullHidden();
    void RasterizePolygons();
    void RasterizePolygons(const SPolygonFillers& fillers);

    // Rain in the view rectangle (rain.h), its parameters taken from the view's size: the play
    // screen's weather sets the count (at most 2,000) and colour, and moves the streaks by the
    // elapsed 16.16 seconds; the frame draws pass 1 behind the first-person item and pass 0 over it.
    void SetRainCount(int count, uint16_t colour, SRandom& random);
    void ResetRain(int count, uint16_t colour, SRandom& random);
    void UpdateRain(int32_t elapsed, SRandom& random);
    void DrawRain(int pass);
    // The descriptor's first-person block: the weapon hand rising into the view's bottom-right
    // corner by its percentages of the picture's size, with a held missile, and otherwise the off
    // hand rising into the bottom-left. Everything is cut to the view rectangle.
    void DrawFpsItem();
    // Where DrawFpsItem puts its pictures, in the view's own pixels: the weapon hand's in the
    // bottom-right corner and the off hand's in the bottom-left; an area is empty where its
    // picture is not drawn (a missile going with the weapon hand is no off hand).
    struct SFpsArea {
        int32_t x = 0, y = 0, width = 0, height = 0;
        bool Contains(int32_t px, int32_t py) const { return px >= x && py >= y && px < x + width && py < y + height; }
    };
    struct SFpsAreas {
        SFpsArea weaponHand;
        SFpsArea offHand;
    };
    SFpsAreas FpsItemAreas() const;
    // The hand whose picture shows at the view point (a texel that is drawn, not one left out by
    // the key): 1 the weapon hand's, 0 the off hand's, -1 neither.
    int FpsHandAt(int32_t x, int32_t y) const;
    void MakeViewThumbnail(SThumbnail thumbnail) const;

    // 2-D drawing on the whole surface. Tiling covers the area with copies of the picture from its
    // top left, the last column and row cut; the rotated picture is centred at (x, y) and turned
    // anticlockwise by a 16.16-degree angle.
    void TileBitmapKeyed(int x, int y, const SPicture& picture, int areaWidth, int areaHeight);
    void TileBitmap(int x, int y, const SPicture& picture, int areaWidth, int areaHeight);
    void DrawRotated(int x, int y, const SPicture& picture, int32_t angle);

    // The cell scan over the view triangle and the builders of one cell (cell_scan.h): a cell inside
    // the grid gets its floor, its ceiling, its walls and then its objects and pictures; one beyond
    // the map's edge a fog-coloured floor (and, without a sky, a ceiling) that hides the background
    // there.
    void DrawCell(int32_t x, int32_t y);
    // The floor of a cell without a first-layer wall: one textured polygon of the type the floor
    // record and the cell's kind-6 overlay choose, or for a pit its side faces and fog bottom.
    void AddCellFloor(int32_t x, int32_t y);
    // The faces of a wall cell toward open neighbours, both storeys. A neighbour outside the grid
    // counts as open and lends no light or overlay: the face takes its own cell's light.
    void AddCellWalls(int32_t x, int32_t y);
    // The per-vertex lights of a pit side face of band 0 (from the floor down) or 1 (below it).
    void SetSideFaceLight(int band);
    // Bit 0 a first-layer wall (object kind 2), bit 1 a second-layer one; 0 outside the grid.
    int GetCellWallKinds(int32_t x, int32_t y) const;
    // Whether the cell's floor is sunken; a cell without a floor record is not.
    bool GetCellFloorFlag(int32_t x, int32_t y) const;
    // The ceiling over a cell: under second-layer walls at level 3 with their ceiling picture, else
    // on maps without a sky at level 4 with the descriptor's sky picture; and a canopy of
    // second-layer kind 11.
    void DrawCeiling(int32_t x, int32_t y);
    void DrawOutsideCell(int32_t x, int32_t y);

    // The pictures and objects of a cell inside the grid, in the order the cell dispatch calls
    // them after its floor, ceiling and walls. x and y are grid cells.
    // A roof model over a wall cell, chosen by the high byte of the record's word 0.
    void DrawCellMesh(int32_t x, int32_t y);
    // The first-layer object type record by its primitive kind; kinds without a builder draw none.
    void DrawCentreObject(int32_t x, int32_t y);
    // A second-layer record of kind 8: a picture across the cell standing on level 3.
    void DrawUpperPanel(int32_t x, int32_t y);
    // The side-overlay record of a layer: free-standing pictures, pictures on the cell's sides with
    // their item stacks, and second free-standing pictures.
    void DrawCellObjects(int32_t x, int32_t y, int layer);
    // The cell's two item piles (the creatures' sprites), each with its marker.
    void DrawItemPiles(int32_t x, int32_t y);
    // The floor item stack on ten fixed spots, drawn closer together when the floor comes into
    // view late.
    void DrawFloorItems(int32_t x, int32_t y);
    // The cell's free sprite slot (missiles and spell effects).
    void DrawCreature(int32_t x, int32_t y);

    // The builders of the centre kinds, given the cell and its first-layer record.
    void DrawComposite(int32_t x, int32_t y, const SObjectTypeRecord& record);
    void DrawDoor(int32_t x, int32_t y, const SObjectTypeRecord& record);
    void DrawTurningPicture(int32_t x, int32_t y, const SObjectTypeRecord& record);
    void DrawPictureGroup(int32_t x, int32_t y, const SObjectTypeRecord& record);
    void DrawPictureGroupRaised(int32_t x, int32_t y, const SObjectTypeRecord& record);
    void DrawPanel(int32_t x, int32_t y, const SObjectTypeRecord& record);
    void DrawCrossPicture(int32_t x, int32_t y, const SObjectTypeRecord& record);
    void DrawLargePicture(int32_t x, int32_t y, const SObjectTypeRecord& record);

    // Up to ten pictures on one point (x, height, y) of the cell (cx, cy) from the eye cell, each
    // sorting in front of the one before.
    void DrawItemStack(int32_t cx, int32_t cy, const SItemStackRecord& stack, int32_t x, int32_t height, int32_t y,
                       int32_t light);
    // A picture placed on the screen at (x, y) (28.4) plus (dx, dy) texels at a scale, at a depth,
    // split at the level-3 line; the number of polygons added.
    int DrawScreenSprite(int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t scale, int32_t depth,
                         const SPictureLook& look);
    // A centre kind's picture at (x, height, y) of the cell (cx, cy) from the eye cell, drawn as if
    // it stood a reference offset behind the projection distance; standing on its foot point or
    // hanging from it; split at the level-3 line unless noSplit. False, adding nothing, when it lies
    // outside the near and far distances or its picture cannot be drawn; where it was placed
    // otherwise.
    bool DrawCentreSprite(int32_t cx, int32_t cy, int32_t x, int32_t height, int32_t y, int32_t reference, bool hanging,
                          bool noSplit, const SPictureLook& look, SScreenPicture* placed = nullptr);
    // A picture standing with its bottom edge on the floor point (x, y) of the cell (cx, cy).
    void DrawGroundBillboard(int32_t cx, int32_t cy, int32_t x, int32_t y, const SPictureLook& look);

    const SProjection& Projection() const { return m_projection; }
    const SCamera& Camera() const { return m_camera; }
    const SSkyLayout& Sky() const { return m_sky; }

    SClipScratch m_clip;
    SFrameBuffers m_frame;
    SOcclusion m_occlusion;
    SRain m_rain;
    SKeptScene m_keptScene;

private:
    static constexpr int kCornerCacheSize = kCornerCacheSide * kCornerCacheSide;

    // Where an upright picture's placed point lies on it.
    enum class SFoot : uint8_t { Standing, OnPoint, Hanging };

    // The view angle in whole degrees, 0 to 359.
    int32_t viewDegrees() const;
    // A picture as drawn with a palette; none when it cannot be drawn or has no texels, since
    // every placement divides by its size.
    std::optional<SPicture> findSprite(uint16_t picture, uint16_t palette) const;
    // Places an upright picture at a point of a cell with the scale (numerator / depth) x view
    // width / 380; false outside the near and far distances.
    bool projectUpright(int32_t cx, int32_t cy, int32_t x, int32_t height, int32_t y, int64_t scaleNumerator,
                        const SPicture& picture, SFoot foot, SScreenPicture& placed);
    // A free-standing picture at a point of the cell, the scale of free pictures.
    int drawFreePicture(int32_t cx, int32_t cy, int32_t x, int32_t height, int32_t y, const SPictureLook& look,
                        SStoreySplit split);
    // A placed picture as type-11 polygons, split as asked; the number added.
    int addScreenPicture(const SScreenPicture& placed, const SPicture& picture, const SPictureLook& look,
                         SStoreySplit split);
    bool addScreenPiece(const SScreenPicture& piece, int32_t width, int32_t topT, int32_t bottomT, SSortClass sortClass,
                        const SPictureLook& look);
    // An upright quad of a cell (cx, cy from the eye cell), moved a few depth units toward the
    // viewer if asked; the polygon, or none when nothing of it is seen.
    SRenderPolygon* addUpright(int32_t cx, int32_t cy, const SCellUpright& quad, SPolygonType type,
                               SSortClass sortClass, const SPictureLook& look, SUprightSides sides,
                               int32_t towardViewer = 0);
    // The same cut at level 3: the part below in class 3, the part above in class 4; each added
    // piece's far depth lowered by farDepthCut. The number of pieces added.
    int addUprightSplit(int32_t cx, int32_t cy, const SCellUpright& quad, const SPictureLook& look,
                        int32_t farDepthCut);
    // Commits the screen polygon with the look's picture: a silhouette with every shade 0.
    SRenderPolygon* commitPicture(int count, SPolygonType type, SSortClass sortClass, const SPictureLook& look);
    SRenderSortKey& lastSortKey() { return m_frame.sortKeys[m_frame.polygonCount - 1]; }
    // A side-overlay entry fixed to a side of its cell, with the item stack it holds.
    void drawSideEntry(int32_t cx, int32_t cy, const SSideOverlayRecord& record, int entry, int layer, int32_t light);
    // Up to six pictures of a group standing at one height.
    void drawPictureGroup(int32_t x, int32_t y, const SObjectTypeRecord& record, int32_t height);
    // Whether a plane across the cell runs along y: both its neighbours on y hold walls of the
    // layer's bit.
    bool runsAlongY(int32_t x, int32_t y, int wallBit) const;
    // How far in from the side of the cell that faces the eye a plane a picture of that width
    // stands: (336 x D) / w - D, kept inside the cell's near half. Along y the sides are x = 0 and
    // 1024, else y = 0 and 1024; the coordinate across the plane comes back.
    int32_t planeAcross(int32_t x, int32_t y, bool alongY, int32_t width) const;

    void updateCamera();
    // The cell scan with this context's cell builders.
    void scanCells();
    // The scene: sky, cells, sorted and drawn, before the rain and the first-person item.
    void renderScene();
    // A quad over four grid corners (cells from the eye cell) at one height into the clip scratch,
    // with the uvs given.
    void setFlatQuad(const int32_t (&corners)[4][2], int32_t height, const SRenderUv (&uvs)[4]);
    // A wall face from corner A to corner B (cells from the eye cell), top to bottom, with uvs for
    // a w x h texture stored turned. One builder serves the four sides: the cell-side table gives
    // each side's corners.
    void SetWallQuad(const int32_t (&a)[2], const int32_t (&b)[2], int32_t top, int32_t bottom, int32_t w, int32_t h);
    // A pit's side face from corner A to corner B: band 0 from the floor down to level 1, band 1
    // from there to level 0.
    void SetFloorEdgeQuad(const int32_t (&a)[2], const int32_t (&b)[2], int band, int32_t w, int32_t h) {
        SetWallQuad(a, b, kLevels[2 - band], kLevels[1 - band], w, h);
    }
    void addPitFaces(int32_t x, int32_t y, const SFloorRecord& floor, int32_t light);
    void addWallLayer(int32_t x, int32_t y, int layer);
    void updateSkyRows();
    // The sky, the horizon band and the ground beyond the far distance, or indoors a plain band.
    void AddBackgroundOrFill();
    void AddBackground();
    // Which columns of the sky panorama the view shows at the camera's heading.
    void UpdateSkyOffset();
    // The point (ox, oy) inside the cell whose corner is (cx, cy) cells from the eye cell, in view
    // space.
    SViewPoint rotate(int32_t cx, int32_t cy, int32_t ox, int32_t oy) const;
    // The pipelines, over the attributes carried along the screen edges.
    template <typename Attributes>
    int clipPolygon(int count);
    template <typename Attributes>
    int clipToScreen(int count);

    const SViewDescriptor* m_view = nullptr;
    SRasterTarget* m_surface = nullptr;
    SProjection m_projection;
    SCamera m_camera;
    SSkyLayout m_sky;
    // (0, 0) marks an entry not computed this frame.
    SViewPoint m_cornerCache[kCornerCacheSize];
};
