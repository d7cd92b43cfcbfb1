// The first-person item: the weapon hand rising into the view's bottom-right corner, the off hand
// into its bottom-left, or a held missile going with the weapon hand.
#include <algorithm>

#include "engine/draw/pixel_loops.h"
#include "render/render.h"

namespace {

// A percentage of a picture's own size; the picture is never read past its edge.
int PercentOf(int size, uint16_t percent) { return size * std::min<int>(percent, 100) / 100; }

}  // namespace

void SRender::DrawFpsItem() {
    // Drawn through the view target, whose edges every blit is cut to: no offset or size can
    // reach outside the view rectangle.
    SRasterTarget view = m_projection.viewTarget;
    if (!m_view || !view.m_pixels) return;
    const SFpsBlock& fps = m_view->m_fps;
    const int w = view.m_width, h = view.m_height;
    if (fps.m_firstPicture != 0) {
        if (const std::optional<SPicture> first = m_view->FindPicture(fps.m_firstPicture, fps.m_firstPalette)) {
            const int w1 = PercentOf(first->Width(), fps.m_firstWidthPercent);
            const int h1 = PercentOf(first->Height(), fps.m_firstHeightPercent);
            SPixelLoops::BlitKeyedRaw(view, *first, w - w1, h - h1, 0, 0, w1, h1);
            const std::optional<SPicture> missile = m_view->FindPicture(fps.m_secondPicture, fps.m_secondPalette);
            if (fps.m_secondWithFirst && missile) {
                SPixelLoops::BlitKeyedRaw(view, *missile, w - w1 + fps.m_secondOffsetX, h - h1 + fps.m_secondOffsetY, 0,
                                          0, missile->Width(), missile->Height());
            }
        }
        // A second picture that goes with the weapon hand is its missile, never an off hand.
        if (fps.m_secondWithFirst) return;
    }
    const std::optional<SPicture> second = m_view->FindPicture(fps.m_secondPicture, fps.m_secondPalette);
    if (!second) return;
    const int w2 = PercentOf(second->Width(), fps.m_secondWidthPercent);
    const int h2 = PercentOf(second->Height(), fps.m_secondHeightPercent);
    if (fps.m_secondMirrored) {
        SPixelLoops::BlitKeyedMirroredRaw(view, *second, 0, h - h2, w2, h2);
    } else {
        // The picture's right-hand part shows first, as if the hand rose in from the left edge.
        const int hidden = PercentOf(second->Width(), uint16_t(100 - std::min<int>(fps.m_secondWidthPercent, 100)));
        SPixelLoops::BlitKeyedRaw(view, *second, 0, h - h2, hidden, 0, w2, h2);
    }
}
