#include "tools/sampledata/sky_panorama.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/draw/picture.h"
#include "engine/packages/resource_cache.h"
#include "render/render.h"
#include "support/png_writer.h"
#include "support/test_surface.h"

namespace sky_panorama_test {

namespace {

constexpr uint16_t kFog = 0xB5F9;  // a pale blue-grey

uint16_t TexelAt(const SPicture& picture, int x, int y) {
    const uint8_t block = picture.Texels()[(y / 2) * (picture.Width() / 2) + x / 2];
    return picture.Colour(4u * block + 2u * uint32_t(y & 1) + uint32_t(x & 1));
}

TEST(SkyPanoramaTest, aWholePanoramaFadingIntoTheFogWithAMarkEvery30Degrees) {
    const std::vector<uint8_t> bytes = SkyPanoramaRecord(kFog);
    SPicture picture;
    SReadError error;
    ASSERT_TRUE(picture.Read(bytes, error)) << error.Message();
    EXPECT_EQ(picture.Format(), 1);
    EXPECT_EQ(picture.Width(), 760);
    EXPECT_EQ(picture.Height(), 110);
    for (int x = 0; x < 760; ++x) ASSERT_EQ(TexelAt(picture, x, 109), kFog) << x;
    EXPECT_NE(TexelAt(picture, 300, 99), kFog);
    // Poles at every 190 texels (30 degrees), none half-way between them.
    const uint16_t pole = TexelAt(picture, 0, 80);
    for (int mark = 0; mark < 4; ++mark) {
        EXPECT_EQ(TexelAt(picture, 190 * mark + 1, 80), pole) << mark;
        EXPECT_NE(TexelAt(picture, 190 * mark + 95, 80), pole) << mark;
    }
}

// The panorama in a frame: the same sky at headings 120 degrees apart, the marks moving with the
// heading. With $BRIMVALE_SHOTS set, the frames are written there to be looked at.
TEST(SkyPanoramaTest, theSampleSkyTurnsWithTheHeadingAndRepeatsEvery120Degrees) {
    std::vector<std::unique_ptr<SPictureEntry>> pictures(2);
    pictures[1] = std::make_unique<SPictureEntry>();
    pictures[1]->record = std::make_unique<SPdbRecord>();
    pictures[1]->record->bytes = SkyPanoramaRecord(kFog);
    SReadError error;
    ASSERT_TRUE(pictures[1]->Bind(pictures[1]->record->bytes, 0, error)) << error.Message();

    SViewDescriptor view;
    view.m_pictures = {pictures.data(), 2};
    view.m_skyPicture = 1;
    view.m_flags = SViewDescriptor::kSky;
    view.m_fogColour = kFog;
    view.m_viewWidth = 240;
    view.m_viewHeight = 200;
    view.m_farDistance = 7 * SRender::kUnitsPerCell;
    view.m_fogDistance = 5 * SRender::kUnitsPerCell;
    view.m_positionX = view.m_positionY = 10 << 16;
    STestSurface surface(240, 200, 0);
    auto render = std::make_unique<SRender>();
    render->SetView(&view);
    render->SetSurface(&surface.Target());

    std::vector<std::vector<uint16_t>> frames;
    for (int heading : {0, 15, 30, 120, 240}) {
        view.m_heading = heading << 16;
        render->RenderFrame();
        frames.push_back(surface.Pixels());
        EXPECT_TRUE(WriteShot("sky_heading_" + std::to_string(heading), frames.back(), 240, 200, 240));
    }
    EXPECT_NE(frames[0], frames[1]);
    EXPECT_NE(frames[1], frames[2]);
    EXPECT_EQ(frames[0], frames[3]);
    EXPECT_EQ(frames[0], frames[4]);
}

}  // namespace

}  // namespace sky_panorama_test
