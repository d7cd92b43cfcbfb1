// The scene screen on the interface test rig over the sample world: its speed, pause, taps and
// keys, the end of a scene for each mode, the credits' centred text, its music, and scenes that
// are missing, empty or lack a picture.
#include "screens/scene/state_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "data/scene.h"
#include "game/game_data.h"
#include "screens/new_game_rig.h"
#include "screens/screen_id.h"
#include "ui/colour_word.h"

namespace state_scene_test {

namespace {

class SceneScreenTest : public NewGameRigTest {
protected:
    // Enters the scene screen from the rig's play screen, which sets itself aside for the modes that
    // come back.
    SStateScene& Play(SStateScene::Mode mode, const SScene* scene) {
        SState& from = *Current();
        from.m_param[0] = mode;
        from.m_param[1] = reinterpret_cast<uintptr_t>(scene);
        from.m_keep = mode == SStateScene::kIntro ? 0 : 1;
        m_rig->Game().SwitchState(kSceneScreen);
        // Screens are entered inside a frame; the stylus counts from the next one on.
        m_rig->Frame();
        return Scene();
    }
    SStateScene& Scene() { return static_cast<SStateScene&>(*m_rig->Game().Screen(kSceneScreen)); }
    const SScene* Named(const char* name) { return m_rig->Game().m_sceneTable.Find(name); }
    // A scene of the test's own: pages of (picture name or "", text).
    static std::unique_ptr<SScene> MakeScene(std::initializer_list<std::pair<const char*, const char*>> pages,
                                             const char* music = "") {
        auto scene = std::make_unique<SScene>();
        scene->name.Set("test_scene");
        scene->musicName.Assign(music);
        for (auto [picture, text] : pages) {
            auto page = std::make_unique<SScenePage>();
            page->pictureName.Assign(picture);
            page->text.Assign(text);
            scene->pages.Add(page.release(), ListOrder::Appended);
        }
        return scene;
    }
    // Frames until the text holds after its last line; false when it never does.
    bool RunUntilHolding(int limit = 2000) {
        for (int i = 0; i < limit && !Scene().m_text.m_holding; ++i) m_rig->Frame();
        return Scene().m_text.m_holding != 0;
    }
};

// From 150 (small screens) two taps on faster give 50, from 100 (large) one; from 50 five taps on
// slower give 300. Each end disables its button.
TEST_F(SceneScreenTest, theSpeedStepsByFiftyWithinFiftyTo300FromTheScreenTypesStart) {
    struct Case {
        uint32_t mode;
        uint32_t start;
        int tapsToFastest;
    };
    for (const Case c : {Case{7, 150, 2}, Case{10, 100, 1}}) {
        StartWithSampleWorld(c.mode);
        SStateScene& scene = Play(SStateScene::kFromPlay, Named("bres_intro"));
        EXPECT_EQ(scene.Speed(), c.start) << "mode " << c.mode;
        for (int i = 0; i < c.tapsToFastest; ++i) TapOn(scene.m_faster);
        EXPECT_EQ(scene.Speed(), 50u) << "mode " << c.mode;
        EXPECT_EQ(scene.m_text.m_interval, 50u);
        EXPECT_FALSE(scene.m_faster.IsEnabled());
        TapOn(scene.m_faster);
        EXPECT_EQ(scene.Speed(), 50u) << "a disabled button does nothing";
        for (int i = 0; i < 5; ++i) TapOn(scene.m_slower);
        EXPECT_EQ(scene.Speed(), 300u);
        EXPECT_FALSE(scene.m_slower.IsEnabled());
        EXPECT_TRUE(scene.m_faster.IsEnabled());
        EXPECT_EQ(scene.PageIndex(), 0u) << "the buttons turn no page";
    }
}

TEST_F(SceneScreenTest, theIntroIgnoresATapOnItsTextAndItsLastPageLeadsToCreationWithNoWords) {
    UiRig& rig = StartWithSampleWorld(7);
    SStateScene& scene = Play(SStateScene::kIntro, Named("bres_intro"));
    ASSERT_EQ(scene.Scene()->pages.Count(), 3);
    ASSERT_TRUE(scene.m_picture.IsShown());
    EXPECT_GT(scene.m_text.m_y, scene.m_picture.m_y + scene.m_picture.m_picH) << "the text stands below the picture";
    rig.Frames(40);
    rig.Shot("scene_intro_240x320");
    TapOn(scene.m_text);
    EXPECT_EQ(scene.PageIndex(), 0u);
    rig.Sounds().Clear();
    TapOn(scene.m_picture);
    EXPECT_EQ(scene.PageIndex(), 1u);
    auto count = [&rig](const char* line) {
        const std::vector<std::string> sounds = rig.Sounds().Lines();
        return std::count(sounds.begin(), sounds.end(), line);
    };
    EXPECT_EQ(count("interface sound 1 10"), 1);
    EXPECT_EQ(count("bsnd_thunderclose 10"), 1) << "the page's script";
    rig.Key(1000);
    EXPECT_EQ(scene.PageIndex(), 2u);
    rig.Frames(10);
    EXPECT_EQ(count("bsnd_thunderclose 10"), 1) << "run once";
    rig.Key(1000);
    SState* creation = rig.Game().Screen(kCharacterCreationScreen);
    ASSERT_EQ(Current(), creation);
    for (uintptr_t word : creation->m_param) EXPECT_EQ(word, 0u);
    EXPECT_EQ(rig.Game().StackDepth(), 0);
}

TEST_F(SceneScreenTest, aCreditsPageWithoutAPictureEndsWithItsTextCentredThenGoesBack) {
    UiRig& rig = StartWithSampleWorld(7);
    SState* from = Current();
    SStateScene& scene = Play(SStateScene::kCredits, Named("bmus_credits"));
    TapOn(scene.m_text);
    ASSERT_EQ(scene.PageIndex(), 1u) << "outside the intro a tap on the text turns the page";
    ASSERT_FALSE(scene.m_picture.IsShown());
    ASSERT_TRUE(RunUntilHolding());
    // The rows the ink reached: as far from the area's top as from its bottom, within a line.
    const SSceneTextCtrl& text = scene.m_text;
    const uint16_t ink = ColourWord565(0x161616);
    int first = -1, last = -1;
    for (int y = text.m_y; y < text.m_y + text.m_h; ++y)
        for (int x = text.m_x; x < text.m_x + text.m_w; ++x)
            if (rig.Pixel(x, y) == ink) {
                if (first < 0) first = y;
                last = y;
            }
    ASSERT_GE(first, 0) << "the text shows";
    EXPECT_NEAR(first - text.m_y, text.m_y + text.m_h - 1 - last, text.m_lineHeight);
    rig.Shot("scene_credits_240x320");
    rig.AdvanceClock(SSceneTextCtrl::kHoldMs);
    rig.Frame();
    EXPECT_EQ(Current(), from);
}

TEST_F(SceneScreenTest, pauseHoldsTheTextWhereItStoodAndResumeGoesOnFromThere) {
    UiRig& rig = StartWithSampleWorld(7);
    SStateScene& scene = Play(SStateScene::kFromPlay, Named("bres_intro"));
    rig.Frames(20);
    TapOn(scene.m_pause);
    ASSERT_FALSE(scene.IsRunning());
    const int32_t held = scene.m_text.m_offset;
    EXPECT_GT(held, scene.m_text.m_lineHeight / 2);
    rig.Frames(50);
    EXPECT_EQ(scene.m_text.m_offset, held);
    TapOn(scene.m_pause);
    ASSERT_TRUE(scene.IsRunning());
    const int32_t resumed = scene.m_text.m_offset;
    EXPECT_LE(resumed, held + 1) << "no jump for the time paused";
    rig.Frames(4);
    EXPECT_EQ(scene.m_text.m_offset, resumed + 1);
    EXPECT_EQ(scene.PageIndex(), 0u);
}

TEST_F(SceneScreenTest, aSceneWithMusicSetsThePlayMusicAsideAndOneWithoutLeavesIt) {
    StartWithSampleWorld(7);
    SGameMusic& music = m_rig->Game().m_music;
    music.Play("bmus_main");
    const std::unique_ptr<SScene> silent = MakeScene({{"", "Quiet."}});
    Play(SStateScene::kFromPlay, silent.get());
    EXPECT_EQ(music.Name(), "bmus_main");
    EXPECT_FALSE(music.Paused());
    m_rig->Key(1000);
    ASSERT_NE(Current(), &Scene());
    Play(SStateScene::kFromPlay, Named("bres_intro"));
    EXPECT_EQ(music.Name(), "bmus_surfaceday");
}

TEST_F(SceneScreenTest, aMissingOrEmptySceneEndsAtTheFirstTick) {
    StartWithSampleWorld(7);
    const std::unique_ptr<SScene> empty = MakeScene({});
    for (const SScene* scene : {static_cast<const SScene*>(nullptr), static_cast<const SScene*>(empty.get())}) {
        Play(SStateScene::kIntro, scene);
        m_rig->Frame();
        EXPECT_EQ(Current(), m_rig->Game().Screen(kCharacterCreationScreen)) << "the intro goes on";
        m_rig->Game().SwitchState(kPlayScreen);
        SState* from = Current();
        Play(SStateScene::kCredits, scene);
        m_rig->Frame();
        EXPECT_EQ(Current(), from) << "the credits go back";
    }
}

TEST_F(SceneScreenTest, aPagePictureTheCacheLacksIsHiddenAndTheTextKeepsItsArea) {
    StartWithSampleWorld(7);
    const std::unique_ptr<SScene> scene = MakeScene({{"bres_nowhere", "A picture lost."}, {"bres_intro1", "Found."}});
    SStateScene& screen = Play(SStateScene::kFromPlay, scene.get());
    const std::optional<SLayoutRow> area = m_rig->Game().GetLayoutCtrl(SStateScene::kLayout, SStateScene::kText);
    ASSERT_TRUE(area);
    EXPECT_FALSE(screen.m_picture.IsShown());
    EXPECT_EQ(screen.m_text.m_y, area->y);
    EXPECT_EQ(screen.m_text.m_h, area->height);
    m_rig->Key(1000);
    EXPECT_TRUE(screen.m_picture.IsShown());
    EXPECT_GT(screen.m_text.m_y, area->y);
}

TEST_F(SceneScreenTest, onTheWideSmallScreenTheTextStandsBesideThePictureOrTakesItsPlace) {
    UiRig& rig = StartWithSampleWorld(16);
    SStateScene& scene = Play(SStateScene::kCredits, Named("bmus_credits"));
    const std::optional<SLayoutRow> picture = rig.Game().GetLayoutCtrl(SStateScene::kLayout, SStateScene::kPicture);
    const std::optional<SLayoutRow> text = rig.Game().GetLayoutCtrl(SStateScene::kLayout, SStateScene::kText);
    ASSERT_TRUE(picture && text);
    ASSERT_TRUE(scene.m_picture.IsShown());
    EXPECT_EQ(scene.m_text.m_x, text->x);
    EXPECT_EQ(scene.m_text.m_y, text->y);
    rig.Frames(40);
    rig.Shot("scene_credits_640x240");
    rig.Key(1000);
    ASSERT_FALSE(scene.m_picture.IsShown());
    EXPECT_EQ(scene.m_text.m_x, picture->x);
    EXPECT_EQ(scene.m_text.m_y, picture->y);
    EXPECT_EQ(scene.m_text.m_h, picture->height);
    EXPECT_EQ(scene.m_text.m_x + scene.m_text.m_w, text->x + text->width);
}

}  // namespace

}  // namespace state_scene_test
