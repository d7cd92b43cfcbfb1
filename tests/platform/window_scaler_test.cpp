// The device screen in a desktop window of any size: enlarged by a whole factor and centred where it
// fits, shrunk whole where it does not, and only the window's part for a changed area redrawn.
#include "platform/shared/window_scaler.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace window_scaler_test {

namespace {

using platform::Rect;
using platform::WindowPixels;
using platform::WindowScaler;

struct FitCase {
    const char* name;
    int screenWidth, screenHeight, windowWidth, windowHeight;
    Rect area;
};

TEST(WindowScalerTest, fitsTheLargestWholeFactorCentredOrShrinksToFit) {
    const FitCase cases[] = {
        {"exactly the screen", 480, 640, 480, 640, {0, 0, 480, 640}},
        {"one factor with room to spare", 480, 640, 1280, 1024, {400, 192, 880, 832}},
        {"three times, narrow window", 240, 320, 800, 1000, {40, 20, 760, 980}},
        {"twice, the height decides", 320, 240, 1000, 500, {180, 10, 820, 490}},
        {"shrunk, the width decides", 480, 640, 240, 640, {0, 160, 240, 480}},
        {"shrunk, the height decides", 480, 640, 480, 320, {120, 0, 360, 320}},
    };
    for (const FitCase& c : cases) {
        WindowScaler scaler;
        scaler.Fit(c.screenWidth, c.screenHeight, c.windowWidth, c.windowHeight);
        const Rect& area = scaler.Area();
        EXPECT_EQ(area.left, c.area.left) << c.name;
        EXPECT_EQ(area.top, c.area.top) << c.name;
        EXPECT_EQ(area.right, c.area.right) << c.name;
        EXPECT_EQ(area.bottom, c.area.bottom) << c.name;
    }
}

TEST(WindowScalerTest, windowPointsFallOnTheScreenPixelShownThereAndOutsidePointsOnTheEdge) {
    WindowScaler scaler;
    scaler.Fit(240, 320, 800, 1000);  // three times, from (40, 20)
    const struct {
        int windowX, windowY, screenX, screenY;
    } cases[] = {{40, 20, 0, 0}, {42, 22, 0, 0},       {43, 23, 1, 1},   {759, 979, 239, 319},
                 {0, 0, 0, 0},   {799, 999, 239, 319}, {38, 500, 0, 160}};
    for (const auto& c : cases) {
        int x = -1, y = -1;
        scaler.ScreenPoint(c.windowX, c.windowY, x, y);
        EXPECT_EQ(x, c.screenX) << c.windowX << "," << c.windowY;
        EXPECT_EQ(y, c.screenY) << c.windowX << "," << c.windowY;
    }
}

// Window pixels of 2, 3 or 4 bytes, first all 0xEE; the colour table adds 0x100 to each screen pixel.
struct Window {
    int width, height, bytesPerPixel;
    std::vector<uint8_t> bytes = std::vector<uint8_t>(size_t(width * height * bytesPerPixel), 0xEE);

    Rect Draw(int screenWidth, int screenHeight, const uint16_t* screen, const Rect& update) {
        std::vector<uint32_t> colours(0x10000);
        std::iota(colours.begin(), colours.end(), 0x100u);
        WindowScaler scaler;
        scaler.Fit(screenWidth, screenHeight, width, height);
        const WindowPixels pixels{bytes.data(), width * bytesPerPixel, bytesPerPixel, width, height};
        return scaler.Draw(screen, screenWidth * 2, update, colours.data(), pixels);
    }
    uint32_t At(int x, int y) const {
        uint32_t value = 0;
        for (int b = bytesPerPixel - 1; b >= 0; --b)
            value = value << 8 | bytes[size_t((y * width + x) * bytesPerPixel + b)];
        return value;
    }
    uint32_t Blank() const { return uint32_t(0xEEEEEEEEull >> (32 - 8 * bytesPerPixel)); }
};

void ExpectRect(const Rect& rect, const Rect& want) {
    EXPECT_EQ(rect.left, want.left);
    EXPECT_EQ(rect.top, want.top);
    EXPECT_EQ(rect.right, want.right);
    EXPECT_EQ(rect.bottom, want.bottom);
}

// A 3x2 screen whose pixel at (x, y) is 10 * y + x.
const uint16_t kScreen[] = {0, 1, 2, 10, 11, 12};

TEST(WindowScalerTest, enlargedPixelsRepeatAcrossAndDownInEveryDepth) {
    for (int depth : {2, 3, 4}) {
        Window window{8, 6, depth};
        ExpectRect(window.Draw(3, 2, kScreen, {0, 0, 3, 2}), {1, 1, 7, 5});
        for (int y = 0; y < window.height; ++y)
            for (int x = 0; x < window.width; ++x) {
                const bool inside = x >= 1 && x < 7 && y >= 1 && y < 5;
                const uint32_t want = inside ? 0x100u + kScreen[(y - 1) / 2 * 3 + (x - 1) / 2] : window.Blank();
                EXPECT_EQ(window.At(x, y), want) << "depth " << depth << " at " << x << "," << y;
            }
    }
}

TEST(WindowScalerTest, aChangedAreaRedrawsOnlyTheWindowPixelsShowingIt) {
    Window window{6, 4, 4};
    ExpectRect(window.Draw(3, 2, kScreen, {1, 1, 2, 2}), {2, 2, 4, 4});
    for (int y = 0; y < window.height; ++y)
        for (int x = 0; x < window.width; ++x) {
            const bool inside = x >= 2 && x < 4 && y >= 2;
            EXPECT_EQ(window.At(x, y), inside ? 0x100u + 11 : window.Blank()) << x << "," << y;
        }
}

TEST(WindowScalerTest, aShrunkScreenShowsEveryOtherPixel) {
    const uint16_t screen[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    Window window{2, 2, 4};
    window.Draw(4, 4, screen, {0, 0, 4, 4});
    EXPECT_EQ(window.At(0, 0), 0x100u + 1);
    EXPECT_EQ(window.At(1, 0), 0x100u + 3);
    EXPECT_EQ(window.At(0, 1), 0x100u + 9);
    EXPECT_EQ(window.At(1, 1), 0x100u + 11);
}

}  // namespace

}  // namespace window_scaler_test
