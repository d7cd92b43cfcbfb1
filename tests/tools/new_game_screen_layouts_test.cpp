#include "tools/sampledata/new_game_screen_layouts.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/layout_expectations.h"
#include "tools/sampledata/interface_layout.h"

namespace new_game_screen_layouts_test {

namespace {

bool overlap(const SLayoutRow& a, const SLayoutRow& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// In every screen mode of both records the scene screen and character creation cover the screen
// with all their controls inside it, and no two controls a tap can reach overlap, so that every
// tap has one meaning.
TEST(NewGameScreenLayoutsTest, everyScreenModeHasBothScreensWithTheirControlsApart) {
    struct Screen {
        uint16_t id;
        std::vector<uint16_t> controls;
        std::vector<uint16_t> tapped;
    };
    const Screen screens[] = {
        {7, {19, 39, 40, 41, 42, 43}, {41, 42, 43}},
        {16,
         {19,  551, 552, 553, 558, 559, 16,  139, 155, 140, 141, 145, 146, 147, 142, 143, 144,
          148, 149, 153, 154, 150, 152, 151, 156, 57,  58,  59,  60,  61,  62,  25,  26},
         {141, 146, 147, 144, 153, 154, 151, 57, 58, 59, 60, 61, 62, 25, 26}},
    };
    for (const LayoutScreenMode& m : kLayoutScreenModes) {
        const std::vector<uint8_t> bytes = SLayoutRecord::Build(SampleLayout(m.squareOrLarge));
        const SLayoutRecord layout(bytes);
        for (const Screen& s : screens) {
            const std::string name = "mode " + std::to_string(m.mode) + " screen layout " + std::to_string(s.id);
            uint32_t w = 0, h = 0;
            ASSERT_TRUE(layout.FindSize(m.mode, s.id, w, h)) << name;
            EXPECT_EQ(w, m.screenW) << name;
            EXPECT_EQ(h, m.screenH) << name;
            ExpectControlsInside(layout, m.mode, s.id, w, h, s.controls, name);
            for (size_t i = 0; i < s.tapped.size(); ++i)
                for (size_t j = i + 1; j < s.tapped.size(); ++j)
                    EXPECT_FALSE(overlap(*layout.FindCtrl(m.mode, s.id, s.tapped[i]),
                                         *layout.FindCtrl(m.mode, s.id, s.tapped[j])))
                        << name << " controls " << s.tapped[i] << " and " << s.tapped[j];
        }
        // The scene's picture, scaled to its element's width, keeps to the element and above the
        // buttons.
        const auto picture = layout.FindCtrl(m.mode, 7, 39);
        const auto pause = layout.FindCtrl(m.mode, 7, 43);
        ASSERT_TRUE(picture && pause);
        EXPECT_LE(picture->width / kScenePictureAspect, picture->height) << "mode " << m.mode;
        EXPECT_LT(picture->y + picture->height, pause->y) << "mode " << m.mode;
    }
}

}  // namespace

}  // namespace new_game_screen_layouts_test
