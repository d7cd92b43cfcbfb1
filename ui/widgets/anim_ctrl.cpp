#include "ui/widgets/anim_ctrl.h"

#include <algorithm>

#include "engine/draw/display.h"
#include "engine/packages/resource_cache.h"
#include "platform/clock.h"
#include "ui/picture_sets.h"

namespace {
constexpr int kScale = 10000;  // the scale factors' fixed point
}

SAnimCtrl::SAnimCtrl() { m_input = SCtrlInput::kTicks; }

void SAnimCtrl::startAt(const SPictureEntry* first, uint32_t frame) {
    m_base = first;
    m_baseW = uint32_t(PictureWidth(first));
    m_baseH = uint32_t(PictureHeight(first));
    m_scaled = m_w != m_baseW || m_h != m_baseH;
    m_frame = frame;
    m_lastStep = platform::TickCount();
    SetDirty();
}

void SAnimCtrl::SetAnimation(std::span<const SAnimFrame> frames) {
    m_recordMode = 1;
    m_frames.assign(frames.begin(), frames.end());
    m_pictures.clear();
    startAt(m_frames.empty() ? nullptr : m_frames[0].picture, hasFrames() ? 1 : 0);
}

void SAnimCtrl::SetPictures(std::span<const SPictureEntry* const> pictures) {
    m_recordMode = 0;
    m_frames.clear();
    m_pictures.assign(pictures.begin(), pictures.begin() + long(std::min<size_t>(pictures.size(), kListPictures)));
    startAt(m_pictures.empty() ? nullptr : m_pictures[0], 0);
}

uint32_t SAnimCtrl::OnTick(uint32_t) {
    const uint32_t now = platform::TickCount();
    if (m_recordMode) {
        if (!hasFrames() || m_base == nullptr) return 0;
        if (now - m_lastStep < uint32_t(m_frames[m_frame].duration) * 10) return 0;
        if (++m_frame >= m_frames.size()) m_frame = 1;
        drawBaseAndFrame(m_frame);
    } else {
        if (m_pictures.empty() || now - m_lastStep < kListPictureTime) return 0;
        m_frame = (m_frame + 1) % uint32_t(m_pictures.size());
        if (m_pictures[m_frame]) drawWhole(*m_pictures[m_frame]);
    }
    m_lastStep = now;
    return 0;
}

void SAnimCtrl::Draw() {
    if (m_recordMode) {
        if (m_base == nullptr || m_base->data == nullptr) {
            m_display->FillRect(m_x, m_y, m_w, m_h, 0);
            return;
        }
        drawBaseAndFrame(1);
        return;
    }
    const SPictureEntry* shown = m_frame < m_pictures.size() ? m_pictures[m_frame] : nullptr;
    if (shown == nullptr || shown->data == nullptr)
        m_display->FillRect(m_x, m_y, m_w, m_h, 0);
    else
        drawWhole(*shown);
}

void SAnimCtrl::drawWhole(const SPictureEntry& picture) {
    if (m_scaled)
        m_display->BlitScaled(picture, m_x, m_y, m_w, m_h);
    else
        m_display->BlitOpaque(picture, m_x, m_y);
}

void SAnimCtrl::drawBaseAndFrame(uint32_t frame) {
    drawWhole(*m_base);
    if (frame >= m_frames.size()) return;
    const SAnimFrame& f = m_frames[frame];
    if (f.picture == nullptr || f.picture->data == nullptr) return;
    if (!m_scaled || m_baseW == 0 || m_baseH == 0) {
        m_display->BlitOpaque(*f.picture, m_x + f.x, m_y + f.y);
        return;
    }
    const int sx = int(m_w) * kScale / int(m_baseW), sy = int(m_h) * kScale / int(m_baseH);
    m_display->BlitScaled(*f.picture, m_x + f.x * sx / kScale, m_y + f.y * sy / kScale,
                          PictureWidth(f.picture) * sx / kScale, PictureHeight(f.picture) * sy / kScale);
}
