// Each filler benchmark's set-up draws every pixel of its area, so that none of them times a
// polygon the filler refuses.
#include "bench/setups/filler_setups.h"

#include <gtest/gtest.h>

#include "support/written_pixels.h"

namespace filler_setups_test {

namespace {

using namespace filler_setups;

TEST(FillerBenchSetupsTest, everySetUpDrawsTheWholeArea) {
    for (const FillerSetup& setup : FillerSetups()) {
        for (int format : setup.formats) {
            for (bool fog : {false, true}) {
                if (fog && !setup.hasFog) continue;
                Surface surface;
                const Draw draw = setup.prepare(format, fog);
                EXPECT_EQ(CountWrittenPixels(surface.pixels, [&] { draw(surface.target); }), kPixels)
                    << CaseName(setup, format, fog);
            }
        }
    }
}

}  // namespace

}  // namespace filler_setups_test
