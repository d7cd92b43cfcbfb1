#include "tools/viewer/viewer_session.h"

#include <algorithm>
#include <cstdio>

#include "platform/messages.h"
#include "support/png_writer.h"
#include "tools/sampledata/first_person_art.h"

namespace {

constexpr uint16_t kRainColours[3] = {0, 0xA534, 0x6B4D};  // off, day, night
constexpr int kRainStreaks = 600;
constexpr int32_t kFrameTime = 40 * 65536 / 1000;  // 40 ms in 16.16 seconds

}  // namespace

bool SViewerSession::Open(const std::string& text, std::string& error) {
    if (!m_world.Load(text, error)) return false;
    m_ceiling = m_world.View().m_skyPicture;
    m_walk = std::make_unique<SViewerWalk>(m_world);
    m_random.Seed(1);
    placeSurface();
    return true;
}

void SViewerSession::placeSurface() {
    SViewDescriptor& view = m_world.View();
    m_surface = std::make_unique<STestSurface>(view.m_viewWidth, view.m_viewHeight, m_orientation);
    m_render->SetView(&view);
    m_render->SetSurface(&m_surface->Target());
    m_render->UpdateProjection();
}

void SViewerSession::setHands() {
    SFpsBlock& fps = m_world.View().m_fps;
    fps = SFpsBlock{};
    auto picture = [&](SFirstPersonArt art) { return m_world.AddPicture(FirstPersonPicture(art)); };
    fps.m_firstWidthPercent = fps.m_firstHeightPercent = 100;
    fps.m_secondWidthPercent = fps.m_secondHeightPercent = 100;
    switch (m_hands) {
        case 1: fps.m_firstPicture = picture(SFirstPersonArt::Fist); break;
        case 2:
            fps.m_firstPicture = picture(SFirstPersonArt::Sword);
            fps.m_secondPicture = picture(SFirstPersonArt::Shield);
            fps.m_secondMirrored = 1;
            break;
        case 3:
            fps.m_firstPicture = picture(SFirstPersonArt::Bow);
            fps.m_secondPicture = picture(SFirstPersonArt::Arrow);
            fps.m_secondWithFirst = 1;
            break;
        default: break;
    }
}

bool SViewerSession::Step(char step) {
    switch (step) {
        case 'F': return m_walk->Step(1);
        case 'B': return m_walk->Step(-1);
        case 'L': return m_walk->Turn(1);
        case 'R': return m_walk->Turn(-1);
        case 'A': return m_walk->Nudge(1), true;
        case 'D': return m_walk->Nudge(-1), true;
        default: return false;
    }
}

bool SViewerSession::Key(uint32_t key) {
    SViewDescriptor& view = m_world.View();
    switch (key) {
        case platform::kVkUp: return Step('F');
        case platform::kVkDown: return Step('B');
        case platform::kVkLeft: return Step('L');
        case platform::kVkRight: return Step('R');
        case 'A':
        case 'D': return Step(char(key));
        case 'S':
            view.m_flags ^= SViewDescriptor::kSky;
            view.m_skyPicture = view.m_flags & SViewDescriptor::kSky ? m_world.PictureSlot("sky") : m_ceiling;
            return true;
        case 'F':
        case 'G': {
            // Half a cell nearer or further, between the eye and the far distance.
            const int32_t step = key == 'F' ? -168 : 168;
            view.m_fogDistance = std::clamp(view.m_fogDistance + step, 0, view.m_farDistance);
            return true;
        }
        case 'O':
            m_orientation = (m_orientation + 1) % 3;
            placeSurface();
            return true;
        case 'R':
            m_rain = (m_rain + 1) % 3;
            view.m_flags =
                uint16_t(m_rain ? view.m_flags | SViewDescriptor::kRain : view.m_flags & ~SViewDescriptor::kRain);
            if (m_rain) m_render->ResetRain(kRainStreaks, kRainColours[m_rain], m_random);
            return true;
        case 'H':
            m_hands = (m_hands + 1) % 4;
            setHands();
            return true;
        default: return false;
    }
}

const std::vector<uint16_t>& SViewerSession::Frame() {
    m_walk->Advance(m_world);
    const auto start = std::chrono::steady_clock::now();
    m_render->RenderFrame();
    m_renderSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ++m_frames;
    if (m_rain) m_render->UpdateRain(kFrameTime, m_random);
    m_pixels = m_surface->Pixels();
    return m_pixels;
}

bool SViewerSession::Dump(const std::string& path) const {
    return WritePng(path, m_pixels, Width(), Height(), Width());
}

std::string SViewerSession::Statistics() {
    const auto now = std::chrono::steady_clock::now();
    if (now - m_secondStart < std::chrono::seconds(1) || m_frames == 0) return {};
    const SRender::SFrameBuffers& frame = m_render->m_frame;
    char line[200];
    std::snprintf(line, sizeof line, "%d frames, %.2f ms a frame; polygons %d/%d, vertices %d/%d, occluders %d/%d",
                  m_frames, m_renderSeconds * 1000 / m_frames, frame.polygonCount, SRender::kMaxPolygons,
                  frame.vertexCount, SRender::kMaxVertices, m_render->m_occlusion.occluderCount,
                  SRender::kMaxOccluders);
    m_secondStart = now;
    m_frames = 0;
    m_renderSeconds = 0;
    return line;
}
