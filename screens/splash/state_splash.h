#pragma once
// SStateSplash: the splash screen (screen 6), the first after start-up. The Brim Vale logo grows
// as fourteen dotted tracks, a dot per track and step with a sparkle at each growing end; then the
// finished logo and the text under it stand for two seconds before the main menu. Any key or tap
// goes to the menu at once. A step draws only its dots and sparkles, straight on the surface,
// which keeps its pixels between frames.
#include <array>
#include <cstdint>
#include <memory>

#include "engine/packages/resource_cache.h"
#include "screens/splash/splash_tracks.h"
#include "ui/state.h"

class SStateSplash : public SState {
public:
    static constexpr uint32_t kLayout = 2;
    static constexpr uint32_t kLogoElement = 8;  // the logo's origin and width
    static constexpr uint32_t kTextElement = 9;  // the text's origin
    static constexpr uint32_t kStepInterval = 100;
    static constexpr uint32_t kHoldTime = 2000;

    // Kept in m_extra.
    enum Phase : uint32_t {
        kGrowing = 0,    // a step of dots at most every kStepInterval
        kFinishing = 1,  // the next tick draws the whole logo and the text
        kHolding = 2,    // the logo stands for kHoldTime
        kSkipping = 3,   // a picture is missing: the next tick goes to the menu
    };

    void Init(SGameData* game) override;
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    void Leave() override;
    // A full repaint: black, then what the dots have revealed so far or the finished logo.
    void Draw() override;
    uint32_t OnKey(uint32_t key) override;
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    uint32_t OnTick(uint32_t arg) override;

    Phase CurrentPhase() const { return Phase(m_extra); }
    // The steps taken since the screen was entered.
    uint32_t Steps() const { return m_steps; }
    int32_t LogoX() const { return m_logoX; }
    int32_t LogoY() const { return m_logoY; }

private:
    enum Picture { kLogo, kDots, kText, kFirstSparkle, kPictureCount = kFirstSparkle + 4 };

    struct SProgress {
        uint16_t next = 0;   // the index of the next point to draw
        uint16_t delay = 0;  // steps still to wait before the first point
    };

    bool loadPictures();
    // One step of every track; false when it drew no sparkle, that is when no track grows on.
    bool step();
    void revealDot(const SSplashPoint& point);
    // Leaves for the main menu with nothing handed over.
    uint32_t toMenu();

    const std::array<SSplashTrack, kSplashTrackCount>* m_tracks = nullptr;
    std::array<SProgress, kSplashTrackCount> m_progress{};
    std::array<std::unique_ptr<SPictureEntry>, kPictureCount> m_pictures;
    int32_t m_logoX = 0;
    int32_t m_logoY = 0;
    int32_t m_logoW = 0;
    int32_t m_textX = 0;
    int32_t m_textY = 0;
    uint32_t m_lastStep = 0;
    uint32_t m_steps = 0;
};
