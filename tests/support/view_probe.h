#pragma once
// A probe of the play screen's 3-D view: the view's rectangle cut out of a presented frame, and
// what tests ask of it. An object's pixels are found by drawing the same place with and without it
// and taking where the two shots differ, so that the probe needs to know nothing of the object's
// colours after light and fog have shaded them; a colour is counted in a part of the view where
// one is known (the fog's, black).
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class PlayDriver;
class SRender;
struct SViewDescriptor;

// A rectangle of the view in its own pixels, right and bottom exclusive.
struct ViewArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Empty() const { return right <= left || bottom <= top; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(const ViewArea& inner) const {
        return inner.left >= left && inner.right <= right && inner.top >= top && inner.bottom <= bottom;
    }
};

struct ViewShot {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;  // rows packed

    uint16_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    ViewArea Whole() const { return {0, 0, width, height}; }
    // The pixels within the area whose colour is one of these.
    int Count(const ViewArea& area, std::initializer_list<uint16_t> colours) const;
    // The shot's top `rows` rows: the view above a panel drawn over it.
    ViewShot Top(int rows) const;
    // The view as NAME.png where $BRIMVALE_SHOTS names a folder, for a person to look at.
    void Keep(const std::string& name) const;
};

// Where two shots of one size differ: how many pixels, and the smallest area that holds them.
struct ViewDifference {
    int count = 0;
    ViewArea bounds;
};
ViewDifference Difference(const ViewShot& before, const ViewShot& after);
// The pixels that differ between the shots and are dark in `after`: no 8-bit channel above
// `brightest`.
int CountTurnedDark(const ViewShot& before, const ViewShot& after, int brightest);

// Where the face on `side` (0 north, 1 east, 2 south, 3 west) of grid cell (x, y) lies in the view
// as the last frame's camera saw it: the smallest area holding its corners, from `bottom` up to
// `top` (world heights: the floor -518, the first storey's top 213, the ceiling 944). Empty when a
// corner lies behind the eye.
ViewArea FaceArea(SRender& render, int x, int y, int side, int32_t bottom, int32_t top);
ViewArea FaceArea(PlayDriver& driver, int x, int y, int side, int32_t bottom, int32_t top);

// The view's rectangle cut out of a screen `screenWidth` pixels wide.
ViewShot CutView(const SViewDescriptor& view, const std::vector<uint16_t>& screen, int screenWidth);

// The view as the last frame presented it, whatever the play screen chose to draw in it.
ViewShot ShootView(PlayDriver& driver);
// The view drawn afresh: the play screen is asked to redraw and runs frames until it is still.
ViewShot RedrawView(PlayDriver& driver);
