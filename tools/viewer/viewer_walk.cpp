#include "tools/viewer/viewer_walk.h"

#include "tools/sampledata/tiny_world.h"

namespace {

constexpr int32_t kOne = 1 << 16;
constexpr int32_t kTurn = 360 * kOne;

int32_t Middle(int32_t position) { return (position & ~0xFFFF) + kOne / 2; }

}  // namespace

SViewerWalk::SViewerWalk(const STinyWorld& world)
    : m_world(world),
      m_x(Middle(world.View().m_positionX)),
      m_y(Middle(world.View().m_positionY)),
      m_heading(world.View().m_heading) {}

bool SViewerWalk::Step(int direction) {
    if (Moving()) return false;
    // Quarter headings only: 0 north (-y), 90 west (-x), 180 south, 270 east.
    const int quarter = ((m_heading + kTurn / 8) / (kTurn / 4)) % 4;
    constexpr int kDx[4] = {0, -1, 0, 1}, kDy[4] = {-1, 0, 1, 0};
    const int dx = kDx[quarter] * direction, dy = kDy[quarter] * direction;
    if (m_world.Blocks((m_x >> 16) + dx, (m_y >> 16) + dy)) return false;
    m_stepX = dx * kOne / kFramesPerMove;
    m_stepY = dy * kOne / kFramesPerMove;
    m_stepHeading = 0;
    m_framesLeft = kFramesPerMove;
    return true;
}

bool SViewerWalk::Turn(int quarters) {
    if (Moving()) return false;
    m_stepX = m_stepY = 0;
    m_stepHeading = quarters * (kTurn / 4) / kFramesPerMove;
    m_framesLeft = kFramesPerMove;
    return true;
}

void SViewerWalk::Nudge(int degrees) {
    if (Moving()) return;
    m_heading = ((m_heading + degrees * kOne) % kTurn + kTurn) % kTurn;
}

void SViewerWalk::Advance(STinyWorld& world) {
    if (m_framesLeft > 0) {
        m_x += m_stepX;
        m_y += m_stepY;
        m_heading = ((m_heading + m_stepHeading) % kTurn + kTurn) % kTurn;
        --m_framesLeft;
    }
    SViewDescriptor& view = world.View();
    view.m_positionX = m_x;
    view.m_positionY = m_y;
    view.m_heading = m_heading;
}
