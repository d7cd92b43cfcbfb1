#include "screens/play/step_motion.h"

namespace {

// A bump's ticks forward (and back again) and the ticks it stands at its far point.
constexpr uint32_t kBumpWait = 3;
constexpr uint32_t kFastBumpWait = 2;
constexpr uint32_t kBumpPause = 3;
constexpr uint32_t kFastBumpPause = 1;

}  // namespace

void SStepMotion::StartWalk(int32_t dx, int32_t dy, bool fast) {
    const int32_t step = fast ? kFastWalkStep : kWalkStep;
    *this = {};
    m_stepX = dx * step;
    m_stepY = dy * step;
    m_fast = fast;
}

void SStepMotion::StartBump(int32_t dx, int32_t dy, bool fast) {
    *this = {};
    m_stepX = dx * kBumpStep;
    m_stepY = dy * kBumpStep;
    m_wait = fast ? kFastBumpWait : kBumpWait;
    m_pause = fast ? kFastBumpPause : kBumpPause;
    m_bump = true;
    m_fast = fast;
}

SStepMotion::STick SStepMotion::Tick() {
    if (m_wait != 0) {
        --m_wait;
        return {true, true};
    }
    if (m_pause != 0) {
        --m_pause;
        return {false, true};
    }
    return {true, false};
}

void SStepMotion::TurnBumpAround() {
    if (!m_bump || m_wait != 0 || m_pause != 0) return;
    m_stepX = -m_stepX;
    m_stepY = -m_stepY;
    m_wait = m_fast ? kFastBumpWait : kBumpWait;
}
