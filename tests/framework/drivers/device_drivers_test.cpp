// Every video driver on the pretend device it belongs to: detection finds it, the display picks it,
// and a swap puts exactly the update rectangle into the pretend video memory.
#include <gtest/gtest.h>

#include "framework/display_impl.h"
#include "framework/drivers/video_detect.h"
#include "framework/hal_display.h"
#include "framework/surface.h"
#include "support/pretend_devices.h"

namespace device_drivers_test {

namespace {

using namespace pretend;
using Ids = std::vector<uint32_t>;

class DeviceDriverTest : public PretendDeviceTest {
protected:
    // Draws `pixel` into the part of the frame that `update` covers (all of it without one), and
    // presents that part.
    void drawAndPresent(HAL::Display& display, const platform::Rect* update, uint16_t (*pixel)(int32_t, int32_t)) {
        ASSERT_TRUE(display.BeginScene());
        HAL::Surface* surface = display.GetSurface();
        platform::Rect all{0, 0, surface->m_width, surface->m_height};
        const platform::Rect& r = update ? *update : all;
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x) surface->Row(y)[x] = pixel(x, y);
        display.m_impl->SetUpdateRect(update);
        ASSERT_TRUE(display.Swap(0));
    }
    static uint16_t pixelAt(int32_t x, int32_t y) { return uint16_t(y * 251 + x + 1); }
    static uint16_t background(int32_t, int32_t) { return 0x1234; }
};

// --- the whole path, device by device ---

struct PathCase : display_test::NamedCase {
    Memory& (*device)(PretendDeviceTest&);  // makes the device present; answers its video memory
    Ids ids;
};

class DriverPathTest : public DeviceDriverTest, public ::testing::WithParamInterface<PathCase> {
public:
    static Memory& Gapi(PretendDeviceTest& t) { return static_cast<DriverPathTest&>(t).GapiScreen(); }
    static Memory& Direct(PretendDeviceTest& t) { return static_cast<DriverPathTest&>(t).DirectScreen(); }
    static Memory& DirectWithDma(PretendDeviceTest& t) {
        DmaLibrary::Provide();
        return static_cast<DriverPathTest&>(t).DirectScreen();
    }
    static Memory& Vga(PretendDeviceTest& t) { return static_cast<DriverPathTest&>(t).VgaScreen(); }
    static Memory& StrongArm(PretendDeviceTest& t) {
        auto& self = static_cast<DriverPathTest&>(t);
        self.StrongArmLcd();
        return self.GapiScreen();
    }
    static Memory& XScale(PretendDeviceTest& t) {
        auto& self = static_cast<DriverPathTest&>(t);
        self.XScaleLcd();
        return self.GapiScreen();
    }
    static Memory& Chip(PretendDeviceTest& t) { return static_cast<DriverPathTest&>(t).ChipScreen(); }
    static Memory& SlowMemory(PretendDeviceTest& t) { return static_cast<DriverPathTest&>(t).MediaQScreen(); }
};

TEST_P(DriverPathTest, presentsTheUpdateRectangleIntoVideoMemory) {
    const PathCase& c = GetParam();
    Memory& memory = c.device(*this);
    HAL::DisplayParams params{int32_t(kWidth), int32_t(kHeight), 0, HAL::kSwapCopy};
    auto display = HAL::Display::Create(m_window, params);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(HAL::VideoDetect::Get(m_window).m_ids, c.ids);
    EXPECT_EQ(params.orientation, 0);

    drawAndPresent(*display, nullptr, background);
    const platform::Rect update{10, 20, 100, 200};
    drawAndPresent(*display, &update, pixelAt);

    int wrongInside = 0, wrongOutside = 0;
    for (int32_t y = 0; y < int32_t(kHeight); ++y)
        for (int32_t x = 0; x < int32_t(kWidth); ++x) {
            bool inside = x >= 10 && x < 100 && y >= 20 && y < 200;
            uint16_t pixel = memory.Pixel(kPitch, x, y);
            if (inside) wrongInside += pixel != pixelAt(x, y);
            if (!inside) wrongOutside += pixel != background(x, y);
        }
    EXPECT_EQ(wrongInside, 0);
    EXPECT_EQ(wrongOutside, 0);
}

INSTANTIATE_TEST_SUITE_P(Devices, DriverPathTest,
                         ::testing::Values(PathCase{{"displayLibrary"}, DriverPathTest::Gapi, {1, 4}},
                                           PathCase{{"directEscape"}, DriverPathTest::Direct, {1, 3}},
                                           PathCase{{"rawFrameBufferEscape"}, DriverPathTest::Vga, {1, 9}},
                                           PathCase{{"strongArmLcd"}, DriverPathTest::StrongArm, {1, 4, 5}},
                                           PathCase{{"xscaleLcd"}, DriverPathTest::XScale, {1, 4, 6}},
                                           PathCase{{"graphicsChip"}, DriverPathTest::Chip, {1, 7}},
                                           PathCase{{"slowVideoMemory"}, DriverPathTest::SlowMemory, {1, 4, 8}}),
                         CaseName());

// With the DMA library the game draws straight into the memory the DMA copies from.
TEST_F(DeviceDriverTest, theDmaCopiesTheUpdateRectangleInGroupsOfFourPixels) {
    DmaLibrary::Provide();
    DmaLibrary::busyPolls = 3;
    Memory& memory = DirectScreen();
    HAL::DisplayParams params{int32_t(kWidth), int32_t(kHeight), 0, HAL::kSwapCopy};
    auto display = HAL::Display::Create(m_window, params);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->m_impl->m_backBuffer, nullptr);
    const platform::Rect update{5, 3, 22, 40};
    drawAndPresent(*display, &update, pixelAt);
    EXPECT_EQ(DmaLibrary::busyPolls, 0) << "the scene waited for the last transfer";
    EXPECT_EQ(Calls(), std::vector<std::string>{"dma 4,3 20x37"});
    EXPECT_EQ(memory.Pixel(kPitch, 21, 39), pixelAt(21, 39));
}

