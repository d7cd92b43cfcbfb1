// The drivers of the processors' LCD controllers, over pretend register blocks.
#include <gtest/gtest.h>

#include "framework/drivers/strongarm.h"
#include "framework/drivers/xscale.h"
#include "framework/hal_display.h"
#include "support/pretend_devices.h"

namespace lcd_drivers_test {

namespace {

using namespace pretend;
using display_test::NamedCase;

// --- what the registers say ---

struct StrongArmCase : NamedCase {
    uint32_t control, palette, widthRegister, heightRegister;
    bool found;
    uint32_t width, height, pitch;
};

class StrongArmProbeTest : public PretendDeviceTest, public ::testing::WithParamInterface<StrongArmCase> {};

TEST_P(StrongArmProbeTest, decodesTheRegisters) {
    const StrongArmCase& c = GetParam();
    auto& registers = StrongArmLcd();
    registers[0] = c.control;
    registers[8] = c.widthRegister;
    registers[9] = c.heightRegister;
    (*m_registers.back())[0] = c.palette;
    HAL::DeviceDesc device;
    ASSERT_EQ(HAL::StrongARM::Detect(device), c.found);
    EXPECT_EQ(platform::headless::PhysicalMappings(), 0u) << "the probe released what it mapped";
    if (!c.found) return;
    EXPECT_EQ(device.width, c.width);
    EXPECT_EQ(device.height, c.height);
    EXPECT_EQ(device.pitch, c.pitch);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StrongArmProbeTest,
    ::testing::Values(StrongArmCase{{"portrait"}, 0x81, 0x2000, 224, 319, true, 240, 320, 480},
                      StrongArmCase{{"widthRoundsToSixteen"}, 0x81, 0x2000, 0x400 | 226, 99, true, 242, 100, 512},
                      StrongArmCase{{"disabled"}, 0x80, 0x2000, 224, 319, false, 0, 0, 0},
                      StrongArmCase{{"passivePanel"}, 0x01, 0x2000, 224, 319, false, 0, 0, 0},
                      StrongArmCase{{"eightBits"}, 0x81, 0x1000, 224, 319, false, 0, 0, 0},
                      StrongArmCase{{"fourBits"}, 0x81, 0x0000, 224, 319, false, 0, 0, 0}),
    CaseName());

struct XScaleCase : NamedCase {
    uint32_t control, depthCode, widthRegister;
    bool found;
    uint32_t pitch;
};

class XScaleProbeTest : public PretendDeviceTest, public ::testing::WithParamInterface<XScaleCase> {};

TEST_P(XScaleProbeTest, decodesTheRegisters) {
    const XScaleCase& c = GetParam();
    auto& registers = XScaleLcd();
    registers[0] = c.control;
    registers[1] = c.widthRegister;
    registers[3] = c.depthCode << 24 | 0x00FF00FF;
    HAL::DeviceDesc device;
    ASSERT_EQ(HAL::XScale::Detect(device), c.found);
    if (!c.found) return;
    EXPECT_EQ(device.width, (c.widthRegister & 0x3FF) + 1);
    EXPECT_EQ(device.height, 320u);
    EXPECT_EQ(device.pitch, c.pitch);
}

INSTANTIATE_TEST_SUITE_P(Cases, XScaleProbeTest,
                         ::testing::Values(XScaleCase{{"activePanel"}, 0x81, 4, 239, true, 480},
                                           XScaleCase{{"activeRoundsToEight"}, 0x81, 4, 0x400 | 243, true, 496},
                                           XScaleCase{{"passiveRoundsToFour"}, 0x01, 4, 243, true, 488},
                                           XScaleCase{{"doublePixelMonochromeRoundsToEight"}, 0x203, 4, 243, true, 496},
                                           XScaleCase{{"disabled"}, 0x80, 4, 239, false, 0},
                                           XScaleCase{{"eightBits"}, 0x81, 3, 239, false, 0},
                                           XScaleCase{{"unknownDepth"}, 0x81, 5, 239, false, 0}),
                         CaseName());

// --- the vertical blank ---

TEST_F(PretendDeviceTest, strongArmWaitsUntilTheDmaReachesTheRowsBelowTheFrame) {
    auto& registers = StrongArmLcd();
    GapiScreen();
    auto driver = std::make_unique<HAL::StrongARM>();
    HAL::DeviceDesc device{kWidth, kHeight, 16, kPitch, 0, 0, GapiScreen().Data()};
    ASSERT_TRUE(driver->Initialize(m_window, {}, device));
    // The DMA walks the frame row by row, one row per read.
    const uint32_t frame = registers[4] + 32;
    uint32_t row = 0, reads = 0;
    platform::headless::SetRegisterReadHook([&](const void*, uint32_t offset) {
        if (offset != 0x14) return;
        registers[5] = frame + row++ * kPitch;
        ++reads;
    });
    driver->WaitVBlank();
    EXPECT_EQ(row, kHeight - 34 + 1) << "the wait ended on the first row of the window";
    EXPECT_EQ(reads, kHeight - 34 + 1);
}

TEST_F(PretendDeviceTest, xscaleWaitsForTheLastRowsOfAFrame) {
    auto& registers = XScaleLcd();
    auto driver = std::make_unique<HAL::XScale>();
    HAL::DeviceDesc device{kWidth, kHeight, 16, kPitch, 0, 0, GapiScreen().Data()};
    ASSERT_TRUE(driver->Initialize(m_window, {}, device));
    // The remaining length counts down a row per read; the end-of-frame bit stays set down to 31 rows.
    uint32_t remaining = kHeight;
    platform::headless::SetRegisterReadHook([&](const void*, uint32_t offset) {
        if (offset != 0x20C) return;
        --remaining;
        registers[0x20C / 4] = remaining * kPitch | (remaining > 30 ? 1u << 26 : 0);
    });
    driver->WaitVBlank();
    EXPECT_EQ(remaining, 30u) << "the first read within 20 to 34 rows without the end-of-frame bit";
}

TEST_F(PretendDeviceTest, aStoppedControllerDoesNotHangTheWait) {
    StrongArmLcd();
    auto driver = std::make_unique<HAL::StrongARM>();
    HAL::DeviceDesc device{kWidth, kHeight, 16, kPitch, 0, 0, GapiScreen().Data()};
    ASSERT_TRUE(driver->Initialize(m_window, {}, device));
    driver->WaitVBlank();  // the DMA address stays 0
    SUCCEED();
}

// --- where the frame is ---

TEST_F(PretendDeviceTest, theIpaqDrawsTurnedIntoItsFixedFrameBufferThroughTheCachedView) {
    StrongArmLcd();
    platform::headless::SetOemInfo("Compaq iPAQ H3800");
    Memory& uncached = NewScreenMemory();
    Memory& cached = NewScreenMemory();
    platform::headless::ProvideKernelMemory(0xAC050020, uncached.Data(), uncached.Size());
    platform::headless::ProvideKernelMemory(0x8C050020, cached.Data(), cached.Size());
    HAL::DeviceDesc device{kWidth, kHeight, 16, kPitch, 0, 0, nullptr};
    HAL::StrongARM driver;
    ASSERT_TRUE(driver.Initialize(m_window, {}, device));
    EXPECT_EQ(driver.m_device.orientation, 3u);
    EXPECT_EQ(driver.BeginScene()->m_pixels, reinterpret_cast<uint16_t*>(cached.Data()));
    EXPECT_EQ(driver.m_device.swapEffect, 0u) << "the display copies after the vertical blank";
}

}  // namespace

}  // namespace lcd_drivers_test
