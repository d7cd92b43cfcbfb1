// Floors seen through the camera and the clipper: the axis fillers and the free-angle filler must
// draw the same floor alike when the heading is a hair off the axis.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "fill/floor_fixture.h"
#include "render_fixture.h"

namespace floor_view_test {

namespace {

using namespace fill_test;

constexpr int kWidth = 240, kHeight = 160;

// A floor rectangle at the level under the eye, given by its corners' offsets from the eye cell's
// corner (22.10), and the uv of each corner.
struct SFloorQuad {
    int32_t x0, y0, x1, y1;
    SRenderUv uv00, uv10, uv11, uv01;
};

class FloorViewTest : public RenderTest {
protected:
    // The quad drawn by the filler for the player at the middle of cell (5, 5) facing heading.
    std::vector<uint16_t> draw(const SFloorQuad& quad, int32_t heading, const SFloorFiller& filler) {
        useView(kWidth, kHeight);
        standAt(5 * 65536 + 32768, 5 * 65536 + 32768, heading);
        EXPECT_EQ(render->Camera().facing, heading % (90 * kDegree) == 0 ? heading / (90 * kDegree) : 4);
        const int32_t level = SRender::kLevels[2];
        const SRenderVertex corners[4] = {render->CellCornerToView(0, 0, quad.x0, level, quad.y0),
                                          render->CellCornerToView(0, 0, quad.x1, level, quad.y0),
                                          render->CellCornerToView(0, 0, quad.x1, level, quad.y1),
                                          render->CellCornerToView(0, 0, quad.x0, level, quad.y1)};
        const SRenderUv uvs[4] = {quad.uv00, quad.uv10, quad.uv11, quad.uv01};
        for (int i = 0; i < 4; ++i) {
            render->m_clip.viewPolygon[i] = corners[i];
            render->m_clip.uvs[i] = uvs[i];
        }
        const int count = render->ClipPolygonB(4);
        EXPECT_GE(count, 3);
        std::vector<uint16_t> shades(size_t(std::max(count, 0)), 128);
        const SFillPolygon polygon{count, render->m_clip.screenPolygon, render->m_clip.uvs, shades.data()};
        STestSurface target(kWidth, kHeight, 0, kBackground);
        filler(target.Target(), polygon, {&texture->Texture()}, 0);
        return target.Pixels();
    }

    // The two pictures differ by at most one texel, and where one of them is drawn alone, only at
    // a row's ends.
    void expectAlike(const std::vector<uint16_t>& axis, const std::vector<uint16_t>& free) {
        int drawn = 0;
        for (int y = 0; y < kHeight; ++y) {
            int alone = 0;
            for (int x = 0; x < kWidth; ++x) {
                const uint16_t a = axis[size_t(y * kWidth + x)], b = free[size_t(y * kWidth + x)];
                if ((a == kBackground) != (b == kBackground)) {
                    ++alone;
                    continue;
                }
                if (a == kBackground) continue;
                ++drawn;
                EXPECT_LE(std::abs(TexelX(a) - TexelX(b)), 1) << "pixel " << x << "," << y;
                EXPECT_LE(std::abs(TexelY(a) - TexelY(b)), 1) << "pixel " << x << "," << y;
            }
            EXPECT_LE(alone, 2) << "row " << y;
        }
        EXPECT_GT(drawn, kWidth * kHeight / 8);
    }

    std::unique_ptr<STestTexture> texture = MakeCoordinateTexture(2, 256, 64);
};

// Heading 0 looks along -y: u runs across the view with x, v with the depth.
TEST_F(FloorViewTest, northFloorMatchesTheFreeFillerAHairOffTheAxis) {
    const SFloorQuad quad{-1536, -3072, 1536, -1024, {0, 0}, {4096, 0}, {4096, 1024}, {0, 1024}};
    expectAlike(draw(quad, 0, FloorFiller(1, SFloorFamily::NS)), draw(quad, 1, FloorFiller(1, SFloorFamily::Free)));
}

// Heading 90 looks along -x: v runs across the view with y, u with the depth.
TEST_F(FloorViewTest, eastFloorMatchesTheFreeFillerAHairOffTheAxis) {
    const SFloorQuad quad{-3072, -1536, -1024, 1536, {0, 0}, {4096, 0}, {4096, 1024}, {0, 1024}};
    expectAlike(draw(quad, 90 * kDegree, FloorFiller(1, SFloorFamily::EW)),
                draw(quad, 90 * kDegree + 1, FloorFiller(1, SFloorFamily::Free)));
}

}  // namespace

}  // namespace floor_view_test