// --- detection order over the pretend devices ---

enum Piece : unsigned {
    kGx = 1,
    kGxRefusing = 2,
    kDirect = 4,
    kVga = 8,
    kStrongArm = 16,
    kXScale = 32,
    kChip = 64,
    kSlow = 128,
};

struct OrderCase : display_test::NamedCase {
    int depth;
    unsigned pieces;
    Ids ids;
};

class DetectionOrderTest : public PretendDeviceTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(DetectionOrderTest, probesInOrderAndKeepsWhatWorks) {
    const OrderCase& c = GetParam();
    platform::headless::SetScreenDepth(c.depth);
    if (c.pieces & kSlow) MediaQScreen();
    if (c.pieces & kGx) GapiScreen();
    if (c.pieces & kGxRefusing) {
        GapiScreen();
        DisplayLibrary::opens = 0;
    }
    if (c.pieces & kDirect) DirectScreen();
    if (c.pieces & kVga) VgaScreen();
    if (c.pieces & kStrongArm) StrongArmLcd();
    if (c.pieces & kXScale) XScaleLcd();
    if (c.pieces & kChip) ChipScreen();
    HAL::VideoDetect detect(m_window);
    EXPECT_EQ(detect.m_ids, c.ids);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DetectionOrderTest,
    ::testing::Values(
        OrderCase{{"nothingButTheWindow"}, 16, 0, {1}}, OrderCase{{"noScreen"}, 0, kGx, {}},
        OrderCase{{"twelveBitScreenOnlyWindow"}, 12, kGx | kVga, {1}},
        OrderCase{{"gxRefusingSkipsDirect"}, 16, kGxRefusing | kDirect, {1}},
        OrderCase{{"directWithoutGx"}, 16, kDirect, {1, 3}}, OrderCase{{"gxBeforeDirect"}, 16, kGx | kDirect, {1, 4}},
        OrderCase{{"vgaEndsTheProbes"}, 16, kGx | kVga | kStrongArm | kChip, {1, 4, 9}},
        OrderCase{{"strongArmEnds"}, 16, kGx | kStrongArm | kChip, {1, 4, 5}},
        OrderCase{{"xscaleEnds"}, 16, kGx | kXScale | kChip, {1, 4, 6}},
        OrderCase{{"lcdWithoutFrameBufferStillFound"}, 16, kXScale, {1, 6}},
        OrderCase{{"chipEnds"}, 16, kGx | kChip, {1, 4, 7}}, OrderCase{{"slowMemoryLast"}, 16, kSlow, {1, 4, 8}}),
    CaseName());

TEST_F(PretendDeviceTest, anLcdOfTheOtherProcessorIsNotAsked) {
    XScaleLcd();
    platform::headless::SetProcessorId(kStrongArmId);
    HAL::VideoDetect detect(m_window);
    EXPECT_EQ(detect.m_ids, Ids{1});
}

// --- falling back ---

TEST_F(DeviceDriverTest, aDriverThatCannotStartFallsBackAndLeavesNothingBehind) {
    ChipScreen();
    ChipLibrary::allocates = 0;
    HAL::DisplayParams params{int32_t(kWidth), int32_t(kHeight), 0, HAL::kSwapCopy};
    auto display = HAL::Display::Create(m_window, params);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(HAL::VideoDetect::Get(m_window).m_ids, (Ids{1, 7}));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"chip attach", "chip detach", "chip attach", "chip surface 240x320",
                                                 "chip detach"}));
    drawAndPresent(*display, nullptr, pixelAt);
    EXPECT_EQ(platform::headless::Screen()[5], pixelAt(5, 0)) << "the window shows the frame";
}

TEST_F(DeviceDriverTest, anLcdWithoutFrameBufferFallsBackToTheWindow) {
    XScaleLcd();
    HAL::DisplayParams params{int32_t(kWidth), int32_t(kHeight), 0, HAL::kSwapCopy};
    auto display = HAL::Display::Create(m_window, params);
    ASSERT_NE(display, nullptr);
    drawAndPresent(*display, nullptr, pixelAt);
    EXPECT_EQ(platform::headless::PresentCount(), 1);
    EXPECT_EQ(platform::headless::PhysicalMappings(), 0u) << "the refused driver released its registers";
}

}  // namespace

}  // namespace device_drivers_test
