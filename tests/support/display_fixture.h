#pragma once
// A recording video driver and a fixture with a window, for the display, detection and rotation
// tests.
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "framework/device/system_functions.h"
#include "framework/display_impl.h"
#include "framework/drivers/video_detect.h"
#include "framework/drivers/video_driver.h"
#include "framework/hal_display.h"
#include "platform/device.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "support/case_name.h"
#include "support/headless_fixture.h"

namespace display_test {

// A row of a case table. Rows print as their name, and CaseName names the test after it, so that
// CTest lines stay readable.
struct NamedCase {
    const char* name;
};
inline std::ostream& operator<<(std::ostream& out, const NamedCase& c) { return out << c.name; }

// Everything the drivers and the test window saw, in order.
inline std::vector<std::string>& Calls() {
    static std::vector<std::string> calls;
    return calls;
}

inline std::string RectText(const platform::Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// A driver over a surface in plain memory with the description the test gives it. It can refuse to
// initialise or to lock, and writes every call down.
class FakeVideoDriver : public HAL::VideoDriver {
public:
    explicit FakeVideoDriver(HAL::DeviceDesc description, std::string name = "fake")
        : m_description(description), m_name(std::move(name)) {}
    ~FakeVideoDriver() override { log("delete"); }

    void Resume() override { log("resume"); }
    void Suspend() override { log("suspend"); }
    void Invalidate() override { log("invalidate"); }
    bool Initialize(platform::Window*, const HAL::DisplayParams&, const HAL::DeviceDesc&) override {
        log("initialize");
        if (m_failInitialize) return false;
        m_device = m_description;
        m_pixels.assign(size_t(m_device.pitch / 2) * m_device.height, kUntouched);
        m_surface = std::make_unique<HAL::Surface>(int32_t(m_device.width), int32_t(m_device.height),
                                                   int32_t(m_device.pitch), m_pixels.data(), false);
        return true;
    }
    HAL::Surface* BeginScene() override {
        log("begin");
        return m_failBeginScene ? nullptr : m_surface.get();
    }
    void Present(uint32_t flags) override { log("present " + std::to_string(flags)); }
    void SetUpdateRect(const platform::Rect& rect) override {
        m_update = rect;
        log("rect " + RectText(rect));
    }
    void WaitVBlank() override { log("vblank"); }

    uint16_t Pixel(int x, int y) const { return m_pixels[size_t(y) * (m_device.pitch / 2) + x]; }

    static constexpr uint16_t kUntouched = 0xAAAA;
    HAL::DeviceDesc m_description;
    std::string m_name;
    bool m_failInitialize = false;
    bool m_failBeginScene = false;
    platform::Rect m_update;
    std::vector<uint16_t> m_pixels;

private:
    void log(const std::string& what) { Calls().push_back(m_name + " " + what); }
};

// A 16-bit description of a screen of the given size, rows packed, upright.
inline HAL::DeviceDesc Screen(uint32_t width, uint32_t height, uint32_t swapEffect = 2, uint32_t orientation = 0) {
    return {width, height, 16, width * 2, orientation, swapEffect, nullptr};
}

// A display whose driver is chosen by the test instead of by detection.
class FakeDisplay : public HAL::DisplayImpl {
public:
    using HAL::DisplayImpl::DisplayImpl;
    std::unique_ptr<HAL::VideoDriver> SelectDriver(const HAL::DisplayParams& params) override {
        return m_select ? m_select(params) : nullptr;
    }
    std::function<std::unique_ptr<HAL::VideoDriver>(const HAL::DisplayParams&)> m_select;
};

// Writes down the messages that reach the game's own window procedure.
inline intptr_t RecordingWindowProc(platform::Window*, uint32_t code, uintptr_t wParam, intptr_t) {
    Calls().push_back("window " + std::to_string(code) + " " + std::to_string(wParam));
    return 0;
}

// A fresh headless device with a window, no kept detection and no loaded system libraries.
class DisplayFixture : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        resetFramework();
        Calls().clear();
        platform::RegisterWindowClass("display test", RecordingWindowProc);
        m_window = NewWindow();
    }
    void TearDown() override {
        resetFramework();
        HeadlessTest::TearDown();
    }

    // Detection reads the screen, so a test that changes it must come before the first display.
    static void UseScreen(int width, int height) { platform::SetDeviceScreen(width, height); }

    platform::Window* NewWindow() {
        return platform::CreateAppWindow("display test", "", 0, 0, 0, platform::ScreenWidth(),
                                         platform::ScreenHeight());
    }

    // A display over a fake driver with the given description; null when it does not initialise.
    std::unique_ptr<FakeDisplay> FakeDisplayOver(HAL::DeviceDesc description, HAL::DisplayParams params) {
        auto display = std::make_unique<FakeDisplay>(m_window);
        display->m_select = [this, description](const HAL::DisplayParams&) {
            auto driver = std::make_unique<FakeVideoDriver>(description);
            m_driver = driver.get();
            return driver->Initialize(nullptr, {}, {}) ? std::move(driver) : nullptr;
        };
        return display->Initialize(params) ? std::move(display) : nullptr;
    }

    platform::Window* m_window = nullptr;
    FakeVideoDriver* m_driver = nullptr;

private:
    static void resetFramework() {
        HAL::VideoDetect::Forget();
        HAL::UnloadSystemFunctions();
    }
};

}  // namespace display_test
