#include "screens/scene/state_scene.h"

#include <algorithm>

#include "data/scene.h"
#include "engine/draw/screen_type.h"
#include "game/data_picture.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"

namespace {

// Record ids of the background pieces, on every screen, and of the first button picture of the
// small screen types and of the others: slower, faster, paused and running, two pictures each.
constexpr uint16_t kFirstPieceRecord = 3540;
constexpr uint16_t kSmallButtonRecords = 3847;
constexpr uint16_t kLargeButtonRecords = 3560;
constexpr int kPieces = 9;

// The screen mode whose text stands beside the picture rather than below it.
constexpr uint32_t kSideBySideMode = 16;

}  // namespace

void SStateScene::Init(SGameData* game) {
    SState::Init(game);
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_background, &m_picture, &m_text, &m_faster, &m_slower, &m_pause})
        ctrl->Attach(this);
}

void SStateScene::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_scene = reinterpret_cast<const SScene*>(p2);
    m_speed = IsSmallScreenType(m_game->m_screenMode) ? 150 : 100;
    if (SStateGame* play = SStateGame::Of(*m_game)) play->StopAmbientSounds(false);
    m_credits = p1 == kCredits;
    loadPictures();

    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    SetBackgroundColor();
    if (PlaceCtrl(m_background, kBackground)) {
        SFrameSet pieces{};
        for (int i = 0; i < kPieces; ++i) pieces[size_t(i)] = m_pictures[size_t(kFirstPiece + i)].get();
        m_background.SetPanel(pieces);
    }
    PlaceCtrl(m_picture, kPicture);
    PlaceCtrl(m_text, kText);
    if (PlaceCtrl(m_faster, kFaster)) m_faster.SetupPicture(pair(kFasterPair), kFaster, 0);
    if (PlaceCtrl(m_slower, kSlower)) m_slower.SetupPicture(pair(kSlowerPair), kSlower, 0);
    if (PlaceCtrl(m_pause, kPause)) m_pause.SetupPicture(pair(kRunningPair), kPause, 0);

    m_running = true;
    m_text.SetPaused(false);
    m_text.SetInterval(m_speed);
    m_pageIndex = 0;
    m_page = nullptr;
    if (pageCount() > 0) ShowPage();
    UpdateSpeedButtons();
    startMusic();

    SetDirty();
    Draw();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

void SStateScene::loadPictures() {
    const uint16_t buttons = IsSmallScreenType(m_game->m_screenMode) ? kSmallButtonRecords : kLargeButtonRecords;
    for (int i = 0; i < kCount; ++i) {
        const uint16_t id = i < kSlowerPair ? uint16_t(kFirstPieceRecord + i) : uint16_t(buttons + i - kSlowerPair);
        // A missing picture draws nothing; the scene still plays.
        m_pictures[size_t(i)] = m_game->m_dataPackage ? LoadDataPicture(*m_game->m_dataPackage, id) : nullptr;
    }
}

SPictureSet SStateScene::pair(int first) const {
    return {m_pictures[size_t(first)].get(), m_pictures[size_t(first + 1)].get(), nullptr};
}

void SStateScene::startMusic() {
    if (m_scene == nullptr || m_scene->musicName.IsEmpty()) return;
    // The music of the game is set aside for the scene's own.
    m_game->m_music.Pause();
    m_game->m_music.Play(m_scene->musicName.Text());
}

uint32_t SStateScene::pageCount() const { return m_scene ? uint32_t(m_scene->pages.Count()) : 0; }

void SStateScene::Leave() {
    releasePagePicture();
    for (std::unique_ptr<SPictureEntry>& picture : m_pictures) picture.reset();
    m_page = nullptr;
    SState::Leave();
    SetDirty();
}

void SStateScene::releasePagePicture() {
    SPictureEntry* picture = m_pagePicture.empty() ? nullptr : m_game->m_cache.FindPicture(m_pagePicture.c_str());
    if (picture != nullptr && picture->data != nullptr) m_game->m_cache.UnloadPicture(*picture);
    m_pagePicture.clear();
}

const SPictureEntry* SStateScene::pagePicture(const SScenePage& page) {
    SPictureEntry* picture = m_game->m_cache.FindPicture(page.pictureName.Text());
    if (picture == nullptr || picture->data != nullptr) return picture;
    if (!m_game->m_cache.LoadPicture(*picture)) return nullptr;
    m_pagePicture = page.pictureName.Text();
    return picture;
}

