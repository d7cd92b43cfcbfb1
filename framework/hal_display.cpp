#include "framework/hal_display.h"

#include "framework/display_impl.h"
#include "framework/log.h"

namespace HAL {

std::unique_ptr<Display> Display::Create(platform::Window* window, DisplayParams& params) {
    Log("Display::Create( hwnd = %08X, W:%d, H:%d, O:%d, S:%d )", uint32_t(uintptr_t(window)), params.width,
        params.height, params.orientation, params.swapEffect);
    if (params.swapEffect == kSwapDefault) {
        Log("Swap effect forced to SWAP_DISCARD");
        params.swapEffect = kSwapDiscard;
    }
    auto display = std::make_unique<Display>(std::make_unique<DisplayImpl>(window));
    Log("Initializing display...");
    if (!display->m_impl->Initialize(params)) {
        Log("Failed, destroying internal structures");
        return nullptr;
    }
    const DisplayParams& granted = display->m_impl->m_params;
    params = granted;
    Log("Success, returning display params to caller (W:%d, H:%d, O:%d, S:%d)", granted.width, granted.height,
        granted.orientation, granted.swapEffect);
    return display;
}

Display::Display(std::unique_ptr<DisplayImpl> impl) : m_impl(std::move(impl)) {}
Display::~Display() = default;

bool Display::BeginScene() { return m_impl->BeginScene(); }
Surface* Display::GetSurface() { return m_impl->GetSurface(); }
bool Display::Swap(uint32_t flags) { return m_impl->Swap(flags); }
int32_t Display::QuarterTurns() const { return m_impl->m_turns; }

}  // namespace HAL
