#pragma once
// SStateScene: the scene screen (screen 11). It plays a scene of the world data page by page: each
// page's picture, its text scrolling up at a speed the player sets, and the page's script, run once
// when the page shows. The intro of a new game (mode 0) goes on to character creation; a scene
// from the play screen (mode 1) and the credits (mode 2) go back. A scene that is missing or has no
// pages ends at the first tick.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/packages/resource_cache.h"
#include "ui/state.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/pic_ctrl.h"
#include "ui/widgets/scene_text_ctrl.h"

struct SScene;
struct SScenePage;

class SStateScene : public SState {
public:
    static constexpr uint32_t kLayout = 7;
    // The layout elements, which are also the commands of the controls that send any.
    enum Element : uint32_t {
        kBackground = 19,
        kPicture = 39,
        kText = 40,
        kFaster = 41,
        kSlower = 42,
        kPause = 43,
    };
    enum Mode : uintptr_t { kIntro = 0, kFromPlay = 1, kCredits = 2 };

    static constexpr uint32_t kSpeedStep = 50;
    static constexpr uint32_t kFastest = 50;
    static constexpr uint32_t kSlowest = 300;

    void Init(SGameData* game) override;
    // p1 the mode, p2 the scene (null for none).
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    void Leave() override;
    uint32_t OnCommand(uint32_t id) override;
    uint32_t OnKey(uint32_t key) override;
    uint32_t OnTick(uint32_t arg) override;

    // Shows the current page: its picture fitted to the picture element (or none), its text
    // started, its script run.
    void ShowPage();
    void UpdateSpeedButtons();
    void TogglePause();
    // The page after this one; after the last, the screen the mode leads to.
    uint32_t NextPage();

    uint32_t Speed() const { return m_speed; }
    bool IsRunning() const { return m_running; }
    uint32_t PageIndex() const { return m_pageIndex; }
    const SScene* Scene() const { return m_scene; }

    SFillBmpCtrl m_background;
    SPicCtrl m_picture;
    SSceneTextCtrl m_text;
    SButtonCtrl m_faster;
    SButtonCtrl m_slower;
    SButtonCtrl m_pause;

private:
    // The records of the interface package: nine background pieces, then the slower, faster,
    // paused and running button pairs.
    enum Picture {
        kFirstPiece = 0,
        kSlowerPair = 9,
        kFasterPair = 11,
        kPausedPair = 13,
        kRunningPair = 15,
        kCount = 17
    };

    void loadPictures();
    SPictureSet pair(int first) const;
    // Releases the page picture when this screen loaded it.
    void releasePagePicture();
    // The page picture from the resource cache, loaded when it is not yet; null when the cache has
    // none of that name or cannot load it.
    const SPictureEntry* pagePicture(const SScenePage& page);
    void placeTextBelowPicture();
    void placeTextBesidePicture();
    // The credits end each page with its text in the middle of its area, when it fits there.
    void centreTextEnd();
    void startMusic();
    uint32_t pageCount() const;
    void clickSound();

    std::array<std::unique_ptr<SPictureEntry>, kCount> m_pictures;
    const SScene* m_scene = nullptr;
    uint32_t m_pageIndex = 0;
    const SScenePage* m_page = nullptr;
    // The page picture this screen loaded, released with the page. Kept by name: a new game that
    // starts while the scene shows empties the cache the entry lived in.
    std::string m_pagePicture;
    bool m_running = true;
    bool m_credits = false;
    uint32_t m_speed = 0;
};
