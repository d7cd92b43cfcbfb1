#include "engine/draw/tiling.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tiling_test {

namespace {

struct Piece {
    int left, top, w, h;
    bool operator==(const Piece&) const = default;
};

struct TilingCase {
    const char* name;
    int areaW, areaH;
    std::vector<Piece> pieces;  // in order, for 4 x 3 tiles
};

class TilingTest : public ::testing::TestWithParam<TilingCase> {};

// Whole copies column by column, the right edge's cut copies, the bottom edge's, the corner.
TEST_P(TilingTest, copiesCoverTheAreaInOrder) {
    std::vector<Piece> pieces;
    ForEachTile(GetParam().areaW, GetParam().areaH, 4, 3, [&](int left, int top, int w, int h) {
        pieces.push_back({left, top, w, h});
    });
    EXPECT_EQ(pieces, GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(Areas, TilingTest,
                         ::testing::Values(TilingCase{"cutOnBothEdges",
                                                      10,
                                                      7,
                                                      {{0, 0, 4, 3},
                                                       {0, 3, 4, 3},
                                                       {4, 0, 4, 3},
                                                       {4, 3, 4, 3},
                                                       {8, 0, 2, 3},
                                                       {8, 3, 2, 3},
                                                       {0, 6, 4, 1},
                                                       {4, 6, 4, 1},
                                                       {8, 6, 2, 1}}},
                                           TilingCase{"wholeCopiesOnly", 8, 3, {{0, 0, 4, 3}, {4, 0, 4, 3}}},
                                           TilingCase{"smallerThanOneCopyIsTheCornerPiece", 3, 2, {{0, 0, 3, 2}}},
                                           TilingCase{"narrowerThanOneCopy", 3, 6, {{0, 0, 3, 3}, {0, 3, 3, 3}}},
                                           TilingCase{"emptyArea", 0, 5, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TilingEdgeTest, aPictureWithoutPixelsCoversNothing) {
    int calls = 0;
    ForEachTile(10, 10, 0, 3, [&](int, int, int, int) { ++calls; });
    ForEachTile(10, 10, 3, -1, [&](int, int, int, int) { ++calls; });
    EXPECT_EQ(calls, 0);
}

}  // namespace

}  // namespace tiling_test
