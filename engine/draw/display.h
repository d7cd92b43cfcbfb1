#pragma once
// SDisplay: the game's drawing surface over the framework's display. It keeps the screen size of
// the screen mode and the display orientation, keeps the back buffer's address in step with the
// framework in the one raster target everything draws through, and offers the 2-D drawing entries
// every screen uses. The game tells it the screen mode; it knows nothing of the game above it.
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/draw/raster_target.h"
#include "framework/hal_display.h"

class SPicture;
struct SPictureEntry;
struct SPaletteEntry;
struct STextBlock;

class SDisplayCommon {
public:
    SDisplayCommon();
    virtual ~SDisplayCommon();

    uint16_t* m_backBuffer = nullptr;  // drawing pixel (0, 0); null until known
    int32_t m_pitch = 0;               // the back buffer's pitch in pixels
    uint16_t m_width = 0;              // the screen mode's size, in the drawing orientation
    uint16_t m_height = 0;
    int32_t m_orientation = 0;  // 0 normal, 1 left landscape, 2 right landscape
};

class SDisplay : public SDisplayCommon {
public:
    SDisplay() = default;
    ~SDisplay() override;

    // The window, the screen size the main game class read from the device, and the screen mode,
    // whose own size the display draws at (the window's size on modes without one). SetMode
    // follows, once the game has placed its view.
    void Init(platform::Window* window, int screenWidth, int screenHeight, int screenMode);
    void CreateSurface();
    void SetWindow(platform::Window* window);
    // Takes the screen mode's size, recreates the framework display unless told to keep it, and
    // refreshes the back buffer's address.
    void SetMode(int screenMode, bool keepDisplay);
    // False when no scene can begin (display suspended or lost).
    bool BeginFrame();
    HAL::Surface* Flip();
    void Present();
    // Draws from now on into pixels (drawing pixel (0, 0)) with the given pitch, at the current size.
    void SetBackBuffer(uint16_t* pixels, int32_t pitch);
    // Called whenever SetBackBuffer moves the surface, so that whoever derived addresses from the
    // target (the 3-D view above) can derive them again.
    void SetSurfaceMoved(std::function<void()> moved) { m_surfaceMoved = std::move(moved); }
    // Draws a picture centred at (x, y), turned by an angle in 16.16 degrees; the 3-D view's
    // rotated-picture filler serves BlitRotated through it.
    using SRotatedDraw = std::function<void(const SPicture& picture, int x, int y, int32_t angle)>;
    void SetRotatedDraw(SRotatedDraw draw) { m_rotatedDraw = std::move(draw); }
    // The surface every drawing entry writes through; the 3-D view draws through it too.
    SRasterTarget& Target() { return m_target; }
    void SetOrientation(int orientation) { m_orientation = orientation; }
    uint16_t* GetBackBuffer() const { return m_backBuffer; }
    bool HasDisplay() const { return m_display != nullptr; }

    // Drawing. None of these clips beyond the pixel loops' own clipping: rectangles are expected
    // inside the screen. A palette, when given, replaces the picture's own colour table. Keyed and
    // opaque blits copy the pixels the entry keeps of its picture, decoded on the first draw.
    void FillRect(int x, int y, int w, int h, uint16_t colour);
    void Clear();
    void FrameRect(int x, int y, int w, int h);
    void BlitKeyed(const SPictureEntry& picture, int x, int y);
    void BlitKeyedRect(const SPictureEntry& picture, int x, int y, int sourceX, int sourceY, int w, int h);
    void BlitKeyedRectPal(const SPictureEntry& picture, const SPaletteEntry* palette, int x, int y, int sourceX,
                          int sourceY, int w, int h);
    void BlitKeyedMirrored(const SPictureEntry& picture, int x, int y);
    void BlitOpaque(const SPictureEntry& picture, int x, int y);
    void BlitOpaqueRect(const SPictureEntry& picture, int x, int y, int sourceX, int sourceY, int w, int h);
    void BlitOpaquePal(const SPictureEntry& picture, const SPaletteEntry* palette, int x, int y);
    // Cover the rectangle with copies of the picture from its top left; the last row and column of
    // copies are cut to fit.
    void TileOpaque(int x, int y, int w, int h, const SPictureEntry& picture);
    void TileKeyed(int x, int y, int w, int h, const SPictureEntry& picture);
    // The picture centred at (x, y), turned anticlockwise by whole degrees; nothing until a rotated
    // draw is given.
    void BlitRotated(const SPictureEntry& picture, int x, int y, int degrees);
    void BlitBlend(const SPictureEntry& picture, int x, int y, int sourceY, int w, int h);
    void BlitScaled(const SPictureEntry& picture, int x, int y, int w, int h);
    void BlitShrink40(const SPictureEntry& picture, const SPaletteEntry* palette, int x, int y);
    void BlitShrink30(const SPictureEntry& picture, const SPaletteEntry* palette, int x, int y);
    void BlitShrink20(const SPictureEntry& picture, const SPaletteEntry* palette, int x, int y);
    void DrawTextBlock(const STextBlock& block);

    std::unique_ptr<HAL::Display> m_display;
    int32_t m_rotation = 0;  // asked of the framework: orientation 0 gives 0, 1 gives 3, 2 gives 1
    int32_t m_turns = 0;     // quarter turns the framework gives the drawing on its way to the screen
    platform::Window* m_window = nullptr;

private:
    SRasterTarget m_target;
    std::function<void()> m_surfaceMoved;
    SRotatedDraw m_rotatedDraw;

    // Reads the surface's address after a scene began and passes a change on.
    void trackSurface();
    void fetchBackBuffer();
    void keepSurfaceSize(const HAL::Surface& surface);
    void refreshTarget();
    void tile(int x, int y, int w, int h, const SPictureEntry& picture, bool keyed);

    // The size of the framework's surface, which drawing never reaches past; 0 until one is known.
    int32_t m_surfaceWidth = 0;
    int32_t m_surfaceHeight = 0;
};
