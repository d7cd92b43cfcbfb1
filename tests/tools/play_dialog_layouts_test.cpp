#include "tools/sampledata/play_dialog_layouts.h"

#include <gtest/gtest.h>

#include "tools/layout_expectations.h"
#include "tools/sampledata/interface_layout.h"

namespace play_dialog_layouts_test {

namespace {

// The play screen's five dialogs in every screen mode of both records: each has every control,
// inside the dialog; the spell book, the potions and mark and recall fit in the 3-D view they are
// placed over, and the rest and voyage scenes cover the screen.
TEST(PlayDialogLayoutsTest, everyScreenModeHasTheFiveDialogsWithTheirControlsInside) {
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
    for (const LayoutScreenMode& m : kLayoutScreenModes) {
        const std::vector<uint8_t> bytes = SLayoutRecord::Build(SampleLayout(m.squareOrLarge));
        const SLayoutRecord layout(bytes);
        for (const Dialog& d : dialogs) {
            const std::string name = "mode " + std::to_string(m.mode) + " dialog " + std::to_string(d.id);
            uint32_t w = 0, h = 0;
            ASSERT_TRUE(layout.FindSize(m.mode, d.id, w, h)) << name;
            EXPECT_LE(w, d.inView ? m.viewW : m.screenW) << name;
            EXPECT_LE(h, d.inView ? m.viewH : m.screenH) << name;
            if (!d.inView) {
                EXPECT_EQ(w * h, m.screenW * m.screenH) << name;
            }
            ExpectControlsInside(layout, m.mode, d.id, w, h, d.controls, name);
        }
    }
}

}  // namespace

}  // namespace play_dialog_layouts_test
