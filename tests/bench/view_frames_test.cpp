// Each whole-frame benchmark's scene covers its view at every size, but for stray seam pixels:
// the frames time a full view, not a part of it.
#include "bench/setups/view_frames.h"

#include <gtest/gtest.h>

#include "support/written_pixels.h"

namespace view_frames_test {

namespace {

using namespace view_frames;

TEST(ViewFrameBenchSetupsTest, everySceneDrawsItsWholeViewAtEverySize) {
    for (const ViewFrame& frame : kViewFrames) {
        for (const ViewSize size : kViewSizes) {
            Scene scene(frame, size);
            const size_t written = CountWrittenPixels(scene.pixels, [&] { scene.render->RenderFrame(); });
            EXPECT_TRUE(CoversTheArea(written, scene.pixels.size()))
                << written << " of " << scene.pixels.size() << " in " << frame.name << " " << size.width << "x"
                << size.height;
        }
    }
}

}  // namespace

}  // namespace view_frames_test
