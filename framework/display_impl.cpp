#include "framework/display_impl.h"

#include <algorithm>
#include <cstring>

#include "framework/device/system_functions.h"
#include "framework/drivers/video_detect.h"
#include "framework/rotation/rotation_driver.h"
#include "platform/messages.h"

namespace HAL {

namespace {

// The windows whose procedure the display has taken over, so that activation and repaint reach
// the display before the game sees them.
struct Subclass {
    platform::Window* window;
    platform::WindowProcedure previous;
    DisplayImpl* display;
};
constexpr size_t kMaxSubclasses = 16;
Subclass g_subclasses[kMaxSubclasses];
size_t g_subclassCount = 0;

Subclass* findSubclass(platform::Window* window) {
    for (size_t i = 0; i < g_subclassCount; ++i)
        if (g_subclasses[i].window == window) return &g_subclasses[i];
    return nullptr;
}

bool subclass(platform::Window* window, DisplayImpl* display) {
    if (g_subclassCount == kMaxSubclasses) return false;
    platform::WindowProcedure previous = platform::SetWindowProcedure(window, &Display::SubclassWndProc);
    if (previous == nullptr) return false;
    g_subclasses[g_subclassCount++] = {window, previous, display};
    return true;
}

// The last entry moves into the freed place.
void removeSubclass(Subclass* entry, bool restoreProcedure) {
    if (restoreProcedure) platform::SetWindowProcedure(entry->window, entry->previous);
    *entry = g_subclasses[--g_subclassCount];
}

int32_t roundDownEven(int32_t value) { return value & ~1; }
int32_t roundUpEven(int32_t value) { return (value + 1) & ~1; }

}  // namespace

intptr_t Display::SubclassWndProc(platform::Window* window, uint32_t code, uintptr_t wParam, intptr_t lParam) {
    Subclass* entry = findSubclass(window);
    if (entry == nullptr) return platform::DefaultWindowProcedure(window, code, wParam, lParam);
    platform::WindowProcedure previous = entry->previous;
    switch (code) {
        case platform::kMsgActivate:
            if ((wParam & 0xFFFF) == 0)
                entry->display->Suspend();
            else
                entry->display->Resume();
            break;
        case platform::kMsgPaint: entry->display->Paint(); break;
        case platform::kMsgDestroy: removeSubclass(entry, true); break;
        default: break;
    }
    return platform::CallWindowProcedure(previous, window, code, wParam, lParam);
}

DisplayImpl::DisplayImpl(platform::Window* window) : m_window(window) {}

DisplayImpl::~DisplayImpl() {
    GetSystemFunctions().allKeys(false);
    for (size_t i = 0; i < g_subclassCount; ++i) {
        if (g_subclasses[i].display != this) continue;
        // A window already gone has taken its procedure with it; only the entry must go.
        removeSubclass(&g_subclasses[i], platform::IsWindow(m_window));
        break;
    }
}

bool DisplayImpl::Initialize(const DisplayParams& params) {
    if (!platform::IsWindow(m_window)) return false;
    if (!subclass(m_window, this)) return false;
    if (!initializeDriver(params)) return false;
    GetSystemFunctions().allKeys(true);
    GetSystemFunctions().shFullScreen(m_window, kHideShellBars);
    return true;
}

std::unique_ptr<VideoDriver> DisplayImpl::SelectDriver(const DisplayParams& params) {
    return VideoDetect::Get(m_window).SelectDriver(m_window, params);
}

bool DisplayImpl::initializeDriver(const DisplayParams& params) {
    if (m_driver) return false;
    m_driver = SelectDriver(params);
    if (!m_driver) return false;

    bool knownOrientation = params.orientation >= 0 && params.orientation < kOrientationAny;
    if (knownOrientation && uint32_t(params.orientation) != m_driver->m_device.orientation) {
        const DeviceDesc inner = m_driver->m_device;
        auto rotation = std::make_unique<RotationDriver>(std::move(m_driver));
        if (!rotation->Initialize(m_window, params, inner)) return false;
        m_turns = rotation->m_turns;
        m_driver = std::move(rotation);
    }

    const DeviceDesc& device = m_driver->m_device;
    m_params = {int32_t(device.width), int32_t(device.height), int32_t(device.orientation), int32_t(device.swapEffect)};
    bool driverHasNoSurface = device.swapEffect == 0;
    if (driverHasNoSurface || (params.swapEffect == kSwapCopy && device.swapEffect != kSwapCopy)) {
        m_backBuffer = CreateMemorySurface(m_params.width, m_params.height);
        if (!m_backBuffer) return false;
        m_params.swapEffect = kSwapCopy;
    }
    m_locked = nullptr;
    SetUpdateRect(nullptr);
    return true;
}

void DisplayImpl::SetUpdateRect(const platform::Rect* rect) {
    platform::Rect update{0, 0, m_params.width, m_params.height};
    if (rect != nullptr) {
        update = {std::max(rect->left, 0), std::max(rect->top, 0), std::min(rect->right, m_params.width),
                  std::min(rect->bottom, m_params.height)};
        if (update.left >= update.right || update.top >= update.bottom) update = {};
    }
    m_driver->SetUpdateRect(update);
    // Copies move pixel pairs; on a display of odd size the last pair stops at the edge.
    m_update = {roundDownEven(update.left), roundDownEven(update.top),
                std::min(roundUpEven(update.right), m_params.width),
                std::min(roundUpEven(update.bottom), m_params.height)};
    int32_t driverPitch = int32_t(m_driver->m_device.pitch);
    m_wholeRows = (m_update.right - m_update.left) * 2 == driverPitch &&
                  (!m_backBuffer || m_backBuffer->m_pitch == driverPitch);
}

bool DisplayImpl::BeginScene() {
    if (!m_active) return false;
    if (m_locked != nullptr) return true;
    m_locked = m_driver->BeginScene();
    return m_locked != nullptr;
}

Surface* DisplayImpl::GetSurface() {
    if (m_locked == nullptr) return nullptr;
    return m_backBuffer ? m_backBuffer.get() : m_locked;
}

bool DisplayImpl::Swap(uint32_t flags) {
    if (m_locked == nullptr || !m_active) return false;
    if (m_backBuffer) {
        if (flags & kSwapWaitVBlank) m_driver->WaitVBlank();
        copyUpdateRect();
    }
    m_driver->Present(flags);
    m_locked = nullptr;
    return true;
}

void DisplayImpl::copyUpdateRect() {
    int32_t rows = m_update.bottom - m_update.top;
    if (rows <= 0 || m_update.right <= m_update.left) return;
    if (m_wholeRows) {
        std::memcpy(m_locked->Row(m_update.top), m_backBuffer->Row(m_update.top), size_t(rows) * m_locked->m_pitch);
        return;
    }
    size_t rowBytes = size_t(m_update.right - m_update.left) * 2;
    for (int32_t y = m_update.top; y < m_update.bottom; ++y)
        std::memcpy(m_locked->Row(y) + m_update.left, m_backBuffer->Row(y) + m_update.left, rowBytes);
}

void DisplayImpl::Resume() {
    GetSystemFunctions().shFullScreen(m_window, kHideShellBars);
    m_active = 1;
    m_locked = nullptr;
    if (m_driver) m_driver->Resume();
}

void DisplayImpl::Suspend() {
    GetSystemFunctions().shFullScreen(m_window, kShowShellBars);
    if (m_driver) m_driver->Suspend();
    m_active = 0;
    m_locked = nullptr;
}

void DisplayImpl::Paint() {
    if (m_driver) m_driver->Invalidate();
}

}  // namespace HAL
