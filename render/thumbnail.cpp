#include "render/thumbnail.h"

#include <algorithm>

#include "render/render.h"

void MakeThumbnail(const SRasterTarget& view, SThumbnail thumbnail) {
    std::fill(thumbnail.begin(), thumbnail.end(), uint16_t(0));
    const int w = view.m_width, h = view.m_height;
    if (!view.m_pixels || w <= 0 || h <= 0) return;
    const int width = w * kThumbHeight / h;
    if (width > kThumbWidth) {
        const int height = h * kThumbWidth / w;
        ScaleViewToThumb(view, thumbnail, 0, (kThumbHeight - height) / 2, kThumbWidth, height);
    } else {
        ScaleViewToThumb(view, thumbnail, (kThumbWidth - width) / 2, 0, width, kThumbHeight);
    }
}

void ScaleViewToThumb(const SRasterTarget& view, SThumbnail thumbnail, int left, int top, int width, int height) {
    left = std::clamp(left, 0, kThumbWidth);
    top = std::clamp(top, 0, kThumbHeight);
    width = std::clamp(width, 0, kThumbWidth - left);
    height = std::clamp(height, 0, kThumbHeight - top);
    if (!view.m_pixels || view.m_width <= 0 || view.m_height <= 0 || width == 0 || height == 0) return;
    const int64_t stepX = (int64_t(view.m_width) << 16) / width, stepY = (int64_t(view.m_height) << 16) / height;
    for (int y = 0; y < height; ++y) {
        const int sourceY = int((y * stepY) >> 16);
        uint16_t* row = thumbnail.data() + (top + y) * kThumbWidth + left;
        for (int x = 0; x < width; ++x) row[x] = *view.PixelAddress(int((x * stepX) >> 16), sourceY);
    }
}

void SRender::MakeViewThumbnail(SThumbnail thumbnail) const { MakeThumbnail(m_projection.viewTarget, thumbnail); }
