#pragma once
// Where the sky and the ground beyond the far distance lie on the screen, and which part of the sky
// panorama the view shows. The panorama is 760 texels wide and covers 120 degrees of heading; its
// rows 0 to 99 are sky and rows 100 to 109 a band that fades into the fog at the horizon.
#include <cstdint>

struct SSkyLayout {
    // Panorama coordinates, 28.4 texels.
    static constexpr int32_t kPanoramaWidth = 760 * 16;
    static constexpr int32_t kViewWidth = 380 * 16;  // what one view shows of it
    static constexpr int32_t kBandRow = 100 * 16;    // where the horizon band starts
    static constexpr int32_t kBottomRow = 110 * 16;
    static constexpr int32_t kPanoramaRows = 110;

    // Screen rows, 28.4: of the highest level at the far distance (at least the view's top) and of
    // the lowest level the ground reaches down to (at most the view's bottom).
    int32_t topRow = 0;
    int32_t lowestLevelRow = 0;
    // The reference view's band top scaled to the view: the height of the horizon band.
    int32_t bandTop = 0;
    // The height the upper sky is drawn at; the horizon band lies below it.
    int32_t bandHeight = 0;
    // The panorama row at the top of the view: the upper sky shows vTop down to kBandRow.
    int32_t vTop = 0;
    // Left of wrapX the view shows panorama columns uStart to uEnd. Where the panorama's end falls
    // inside the view (wrapX below the view's width) it starts again from column 0 up to
    // wrappedUEnd.
    int32_t uStart = 0;
    int32_t uEnd = 0;
    int32_t wrappedUEnd = 0;
    int32_t wrapX = 0;
};

// The panorama column (28.4 texels) at the view's left edge for a sky angle and a heading, both
// 16.16 degrees: 380/60 reference pixels per degree, so that a turn of 120 degrees brings the
// panorama back where it was.
int32_t SkyOffset(int32_t skyAngle, int32_t heading);
// Lays the panorama from that column across a view `width` pixels wide: one view shows 380
// panorama texels whatever its width.
void SetSkyColumns(SSkyLayout& sky, int32_t offset, int32_t width);
