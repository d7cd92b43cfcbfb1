#include "render/kept_scene.h"

#include <cstring>

namespace {

// Every row of the target in drawing order, with the row of the copy that goes with it.
template <typename Copy>
void forEachRow(const SRasterTarget& target, Copy copy) {
    for (int y = 0; y < target.m_height; ++y)
        copy(GetRowSpan(target, y, 0, target.m_width), size_t(y) * target.m_width);
}

}  // namespace

void SKeptScene::Keep(const SRasterTarget& target) {
    m_from = target;
    m_pixels.resize(size_t(target.m_width) * size_t(target.m_height));
    forEachRow(target, [&](const SRowSpan& span, size_t at) {
        if (span.m_step == 1) {
            std::memcpy(&m_pixels[at], span.m_first, size_t(span.m_count) * sizeof(uint16_t));
            return;
        }
        const uint16_t* pixel = span.m_first;
        for (int i = 0; i < span.m_count; ++i, pixel += span.m_step) m_pixels[at + i] = *pixel;
    });
}

bool SKeptScene::fits(const SRasterTarget& target) const {
    return !m_pixels.empty() && target.m_pixels == m_from.m_pixels && target.m_width == m_from.m_width &&
           target.m_height == m_from.m_height && target.m_pitch == m_from.m_pitch &&
           target.m_orientation == m_from.m_orientation;
}

bool SKeptScene::Restore(const SRasterTarget& target) const {
    if (!fits(target)) return false;
    forEachRow(target, [&](const SRowSpan& span, size_t at) {
        if (span.m_step == 1) {
            std::memcpy(span.m_first, &m_pixels[at], size_t(span.m_count) * sizeof(uint16_t));
            return;
        }
        uint16_t* pixel = span.m_first;
        for (int i = 0; i < span.m_count; ++i, pixel += span.m_step) *pixel = m_pixels[at + i];
    });
    return true;
}
