#pragma once
// What the viewer shows: a tiny world walked with the game's keys, drawn into a surface of its
// own in the chosen orientation and read back upright, with the sky, fog, rain and the hands
// changed by keys, and the counts of each frame against the renderer's capacities.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/base/random.h"
#include "render/render.h"
#include "support/test_surface.h"
#include "tools/sampledata/tiny_world.h"
#include "tools/viewer/viewer_walk.h"

class SViewerSession {
public:
    // False with the reason when the world's text does not hold together.
    bool Open(const std::string& text, std::string& error);

    // A virtual key of the game's: false for a key the viewer has no use for.
    bool Key(uint32_t virtualKey);
    // Moves on by one frame and draws it; the upright pixels of the view.
    const std::vector<uint16_t>& Frame();
    int Width() const { return m_world.View().m_viewWidth; }
    int Height() const { return m_world.View().m_viewHeight; }
    bool Moving() const { return m_walk && m_walk->Moving(); }
    bool Step(char step);  // one of F B L R A D, as the keys do
    // The last frame as a PNG; false when it could not be written.
    bool Dump(const std::string& path) const;
    // Once a second, a line of the frame's counts and times; empty otherwise.
    std::string Statistics();

private:
    void placeSurface();
    void setHands();

    STinyWorld m_world;
    std::unique_ptr<SViewerWalk> m_walk;
    std::unique_ptr<SRender> m_render = std::make_unique<SRender>();
    std::unique_ptr<STestSurface> m_surface;
    std::vector<uint16_t> m_pixels;
    SRandom m_random;
    uint16_t m_ceiling = 0;
    int m_orientation = 0;
    int m_rain = 0;   // off, day, night
    int m_hands = 0;  // none, fist, sword and shield, bow and arrow
    // The statistics of the second under way.
    std::chrono::steady_clock::time_point m_secondStart = std::chrono::steady_clock::now();
    int m_frames = 0;
    double m_renderSeconds = 0;
};