void SStateScene::ShowPage() {
    SetDirty();
    releasePagePicture();
    m_page = m_scene ? m_scene->Page(int(m_pageIndex)) : nullptr;
    if (m_page == nullptr) return;
    PlaceCtrl(m_picture, kPicture);
    PlaceCtrl(m_text, kText);
    const SPictureEntry* picture = m_page->pictureName.IsEmpty() ? nullptr : pagePicture(*m_page);
    if (picture != nullptr && m_picture.IsActive()) {
        m_picture.m_keepAspect = 1;
        m_picture.SetPicture(picture, 0, 1, 0);
        m_picture.SetFrame(m_game->InterfaceSet<9>(SInterfaceRole::kPictureFrameSet));
        if (m_game->m_screenMode != kSideBySideMode) placeTextBelowPicture();
        m_text.Start(m_page->text.Text());
    } else {
        m_picture.Hide();
        if (m_game->m_screenMode == kSideBySideMode) placeTextBesidePicture();
        m_text.Start(m_page->text.Text());
        if (m_credits) centreTextEnd();
    }
    if (!m_page->scriptName.IsEmpty()) {
        m_game->m_scriptContext->SetupForScene();
        m_game->m_scriptTable.Run(m_page->scriptName.Text());
    }
}

void SStateScene::placeTextBelowPicture() {
    const int margin = IsLargeScreenType(m_game->m_screenMode) ? 25 : 5;
    const int top = m_picture.m_y + m_picture.m_picH + margin;
    const int height = std::max(0, int(m_text.m_h) - (top - m_text.m_y));
    m_text.SetRect(m_text.m_x, int16_t(top), m_text.m_w, uint16_t(height));
}

void SStateScene::placeTextBesidePicture() {
    const std::optional<SLayoutRow> area = m_game->GetLayoutCtrl(kLayout, kPicture);
    if (!area) return;
    const int right = m_text.m_x + m_text.m_w;
    m_text.SetRect(int16_t(area->x), int16_t(area->y), uint16_t(std::max(0, right - int(area->x))), area->height);
}

void SStateScene::centreTextEnd() {
    const int32_t block = m_text.m_lines.Count() * m_text.m_lineHeight;
    // A text taller than its area scrolls to its end as any page does.
    if (block < int32_t(m_text.m_h)) m_text.m_total = block + (int32_t(m_text.m_h) - block) / 2;
}

void SStateScene::UpdateSpeedButtons() {
    m_slower.SetEnabled(m_speed < kSlowest);
    m_faster.SetEnabled(m_speed > kFastest);
}

void SStateScene::TogglePause() {
    m_running = !m_running;
    m_text.SetPaused(!m_running);
    const uint16_t w = m_pause.m_w, h = m_pause.m_h;
    m_pause.SetupPicture(pair(m_running ? kRunningPair : kPausedPair), kPause, 0);
    m_pause.SetDirty();
    // A picture of another size leaves part of the old one to paint over; the same size covers it,
    // and the text, which only its steps paint, stays on screen.
    if (m_pause.m_w != w || m_pause.m_h != h) SetDirty();
}

void SStateScene::clickSound() {
    if (m_game->m_sound) m_game->m_sound->Play(m_game->m_interfaceSound1, 10);
}

uint32_t SStateScene::OnCommand(uint32_t id) {
    switch (id) {
        case kPicture: clickSound(); return NextPage();
        case kText:
            // The intro cannot be hurried by a tap on its text.
            if (m_param[0] == kIntro) return kStay;
            clickSound();
            return NextPage();
        case kFaster:
        case kSlower:
            clickSound();
            m_speed = id == kFaster ? std::max(kFastest, m_speed - kSpeedStep)
                                    : std::min(kSlowest, m_speed + kSpeedStep);
            m_text.SetInterval(m_speed);
            UpdateSpeedButtons();
            return kStay;
        case kPause:
            clickSound();
            TogglePause();
            return kStay;
        default: return kStay;
    }
}

uint32_t SStateScene::OnKey(uint32_t) { return NextPage(); }

uint32_t SStateScene::OnTick(uint32_t arg) {
    if (m_page == nullptr) return NextPage();
    const uint32_t result = SDialog::OnTick(arg);
    if (result != kStay) return result;
    return m_text.IsFinished() ? NextPage() : kStay;
}

uint32_t SStateScene::NextPage() {
    ++m_pageIndex;
    if (m_pageIndex < pageCount()) {
        ShowPage();
        m_openFrame = m_game->m_frameCounter;
        return kStay;
    }
    if (m_param[0] != kIntro) return kGoBack;
    for (uintptr_t& word : m_param) word = 0;
    m_keep = 0;
    return kCharacterCreationScreen;
}
