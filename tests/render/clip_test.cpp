#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "render_fixture.h"

namespace clip_test {

namespace {

using Pipeline = int (SRender::*)(int);

struct ClipCase {
    const char* name;
    Pipeline pipeline;
    // The input: view-space vertices (screen vertices for ClipPolygon4), their uvs and lights.
    std::vector<SRenderVertex> vertices;
    std::vector<SRenderUv> uvs;
    std::vector<int32_t> lights;
    // What to check of the result, given its count.
    std::function<void(const SRender&, int)> check;
};

void PrintTo(const ClipCase& c, std::ostream* out) { *out << c.name; }

void ExpectVertices(const SRenderVertex* actual, const std::vector<SRenderVertex>& expected) {
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].x, expected[i].x) << "vertex " << i;
        EXPECT_EQ(actual[i].y, expected[i].y) << "vertex " << i;
        EXPECT_EQ(actual[i].z, expected[i].z) << "vertex " << i;
    }
}

void ExpectUvs(const SRenderUv* actual, const std::vector<SRenderUv>& expected) {
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].u, expected[i].u) << "uv " << i;
        EXPECT_EQ(actual[i].v, expected[i].v) << "uv " << i;
    }
}

// Where the left edge cuts the screen edge from a to b, in double precision: d, running from b's
// depth at a to a's depth at b (1/z is linear on the screen exactly when a.z x b.z / z is linear
// like d), perspective-correct uvs and screen-linear light.
struct Reference {
    double d, u, v, light;
};

Reference CutAtLeftEdge(const SRenderVertex& a, const SRenderVertex& b, SRenderUv uvA, SRenderUv uvB, int32_t lightA,
                        int32_t lightB) {
    const double f = (0.0 - a.x) / (b.x - a.x);
    const double z = 1 / ((1 - f) / a.z + f / b.z);
    return {b.z + (a.z - b.z) * f, ((1 - f) * uvA.u / a.z + f * uvB.u / b.z) * z,
            ((1 - f) * uvA.v / a.z + f * uvB.v / b.z) * z, (1 - f) * lightA + f * lightB};
}

// The view is the 380x320 reference view: 28.4 screen coordinates run to 6080 across and 5120
// down; k = 172,389,888 / z; x = (X x k >> 15) + 3040, y = (-(Y x k) >> 15) + 1440. The far plane
// lies at 8169.
class ClipTest : public RenderTest, public ::testing::WithParamInterface<ClipCase> {
protected:
    void SetUp() override {
        useView(380, 320);
        ASSERT_TRUE(render->UpdateProjection());
    }
};

TEST_P(ClipTest, clipsAsWorkedOut) {
    const ClipCase& c = GetParam();
    SRender::SClipScratch& clip = render->m_clip;
    SRenderVertex* input = c.pipeline == &SRender::ClipPolygon4 ? clip.screenPolygon : clip.viewPolygon;
    for (size_t i = 0; i < c.vertices.size(); ++i) {
        input[i] = c.vertices[i];
        if (i < c.uvs.size()) clip.uvs[i] = c.uvs[i];
        if (i < c.lights.size()) clip.lights[i] = c.lights[i];
    }
    const int count = (render.get()->*c.pipeline)(int(c.vertices.size()));
    c.check(*render, count);
}

const SRenderVertex kBehind[] = {{-100, 0, 100}, {100, 0, 100}, {100, 0, 511}, {-100, 0, 511}};

// The wall of the screen-edge cases: from far and off the left edge to nearer and inside the view.
// At the cuts the perspective-correct and the affine v differ by 174 (11 texels). The shifted
// products of the perspective formula can cost up to about 2 units elsewhere; here they stay
// within 1.
const std::vector<SRenderVertex> kWallAcrossTheLeftEdge = {{-3000, 100, 4000},
                                                           {600, 100, 1500},
                                                           {600, -300, 1500},
                                                           {-3000, -300, 4000}};
const std::vector<SRenderUv> kWallUvs = {{0, 0}, {0, 1024}, {512, 1024}, {512, 0}};
const std::vector<int32_t> kWallLights = {0x10000, 0, 0, 0x10000};

