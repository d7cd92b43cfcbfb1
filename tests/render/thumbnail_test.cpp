#include "render/thumbnail.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "render_fixture.h"
#include "support/test_surface.h"

namespace thumbnail_test {

namespace {

using SThumbPixels = std::array<uint16_t, kThumbWidth * kThumbHeight>;

// A view whose pixel colours tell where they are (the low bytes of x and y), never black.
uint16_t Encoded(int x, int y) { return uint16_t((y & 0xFF) << 8 | (x & 0xFF)) | 0x0101; }

std::unique_ptr<STestSurface> EncodedView(int w, int h, int orientation) {
    auto surface = std::make_unique<STestSurface>(w, h, orientation);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) *surface->Target().PixelAddress(x, y) = Encoded(x, y);
    }
    return surface;
}

struct ThumbCase {
    int viewW, viewH;
    int left, top, width, height;  // where the view lands in the thumbnail
};

class ThumbnailTest : public ::testing::TestWithParam<ThumbCase> {};

// The view keeps its shape: a tall view is centred between black columns, a wide one between
// black rows. Each thumbnail pixel is the view pixel at (x x step) >> 16 with step = (view size
// << 16) / thumbnail size, whatever the surface's orientation.
TEST_P(ThumbnailTest, theViewLandsCentredAndSampledByNearestNeighbour) {
    const ThumbCase& c = GetParam();
    SThumbPixels upright{};
    for (int orientation = 0; orientation <= 2; ++orientation) {
        SCOPED_TRACE(orientation);
        auto view = EncodedView(c.viewW, c.viewH, orientation);
        SThumbPixels thumb;
        thumb.fill(0xAAAA);
        MakeThumbnail(view->Target(), thumb);
        const int64_t stepX = (int64_t(c.viewW) << 16) / c.width, stepY = (int64_t(c.viewH) << 16) / c.height;
        for (int y = 0; y < kThumbHeight; ++y) {
            for (int x = 0; x < kThumbWidth; ++x) {
                const bool inside = x >= c.left && x < c.left + c.width && y >= c.top && y < c.top + c.height;
                const uint16_t expected =
                    inside ? Encoded(int(((x - c.left) * stepX) >> 16), int(((y - c.top) * stepY) >> 16)) : 0;
                ASSERT_EQ(thumb[size_t(y) * kThumbWidth + x], expected) << "at " << x << "," << y;
            }
        }
        if (orientation == 0) upright = thumb;
        EXPECT_EQ(thumb, upright);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ThumbnailTest,
    ::testing::Values(ThumbCase{240, 160, 2, 0, 75, 50}, ThumbCase{380, 320, 10, 0, 59, 50},
                      ThumbCase{800, 480, 0, 1, 80, 48}, ThumbCase{80, 50, 0, 0, 80, 50},
                      ThumbCase{40, 20, 0, 5, 80, 40}),
    [](const auto& info) { return std::to_string(info.param.viewW) + "x" + std::to_string(info.param.viewH); });

// No view, or one so thin that it has no pixel in the thumbnail, gives black rather than a
// division by zero.
TEST(ThumbnailEdgeTest, aViewWithoutPixelsGivesABlackThumbnail) {
    struct Size {
        int w, h;
    };
    for (Size size : {Size{2, 200}, Size{400, 2}, Size{0, 10}, Size{10, 0}}) {
        auto view = EncodedView(std::max(size.w, 1), std::max(size.h, 1), 0);
        SRasterTarget target = view->Target();
        target.m_width = size.w;
        target.m_height = size.h;
        SThumbPixels thumb;
        thumb.fill(0xAAAA);
        MakeThumbnail(target, thumb);
        EXPECT_EQ(thumb, SThumbPixels{}) << size.w << "x" << size.h;
    }
    SThumbPixels thumb;
    thumb.fill(0xAAAA);
    MakeThumbnail(SRasterTarget{}, thumb);
    EXPECT_EQ(thumb, SThumbPixels{});
}

// The render context's thumbnail is its view rectangle's, not the whole surface's.
using RenderThumbnailTest = RenderTest;

TEST_F(RenderThumbnailTest, theRenderContextScalesItsViewRectangle) {
    useView(160, 100, 200, 140, 20, 30);
    for (int y = 0; y < 140; ++y) {
        for (int x = 0; x < 200; ++x) *surface->Target().PixelAddress(x, y) = Encoded(x, y);
    }
    ASSERT_TRUE(render->UpdateProjection());
    SThumbPixels thumb;
    render->MakeViewThumbnail(thumb);
    EXPECT_EQ(thumb[0], Encoded(20, 30));
    EXPECT_EQ(thumb[size_t(49) * kThumbWidth + 79], Encoded(20 + 79 * 2, 30 + 49 * 2));
}

}  // namespace

}  // namespace thumbnail_test
