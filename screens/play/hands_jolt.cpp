#include "screens/play/hands_jolt.h"

#include <algorithm>

#include "render/view_descriptor.h"

namespace {

// Percentage points by walking tick; both end at 0, where the hands rest at their bases.
constexpr int kSway[SHandsJolt::kSteps] = {1, 2, 3, 3, 2, 1, 1, 0};
constexpr int kBob[SHandsJolt::kSteps] = {2, 3, 4, 3, 2, 1, 0, 0};

uint16_t moved(uint16_t base, int offset) { return uint16_t(std::clamp(int(base) + offset, 0, 100)); }

}  // namespace

void SHandsJolt::Start(const SFpsBlock& fps) {
    ++m_count;
    m_step = 0;
    m_weaponX = std::min(fps.m_firstWidthPercent, kMostHorizontal);
    m_offX = std::min(fps.m_secondWidthPercent, kMostHorizontal);
    m_weaponY = fps.m_firstHeightPercent;
    m_offY = fps.m_secondHeightPercent;
}

bool SHandsJolt::Step(SFpsBlock& fps) {
    if (m_step >= kSteps) return false;
    const uint32_t phase = (m_count - 1) % 4;
    const int sign = phase == 0 || phase == 3 ? 1 : -1;
    const int sway = kSway[m_step] * sign, bob = kBob[m_step] * sign;
    fps.m_firstWidthPercent = moved(m_weaponX, sway);
    fps.m_firstHeightPercent = moved(m_weaponY, bob);
    fps.m_secondWidthPercent = moved(m_offX, -sway);
    fps.m_secondHeightPercent = moved(m_offY, -bob);
    ++m_step;
    return true;
}
