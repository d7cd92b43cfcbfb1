#include "framework/device/device_model.h"

#include <gtest/gtest.h>

#include "framework/drivers/frame_buffer.h"
#include "platform/hardware.h"
#include "support/display_fixture.h"

namespace device_model_test {

namespace {

using display_test::NamedCase;

class IdentityTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        HAL::ForgetDeviceIdentity();
    }
    void TearDown() override {
        HAL::ForgetDeviceIdentity();
        HeadlessTest::TearDown();
    }
};

// --- the model, by the OEM's name ---

struct ModelCase : NamedCase {
    const char* oemInfo;
    int model;
};

class DeviceModelTest : public IdentityTest, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(DeviceModelTest, comesFromTheStartOfTheOemName) {
    platform::headless::SetOemInfo(GetParam().oemInfo);
    EXPECT_EQ(HAL::GetDeviceModel(), GetParam().model);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceModelTest,
    ::testing::Values(ModelCase{{"ipaq"}, "Compaq iPAQ H3800", 1},
                      ModelCase{{"anyCaseWithMoreAfter"}, "COMPALE p6c rev B", 2},
                      ModelCase{{"typhoon"}, "Typhoon MyGuide", 3}, ModelCase{{"e310"}, "Toshiba e310", 4},
                      ModelCase{{"e330"}, "toshiba E330", 5}, ModelCase{{"e740"}, "Toshiba e740", 6},
                      ModelCase{{"e750"}, "Toshiba e750", 7}, ModelCase{{"motoQ"}, "MotoQ 9h", 8},
                      ModelCase{{"nameInTheMiddleIsNoMatch"}, "The Toshiba e740", 0},
                      ModelCase{{"shorterThanTheName"}, "Toshiba e7", 0}, ModelCase{{"noName"}, "", 0}),
    CaseName());

TEST_F(IdentityTest, theModelIsReadOnce) {
    platform::headless::SetOemInfo("MotoQ");
    EXPECT_EQ(HAL::GetDeviceModel(), HAL::kModelMotoQ);
    platform::headless::SetOemInfo("Typhoon");
    EXPECT_EQ(HAL::GetDeviceModel(), HAL::kModelMotoQ);
}

// --- the processor ---

struct CpuCase : NamedCase {
    bool readable;
    uint32_t id;
    int cpu;
};

class CpuTypeTest : public IdentityTest, public ::testing::WithParamInterface<CpuCase> {};

TEST_P(CpuTypeTest, comesFromTheIdentificationWord) {
    if (GetParam().readable) platform::headless::SetProcessorId(GetParam().id);
    EXPECT_EQ(HAL::GetCpuType(), GetParam().cpu);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CpuTypeTest,
    ::testing::Values(CpuCase{{"xscale"}, true, 0x69052D06, 2}, CpuCase{{"xscaleAnyRevision"}, true, 0x69052FFF, 2},
                      CpuCase{{"otherXScaleCore"}, true, 0x69054117, 0}, CpuCase{{"strongArm"}, true, 0x6901B119, 1},
                      CpuCase{{"strongArmAnyLowHalf"}, true, 0x69010000, 1}, CpuCase{{"otherArm"}, true, 0x41129200, 0},
                      CpuCase{{"readFaults"}, false, 0, 0}),
    CaseName());

// --- the layout of screen memory from its pixel steps ---

struct LayoutCase : NamedCase {
    int32_t xPitch, yPitch;
    HAL::FrameLayout layout;
};

class FrameLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

// A 240x320 upright screen in memory laid out four ways; every upright pixel must land inside the
// memory that starts at the offset.
TEST_P(FrameLayoutTest, findsTheMemoryUnderEveryUprightPixel) {
    const LayoutCase& c = GetParam();
    HAL::FrameLayout layout = HAL::LayoutFromPitches(240, 320, c.xPitch, c.yPitch);
    EXPECT_EQ(layout.orientation, c.layout.orientation);
    EXPECT_EQ(layout.width, c.layout.width);
    EXPECT_EQ(layout.height, c.layout.height);
    EXPECT_EQ(layout.pitch, c.layout.pitch);
    EXPECT_EQ(layout.offset, c.layout.offset);
    const ptrdiff_t size = ptrdiff_t(layout.pitch) * layout.height;
    for (int32_t y : {0, 319})
        for (int32_t x : {0, 239}) {
            ptrdiff_t at = ptrdiff_t(x) * c.xPitch + ptrdiff_t(y) * c.yPitch - layout.offset;
            EXPECT_TRUE(at >= 0 && at < size) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameLayoutTest,
                         ::testing::Values(LayoutCase{{"upright"}, 2, 480, {240, 320, 480, 0, 0}},
                                           LayoutCase{{"quarterTurn"}, 640, -2, {320, 240, 640, 1, -638}},
                                           LayoutCase{{"halfTurn"}, -2, -480, {240, 320, 480, 2, -153598}},
                                           LayoutCase{{"threeQuarterTurn"}, -640, 2, {320, 240, 640, 3, -152960}}),
                         CaseName());

// --- the faster view of the kernel's memory ---

class CachedViewTest : public HeadlessTest {
protected:
    std::vector<uint8_t> m_uncached = std::vector<uint8_t>(64, 9), m_cached = std::vector<uint8_t>(64, 9);
};

TEST_F(CachedViewTest, theViewWithoutBit29IsUsedWhenItHoldsTheSameBytes) {
    platform::headless::ProvideKernelMemory(0xAC050020, m_uncached.data(), 64);
    platform::headless::ProvideKernelMemory(0x8C050020, m_cached.data(), 64);
    EXPECT_EQ(HAL::PreferCachedView(m_uncached.data(), 64), m_cached.data());
    m_cached[63] = 1;
    EXPECT_EQ(HAL::PreferCachedView(m_uncached.data(), 64), m_uncached.data()) << "other memory";
}

TEST_F(CachedViewTest, memoryWithoutBit29OrWithoutAViewStaysAsItIs) {
    platform::headless::ProvideKernelMemory(0x8C050020, m_uncached.data(), 64);
    EXPECT_EQ(HAL::PreferCachedView(m_uncached.data(), 64), m_uncached.data());
    EXPECT_EQ(HAL::PreferCachedView(m_cached.data(), 64), m_cached.data()) << "not in the kernel's window";
}

}  // namespace

}  // namespace device_model_test
