#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/packages/resource_cache.h"
#include "render_fixture.h"
#include "support/picture_entry.h"

namespace sky_test {

namespace {

constexpr uint16_t kFog = 0x8410;         // mid grey
constexpr uint16_t kBackground = 0x0841;  // what the surface holds before the frame

// Heading and sky angle give the panorama column at the view's left edge, and the view's width
// where and how the panorama wraps: 380 panorama texels (6080 in 28.4) across any view.
TEST(SkyColumnsTest, theSkyAngleAndTheHeadingPlaceThePanorama) {
    struct Row {
        const char* name;
        int32_t skyAngle, heading;  // degrees
        int32_t width;
        int32_t offset, wrapX, uEnd, wrappedUEnd;
    };
    const Row rows[] = {
        {"the sky angle on the heading", 0, 0, 380, 9120, 3040, 12160, 3040},
        {"a narrower view wraps at its own width's share", 0, 0, 240, 9120, 1920, 12160, 3040},
        {"120 degrees further round", 0, 120, 380, 9120, 3040, 12160, 3040},
        {"a view that ends on the panorama's end", 0, 270, 380, 6080, 6080, 12160, 0},
        {"no wrap", 0, 300, 380, 3040, 6080, 9120, 0},
        {"the sky angle ahead of the heading", 10, 0, 380, 10133, 2027, 12160, 4053},
        {"the heading ahead of the sky angle", 0, 10, 380, 8106, 4054, 12160, 2026},
        {"angles beyond a turn", 720, -360, 380, 9120, 3040, 12160, 3040},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int32_t offset = SkyOffset(row.skyAngle * kDegree, row.heading * kDegree);
        EXPECT_EQ(offset, row.offset);
        SSkyLayout sky;
        SetSkyColumns(sky, offset, row.width);
        EXPECT_EQ(sky.uStart, row.offset);
        EXPECT_EQ(sky.uEnd, row.uEnd);
        EXPECT_EQ(sky.wrapX, row.wrapX);
        EXPECT_EQ(sky.wrappedUEnd, row.wrappedUEnd);
    }
}

// The panorama repeats every 120 degrees for every heading, also where the heading lies more than
// 330 degrees past the sky angle and the turn before the modulo is negative.
TEST(SkyColumnsTest, aTurnOf120DegreesGivesTheSameColumnForEveryHeading) {
    for (int32_t heading = 300 * kDegree; heading < 420 * kDegree; heading += 1237) {
        ASSERT_EQ(SkyOffset(0, heading), SkyOffset(0, heading + 120 * kDegree)) << heading;
        ASSERT_EQ(SkyOffset(0, heading), SkyOffset(0, heading - 120 * kDegree)) << heading;
    }
}

// The view's last panorama column exactly on the panorama's end does not wrap; one unit further
// leaves a wrapped piece one unit wide.
TEST(SkyColumnsTest, thePanoramaWrapsOnlyPastItsEnd) {
    SSkyLayout sky;
    SetSkyColumns(sky, 6080, 380);
    EXPECT_EQ(sky.wrapX, 6080);
    EXPECT_EQ(sky.uEnd, 12160);
    SetSkyColumns(sky, 6081, 380);
    EXPECT_EQ(sky.uEnd, 12160);
    EXPECT_EQ(sky.wrappedUEnd, 1);
    EXPECT_EQ(sky.wrapX, 6079);
}

class SkyTest : public RenderTest {
protected:
    void useSky(std::unique_ptr<SPictureEntry> picture) {
        pictures.clear();
        pictures.push_back(nullptr);
        pictures.push_back(std::move(picture));
        view.m_pictures = {pictures.data(), uint32_t(pictures.size())};
        view.m_skyPicture = 1;
        view.m_flags |= SViewDescriptor::kSky;
    }
    void useView(int w, int h) {
        RenderTest::useView(w, h);
        surface = std::make_unique<STestSurface>(w, h, 0, kBackground);
        render->SetSurface(&surface->Target());
        view.m_fogColour = kFog;
    }
    // The pixel rows a band from y0 to y1 (28.4) covers.
    static int FirstRow(int32_t y) { return (y + 7) >> 4; }

