// The drivers over the display library, the display driver's escapes and the graphics chips.
#include <gtest/gtest.h>

#include "framework/device/device_model.h"
#include "framework/drivers/driver_direct.h"
#include "framework/drivers/driver_vga.h"
#include "framework/drivers/gapi.h"
#include "framework/drivers/imageon100.h"
#include "framework/drivers/mediaq.h"
#include "framework/drivers/slow_fb.h"
#include "framework/hal_display.h"
#include "framework/rotation/rotation_driver.h"
#include "support/pretend_devices.h"

namespace library_drivers_test {

namespace {

using namespace pretend;
using display_test::NamedCase;
using Lines = std::vector<std::string>;

// --- the display library ---

struct ViewportCase : NamedCase {
    int32_t xPitch, yPitch;
    std::string viewport;  // for the rectangle 8, 16, 40, 100 of the memory's own layout
};

class GapiViewportTest : public PretendDeviceTest, public ::testing::WithParamInterface<ViewportCase> {};

TEST_P(GapiViewportTest, turnsTheUpdateRectangleIntoRowsOfTheUprightScreen) {
    const ViewportCase& c = GetParam();
    Memory& memory = GapiScreen();
    DisplayLibrary::properties = {kWidth, kHeight, c.xPitch, c.yPitch, 16, 0};
    DisplayLibrary::dramBuffer = 1;
    HAL::GAPI driver;
    ASSERT_TRUE(driver.Initialize(m_window, {}, {kWidth, kHeight, 16, 0, 4, 0, nullptr}));
    EXPECT_EQ(driver.m_device.swapEffect, 2u);
    Calls().clear();
    driver.SetUpdateRect({8, 16, 40, 100});
    EXPECT_EQ(Calls(), Lines{"gx viewport " + c.viewport});
    // The library hands out the upright top-left pixel; the scene starts at the memory's first.
    const ptrdiff_t toUpright = (c.xPitch < 0 ? -c.xPitch * ptrdiff_t(kWidth - 1) : 0) +
                                (c.yPitch < 0 ? -c.yPitch * ptrdiff_t(kHeight - 1) : 0);
    DisplayLibrary::upright = memory.Data() + toUpright;
    EXPECT_EQ(reinterpret_cast<uint8_t*>(driver.BeginScene()->m_pixels), memory.Data());
}

INSTANTIATE_TEST_SUITE_P(Cases, GapiViewportTest,
                         ::testing::Values(ViewportCase{{"upright"}, 2, 480, "16 84"},
                                           ViewportCase{{"quarterTurn"}, 640, -2, "280 32"},
                                           ViewportCase{{"halfTurn"}, -2, -480, "220 84"},
                                           ViewportCase{{"threeQuarterTurn"}, -640, 2, "8 32"}),
                         CaseName());

TEST_F(PretendDeviceTest, gapiBeginsAndEndsEachSceneAndFollowsActivation) {
    Memory& memory = GapiScreen();
    {
        HAL::GAPI driver;
        ASSERT_TRUE(driver.Initialize(m_window, {}, {kWidth, kHeight, 16, 0, 4, 0, nullptr}));
        EXPECT_EQ(driver.m_device.swapEffect, 0u) << "without memory of its own the display adds a back buffer";
        EXPECT_EQ(reinterpret_cast<uint8_t*>(driver.BeginScene()->m_pixels), memory.Data());
        driver.Present(0);
        driver.Suspend();
        driver.Resume();
        driver.SetUpdateRect({0, 0, 10, 10});
    }
    EXPECT_EQ(Calls(), (Lines{"gx open 1", "gx begin", "gx end", "gx suspend", "gx resume", "gx close"}));
}

TEST_F(PretendDeviceTest, onModelsWithoutDramBufferGapiDrawsIntoTheProbedFrameBuffer) {
    Memory& memory = GapiScreen();
    DisplayLibrary::dramBuffer = 1;
    platform::headless::SetOemInfo("Typhoon");
    HAL::DeviceDesc device{kWidth, kHeight, 16, 0, 4, 0, nullptr};
    bool missing = true;
    ASSERT_TRUE(HAL::GAPI::Detect(m_window, device, missing));
    EXPECT_FALSE(missing);
    EXPECT_EQ(device.frameBuffer, memory.Data());
    EXPECT_EQ(device.swapEffect, 0u);
    Calls().clear();
    HAL::GAPI driver;
    ASSERT_TRUE(driver.Initialize(m_window, {}, device));
    EXPECT_EQ(reinterpret_cast<uint8_t*>(driver.BeginScene()->m_pixels), memory.Data());
    driver.Present(0);
    EXPECT_EQ(Calls(), Lines{"gx open 1"}) << "no begin or end";
}

struct GapiRefusalCase : NamedCase {
    const char* missingEntry;
    uint32_t width, height;
};

class GapiRefusalTest : public PretendDeviceTest, public ::testing::WithParamInterface<GapiRefusalCase> {};

TEST_P(GapiRefusalTest, leavesTheDescriptionAsItWas) {
    DisplayLibrary::upright = NewScreenMemory().Data();
    DisplayLibrary::properties = {GetParam().width, GetParam().height, 2, int32_t(kPitch), 16, 0};
    DisplayLibrary::Provide(GetParam().missingEntry);
    HAL::DeviceDesc device{kWidth, kHeight, 16, 0, 4, 0, nullptr};
    bool missing = true;
    EXPECT_FALSE(HAL::GAPI::Detect(m_window, device, missing));
    EXPECT_FALSE(missing) << "the library itself is there";
    EXPECT_EQ(device.pitch, 0u);
    EXPECT_EQ(device.frameBuffer, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, GapiRefusalTest,
                         ::testing::Values(GapiRefusalCase{{"screenOfAnotherSize"}, "", 240, 240},
                                           GapiRefusalCase{{"missingEntryPoint"}, "GXSetViewport", 240, 320}),
                         CaseName());

// --- the display driver's escapes ---

TEST_F(PretendDeviceTest, aLandscapeDirectFrameBufferIsTurnedAQuarter) {
    Memory& memory = NewScreenMemory();
    platform::headless::SetDirectFrameBuffer({100, memory.Data(), 640, kWidth, kHeight, 1u << 3});
    HAL::DeviceDesc device{kWidth, kHeight, 16, 0, 4, 0, nullptr};
    ASSERT_TRUE(HAL::DriverDirect::Detect(device));
    EXPECT_EQ(device.width, kHeight);
    EXPECT_EQ(device.height, kWidth);
    EXPECT_EQ(device.pitch, 640u);
    EXPECT_EQ(device.orientation, 1u);
}

struct DirectRefusalCase : NamedCase {
    int32_t version, stride;
};

class DirectRefusalTest : public PretendDeviceTest, public ::testing::WithParamInterface<DirectRefusalCase> {};

TEST_P(DirectRefusalTest, findsNoScreen) {
    Memory& memory = NewScreenMemory();
    platform::headless::SetDirectFrameBuffer(
        {GetParam().version, memory.Data(), GetParam().stride, kWidth, kHeight, 0});
    HAL::DeviceDesc device{kWidth, kHeight, 16, 0, 4, 0, nullptr};
    EXPECT_FALSE(HAL::DriverDirect::Detect(device));
    EXPECT_EQ(device.frameBuffer, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, DirectRefusalTest,
                         ::testing::Values(DirectRefusalCase{{"otherVersion"}, 99, 480},
                                           DirectRefusalCase{{"rowsShorterThanTheScreen"}, 100, 478}),
                         CaseName());

TEST_F(PretendDeviceTest, modelsWithoutDmaDrawDirectThroughABackBuffer) {
    DmaLibrary::Provide();
    DirectScreen();
    platform::headless::SetOemInfo("Compale P6C");
    HAL::DriverDirect driver;
    ASSERT_TRUE(driver.Initialize(m_window, {}, {kWidth, kHeight, 16, 0, 4, 0, nullptr}));
    EXPECT_EQ(driver.m_device.swapEffect, 0u);
    driver.Present(0);
    EXPECT_TRUE(Calls().empty());
}

struct VgaCase : NamedCase {
    const char* oemInfo;
    uint16_t format;
    int32_t width;
    bool found;
    uint32_t orientation;
};

class VgaProbeTest : public PretendDeviceTest, public ::testing::WithParamInterface<VgaCase> {};

TEST_P(VgaProbeTest, takesOnlyARgb565ScreenOfTheScreensSize) {
    const VgaCase& c = GetParam();
    platform::headless::SetOemInfo(c.oemInfo);
    Memory& memory = NewScreenMemory();
    platform::headless::SetRawFrameBuffer({c.format, 16, memory.Data(), 2, int32_t(kPitch), c.width, int32_t(kHeight)});
    HAL::DeviceDesc device{kWidth, kHeight, 16, 0, 4, 0, nullptr};
    ASSERT_EQ(HAL::DriverVGA::Detect(device), c.found);
    if (c.found) {
        EXPECT_EQ(device.orientation, c.orientation);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VgaProbeTest,
    ::testing::Values(VgaCase{{"rgb565"}, "", 1, 240, true, 0}, VgaCase{{"motoQIsTurned"}, "MotoQ", 1, 240, true, 3},
                      VgaCase{{"otherFormat"}, "", 2, 240, false, 0}, VgaCase{{"otherSize"}, "", 1, 320, false, 0},
                      VgaCase{{"noWidth"}, "", 1, 0, false, 0}),
    CaseName());

// --- the graphics chip ---

TEST_F(PretendDeviceTest, theChipsSurfaceIsOpenOnlyDuringAScene) {
    Memory& memory = ChipScreen();
    ChipLibrary::busyWaits = 40;
    {
        HAL::Imageon100 driver;
        ASSERT_TRUE(driver.Initialize(m_window, {}, {kWidth, kHeight, 16, 0, 0, 0, nullptr}));
        EXPECT_EQ(driver.m_device.swapEffect, 0u);
        Calls().clear();
        EXPECT_EQ(reinterpret_cast<uint8_t*>(driver.BeginScene()->m_pixels), memory.Data());
        EXPECT_EQ(ChipLibrary::busyWaits, 8) << "the scene waits 32 times at most";
        Calls().clear();
        driver.Present(0);
        driver.Suspend();
        driver.Resume();
        ChipLibrary::busyWaits = 0;
        driver.BeginScene();
    }
    EXPECT_EQ(Calls(), (Lines{"chip end transfer", "chip off", "chip on", "chip wait", "chip transfer",
                              "chip end transfer", "chip release 3", "chip destroy 7", "chip detach"}));
}

TEST_F(PretendDeviceTest, theChipIsLookedForOnlyOnTheModelsThatHaveIt) {
    ChipScreen();
    platform::headless::SetOemInfo("Toshiba e330");
    EXPECT_FALSE(HAL::Imageon100::Detect({}));
    EXPECT_TRUE(Calls().empty());
}

// --- slow video memory ---

struct MediaQCase : NamedCase {
    size_t windowOffset;
    uint32_t millisecondsPerReading;
    uint32_t height;
    bool found;
};

class MediaQProbeTest : public PretendDeviceTest, public ::testing::WithParamInterface<MediaQCase> {};

TEST_P(MediaQProbeTest, findsSlowMemoryInTheChipsWindow) {
    const MediaQCase& c = GetParam();
    Memory& memory = NewMemory(kPitch * c.height, c.windowOffset);
    platform::headless::SetTimePerClockReading(c.millisecondsPerReading);
    HAL::DeviceDesc device{kWidth, c.height, 16, kPitch, 0, 0, memory.Data()};
    EXPECT_EQ(HAL::MediaQ::Detect(device), c.found);
}

INSTANTIATE_TEST_SUITE_P(Cases, MediaQProbeTest,
                         ::testing::Values(MediaQCase{{"slow"}, 0x42000, 15, 320, true},
                                           MediaQCase{{"fastMemory"}, 0x42000, 14, 320, false},
                                           MediaQCase{{"belowTheChipsFrames"}, 0x41FFE, 15, 320, false},
                                           MediaQCase{{"largerThanTheChipsMemory"}, 0x42000, 15, 547, false},
                                           MediaQCase{{"aClockThatNeverMoves"}, 0x42000, 0, 320, false}),
                         CaseName());

class SlowFBTest : public PretendDeviceTest {
protected:
    void SetUp() override {
        PretendDeviceTest::SetUp();
        m_memory = &NewScreenMemory(0x42000);
        m_driver = std::make_unique<HAL::SlowFB>(std::make_unique<HAL::MediaQ>());
    }
    bool start(int32_t orientation, int32_t swapEffect) {
        HAL::DeviceDesc device{kWidth, kHeight, 16, kPitch, 0, 0, m_memory->Data()};
        return m_driver->Initialize(m_window, {int32_t(kWidth), int32_t(kHeight), orientation, swapEffect}, device);
    }
    // Fills a rectangle of the game's copy and presents it.
    void frame(const platform::Rect& rect, uint16_t pixel, uint32_t flags = 0) {
        HAL::Surface* surface = m_driver->BeginScene();
        for (int32_t y = rect.top; y < rect.bottom; ++y)
            for (int32_t x = rect.left; x < rect.right; ++x) surface->Row(y)[x] = pixel;
        m_driver->SetUpdateRect(rect);
        m_driver->Present(flags);
    }
    uint16_t shown(int x, int y) const { return m_memory->Pixel(kPitch, x, y); }
    // Marks video memory where the driver must not write again.
    void mark(int x, int y) const { std::memset(m_memory->Data() + size_t(y) * kPitch + size_t(x) * 2, 0x77, 2); }

    Memory* m_memory = nullptr;
    std::unique_ptr<HAL::SlowFB> m_driver;
};

TEST_F(SlowFBTest, grantsACopyingSurfaceOnlyUpright) {
    ASSERT_TRUE(start(0, HAL::kSwapCopy));
    EXPECT_EQ(m_driver->m_device.swapEffect, uint32_t(HAL::kSwapCopy));
    m_driver = std::make_unique<HAL::SlowFB>(std::make_unique<HAL::MediaQ>());
    ASSERT_TRUE(start(1, HAL::kSwapCopy));
    EXPECT_EQ(m_driver->m_device.swapEffect, uint32_t(HAL::kSwapDiscard));
}

TEST_F(SlowFBTest, writesOnlyTheWordsThatChangedWithinTheRowsOfTheUpdate) {
    ASSERT_TRUE(start(0, HAL::kSwapCopy));
    frame({0, 0, int32_t(kWidth), int32_t(kHeight)}, 0x1111);  // the first present writes everything
    EXPECT_EQ(shown(239, 319), 0x1111);
    mark(0, 10);    // unchanged word in a row of the update
    mark(100, 50);  // a row outside the update
    frame({20, 10, 30, 12}, 0x2222);
    EXPECT_EQ(shown(20, 10), 0x2222);
    EXPECT_EQ(shown(29, 11), 0x2222);
    EXPECT_EQ(shown(0, 10), 0x7777) << "an unchanged word was written";
    EXPECT_EQ(shown(100, 50), 0x7777);

    m_driver->Invalidate();
    frame({20, 10, 30, 12}, 0x2222);
    EXPECT_EQ(shown(0, 10), 0x1111) << "after an invalidation everything is written once";
    EXPECT_EQ(shown(100, 50), 0x1111);
    mark(100, 50);
    frame({20, 10, 30, 12}, 0x2222, HAL::kPresentEverything);
    EXPECT_EQ(shown(100, 50), 0x1111);
}

// A game that draws only what changed keeps its picture from frame to frame in its copy.
TEST_F(SlowFBTest, partialFramesAddUpToTheWholePicture) {
    ASSERT_TRUE(start(0, HAL::kSwapCopy));
    frame({0, 0, int32_t(kWidth), int32_t(kHeight)}, 0x1111);
    frame({0, 0, 10, 10}, 0x2222);
    frame({50, 50, 60, 60}, 0x3333);
    frame({100, 100, 110, 110}, 0x4444);
    HAL::Surface* copy = m_driver->BeginScene();
    EXPECT_EQ(copy->Row(0)[0], 0x2222);
    EXPECT_EQ(copy->Row(50)[50], 0x3333);
    EXPECT_EQ(shown(0, 0), 0x2222);
    EXPECT_EQ(shown(50, 50), 0x3333);
    EXPECT_EQ(shown(100, 100), 0x4444);
}

TEST_F(SlowFBTest, aScreenThatDoesNotSuitCopiesIsTheChipsOwn) {
    m_memory = &NewMemory(kPitch * 3 + 32, 0x42000);
    HAL::DeviceDesc device{kWidth, 3, 16, kPitch, 0, 0, m_memory->Data()};
    ASSERT_TRUE(m_driver->Initialize(m_window, {int32_t(kWidth), 3, 0, HAL::kSwapCopy}, device));
    EXPECT_EQ(reinterpret_cast<uint8_t*>(m_driver->BeginScene()->m_pixels), m_memory->Data());
    EXPECT_EQ(m_driver->m_device.swapEffect, 0u);
}

// --- the rotation kernels follow the processor ---

TEST_F(PretendDeviceTest, rotationUsesTheKernelsOfTheProcessor) {
    platform::headless::SetProcessorId(kXScaleId);
    HAL::RotationDriver driver(std::make_unique<display_test::FakeVideoDriver>(display_test::Screen(kWidth, kHeight)));
    ASSERT_TRUE(
        driver.Initialize(m_window, {int32_t(kHeight), int32_t(kWidth), 1, 2}, display_test::Screen(kWidth, kHeight)));
    EXPECT_EQ(driver.m_kernel, HAL::TileKernelFor(3, HAL::kCpuXScale));
}

}  // namespace

}  // namespace library_drivers_test
