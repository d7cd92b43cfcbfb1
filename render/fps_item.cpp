// The first-person item: the weapon hand rising into the view's bottom-right corner, the off hand
// into its bottom-left, or a held missile going with the weapon hand.
#include <algorithm>

#include "engine/draw/pixel_loops.h"
#include "render/fill/texel_access.h"
#include "render/render.h"

namespace {

// A percentage of a picture's own size; the picture is never read past its edge.
int PercentOf(int size, uint16_t percent) { return size * std::min<int>(percent, 100) / 100; }

// The hands' pictures are drawn for a reference view of 380 by 320 pixels. On a smaller view less
// of each picture rises into it, though not as much less as the view is smaller: the share shown
// shrinks as if the view were larger by 7/12 of its shortfall across and by half of it down.
constexpr int kFpsReferenceHeight = 320;

uint16_t ShareOnView(uint16_t percent, int view, int reference, int shortfallTwelfths) {
    if (view >= reference) return percent;
    const int scale = view + (reference - view) * shortfallTwelfths / 12;
    return uint16_t(scale * std::min<int>(percent, 100) / reference);
}

// The block's four percentages as a view of that size shows them.
struct SFpsShares {
    uint16_t firstWidth, firstHeight, secondWidth, secondHeight;
};

SFpsShares SharesOnView(const SFpsBlock& fps, const SRasterTarget& view) {
    constexpr int across = SRender::kReferenceWidth, down = kFpsReferenceHeight;
    return {ShareOnView(fps.m_firstWidthPercent, view.m_width, across, 7),
            ShareOnView(fps.m_firstHeightPercent, view.m_height, down, 6),
            ShareOnView(fps.m_secondWidthPercent, view.m_width, across, 7),
            ShareOnView(fps.m_secondHeightPercent, view.m_height, down, 6)};
}

// The columns of the off hand's picture left out on its left while it rises in from the view's left
// edge: its right-hand part shows first.
int HiddenColumns(const SPicture& picture, uint16_t shownPercent) {
    return PercentOf(picture.Width(), uint16_t(100 - std::min<int>(shownPercent, 100)));
}

template <int kFormat>
uint16_t KeyedTexel(const SPicture& picture, int x, int y) {
    const SAnyTexel<kFormat> texels(picture.Texels(), picture.Palette(), picture.RowLength());
    return ReadColour<SKeying::Keyed>(texels, uint32_t(x) << 12, uint32_t(y) << 12);
}

// Whether keyed drawing puts texel (x, y) of the picture on the screen.
bool ShowsTexel(const SPicture& picture, int x, int y) {
    if (x < 0 || y < 0 || x >= picture.Width() || y >= picture.Height()) return false;
    switch (picture.Format()) {
        case 0: return KeyedTexel<0>(picture, x, y) != SPicture::kTransparent;
        case 1: return KeyedTexel<1>(picture, x, y) != SPicture::kTransparent;
        default: return KeyedTexel<2>(picture, x, y) != SPicture::kTransparent;
    }
}

}  // namespace

SRender::SFpsAreas SRender::FpsItemAreas() const {
    SFpsAreas areas;
    if (!m_view) return areas;
    const SFpsBlock& fps = m_view->m_fps;
    const int w = m_projection.viewTarget.m_width, h = m_projection.viewTarget.m_height;
    const SFpsShares shares = SharesOnView(fps, m_projection.viewTarget);
    if (fps.m_firstPicture != 0) {
        if (const std::optional<SPicture> first = m_view->FindPicture(fps.m_firstPicture, fps.m_firstPalette)) {
            const int w1 = PercentOf(first->Width(), shares.firstWidth);
            const int h1 = PercentOf(first->Height(), shares.firstHeight);
            areas.weaponHand = {w - w1, h - h1, w1, h1};
        }
        // A second picture that goes with the weapon hand is its missile, never an off hand.
        if (fps.m_secondWithFirst) return areas;
    }
    if (const std::optional<SPicture> second = m_view->FindPicture(fps.m_secondPicture, fps.m_secondPalette)) {
        const int w2 = PercentOf(second->Width(), shares.secondWidth);
        const int h2 = PercentOf(second->Height(), shares.secondHeight);
        areas.offHand = {0, h - h2, w2, h2};
    }
    return areas;
}

int SRender::FpsHandAt(int32_t x, int32_t y) const {
    const SFpsAreas areas = FpsItemAreas();
    const SFpsBlock& fps = m_view->m_fps;
    const SFpsArea& weapon = areas.weaponHand;
    if (weapon.Contains(x, y)) {
        const std::optional<SPicture> first = m_view->FindPicture(fps.m_firstPicture, fps.m_firstPalette);
        if (first && ShowsTexel(*first, x - weapon.x, y - weapon.y)) return 1;
    }
    const SFpsArea& off = areas.offHand;
    if (!off.Contains(x, y)) return -1;
    const std::optional<SPicture> second = m_view->FindPicture(fps.m_secondPicture, fps.m_secondPalette);
    if (!second) return -1;
    // Mirrored, the area's columns read the picture from its last one back; else they start where
    // the hidden part of the picture ends.
    const int column = fps.m_secondMirrored
                           ? off.width - 1 - (x - off.x)
                           : HiddenColumns(*second, SharesOnView(fps, m_projection.viewTarget).secondWidth) +
                                 (x - off.x);
    return ShowsTexel(*second, column, y - off.y) ? 0 : -1;
}

void SRender::DrawFpsItem() {
    // Drawn through the view target, whose edges every blit is cut to: no offset or size can
    // reach outside the view rectangle.
    SRasterTarget view = m_projection.viewTarget;
    if (!m_view || !view.m_pixels) return;
    const SFpsBlock& fps = m_view->m_fps;
    const SFpsAreas areas = FpsItemAreas();
    if (fps.m_firstPicture != 0) {
        const SFpsArea& hand = areas.weaponHand;
        if (const std::optional<SPicture> first = m_view->FindPicture(fps.m_firstPicture, fps.m_firstPalette)) {
            SPixelLoops::BlitKeyedRaw(view, *first, hand.x, hand.y, 0, 0, hand.width, hand.height);
            const std::optional<SPicture> missile = m_view->FindPicture(fps.m_secondPicture, fps.m_secondPalette);
            if (fps.m_secondWithFirst && missile) {
                SPixelLoops::BlitKeyedRaw(view, *missile, hand.x + fps.m_secondOffsetX, hand.y + fps.m_secondOffsetY, 0,
                                          0, missile->Width(), missile->Height());
            }
        }
        if (fps.m_secondWithFirst) return;
    }
    const std::optional<SPicture> second = m_view->FindPicture(fps.m_secondPicture, fps.m_secondPalette);
    if (!second) return;
    const SFpsArea& hand = areas.offHand;
    if (fps.m_secondMirrored) {
        SPixelLoops::BlitKeyedMirroredRaw(view, *second, hand.x, hand.y, hand.width, hand.height);
    } else {
        SPixelLoops::BlitKeyedRaw(view, *second, hand.x, hand.y,
                                  HiddenColumns(*second, SharesOnView(fps, view).secondWidth), 0, hand.width,
                                  hand.height);
    }
}
