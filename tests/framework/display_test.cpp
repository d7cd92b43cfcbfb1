#include <gtest/gtest.h>

#include <algorithm>

#include "framework/display_impl.h"
#include "framework/drivers/gdi_driver.h"
#include "framework/hal_display.h"
#include "framework/rotation/rotation_driver.h"
#include "framework/surface.h"
#include "support/display_fixture.h"

namespace display_test {

namespace {

using namespace display_test;
using Lines = std::vector<std::string>;

class DisplayTest : public DisplayFixture {
protected:
    void dispatch(uint32_t code, uintptr_t wParam = 0) { platform::DispatchMessage({m_window, code, wParam, 0}); }

    // The procedure the window has now, found by swapping it out and back.
    platform::WindowProcedure currentProcedure() {
        auto probe = [](platform::Window*, uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; };
        platform::WindowProcedure current = platform::SetWindowProcedure(m_window, probe);
        platform::SetWindowProcedure(m_window, current);
        return current;
    }
};

// --- swap effects and back buffers ---

struct SwapCase : NamedCase {
    int32_t requested;
    uint32_t driverSwap;
    int32_t granted;
    bool backBuffer;
};

class SwapEffectTest : public DisplayTest, public ::testing::WithParamInterface<SwapCase> {};

TEST_P(SwapEffectTest, grantsTheDriversOwnSurfaceOrABackBuffer) {
    const SwapCase& c = GetParam();
    auto display = FakeDisplayOver(Screen(240, 320, c.driverSwap), {240, 320, 0, c.requested});
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->m_params.swapEffect, c.granted);
    EXPECT_EQ(display->m_backBuffer != nullptr, c.backBuffer);

