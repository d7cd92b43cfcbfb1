#pragma once
// What stands behind a display handle: the chosen driver, the back buffer, the update rectangle and
// the window's activation.
#include <cstdint>
#include <memory>

#include "framework/drivers/video_driver.h"
#include "framework/hal_display.h"
#include "framework/surface.h"

namespace HAL {

class DisplayImpl {
public:
    explicit DisplayImpl(platform::Window* window);

    virtual void Resume();
    virtual void Suspend();
    virtual void Paint();
    virtual ~DisplayImpl();
    virtual bool Initialize(const DisplayParams& params);
    virtual std::unique_ptr<VideoDriver> SelectDriver(const DisplayParams& params);

    DisplayImpl(const DisplayImpl&) = delete;
    DisplayImpl& operator=(const DisplayImpl&) = delete;

    bool BeginScene();
    Surface* GetSurface();
    bool Swap(uint32_t flags);
    // Null stands for the whole display.
    void SetUpdateRect(const platform::Rect* rect);

    platform::Window* m_window;
    DisplayParams m_params{0, 0, 0, kSwapDiscard};
    std::unique_ptr<VideoDriver> m_driver;
    std::unique_ptr<Surface> m_backBuffer;
    Surface* m_locked = nullptr;
    platform::Rect m_update;
    int32_t m_turns = 0;  // quarter turns from the surface the game draws to the screen
    uint8_t m_wholeRows = 0;
    uint8_t m_active = 1;

private:
    bool initializeDriver(const DisplayParams& params);
    void copyUpdateRect();
};

}  // namespace HAL
