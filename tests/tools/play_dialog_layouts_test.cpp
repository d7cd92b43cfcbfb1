#include "tools/sampledata/play_dialog_layouts.h"

#include <gtest/gtest.h>

#include "tools/sampledata/interface_layout.h"

namespace {

// The play screen's five dialogs in every screen mode of both records: each has every control,
// inside the dialog; the spell book, the potions and mark and recall fit in the 3-D view they are
// placed over, and the rest and voyage scenes cover the screen.
TEST(PlayDialogLayoutsTest, everyScreenModeHasTheFiveDialogsWithTheirControlsInside) {
    struct Mode {
        uint16_t mode;
        bool squareOrLarge;
        uint32_t screenW, screenH, viewW, viewH;
    };
    const Mode modes[] = {{6, false, 320, 240, 320, 200}, {7, false, 240, 320, 240, 240},
                          {9, false, 640, 480, 640, 400}, {10, false, 480, 640, 480, 480},
                          {8, true, 240, 240, 240, 180},  {11, true, 480, 480, 480, 380},
                          {14, true, 800, 480, 640, 480}, {15, true, 800, 584, 640, 584},
                          {16, true, 640, 240, 480, 240}};
    struct Dialog {
        uint16_t id;
        bool inView;
        std::vector<uint16_t> controls;
    };
    const Dialog dialogs[] = {
        {1, false, {19, 6, 2, 3, 4, 7, 5, 1}},
        {19, true, {207, 220, 208, 209, 210, 211, 212, 213, 214, 215, 216, 217, 218, 219}},
        {20, true, {221, 16, 226, 222, 223, 224, 225}},
        {21, false, {19, 229, 228, 227, 230}},
        {22, true, {19, 16, 233, 234, 235, 231, 232}},
    };
    for (const Mode& m : modes) {
        const std::vector<uint8_t> bytes = SLayoutRecord::Build(SampleLayout(m.squareOrLarge));
        const SLayoutRecord layout(bytes);
        for (const Dialog& d : dialogs) {
            const std::string name = "mode " + std::to_string(m.mode) + " dialog " + std::to_string(d.id);
            uint32_t w = 0, h = 0;
            ASSERT_TRUE(layout.FindSize(m.mode, d.id, w, h)) << name;
            EXPECT_LE(w, d.inView ? m.viewW : m.screenW) << name;
            EXPECT_LE(h, d.inView ? m.viewH : m.screenH) << name;
            if (!d.inView) EXPECT_EQ(w * h, m.screenW * m.screenH) << name;
            for (uint16_t id : d.controls) {
                const auto row = layout.FindCtrl(m.mode, d.id, id);
                ASSERT_TRUE(row) << name << " control " << id;
                EXPECT_GT(row->width * row->height, 0) << name << " control " << id;
                EXPECT_LE(row->x + row->width, w) << name << " control " << id;
                EXPECT_LE(row->y + row->height, h) << name << " control " << id;
            }
        }
    }
}

}  // namespace
