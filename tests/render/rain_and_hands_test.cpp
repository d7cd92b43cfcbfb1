// Rain and the sample first-person pictures drawn over a view, as a frame finishes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/base/random.h"
#include "engine/packages/resource_cache.h"
#include "render_fixture.h"
#include "support/png_writer.h"
#include "tools/sampledata/first_person_art.h"

namespace rain_and_hands_test {

namespace {

class RainAndHandsTest : public RenderTest {
protected:
    // The sample pictures in slots 1 to 5, in the order of kFirstPersonArts.
    void loadArt() {
        pictures.push_back(nullptr);
        for (SFirstPersonArt art : kFirstPersonArts) {
            auto entry = std::make_unique<SPictureEntry>();
            entry->record = std::make_unique<SPdbRecord>();
            entry->record->bytes = FirstPersonPicture(art);
            SReadError error;
            EXPECT_TRUE(entry->Bind(entry->record->bytes, 0, error)) << error.Message();
            pictures.push_back(std::move(entry));
        }
        view.m_pictures = {pictures.data(), uint32_t(pictures.size())};
    }

    std::vector<std::unique_ptr<SPictureEntry>> pictures;
};

// Every first-person picture has room around its shapes, which keyed drawing leaves out.
TEST_F(RainAndHandsTest, theSampleHandsAreKeyedPictures) {
    loadArt();
    for (size_t slot = 1; slot < pictures.size(); ++slot) {
        const SPicture& picture = pictures[slot]->picture;
        EXPECT_GT(picture.Width(), 0);
        int keyed = 0;
        for (uint32_t i = 0; i < uint32_t(picture.Width() * picture.Height()); ++i)
            keyed += picture.Colour(picture.Texels()[i]) == SPicture::kTransparent;
        EXPECT_GT(keyed, 0) << "slot " << slot;
        EXPECT_LT(keyed, picture.Width() * picture.Height()) << "slot " << slot;
    }
}

// The play screen's day rain over a grey view with a sword and a shield, from a seeded generator:
// the view's pixels hash to a fixed value. A change of the rain, the hands or the sample art
// changes it; look at the picture ($BRIMVALE_SHOTS) before taking a new value.
TEST_F(RainAndHandsTest, daylightRainWithASwordAndAShield) {
    useView(380, 320);
    loadArt();
    for (int y = 0; y < 320; ++y) {
        for (int x = 0; x < 380; ++x) *surface->Target().PixelAddress(x, y) = uint16_t((y / 10) * 0x0841);
    }
    ASSERT_TRUE(render->UpdateProjection());
    SRandom random;
    random.Seed(20);
    render->ResetRain(400, 0xA534, random);
    for (int frame = 0; frame < 5; ++frame) render->UpdateRain(40 * 65536 / 1000, random);
    view.m_fps.m_firstPicture = 2;  // the sword
    view.m_fps.m_firstWidthPercent = view.m_fps.m_firstHeightPercent = 100;
    view.m_fps.m_secondPicture = 3;  // the shield on the off hand
    view.m_fps.m_secondMirrored = 1;
    view.m_fps.m_secondWidthPercent = 100;
    view.m_fps.m_secondHeightPercent = 80;
    render->DrawRain(1);
    render->DrawFpsItem();
    render->DrawRain(0);
    const std::vector<uint16_t> pixels = surface->Pixels();
    WriteShot("rain_and_hands", pixels, 380, 320, 380);
    uint64_t hash = 14695981039346656037ull;
    for (uint16_t pixel : pixels) hash = (hash ^ pixel) * 1099511628211ull;
    EXPECT_EQ(hash, 10328466182735334591ull) << std::hex << hash;
}

}  // namespace

}  // namespace rain_and_hands_test
