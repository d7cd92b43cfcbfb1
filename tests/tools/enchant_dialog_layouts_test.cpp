#include "tools/sampledata/enchant_dialog_layouts.h"

#include <gtest/gtest.h>

#include "tests/tools/layout_expectations.h"
#include "tools/sampledata/interface_layout.h"

namespace enchant_dialog_layouts_test {

namespace {

struct Box {
    int x, y, w, h;
    bool overlaps(const Box& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
};

// The five enchanting dialogs in every screen mode of both records: each fits the screen (the
// enchant dialog covers it), has every control inside it, and no two of its buttons, lists and
// texts of the player's lie over each other.
TEST(EnchantDialogLayoutsTest, everyScreenModeHasTheFiveDialogsWithTheirControlsInside) {
    struct Dialog {
        uint16_t id;
        std::vector<uint16_t> frames;  // frames lie around other controls
        std::vector<uint16_t> controls;
    };
    const Dialog dialogs[] = {
        {23, {19, 251, 252}, {16,  236, 215, 241, 242, 237, 239, 243, 244, 238, 240,
                              245, 246, 253, 254, 247, 248, 249, 250, 25,  26}},
        {24, {19, 263}, {16,  266, 267, 268, 255, 257, 259, 260, 269, 270, 271, 272,
                         256, 258, 261, 262, 264, 265, 247, 248, 249, 250, 25,  26}},
        {25, {19, 568}, {16, 273, 274, 275, 276, 277, 278, 25, 279}},
        {26, {19, 567, 568}, {16, 280, 277, 249, 250, 255, 257, 281, 282, 283, 284, 285, 286, 22, 25, 26}},
        {27, {19}, {16, 277, 287, 25, 26}},
    };
    for (const LayoutScreenMode& m : kLayoutScreenModes) {
        const std::vector<uint8_t> bytes = SLayoutRecord::Build(SampleLayout(m.squareOrLarge));
        const SLayoutRecord layout(bytes);
        for (const Dialog& d : dialogs) {
            const std::string name = "mode " + std::to_string(m.mode) + " dialog " + std::to_string(d.id);
            uint32_t w = 0, h = 0;
            ASSERT_TRUE(layout.FindSize(m.mode, d.id, w, h)) << name;
            EXPECT_LE(w, m.screenW) << name;
            EXPECT_LE(h, m.screenH) << name;
            if (d.id == 26) {
                EXPECT_EQ(w * h, m.screenW * m.screenH) << name;
            }
            ExpectControlsInside(layout, m.mode, d.id, w, h, d.frames, name);
            ExpectControlsInside(layout, m.mode, d.id, w, h, d.controls, name);
            std::vector<std::pair<uint16_t, Box>> placed;
            for (uint16_t id : d.controls)
                if (const auto row = layout.FindCtrl(m.mode, d.id, id))
                    placed.push_back({id, {row->x, row->y, row->width, row->height}});
            for (size_t i = 0; i < placed.size(); ++i)
                for (size_t j = i + 1; j < placed.size(); ++j)
                    EXPECT_FALSE(placed[i].second.overlaps(placed[j].second))
                        << name << " controls " << placed[i].first << " and " << placed[j].first;
        }
    }
}

}  // namespace

}  // namespace enchant_dialog_layouts_test