// Both cuts of the wall at x = 0 against the double-precision reference.
void ExpectPerspectiveCuts(const SRender& render, int count, bool perspective, bool lights) {
    const SRenderVertex* out = render.m_clip.screenPolygon;
    int cuts = 0;
    for (int i = 0; i < count; ++i) {
        if (out[i].x != 0) continue;
        ++cuts;
        // The top edge runs from vertex 0 to 1, the bottom edge from 3 to 2.
        const bool top = out[i].y < 1600;
        const int a = top ? 0 : 3, b = top ? 1 : 2;
        const SRenderVertex pa = render.Project(kWallAcrossTheLeftEdge[a]);
        const SRenderVertex pb = render.Project(kWallAcrossTheLeftEdge[b]);
        const Reference ref = CutAtLeftEdge(pa, pb, kWallUvs[a], kWallUvs[b], kWallLights[a], kWallLights[b]);
        // The depth and its 1/z form are each truncated once.
        EXPECT_NEAR(double(pa.z) * pb.z / out[i].z, ref.d, 1.5) << (top ? "top" : "bottom");
        if (perspective) {
            EXPECT_NEAR(render.m_clip.uvs[i].u, ref.u, 1.0) << (top ? "top" : "bottom");
            EXPECT_NEAR(render.m_clip.uvs[i].v, ref.v, 1.0) << (top ? "top" : "bottom");
        }
        if (lights) {
            EXPECT_NEAR(render.m_clip.lights[i], ref.light, 1.0);
        }
    }
    EXPECT_EQ(cuts, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClipTest,
    ::testing::Values(
        ClipCase{"wholly behind the near plane gives nothing",
                 &SRender::ClipPolygonB,
                 {std::begin(kBehind), std::end(kBehind)},
                 {{0, 0}, {16, 0}, {16, 16}, {0, 16}},
                 {},
                 [](const SRender& r, int count) {
                     EXPECT_EQ(count, 0);
                     EXPECT_EQ(r.m_clip.clippedCount, 0);
                 }},
        // The edge from (200, 1400) to (250, 300) is cut from its second end: x = 250 + (200 - 250)
        // x 212 / 1100 = 250 - 9 and v = 1000 - 1000 x 212 / 1100 = 1000 - 192. The edge from
        // (-150, 350) to (-200, 1500): x = -200 + 50 x 988 / 1150 = -200 + 42, v = 1000 x 988 / 1150
        // = 859. Nothing reaches a screen edge, so the screen polygon is the projection.
        ClipCase{"a quad across the near plane",
                 &SRender::ClipPolygonB,
                 {{-200, 100, 1500}, {200, 100, 1400}, {250, 100, 300}, {-150, 100, 350}},
                 {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}},
                 {},
                 [](const SRender& r, int count) {
                     ASSERT_EQ(count, 4);
                     EXPECT_EQ(r.m_clip.clippedCount, 4);
                     ExpectVertices(r.m_clip.viewPolygon,
                                    {{-200, 100, 1500}, {200, 100, 1400}, {241, 100, 512}, {-158, 100, 512}});
                     ExpectVertices(r.m_clip.screenPolygon,
                                    {{2338, 1089, 1500}, {3791, 1064, 1400}, {5516, 412, 512}, {1416, 412, 512}});
                     ExpectUvs(r.m_clip.uvs, {{0, 0}, {1000, 0}, {1000, 808}, {0, 859}});
                 }},
        // Vertices 1 and 3 lie on the near plane, vertex 2 behind it: each plane vertex is kept
        // once, and the edges that end on the plane make no cut.
        ClipCase{"vertices exactly on the near plane",
                 &SRender::ClipPolygonC,
                 {{0, 100, 1000}, {200, 100, 512}, {100, 100, 200}, {-100, 100, 512}},
                 {},
                 {},
                 [](const SRender& r, int count) {
                     ASSERT_EQ(count, 3);
                     ExpectVertices(r.m_clip.viewPolygon, {{0, 100, 1000}, {200, 100, 512}, {-100, 100, 512}});
                 }},
        ClipCase{"a wall across the left edge, perspective uvs and screen-linear light", &SRender::ClipPolygonA,
                 kWallAcrossTheLeftEdge, kWallUvs, kWallLights,
                 [](const SRender& r, int count) { ExpectPerspectiveCuts(r, count, true, true); }},
        ClipCase{"a wall across the left edge, perspective uvs",
                 &SRender::ClipPolygonB,
                 kWallAcrossTheLeftEdge,
                 kWallUvs,
                 {},
                 [](const SRender& r, int count) { ExpectPerspectiveCuts(r, count, true, false); }},
        ClipCase{"a wall across the left edge, positions only",
                 &SRender::ClipPolygonC,
                 kWallAcrossTheLeftEdge,
                 {},
                 {},
                 [](const SRender& r, int count) { ExpectPerspectiveCuts(r, count, false, false); }},
        // Already on the screen, cut at the right edge (6080) with uvs linear on the screen. Both
        // cuts are measured from the edge's second end: 320 - 320 x 920 / 2000 = 320 - 147 on the
        // top edge, 0 + 320 x 1080 / 2000 = 172 on the bottom one.
        ClipCase{"a screen quad across the right edge",
                 &SRender::ClipPolygon4,
                 {{5000, 1000, 700}, {7000, 1000, 700}, {7000, 2000, 700}, {5000, 2000, 700}},
                 {{0, 0}, {320, 0}, {320, 160}, {0, 160}},
                 {},
                 [](const SRender& r, int count) {
                     ASSERT_EQ(count, 4);
                     ExpectVertices(r.m_clip.screenPolygon,
                                    {{5000, 1000, 700}, {6080, 1000, 700}, {6080, 2000, 700}, {5000, 2000, 700}});
                     ExpectUvs(r.m_clip.uvs, {{0, 0}, {173, 0}, {172, 160}, {0, 160}});
                 }},
        // From behind the near plane and above the view, past both sides, to beyond the far plane
        // and below the view: every plane cuts, and the result still fits.
        ClipCase{"a quad cut by all six planes",
                 &SRender::ClipPolygonAffine,
                 {{0, 4000, 100}, {8000, 0, 4000}, {0, -12000, 12000}, {-8000, 0, 4000}},
                 {{0, 0}, {512, 0}, {512, 512}, {0, 512}},
                 {},
                 [](const SRender& r, int count) {
                     ASSERT_GE(count, 3);
                     EXPECT_LE(count, SRender::kClipVertices);
                     bool onNear = false, onFar = false, onLeft = false, onRight = false, onTop = false,
                          onBottom = false;
                     for (int i = 0; i < r.m_clip.clippedCount; ++i) {
                         onNear |= r.m_clip.viewPolygon[i].z == SRender::kNearDistance;
                         onFar |= r.m_clip.viewPolygon[i].z == r.Projection().farDistance;
                     }
                     for (int i = 0; i < count; ++i) {
                         const SRenderVertex& v = r.m_clip.screenPolygon[i];
                         EXPECT_TRUE(v.x >= 0 && v.x <= 6080 && v.y >= 0 && v.y <= 5120) << v.x << ", " << v.y;
                         onLeft |= v.x == 0;
                         onRight |= v.x == 6080;
                         onTop |= v.y == 0;
                         onBottom |= v.y == 5120;
                     }
                     EXPECT_TRUE(onNear && onFar && onLeft && onRight && onTop && onBottom);
                 }},
        // Only four-sided input is sure to fit the buffers after six planes.
        ClipCase{"five vertices are refused",
                 &SRender::ClipPolygonB,
                 {{-100, 0, 1000}, {100, 0, 1000}, {150, -50, 1000}, {100, -100, 1000}, {-100, -100, 1000}},
                 {},
                 {},
                 [](const SRender&, int count) { EXPECT_EQ(count, 0); }},
        ClipCase{"five screen vertices are refused",
                 &SRender::ClipPolygon4,
                 {{100, 100, 1000}, {200, 100, 1000}, {250, 150, 1000}, {200, 200, 1000}, {100, 200, 1000}},
                 {},
                 {},
                 [](const SRender&, int count) { EXPECT_EQ(count, 0); }}));

}  // namespace

}  // namespace clip_test
