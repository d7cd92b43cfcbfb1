#include "render/texel_average.h"

#include <algorithm>

#include "render/fill/texel_access.h"

namespace {

template <int kFormat>
uint16_t Average(const SPicture& picture, int x, int y, int w, int h) {
    if (picture.Format() != kFormat) return 0;
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = int(std::min<int64_t>(int64_t(x) + w, picture.Width()));
    const int bottom = int(std::min<int64_t>(int64_t(y) + h, picture.Height()));
    if (left >= right || top >= bottom) return 0;
    uint64_t red = 0, green = 0, blue = 0;
    for (int row = top; row < bottom; ++row) {
        const SAlongRow<kFormat> texels(picture.Texels(), picture.Palette(), picture.RowLength(), row);
        for (int column = left; column < right; ++column) {
            // The row reader takes columns in 20.12.
            const uint32_t at = uint32_t(column) << 12;
            const uint16_t colour = texels.Colour(texels.Index(at), at);
            red += colour >> 11;
            green += (colour >> 5) & 0x3F;
            blue += colour & 0x1F;
        }
    }
    const uint64_t count = uint64_t(right - left) * uint64_t(bottom - top);
    return uint16_t((red / count) << 11 | (green / count) << 5 | (blue / count));
}

}  // namespace

uint16_t AverageTexelsPal8(const SPicture& picture, int x, int y, int w, int h) {
    return Average<0>(picture, x, y, w, h);
}

uint16_t AverageTexelsVq8(const SPicture& picture, int x, int y, int w, int h) {
    return Average<1>(picture, x, y, w, h);
}

uint16_t AverageTexelsVq16(const SPicture& picture, int x, int y, int w, int h) {
    return Average<2>(picture, x, y, w, h);
}
