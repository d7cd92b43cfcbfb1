#include "support/person_probe.h"

#include <cstdlib>
#include <vector>

#include "render/view_descriptor.h"
#include "support/ui_rig.h"

namespace {

struct SRgb {
    int red, green, blue;
};

SRgb channels(uint16_t colour) {
    return {(colour >> 11) * 255 / 31, ((colour >> 5) & 63) * 255 / 63, (colour & 31) * 255 / 31};
}

bool near(uint16_t pixel, SRgb wanted, int tolerance) {
    const SRgb seen = channels(pixel);
    return std::abs(seen.red - wanted.red) <= tolerance && std::abs(seen.green - wanted.green) <= tolerance &&
           std::abs(seen.blue - wanted.blue) <= tolerance;
}

}  // namespace

int CountPersonColourAhead(const UiRig& rig, const SViewDescriptor& view, uint16_t colour, int tolerance) {
    const std::vector<uint16_t> frame = rig.Capture();
    const int width = rig.Width();
    const SRgb wanted = channels(colour);
    const int left = view.m_viewX + view.m_viewWidth / 3, right = view.m_viewX + view.m_viewWidth * 2 / 3;
    int count = 0;
    for (int y = view.m_viewY + view.m_viewHeight * 2 / 5; y < view.m_viewY + view.m_viewHeight; ++y)
        for (int x = left; x < right; ++x)
            if (near(frame[size_t(y) * size_t(width) + size_t(x)], wanted, tolerance)) ++count;
    return count;
}
