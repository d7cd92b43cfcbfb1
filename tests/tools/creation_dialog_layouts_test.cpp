#include "tools/sampledata/creation_dialog_layouts.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/layout_expectations.h"
#include "tools/sampledata/interface_layout.h"

namespace creation_dialog_layouts_test {

namespace {

std::vector<uint16_t> span(uint16_t first, uint16_t last) {
    std::vector<uint16_t> ids;
    for (uint16_t id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

std::vector<uint16_t> joined(std::vector<uint16_t> ids, const std::vector<uint16_t>& more) {
    ids.insert(ids.end(), more.begin(), more.end());
    return ids;
}

// The six centred dialogs in every screen mode of both records: each has every control, inside
// the dialog, and fits on the screen.
TEST(CreationDialogLayoutsTest, everyScreenModeHasTheSixDialogsWithTheirControlsInside) {
    struct Dialog {
        uint16_t id;
        std::vector<uint16_t> controls;
    };
    const Dialog dialogs[] = {
        {17, joined(span(157, 199), {19, 25, 26, 40})},
        {10, joined(span(63, 85), {19, 16, 25, 26})},
        {9, joined(span(53, 62), {19, 16, 25, 26})},
        {18, joined(span(200, 206), {19, 16, 25, 26})},
        {6, {19, 35, 36, 37, 38, 25, 26}},
        {4, {19, 16, 20, 21, 22, 17, 18}},
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
            ExpectControlsInside(layout, m.mode, d.id, w, h, d.controls, name);
        }
    }
}

}  // namespace

}  // namespace creation_dialog_layouts_test
