#include "screens/splash/state_splash.h"

#include "engine/base/random.h"
#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "engine/files/pdb.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "screens/screen_id.h"

namespace {

// Record ids of the logo, the dots (the finished logo, revealed a square at a time) and the text;
// the sparkles are shared by every screen.
constexpr uint16_t kSmallPictures[3] = {4033, 4034, 4035};
constexpr uint16_t kLargePictures[3] = {3521, 3522, 3523};
constexpr uint16_t kFirstSparkleRecord = 3524;

}  // namespace

void SStateSplash::Init(SGameData* game) {
    SState::Init(game);
    m_tracks = &SplashTracks(IsSmallScreenType(game->m_screenMode));
}

void SStateSplash::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    // The delays count down as the dots grow, so a second visit starts them afresh.
    for (int t = 0; t < kSplashTrackCount; ++t) m_progress[t] = {0, (*m_tracks)[t].startDelay};
    m_steps = 0;
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    m_bgColor = 0;
    const std::optional<SLayoutRow> logo = m_game->GetLayoutCtrl(kLayout, kLogoElement);
    const std::optional<SLayoutRow> text = m_game->GetLayoutCtrl(kLayout, kTextElement);
    m_logoX = logo ? logo->x : 0;
    m_logoY = logo ? logo->y : 0;
    m_logoW = logo ? logo->width : 0;
    m_textX = text ? text->x : 0;
    m_textY = text ? text->y : 0;
    m_extra = loadPictures() ? kGrowing : kSkipping;
    m_lastStep = platform::TickCount();
    Draw();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

bool SStateSplash::loadPictures() {
    const bool small = IsSmallScreenType(m_game->m_screenMode);
    for (int i = 0; i < kPictureCount; ++i) {
        const uint16_t id = i < kFirstSparkle ? (small ? kSmallPictures : kLargePictures)[i]
                                              : uint16_t(kFirstSparkleRecord + i - kFirstSparkle);
        auto entry = std::make_unique<SPictureEntry>();
        entry->recordId = id;
        entry->record = m_game->m_dataPackage->LoadRecord(id);
        SReadError fault;
        if (!entry->record || !entry->Bind(entry->record->bytes, 0, fault)) return false;
        m_pictures[i] = std::move(entry);
    }
    return true;
}

void SStateSplash::Leave() {
    for (std::unique_ptr<SPictureEntry>& picture : m_pictures) picture.reset();
    SState::Leave();
}

void SStateSplash::Draw() {
    if (!IsDirty()) return;
    SDialog::Draw();
    if (CurrentPhase() == kSkipping) return;
    if (CurrentPhase() == kHolding) {
        m_display->BlitOpaque(*m_pictures[kLogo], m_logoX, m_logoY);
        m_display->BlitOpaque(*m_pictures[kText], m_textX, m_textY);
        return;
    }
    for (int t = 0; t < kSplashTrackCount; ++t)
        for (int i = 0; i < m_progress[t].next; ++i) revealDot((*m_tracks)[t].points[i]);
}

void SStateSplash::revealDot(const SSplashPoint& point) {
    m_display->BlitOpaqueRect(*m_pictures[kDots], m_logoX + point.x, m_logoY + point.y, point.x, point.y,
                              kSplashDotSize, kSplashDotSize);
}

bool SStateSplash::step() {
    ++m_steps;
    bool sparkled = false;
    for (int t = 0; t < kSplashTrackCount; ++t) {
        const std::vector<SSplashPoint>& points = (*m_tracks)[t].points;
        SProgress& progress = m_progress[t];
        if (progress.next >= points.size()) continue;
        if (progress.delay != 0) {
            --progress.delay;
            continue;
        }
        // The previous dot is drawn again, which wipes the sparkle it carried.
        if (progress.next > 0) revealDot(points[progress.next - 1]);
        const SSplashPoint& point = points[progress.next];
        revealDot(point);
        if (progress.next + 1u < points.size()) {
            const SPictureEntry& sparkle = *m_pictures[kFirstSparkle + m_game->m_random->Next(4)];
            m_display->BlitKeyed(sparkle, m_logoX + point.x, m_logoY + point.y);
            sparkled = true;
        }
        ++progress.next;
    }
    return sparkled;
}

uint32_t SStateSplash::OnTick(uint32_t arg) {
    const uint32_t now = platform::TickCount();
    switch (CurrentPhase()) {
        case kGrowing:
            if (now - m_lastStep < kStepInterval) return kStay;
            m_lastStep = now;
            if (!step()) {
                m_extra = kFinishing;
                return kStay;
            }
            return SDialog::OnTick(arg);
        case kFinishing:
            m_extra = kHolding;
            m_lastStep = now;
            SetDirty();
            return SDialog::OnTick(arg);
        case kHolding:
            if (now - m_lastStep < kHoldTime) return kStay;
            return toMenu();
        case kSkipping: return toMenu();
    }
    return kStay;
}

uint32_t SStateSplash::OnKey(uint32_t key) { return key != 0 ? toMenu() : kStay; }

uint32_t SStateSplash::OnPen(int32_t, int32_t, uint32_t down, uint32_t drag) {
    return down != 0 && drag == 0 ? toMenu() : kStay;
}

uint32_t SStateSplash::toMenu() {
    for (uintptr_t& word : m_param) word = 0;
    m_keep = 0;
    return kMainMenuScreen;
}