    std::vector<std::unique_ptr<SPictureEntry>> pictures;
};

// The sky's rows for a tall and a short view, the widest screen and a narrow one: where the
// reference band ends above the floor row's horizon the sky is stretched down to it.
TEST_F(SkyTest, theSkyRowsFollowTheView) {
    struct Row {
        int w, h;
        int32_t topRow, lowestLevelRow, bandTop, bandHeight, vTop;
    };
    for (Row row : {Row{380, 320, 832, 2715, 160, 1613, 0}, Row{380, 200, 0, 1755, 160, 1600, 947},
                    Row{240, 320, 1469, 2658, 101, 1962, 1}, Row{800, 600, 1163, 5127, 336, 3369, 266}}) {
        useView(row.w, row.h);
        ASSERT_TRUE(render->UpdateProjection());
        const SSkyLayout& sky = render->Sky();
        SCOPED_TRACE(testing::Message() << row.w << "x" << row.h);
        EXPECT_EQ(sky.topRow, row.topRow);
        EXPECT_EQ(sky.lowestLevelRow, row.lowestLevelRow);
        EXPECT_EQ(sky.bandTop, row.bandTop);
        EXPECT_EQ(sky.bandHeight, row.bandHeight);
        EXPECT_EQ(sky.vTop, row.vTop);
    }
}

// An outdoor frame whose panorama wraps: the upper sky and the horizon band, the ground below them
// to the lowest level, then the wrapped pieces, all beyond the far distance in the background class.
TEST_F(SkyTest, anOutdoorFrameLaysOutTheSkyTheBandAndTheGround) {
    useView(380, 320);
    useSky(SolidPicture(760, 110, 0x1234));
    standAt(10 << 16, 10 << 16, 0);
    const SRender::SFrameBuffers& frame = render->m_frame;
    ASSERT_EQ(frame.polygonCount, 5);
    struct Expected {
        SPolygonType type;
        int32_t x0, y0, x1, y1;
        int32_t u0, v0, u1, v1;
        uint16_t lowerShade;
    };
    const Expected expected[] = {
        {SPolygonType::Sky, 0, 0, 3040, 1613, 9120, 0, 12160, 1600, 128},
        {SPolygonType::Sky, 0, 1613, 3040, 1773, 9120, 1600, 12160, 1760, 0},
        {SPolygonType::FogFill, 0, 1773, 6080, 2715, 0, 0, 0, 0, 128},
        {SPolygonType::Sky, 3040, 0, 6080, 1613, 0, 0, 3040, 1600, 128},
        {SPolygonType::Sky, 3040, 1613, 6080, 1773, 0, 1600, 3040, 1760, 0},
    };
    const int32_t depth = render->Projection().farDistance + 10;
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const Expected& e = expected[i];
        const SRenderPolygon& polygon = frame.polygons[i];
        EXPECT_EQ(polygon.m_type, e.type);
        EXPECT_EQ(polygon.m_pictures[0], e.type == SPolygonType::Sky ? 1 : 0);
        const SRenderVertex* v = frame.vertices + polygon.m_firstVertex;
        const SRenderUv* uv = frame.uvs + polygon.m_firstUv;
        const uint16_t* shade = frame.shades + polygon.m_firstShade;
        const SRenderVertex corners[4] = {
            {e.x0, e.y0, depth}, {e.x1, e.y0, depth}, {e.x1, e.y1, depth}, {e.x0, e.y1, depth}};
        const SRenderUv uvs[4] = {{e.u0, e.v0}, {e.u1, e.v0}, {e.u1, e.v1}, {e.u0, e.v1}};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(v[k].x, corners[k].x) << k;
            EXPECT_EQ(v[k].y, corners[k].y) << k;
            EXPECT_EQ(v[k].z, depth) << k;
            if (e.type == SPolygonType::Sky) {
                EXPECT_EQ(uv[k].u, uvs[k].u) << k;
                EXPECT_EQ(uv[k].v, uvs[k].v) << k;
                EXPECT_EQ(shade[k], k < 2 ? 128 : e.lowerShade) << k;
            }
        }
        EXPECT_EQ(frame.sortKeys[i].m_class, SSortClass::Background);
        EXPECT_EQ(frame.sortKeys[i].m_farDepth, depth);
    }
}

