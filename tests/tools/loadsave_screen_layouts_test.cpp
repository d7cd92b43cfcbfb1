#include "tools/sampledata/loadsave_screen_layouts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/saved_screens.h"
#include "screens/death/state_death.h"
#include "screens/loadsave/state_load_save.h"
#include "tools/layout_expectations.h"
#include "tools/sampledata/interface_layout.h"

namespace loadsave_screen_layouts_test {

namespace {

using LoadSave = SStateLoadSave;
using Death = SStateDeath;

std::vector<uint16_t> ids(std::initializer_list<uint32_t> list) { return {list.begin(), list.end()}; }

// Both screens cover the screen in every mode. A slot row's thumbnail (80 x 50, as saved) and its
// text lie inside its frame and apart; the frames, the title and the buttons are clear of each
// other; the death screen's five controls too.
TEST(LoadSaveScreenLayoutsTest, everyScreenModeLaysOutBothScreensWithoutOverlaps) {
    for (const LayoutScreenMode& m : kLayoutScreenModes) {
        const std::vector<uint8_t> bytes = SLayoutRecord::Build(SampleLayout(m.squareOrLarge));
        const SLayoutRecord layout(bytes);
        const std::string name = "mode " + std::to_string(m.mode);
        for (uint16_t dialogId : {uint16_t(LoadSave::kLayout), uint16_t(Death::kLayout)}) {
            uint32_t w = 0, h = 0;
            ASSERT_TRUE(layout.FindSize(m.mode, dialogId, w, h)) << name << " layout " << dialogId;
            EXPECT_EQ(w, m.screenW) << name;
            EXPECT_EQ(h, m.screenH) << name;
        }
        std::vector<uint16_t> apart = ids({LoadSave::kTitle, LoadSave::kBack, LoadSave::kAction, LoadSave::kRemove});
        std::vector<uint16_t> inner = apart;
        for (int slot = 0; slot < LoadSave::kSlots; ++slot) {
            const uint16_t frameId = uint16_t(LoadSave::kFrames[slot]);
            const uint16_t thumbId = uint16_t(LoadSave::kThumbnails[slot]), textId = uint16_t(LoadSave::kTexts[slot]);
            apart.push_back(frameId);
            inner.insert(inner.end(), {thumbId, textId});
            ExpectControlsInside(layout, m.mode, LoadSave::kLayout, m.screenW, m.screenH, {frameId, thumbId, textId},
                                 name);
            const auto frame = layout.FindCtrl(m.mode, LoadSave::kLayout, frameId);
            const auto thumb = layout.FindCtrl(m.mode, LoadSave::kLayout, thumbId);
            const auto text = layout.FindCtrl(m.mode, LoadSave::kLayout, textId);
            ASSERT_TRUE(frame && thumb && text) << name;
            EXPECT_EQ(thumb->width, kSaveThumbWidth) << name;
            EXPECT_EQ(thumb->height, kSaveThumbHeight) << name;
            for (const auto& part : {*thumb, *text}) {
                EXPECT_GE(part.x, frame->x) << name << " slot " << slot;
                EXPECT_LE(part.x + part.width, frame->x + frame->width) << name << " slot " << slot;
            }
            EXPECT_GE(text->y, frame->y) << name << " slot " << slot;
            EXPECT_LE(text->y + text->height, frame->y + frame->height) << name << " slot " << slot;
        }
        ExpectControlsInside(layout, m.mode, LoadSave::kLayout, m.screenW, m.screenH, apart, name);
        ExpectNoOverlaps(layout, m.mode, LoadSave::kLayout, apart, name + " load and save frames");
        ExpectNoOverlaps(layout, m.mode, LoadSave::kLayout, inner, name + " load and save rows");

        const std::vector<uint16_t> death = ids(
            {Death::kPictures[0], Death::kPictures[1], Death::kPictures[2], Death::kEpitaphElement, Death::kToMenu});
        ExpectControlsInside(layout, m.mode, Death::kLayout, m.screenW, m.screenH, death, name + " death");
        ExpectNoOverlaps(layout, m.mode, Death::kLayout, death, name + " death");
    }
}

}  // namespace

}  // namespace loadsave_screen_layouts_test