    ASSERT_TRUE(display->BeginScene());
    HAL::Surface* drawn = display->GetSurface();
    EXPECT_EQ(drawn, c.backBuffer ? display->m_backBuffer.get() : m_driver->m_surface.get());
    ASSERT_TRUE(display->Swap(0));
    EXPECT_EQ(display->GetSurface(), nullptr) << "the scene ended with the swap";
}

INSTANTIATE_TEST_SUITE_P(Cases, SwapEffectTest,
                         ::testing::Values(SwapCase{{"discardOnCopyingDriver"}, 1, 2, 2, false},
                                           SwapCase{{"copyOnCopyingDriver"}, 2, 2, 2, false},
                                           SwapCase{{"discardOnDriverWithoutSurface"}, 1, 0, 2, true},
                                           SwapCase{{"copyOnDriverWithoutSurface"}, 2, 0, 2, true},
                                           SwapCase{{"discardOnDirectDriver"}, 1, 1, 1, false},
                                           SwapCase{{"copyOnDirectDriver"}, 2, 1, 2, true}),
                         CaseName());

// --- update rectangle ---

struct UpdateCase : NamedCase {
    bool whole;
    platform::Rect requested;
    platform::Rect toDriver;
    platform::Rect copied;
    bool wholeRows;
};

class UpdateRectTest : public DisplayTest, public ::testing::WithParamInterface<UpdateCase> {};

TEST_P(UpdateRectTest, isClampedHandedToTheDriverAndWidenedToPixelPairs) {
    const UpdateCase& c = GetParam();
    auto display = FakeDisplayOver(Screen(240, 320, 0), {240, 320, 0, 2});
    ASSERT_NE(display, nullptr);
    display->SetUpdateRect(c.whole ? nullptr : &c.requested);
    EXPECT_EQ(RectText(m_driver->m_update), RectText(c.toDriver));
    EXPECT_EQ(RectText(display->m_update), RectText(c.copied));
    EXPECT_EQ(display->m_wholeRows, c.wholeRows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateRectTest,
    ::testing::Values(
        UpdateCase{{"wholeDisplay"}, true, {}, {0, 0, 240, 320}, {0, 0, 240, 320}, true},
        UpdateCase{{"oddEdgesWiden"}, false, {5, 3, 100, 50}, {5, 3, 100, 50}, {4, 2, 100, 50}, false},
        UpdateCase{{"invertedIsEmpty"}, false, {10, 10, 5, 20}, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
        UpdateCase{{"negativeEdgesClamp"}, false, {-7, -3, 13, 9}, {0, 0, 13, 9}, {0, 0, 14, 10}, false},
        UpdateCase{{"farEdgesClamp"}, false, {201, 300, 999, 999}, {201, 300, 240, 320}, {200, 300, 240, 320}, false},
        UpdateCase{{"fullWidthBand"}, false, {0, 11, 240, 40}, {0, 11, 240, 40}, {0, 10, 240, 40}, true}),
    CaseName());

// --- the copy from the back buffer ---

struct CopyCase : NamedCase {
    uint32_t width;
    uint32_t driverPitch;
    platform::Rect update;
    platform::Rect copied;
    bool wholeRows;
};

class SwapCopyTest : public DisplayTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(SwapCopyTest, copiesOnlyTheUpdateRectangle) {
    const CopyCase& c = GetParam();
    HAL::DeviceDesc device{c.width, 64, 16, c.driverPitch, 0, 0, nullptr};
    auto display = FakeDisplayOver(device, {int32_t(c.width), 64, 0, 2});
    ASSERT_NE(display, nullptr);
    display->SetUpdateRect(&c.update);
    ASSERT_EQ(display->m_wholeRows, c.wholeRows) << "the case must take the intended copy path";

    ASSERT_TRUE(display->BeginScene());
    HAL::Surface* back = display->GetSurface();
    for (int y = 0; y < back->m_height; ++y)
        for (int x = 0; x < back->m_width; ++x) back->Row(y)[x] = uint16_t(x + y * 256);
    ASSERT_TRUE(display->Swap(0));

    for (int y = 0; y < 64; ++y)
        for (uint32_t x = 0; x < c.width; ++x) {
            bool inside = int(x) >= c.copied.left && int(x) < c.copied.right && y >= c.copied.top &&
                          y < c.copied.bottom;
            ASSERT_EQ(m_driver->Pixel(int(x), y), inside ? uint16_t(x + y * 256) : FakeVideoDriver::kUntouched)
                << "pixel " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SwapCopyTest,
    ::testing::Values(CopyCase{{"blockOfWholeRows"}, 240, 480, {0, 11, 240, 40}, {0, 10, 240, 40}, true},
                      CopyCase{{"rowByRow"}, 240, 480, {5, 3, 100, 50}, {4, 2, 100, 50}, false},
                      CopyCase{{"rowByRowOnAWiderPitch"}, 240, 512, {0, 11, 240, 40}, {0, 10, 240, 40}, false},
                      // The pair rounding must not carry the last column past the driver's rows.
                      CopyCase{{"oddWidthStopsAtTheEdge"}, 241, 482, {0, 0, 241, 64}, {0, 0, 241, 64}, false}),
    CaseName());

TEST_F(DisplayTest, waitingForTheVerticalBlankComesBeforeTheCopyAndOnlyWithABackBuffer) {
    auto withBackBuffer = FakeDisplayOver(Screen(32, 32, 0), {32, 32, 0, 2});
    ASSERT_TRUE(withBackBuffer->BeginScene());
    Calls().clear();
    ASSERT_TRUE(withBackBuffer->Swap(HAL::kSwapWaitVBlank));
    EXPECT_EQ(Calls(), Lines({"fake vblank", "fake present 1"}));
    withBackBuffer.reset();

    auto direct = FakeDisplayOver(Screen(32, 32, 2), {32, 32, 0, 2});
    ASSERT_TRUE(direct->BeginScene());
    Calls().clear();
    ASSERT_TRUE(direct->Swap(HAL::kSwapWaitVBlank));
    EXPECT_EQ(Calls(), Lines({"fake present 1"}));
}

TEST_F(DisplayTest, aSurfaceThatCannotBeLockedSkipsTheFrame) {
    auto display = FakeDisplayOver(Screen(32, 32), {32, 32, 0, 2});
    m_driver->m_failBeginScene = true;
    EXPECT_FALSE(display->BeginScene());
    EXPECT_EQ(display->GetSurface(), nullptr);
    EXPECT_FALSE(display->Swap(0));
}

// --- activation through the window ---

TEST_F(DisplayTest, deactivationStopsScenesBeforeTheGameHearsOfItAndReactivationResumes) {
    auto display = FakeDisplayOver(Screen(32, 32), {32, 32, 0, 2});
    ASSERT_TRUE(display->BeginScene());
    Calls().clear();

    dispatch(platform::kMsgActivate, 0);
    EXPECT_EQ(Calls(), Lines({"fake suspend", "window 6 0"}));
    EXPECT_FALSE(display->BeginScene());
    EXPECT_FALSE(display->Swap(0));
    EXPECT_EQ(display->GetSurface(), nullptr);

    Calls().clear();
    dispatch(platform::kMsgActivate, 0x10001);  // only the low word says "active"
    ASSERT_TRUE(display->BeginScene());
    EXPECT_EQ(Calls(), Lines({"fake resume", "window 6 65537", "fake begin"}));
}

TEST_F(DisplayTest, repaintMakesTheDriverRewriteEverything) {
    auto display = FakeDisplayOver(Screen(32, 32), {32, 32, 0, 2});
    Calls().clear();
    dispatch(platform::kMsgPaint);
    EXPECT_EQ(Calls(), Lines({"fake invalidate", "window 15 0"}));
}

TEST_F(DisplayTest, deletingTheDisplayGivesTheWindowItsProcedureBack) {
    platform::WindowProcedure original = currentProcedure();
    auto display = FakeDisplayOver(Screen(32, 32), {32, 32, 0, 2});
    EXPECT_EQ(currentProcedure(), &HAL::Display::SubclassWndProc);
    display.reset();
    EXPECT_EQ(currentProcedure(), original);
}

TEST_F(DisplayTest, aDestroyedWindowLeavesTheTableAndTheDisplayCanStillBeDeleted) {
    auto display = FakeDisplayOver(Screen(32, 32), {32, 32, 0, 2});
    Calls().clear();
    platform::DestroyWindow(m_window);
    EXPECT_EQ(Calls(), Lines({"window 2 0"}));
    display.reset();

    m_window = NewWindow();
    EXPECT_NE(FakeDisplayOver(Screen(32, 32), {32, 32, 0, 2}), nullptr);
}

TEST_F(DisplayTest, aDriverThatFailsLeavesNothingBehindButTheWindow) {
    platform::WindowProcedure original = currentProcedure();
    auto display = std::make_unique<FakeDisplay>(m_window);
    EXPECT_FALSE(display->Initialize({32, 32, 0, 2}));
    display.reset();
    EXPECT_EQ(currentProcedure(), original);
}

TEST_F(DisplayTest, theSeventeenthSubclassedWindowIsRefused) {
    HAL::DisplayParams params{0, 0, 0, 2};
    std::vector<std::unique_ptr<HAL::Display>> displays;
    for (int i = 0; i < 16; ++i) {
        displays.push_back(HAL::Display::Create(NewWindow(), params));
        ASSERT_NE(displays.back(), nullptr) << "display " << i;
    }
    platform::Window* seventeenth = NewWindow();
    EXPECT_EQ(HAL::Display::Create(seventeenth, params), nullptr);
    displays.pop_back();
    EXPECT_NE(HAL::Display::Create(seventeenth, params), nullptr);
}

// --- the shell and key entry points ---

std::vector<std::string>& systemCalls() {
    static std::vector<std::string> calls;
    return calls;
}
bool recordFullScreen(platform::Window*, uint32_t flags) {
    systemCalls().push_back("full screen " + std::to_string(flags));
    return true;
}
bool recordAllKeys(bool all) {
    systemCalls().push_back(std::string("all keys ") + (all ? "on" : "off"));
    return false;
}

TEST_F(DisplayTest, shellBarsHideWhileTheGameIsActiveAndKeysAreTakenWhileTheDisplayLives) {
    systemCalls().clear();
    platform::headless::ProvideLibraryFunction("aygshell.dll", "SHFullScreen",
                                               reinterpret_cast<platform::LibraryFunction>(recordFullScreen));
    platform::headless::ProvideLibraryFunction("coredll.dll", "AllKeys",
                                               reinterpret_cast<platform::LibraryFunction>(recordAllKeys));
    auto display = FakeDisplayOver(Screen(32, 32), {32, 32, 0, 2});
    dispatch(platform::kMsgActivate, 0);
    dispatch(platform::kMsgActivate, 1);
    display.reset();
    EXPECT_EQ(systemCalls(),
              Lines({"all keys on", "full screen 42", "full screen 21", "full screen 42", "all keys off"}));

    HAL::UnloadSystemFunctions();
    EXPECT_EQ(platform::headless::OpenLibraries(), 0u);
}

TEST_F(DisplayTest, withoutTheSystemLibrariesStandInsAnswer) {
    const HAL::SystemFunctions& system = HAL::GetSystemFunctions();
    EXPECT_TRUE(system.shFullScreen(m_window, HAL::kHideShellBars));
    EXPECT_FALSE(system.allKeys(true)) << "the stand-in answers the setting it had before";
    EXPECT_TRUE(system.allKeys(false));
    EXPECT_FALSE(system.allKeys(false));
}

// --- on the device's own window ---

TEST_F(DisplayTest, theWindowDriverShowsTheFrameAndCopiesOnlyTheUpdateRectangle) {
    HAL::DisplayParams params{480, 640, 0, HAL::kSwapDefault};
    auto display = HAL::Display::Create(m_window, params);
    ASSERT_NE(display, nullptr);
    EXPECT_NE(dynamic_cast<HAL::GDIDriver*>(display->m_impl->m_driver.get()), nullptr);
    EXPECT_EQ(params.swapEffect, HAL::kSwapCopy) << "the window driver copies its own memory";
    EXPECT_EQ(display->m_impl->m_backBuffer, nullptr);

    auto paint = [&](uint16_t colour) {
        ASSERT_TRUE(display->BeginScene());
        HAL::Surface* surface = display->GetSurface();
        for (int y = 0; y < surface->m_height; ++y) std::fill_n(surface->Row(y), surface->m_width, colour);
        ASSERT_TRUE(display->Swap(0));
    };
    paint(0x1234);
    const std::vector<uint16_t>& screen = platform::headless::Screen();
    ASSERT_EQ(screen.size(), 480u * 640u);
    EXPECT_EQ(std::count(screen.begin(), screen.end(), 0x1234), 480 * 640);

    platform::Rect band{10, 20, 30, 40};
    display->m_impl->SetUpdateRect(&band);
    paint(0xF800);
    EXPECT_EQ(RectText(platform::headless::LastPresentRect()), "10,20,30,40");
    EXPECT_EQ(std::count(screen.begin(), screen.end(), 0xF800), 20 * 20);
    EXPECT_EQ(screen[20 * 480 + 10], 0xF800);
    EXPECT_EQ(screen[39 * 480 + 29], 0xF800);
}

// A landscape handheld built from a portrait panel: a portrait drawing is turned a quarter onto it
// and reaches every pixel of it; a landscape drawing on the panel's own side goes straight.
TEST_F(DisplayTest, aPortraitDrawingIsTurnedWholeOntoAPanelLaidOnItsSide) {
    platform::SetDeviceScreen(640, 480, 3);
    m_window = NewWindow();
    HAL::DisplayParams portrait{480, 640, 0, HAL::kSwapCopy};
    auto display = HAL::Display::Create(m_window, portrait);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->QuarterTurns(), 3);
    EXPECT_EQ(portrait.width, 480);
    EXPECT_EQ(portrait.height, 640);
    ASSERT_TRUE(display->BeginScene());
    HAL::Surface* drawing = display->GetSurface();
    ASSERT_EQ(drawing->m_width, 480);
    ASSERT_EQ(drawing->m_height, 640);
    for (int y = 0; y < 640; ++y) std::fill_n(drawing->Row(y), 480, 0x1234);
    drawing->Row(0)[0] = 0xF800;  // the drawing's top-left corner
    ASSERT_TRUE(display->Swap(0));
    const std::vector<uint16_t>& screen = platform::headless::Screen();
    ASSERT_EQ(screen.size(), 640u * 480u);
    EXPECT_EQ(std::count(screen.begin(), screen.end(), 0x1234), 640 * 480 - 1);
    EXPECT_EQ(screen[479 * 640 + 0], 0xF800) << "the top-left corner shows at the screen's bottom left";
    display.reset();

    HAL::DisplayParams landscape{640, 480, 3, HAL::kSwapCopy};
    display = HAL::Display::Create(m_window, landscape);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->QuarterTurns(), 0);
    EXPECT_NE(dynamic_cast<HAL::GDIDriver*>(display->m_impl->m_driver.get()), nullptr);
}

struct OrientationCase : NamedCase {
    int width, height;
    int32_t orientation;
    bool rotates;
    bool created;
};

class OrientationTest : public DisplayTest, public ::testing::WithParamInterface<OrientationCase> {};

TEST_P(OrientationTest, aRotationDriverTurnsOnlyForAnotherSupportedOrientation) {
    const OrientationCase& c = GetParam();
    UseScreen(c.width, c.height);
    m_window = NewWindow();
    HAL::DisplayParams params{c.height, c.width, c.orientation, HAL::kSwapCopy};
    auto display = HAL::Display::Create(m_window, params);
    ASSERT_EQ(display != nullptr, c.created);
    if (!c.created) return;
    auto* rotation = dynamic_cast<HAL::RotationDriver*>(display->m_impl->m_driver.get());
    EXPECT_EQ(rotation != nullptr, c.rotates);
    EXPECT_EQ(display->m_impl->m_backBuffer, nullptr) << "the rotation buffer is the only back buffer";
    EXPECT_EQ(params.swapEffect, HAL::kSwapCopy);
    bool turned = c.orientation == 1 || c.orientation == 3;
    EXPECT_EQ(params.width, turned ? c.height : c.width);
    EXPECT_EQ(params.height, turned ? c.width : c.height);
    EXPECT_EQ(params.orientation, c.orientation == HAL::kOrientationAny ? 0 : c.orientation);
}

INSTANTIATE_TEST_SUITE_P(Cases, OrientationTest,
                         ::testing::Values(OrientationCase{{"landscapeOnPortrait"}, 240, 320, 1, true, true},
                                           OrientationCase{{"upsideDown"}, 240, 320, 2, true, true},
                                           OrientationCase{{"native"}, 240, 320, 0, false, true},
                                           OrientationCase{{"any"}, 240, 320, HAL::kOrientationAny, false, true},
                                           OrientationCase{{"turnedScreenOfPartTiles"}, 800, 600, 2, false, false},
                                           OrientationCase{{"uprightScreenOfPartTiles"}, 800, 600, 0, false, true}),
                         CaseName());

}  // namespace

}  // namespace display_test
