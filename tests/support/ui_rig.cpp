#include "support/ui_rig.h"

#include "engine/files/file_layer.h"
#include "framework/drivers/video_detect.h"
#include "platform/headless/headless.h"
#include "support/png_writer.h"
#include "support/test_window.h"
#include "tools/sampledata/interface_package.h"
#include "ui/dialog.h"

namespace {

struct DeviceScreen {
    uint32_t mode;
    int width, height;
};

// The device screen each screen mode runs on.
constexpr DeviceScreen kDeviceScreens[] = {{6, 320, 240},  {7, 240, 320},  {8, 240, 240},
                                           {9, 640, 480},  {10, 480, 640}, {11, 480, 480},
                                           {14, 800, 480}, {15, 800, 600}, {16, 640, 240}};

// The main loop's pace: the large screens run a frame every 30 ms, the others every 40 ms.
uint32_t frameInterval(uint32_t mode) {
    return mode == 9 || mode == 10 || mode == 11 || mode == 14 || mode == 15 ? 30 : 40;
}

// Paints the screen before a full repaint: no drawing of the game uses it.
constexpr uint16_t kPoison = 0xF81F;

}  // namespace

UiRig::UiRig() = default;

UiRig::~UiRig() {
    if (m_game && m_game->m_sound) m_game->m_sound->SetListener(nullptr);
    m_game.reset();
    HAL::VideoDetect::Forget();
}

bool UiRig::Start(uint32_t screenMode, std::string& error, bool recording) {
    const DeviceScreen* device = nullptr;
    for (const DeviceScreen& d : kDeviceScreens)
        if (d.mode == screenMode) device = &d;
    if (device == nullptr) {
        error = "no device screen for screen mode " + std::to_string(screenMode);
        return false;
    }
    HAL::VideoDetect::Forget();
    if (!WriteInterfacePackage(SFileFolder(), error)) return false;

    platform::Window* window = OpenTestWindow(device->width, device->height);
    m_game = std::make_unique<SGameData>();
    if (!m_game->Init(screenMode, window, uint32_t(device->width), uint32_t(device->height), error)) return false;
    m_game->m_sound->SetListener(&m_sounds);

    if (recording) {
        auto playScreen = std::make_unique<RecordingPlayScreen>();
        m_playScreen = playScreen.get();
        playScreen->Init(m_game.get());
        m_game->SetScreen(kPlayScreen, std::move(playScreen));
    }
    m_game->SwitchState(kPlayScreen);
    Frame();
    return true;
}

int UiRig::Width() const { return m_game->m_display->m_width; }
int UiRig::Height() const { return m_game->m_display->m_height; }
uint32_t UiRig::FrameInterval() const { return frameInterval(m_game->m_screenMode); }

void UiRig::OpenDialog(SDialog& dialog) { m_game->m_currentScreen->SetChild(&dialog); }

void UiRig::Key(uint32_t action) {
    BeginScene();
    m_game->OnKey(action);
    Frame();
}

void UiRig::PenDown(int x, int y) {
    BeginScene();
    m_game->OnStylus(x & ~1, y & ~1, 1, 0);
    Frame();
}

void UiRig::PenMove(int x, int y) {
    BeginScene();
    m_game->OnStylus(x & ~1, y & ~1, 1, 1);
    Frame();
}

void UiRig::PenUp(int x, int y) {
    BeginScene();
    m_game->OnStylus(x & ~1, y & ~1, 0, 0);
    Frame();
}

void UiRig::BeginScene() { m_game->m_display->BeginFrame(); }

void UiRig::Tap(int x, int y) {
    PenDown(x, y);
    PenUp(x, y);
}

void UiRig::Frame() {
    platform::headless::AdvanceTime(frameInterval(m_game->m_screenMode));
    m_game->m_display->BeginFrame();
    m_game->OnTimer();
    present();
}

void UiRig::Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
}

void UiRig::AdvanceClock(uint32_t milliseconds) { platform::headless::AdvanceTime(milliseconds); }

void UiRig::present() { m_game->m_display->Present(); }

std::vector<uint16_t> UiRig::Capture() const {
    // The device screen may be larger than the mode draws (800x584 on 800x600): the drawing sits at
    // its top left.
    const std::vector<uint16_t>& screen = platform::headless::Screen();
    const int pitch = platform::ScreenWidth();
    std::vector<uint16_t> pixels;
    pixels.reserve(size_t(Width()) * size_t(Height()));
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x) pixels.push_back(screen[size_t(y) * size_t(pitch) + size_t(x)]);
    return pixels;
}

uint16_t UiRig::Pixel(int x, int y) const {
    return platform::headless::Screen()[size_t(y) * size_t(platform::ScreenWidth()) + size_t(x)];
}

::testing::AssertionResult UiRig::MatchesFullRepaint() {
    const std::vector<uint16_t> shown = Capture();
    m_game->m_display->BeginFrame();
    m_game->m_display->FillRect(0, 0, Width(), Height(), kPoison);
    m_game->m_currentScreen->SetDirty();
    m_game->m_currentScreen->Draw();
    present();
    const std::vector<uint16_t> repainted = Capture();
    int differing = 0, firstX = -1, firstY = -1;
    for (size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == repainted[i]) continue;
        if (differing++ == 0) {
            firstX = int(i % size_t(Width()));
            firstY = int(i / size_t(Width()));
        }
    }
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ from a full repaint, the first at (" << firstX
                                         << ", " << firstY << ")";
}

bool UiRig::Shot(const std::string& name) const {
    const std::vector<uint16_t> pixels = Capture();
    return WriteShot(name, pixels, Width(), Height(), Width());
}
