// The blit benchmarks' set-ups write what they claim: an opaque blit every pixel of the screen, a
// keyed one every pixel but the key colour's, and a first draw the same as any later one.
#include "bench/setups/screen_pictures.h"

#include <gtest/gtest.h>

#include "support/written_pixels.h"

namespace screen_pictures_test {

namespace {

using namespace screen_pictures;

size_t ShownPixels(const SPictureEntry& picture) {
    picture.decoded.Update(picture.picture, SColourSource::OwnTable);
    const std::span<const uint16_t> keyed = picture.decoded.Keyed();
    return size_t(std::count_if(keyed.begin(), keyed.end(), [](uint16_t c) { return c != SPicture::kTransparent; }));
}

TEST(ScreenPictureBenchSetupsTest, blitsWriteEveryPixelTheyShow) {
    for (int format = 0; format <= 2; ++format) {
        for (Keys keys : {Keys::Scattered, Keys::Sprite}) {
            ScreenDisplay screen;
            const ScreenPicture picture(format, keys);
            const SPictureEntry& entry = picture.Entry();
            const size_t shown = ShownPixels(entry);
            SCOPED_TRACE("format " + std::to_string(format) + (keys == Keys::Sprite ? " sprite" : " scattered"));
            EXPECT_GT(shown, screen.pixels.size() / 2);
            EXPECT_LT(shown, screen.pixels.size());
            EXPECT_EQ(CountWrittenPixels(screen.pixels, [&] { screen.display.BlitOpaque(entry, 0, 0); }),
                      screen.pixels.size());
            EXPECT_EQ(CountWrittenPixels(screen.pixels, [&] { screen.display.BlitKeyed(entry, 0, 0); }), shown);
            EXPECT_EQ(CountWrittenPixels(screen.pixels, [&] { FirstDraw(screen.display, entry, false); }),
                      screen.pixels.size());
            EXPECT_EQ(CountWrittenPixels(screen.pixels, [&] { FirstDraw(screen.display, entry, true); }), shown);
        }
    }
}

}  // namespace

}  // namespace screen_pictures_test
