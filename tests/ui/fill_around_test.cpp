#include "ui/fill_around.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_display.h"

namespace fill_around_test {

namespace {

constexpr int kW = 12, kH = 10;
constexpr uint16_t kUntouched = 0x0841, kFill = 0xF800;
// The area every case fills around: columns 2 to 9, rows 1 to 7.
constexpr SScreenBox kArea{2, 1, 10, 8};

bool inside(const SScreenBox& box, int x, int y) {
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

struct HolesCase {
    const char* name;
    std::vector<SScreenBox> holes;
};

class FillAroundTest : public ::testing::TestWithParam<HolesCase> {
protected:
    FillAroundTest() { DrawIntoMemory(display, pixels, kW, kH); }

    // Every pixel of the area outside all holes filled, every other one as it was; the first pixel
    // that is not, as "x,y".
    std::string firstWrongPixel(const std::vector<SScreenBox>& holes) const {
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                bool covered = false;
                for (const SScreenBox& hole : holes) covered = covered || inside(hole, x, y);
                const uint16_t expected = inside(kArea, x, y) && !covered ? kFill : kUntouched;
                if (pixels[size_t(y * kW + x)] != expected) return std::to_string(x) + "," + std::to_string(y);
            }
        }
        return "none";
    }

    std::vector<uint16_t> pixels = std::vector<uint16_t>(size_t(kW * kH), kUntouched);
    SDisplay display;
};

TEST_P(FillAroundTest, fillsTheAreaButEveryHoleAndNothingOutsideIt) {
    const std::vector<SScreenBox>& holes = GetParam().holes;
    FillAround(display, kArea, holes, kFill);
    EXPECT_EQ(firstWrongPixel(holes), "none");
}

INSTANTIATE_TEST_SUITE_P(
    Holes, FillAroundTest,
    ::testing::Values(HolesCase{"none", {}}, HolesCase{"anEmptyHole", {{5, 3, 5, 6}}},
                      HolesCase{"oneInside", {{4, 3, 7, 5}}}, HolesCase{"theWholeArea", {{0, 0, kW, kH}}},
                      HolesCase{"acrossTheLeftAndTopEdges", {{0, 0, 4, 3}}},
                      HolesCase{"acrossTheRightAndBottomEdges", {{8, 6, 12, 10}}},
                      HolesCase{"besideTheArea", {{10, 2, 12, 5}}}, HolesCase{"aboveTheArea", {{3, 0, 6, 1}}},
                      HolesCase{"aGridOfCellsWithGaps", {{3, 2, 5, 4}, {6, 2, 8, 4}, {3, 5, 5, 7}}},
                      HolesCase{"overlapping", {{3, 2, 7, 5}, {5, 4, 9, 7}, {4, 3, 6, 4}}},
                      HolesCase{"sideBySide", {{3, 2, 5, 6}, {5, 2, 7, 6}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace fill_around_test
