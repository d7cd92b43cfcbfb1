#include "screens/play/travel_fade.h"

#include <algorithm>

#include "render/view_descriptor.h"

namespace {

// Frames by kind 1 to 7: teleport, a plain black fade, fall, ladder down and up, stairs down and up.
constexpr uint32_t kFrames[STravelFade::kLastKind + 1] = {0, 10, 20, 20, 50, 50, 40, 40};
// The view reaches at least two cells (in 1/336 cell) while a teleport draws the fog in.
constexpr int32_t kNearestFar = 672;

int32_t red(uint16_t c) { return ((c >> 11) & 0x1F) << 3; }
int32_t green(uint16_t c) { return ((c >> 5) & 0x3F) << 2; }
int32_t blue(uint16_t c) { return (c & 0x1F) << 3; }

uint16_t packTravelFade(int32_t r, int32_t g, int32_t b) {
    r = std::clamp(r, 0, 255);
    g = std::clamp(g, 0, 255);
    b = std::clamp(b, 0, 255);
    return uint16_t(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

}  // namespace

uint32_t STravelFade::FramesOf(uint32_t kind) { return IsKind(kind) ? kFrames[kind] : 0; }

const char* STravelFade::SoundOf(uint32_t kind, SWalker walker) {
    switch (kind) {
        case 3: return walker.male ? "bsnd_fallmale" : "bsnd_fallfemale";
        case 4: return "bsnd_ladderdown";
        case 5: return "bsnd_ladderup";
        case 6: return walker.booted ? "bsnd_stairdown" : "bsnd_stairdownbare";
        case 7: return walker.booted ? "bsnd_stairup" : "bsnd_stairupbare";
        default: return nullptr;
    }
}

void STravelFade::Start(uint32_t kind, const SViewDescriptor& view) {
    m_kind = kind;
    m_framesLeft = FramesOf(kind);
    const uint16_t fog = view.m_fogColour;
    // Green has one more bit, and takes one more step to reach white.
    m_redStep = (255 - red(fog)) / 10;
    m_greenStep = (255 - green(fog)) / 11;
    m_blueStep = (255 - blue(fog)) / 10;
    m_nearStep = view.m_farDistance * 6 / 10;
    m_farStep = (view.m_farDistance - kNearestFar) / 10;
}

void STravelFade::StepFog(SViewDescriptor& view) const {
    if (m_kind != kTeleport || m_framesLeft <= 1) return;
    const uint16_t fog = view.m_fogColour;
    view.m_fogColour = packTravelFade(red(fog) + m_redStep, green(fog) + m_greenStep, blue(fog) + m_blueStep);
    // A fog that started behind the eye would draw nothing at all.
    view.m_fogDistance = std::max(view.m_fogDistance - m_nearStep, 0);
    view.m_farDistance -= m_farStep;
}

bool STravelFade::Cover(uint16_t& colour) const {
    if (m_framesLeft == 0) return false;
    if (m_kind != kTeleport) {
        colour = kBlack;
        return true;
    }
    colour = kWhite;
    return m_framesLeft == 1;
}

bool STravelFade::CountFrame() {
    if (m_framesLeft == 0) return false;
    return --m_framesLeft == 0;
}
