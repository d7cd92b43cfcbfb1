#include "screens/play/travel_fade.h"

#include <gtest/gtest.h>

#include "render/view_descriptor.h"

namespace travel_fade_test {

namespace {

int red(uint16_t c) { return (c >> 11) & 0x1F; }
int green(uint16_t c) { return (c >> 5) & 0x3F; }
int blue(uint16_t c) { return c & 0x1F; }

TEST(TravelFadeTest, eachKindTakesItsFramesAndOpensWithItsSound) {
    const struct {
        uint32_t kind;
        bool male, booted;
        uint32_t frames;
        const char* sound;  // null for none
    } rows[] = {
        {1, true, true, 10, nullptr},  // the teleport's sound is the event's own
        {2, true, true, 20, nullptr},
        {3, true, false, 20, "bsnd_fallmale"},
        {3, false, false, 20, "bsnd_fallfemale"},
        {4, false, false, 50, "bsnd_ladderdown"},
        {5, true, true, 50, "bsnd_ladderup"},
        {6, true, true, 40, "bsnd_stairdown"},
        {6, true, false, 40, "bsnd_stairdownbare"},
        {7, false, true, 40, "bsnd_stairup"},
        {7, false, false, 40, "bsnd_stairupbare"},
        {0, true, true, 0, nullptr},
        {8, true, true, 0, nullptr},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(STravelFade::FramesOf(row.kind), row.frames) << row.kind;
        const char* sound = STravelFade::SoundOf(row.kind, {row.male, row.booted});
        EXPECT_EQ(sound ? std::string(sound) : "none", row.sound ? row.sound : "none") << row.kind;
    }
}

// A teleport draws the fog in towards white and to two cells away for nine frames; the tenth is
// white all over. The other kinds show black from the first frame to the last.
TEST(TravelFadeTest, aTeleportFadesTheFogToWhiteAndTheOthersShowBlack) {
    SViewDescriptor view;
    view.m_fogColour = 0x0841;
    view.m_fogDistance = 1008;
    view.m_farDistance = 2352;
    STravelFade fade;
    fade.Start(STravelFade::kTeleport, view);
    uint16_t before = view.m_fogColour;
    for (int frame = 1; frame <= 10; ++frame) {
        fade.StepFog(view);
        uint16_t cover = 0;
        if (frame < 10) {
            EXPECT_GT(red(view.m_fogColour), red(before)) << frame;
            EXPECT_GT(green(view.m_fogColour), green(before)) << frame;
            EXPECT_GT(blue(view.m_fogColour), blue(before)) << frame;
            EXPECT_FALSE(fade.Cover(cover)) << frame;
        } else {
            EXPECT_EQ(view.m_fogColour, before) << "no fog step on the last frame";
            ASSERT_TRUE(fade.Cover(cover));
            EXPECT_EQ(cover, STravelFade::kWhite);
        }
        EXPECT_GE(view.m_fogDistance, 0) << frame;
        before = view.m_fogColour;
        EXPECT_EQ(fade.CountFrame(), frame == 10) << frame;
    }
    EXPECT_EQ(view.m_farDistance, 2352 - 9 * 168) << "nine steps of a tenth of the way to two cells";
    EXPECT_EQ(view.m_fogDistance, 0);
    EXPECT_GE(red(view.m_fogColour), 28);
    EXPECT_GE(green(view.m_fogColour), 47);
    EXPECT_GE(blue(view.m_fogColour), 28);

    fade.Start(6, view);
    const SViewDescriptor still = view;
    for (int frame = 1; frame <= 40; ++frame) {
        fade.StepFog(view);
        uint16_t cover = 0xAAAA;
        ASSERT_TRUE(fade.Cover(cover)) << frame;
        EXPECT_EQ(cover, STravelFade::kBlack);
        EXPECT_EQ(fade.CountFrame(), frame == 40) << frame;
    }
    EXPECT_EQ(view.m_fogColour, still.m_fogColour);
    EXPECT_EQ(view.m_farDistance, still.m_farDistance);
    uint16_t cover = 0;
    EXPECT_FALSE(fade.Cover(cover)) << "over";
    EXPECT_FALSE(fade.CountFrame());
}

}  // namespace

}  // namespace travel_fade_test