// Indoors the fog colour fills every column from the top row to the lowest level row, and nothing
// else is drawn; no sky picture is needed.
TEST_F(SkyTest, withoutTheSkyTheFogColourFillsFromTheTopRowToTheLowestLevel) {
    useView(380, 320);
    view.m_skyPicture = 0;
    standAt(10 << 16, 10 << 16, 0);
    const int top = FirstRow(render->Sky().topRow), bottom = FirstRow(render->Sky().lowestLevelRow);
    ASSERT_GT(top, 0);
    ASSERT_LT(bottom, 320);
    for (int y = 0; y < 320; ++y) {
        const uint16_t expected = y >= top && y < bottom ? kFog : kBackground;
        for (int x : {0, 190, 379}) ASSERT_EQ(surface->At(x, y), expected) << x << ", " << y;
    }
}

// A sky whose colours tell the texel: x in the high ten bits, y modulo 64 in the low six. Format 2,
// one 16-bit index per block of four colours.
std::unique_ptr<SPictureEntry> CoordinateSky() {
    std::vector<uint32_t> indices;
    std::vector<uint16_t> colours;
    for (int y = 0; y < 110; y += 2) {
        for (int x = 0; x < 760; x += 2) {
            indices.push_back(uint32_t(colours.size() / 4));
            for (int k = 0; k < 4; ++k) colours.push_back(uint16_t((x + (k & 1)) << 6 | ((y + (k >> 1)) & 63)));
        }
    }
    auto entry = std::make_unique<SPictureEntry>();
    entry->record = std::make_unique<SPdbRecord>();
    entry->record->bytes = BuildPictureRecord(2, 760, 110, indices, colours);
    SReadError error;
    EXPECT_TRUE(entry->Bind(entry->record->bytes, 0, error)) << error.Message();
    return entry;
}

// On the widest screen, whose horizon band is 21 rows high, the band's last row lies near enough
// its foot to be the fog colour itself. (On a 380-wide view, 10 rows high, it keeps 1/32 of the
// panorama's colour.)
TEST_F(SkyTest, theSkyShowsThePanoramaFromItsOffsetAndFadesIntoTheFog) {
    useView(800, 600);
    useSky(CoordinateSky());
    standAt(10 << 16, 10 << 16, 0);
    const SSkyLayout& sky = render->Sky();
    const uint16_t topLeft = surface->At(0, 0);
    EXPECT_EQ(topLeft >> 6, sky.uStart >> 4);
    EXPECT_EQ(topLeft & 63, (sky.vTop >> 4) & 63);
    // Right of the wrap the panorama starts again from its first column.
    const int wrap = FirstRow(sky.wrapX);
    EXPECT_EQ(surface->At(wrap, 0) >> 6, 0);
    const int lastBandRow = FirstRow(sky.bandHeight + sky.bandTop) - 1;
    for (int x : {0, 100, wrap, 799}) EXPECT_EQ(surface->At(x, lastBandRow), kFog) << x;
    EXPECT_NE(surface->At(100, lastBandRow - 1), kFog);
}

// The panorama covers 120 degrees of heading: turning by that much shows the same view.
TEST_F(SkyTest, aTurnOf120DegreesLeavesTheSkyAsItWas) {
    useView(240, 200);
    useSky(CoordinateSky());
    std::vector<uint16_t> frames[3];
    for (int turn = 0; turn < 3; ++turn) {
        standAt(10 << 16, 10 << 16, (10 + 120 * turn) * kDegree);
        frames[turn] = surface->Pixels();
    }
    EXPECT_EQ(frames[0], frames[1]);
    EXPECT_EQ(frames[0], frames[2]);
    standAt(10 << 16, 10 << 16, 70 * kDegree);
    EXPECT_NE(surface->Pixels(), frames[0]) << "a turn of 60 degrees moves it";
}

// A sky picture too small for the panorama is not read at all: the sky is the fog colour. Under the
// sanitizer a read past the picture's record would show.
TEST_F(SkyTest, aSkyPictureNarrowerThanThePanoramaGivesTheFogColour) {
    useView(380, 320);
    useSky(SolidPicture(380, 110, 0x1234));
    standAt(10 << 16, 10 << 16, 0);
    const int bandFoot = FirstRow(render->Sky().bandHeight + render->Sky().bandTop);
    for (int y = 0; y < bandFoot; ++y) ASSERT_EQ(surface->At(200, y), kFog) << y;
}

}  // namespace

}  // namespace sky_test
