#include "framework/drivers/video_detect.h"

#include <gtest/gtest.h>

#include <set>

#include "framework/drivers/gdi_driver.h"
#include "support/display_fixture.h"
#include "support/pretend_devices.h"

namespace video_detect_test {

namespace {

using namespace display_test;
using pretend::PretendDeviceTest;
using Lines = std::vector<std::string>;

// --- supported modes ---

struct ModesCase : NamedCase {
    uint32_t width, height, orientation;
    std::vector<HAL::DisplayMode> modes;
};

class SupportedModesTest : public ::testing::TestWithParam<ModesCase> {};

std::string modeText(const HAL::DisplayMode& m) {
    return std::to_string(m.width) + "x" + std::to_string(m.height) + "/" + std::to_string(m.orientation);
}

TEST_P(SupportedModesTest, turnsOnlyScreensOfWholeTiles) {
    const ModesCase& c = GetParam();
    HAL::DeviceDesc device = Screen(c.width, c.height, 2, c.orientation);
    Lines found, expected;
    for (const HAL::DisplayMode& mode : HAL::SupportedModes(device)) found.push_back(modeText(mode));
    for (const HAL::DisplayMode& mode : c.modes) expected.push_back(modeText(mode));
    EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SupportedModesTest,
    ::testing::Values(
        ModesCase{{"portraitOfWholeTiles"}, 240, 320, 0, {{240, 320, 0}, {320, 240, 1}, {240, 320, 2}, {320, 240, 3}}},
        ModesCase{{"turnedScreenWrapsAround"},
                  320,
                  240,
                  3,
                  {{320, 240, 3}, {240, 320, 0}, {320, 240, 1}, {240, 320, 2}}},
        ModesCase{{"partTilesUpright"}, 800, 600, 0, {{800, 600, 0}}},
        ModesCase{{"partTilesQuarterTurn"}, 800, 600, 1, {{800, 600, 1}, {600, 800, 0}}},
        ModesCase{{"partTilesHalfTurn"}, 800, 600, 2, {{800, 600, 2}, {800, 600, 0}}},
        ModesCase{{"partTilesThreeQuarters"}, 800, 600, 3, {{800, 600, 3}, {600, 800, 0}}}),
    CaseName());

// --- detection ---

TEST_F(HeadlessTest, theDesktopDetectsOnlyTheWindowDriverWithTheScreenUpright) {
    platform::SetDeviceScreen(240, 320);
    HAL::VideoDetect detect;
    EXPECT_EQ(detect.m_ids, std::vector<uint32_t>{HAL::kDriverGdi});
    EXPECT_EQ(detect.m_device.width, 240u);
    EXPECT_EQ(detect.m_device.height, 320u);
    EXPECT_EQ(detect.m_device.depth, 16u);
    EXPECT_EQ(detect.m_device.orientation, 0u) << "an unknown orientation counts as upright";
    EXPECT_EQ(detect.m_modes.size(), 4u);
}

TEST_F(HeadlessTest, aDesktopPanelLaidOnItsSideIsDetectedTurned) {
    platform::SetDeviceScreen(640, 480, 3);
    HAL::VideoDetect detect;
    EXPECT_EQ(detect.m_device.orientation, 3u);
    EXPECT_TRUE(detect.SupportsOrientation(0));
    EXPECT_EQ(modeText(detect.m_modes[1]), "480x640/0");
}

TEST_F(PretendDeviceTest, aProbedOrientationIsKept) {
    platform::headless::SetOemInfo("MotoQ");
    VgaScreen();
    HAL::VideoDetect detect(m_window);
    EXPECT_EQ(detect.m_device.orientation, 3u);
    EXPECT_EQ(detect.m_modes.front().orientation, 3u);
}

// --- selection ---

// Detection results set by the test, with recording drivers in place of the device's.
class ScriptedDetect : public HAL::VideoDetect {
public:
    std::unique_ptr<HAL::VideoDriver> CreateDriver(uint32_t id) override {
        if (m_unbuilt.count(id)) return nullptr;
        auto driver = std::make_unique<FakeVideoDriver>(Screen(240, 320), "driver " + std::to_string(id));
        driver->m_failInitialize = m_failing.count(id) != 0;
        return driver;
    }
    std::set<uint32_t> m_failing;
    std::set<uint32_t> m_unbuilt;
};

struct SelectCase : NamedCase {
    std::vector<uint32_t> ids;
    std::set<uint32_t> failing;
    std::set<uint32_t> unbuilt;
    int32_t orientation;
    Lines calls;
    std::string chosen;
};

class SelectionTest : public DisplayFixture, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(SelectionTest, triesTheLastFoundFirstAndDeletesTheFailures) {
    const SelectCase& c = GetParam();
    platform::SetDeviceScreen(800, 600);  // upright only: its sides are not whole tiles
    ScriptedDetect detect;
    detect.m_ids = c.ids;
    detect.m_failing = c.failing;
    detect.m_unbuilt = c.unbuilt;
    std::unique_ptr<HAL::VideoDriver> driver = detect.SelectDriver(m_window, {800, 600, c.orientation, 2});
    EXPECT_EQ(Calls(), c.calls);
    auto* fake = dynamic_cast<FakeVideoDriver*>(driver.get());
    EXPECT_EQ(fake ? fake->m_name : "none", c.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectionTest,
    ::testing::Values(
        SelectCase{{"lastFoundWins"}, {1, 4, 9}, {}, {}, 0, {"driver 9 initialize"}, "driver 9"},
        SelectCase{{"failuresFallBack"},
                   {1, 4, 9},
                   {9, 4},
                   {},
                   0,
                   {"driver 9 initialize", "driver 9 delete", "driver 4 initialize", "driver 4 delete",
                    "driver 1 initialize"},
                   "driver 1"},
        SelectCase{{"allFail"},
                   {1, 3},
                   {1, 3},
                   {},
                   0,
                   {"driver 3 initialize", "driver 3 delete", "driver 1 initialize", "driver 1 delete"},
                   "none"},
        SelectCase{{"unbuiltDriverIsSkipped"}, {1, 8}, {}, {8}, 0, {"driver 1 initialize"}, "driver 1"},
        SelectCase{{"nothingDetected"}, {}, {}, {}, 0, {}, "none"},
        SelectCase{{"unsupportedOrientationTriesNothing"}, {1}, {}, {}, 2, {}, "none"},
        SelectCase{{"anyOrientationPasses"}, {1}, {}, {}, HAL::kOrientationAny, {"driver 1 initialize"}, "driver 1"}),
    CaseName());

TEST_F(DisplayFixture, theWindowDriverIsChosenOnTheDesktop) {
    std::unique_ptr<HAL::VideoDriver> driver = HAL::VideoDetect::Get(m_window).SelectDriver(m_window, {480, 640, 0, 2});
    ASSERT_NE(dynamic_cast<HAL::GDIDriver*>(driver.get()), nullptr);
    const HAL::DeviceDesc& device = driver->m_device;
    EXPECT_EQ(device.width, 480u);
    EXPECT_EQ(device.height, 640u);
    EXPECT_EQ(device.pitch, 960u);
    EXPECT_EQ(device.swapEffect, 2u);
}

}  // namespace

}  // namespace video_detect_test
