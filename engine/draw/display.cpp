#include "engine/draw/display.h"

#include <algorithm>

#include "engine/draw/pixel_loops.h"
#include "engine/draw/text.h"
#include "engine/packages/resource_cache.h"
#include "framework/surface.h"

namespace {

struct ModeSize {
    int mode;
    uint16_t width, height;
};

// The size the game draws at in each screen mode; mode 11 and unknown modes keep the window's.
constexpr ModeSize kModeSizes[] = {{6, 320, 240},  {7, 240, 320},  {8, 240, 240},  {9, 640, 480},
                                   {10, 480, 640}, {14, 800, 480}, {15, 800, 584}, {16, 640, 240}};

bool modeSize(int mode, uint16_t& width, uint16_t& height) {
    for (const ModeSize& size : kModeSizes) {
        if (size.mode != mode) continue;
        width = size.width;
        height = size.height;
        return true;
    }
    return false;
}

struct DrawnPicture {
    SPicture picture;
    SColourSource source;
};

// The picture as drawn with a palette in place of its own colour table, when one is given that
// holds every colour the picture names.
DrawnPicture withPalette(const SPictureEntry& picture, const SPaletteEntry* palette) {
    DrawnPicture drawn{picture.picture, SColourSource::OwnTable};
    SReadError refused;
    if (palette && palette->data && drawn.picture.UsePalette(palette->Colours(), refused))
        drawn.source = SColourSource::Palette;
    return drawn;
}

// The entry's picture in pixels with the palette or its own table: drawn on first use and again
// when the colours change, kept with the entry in between.
const SDecodedPicture& decoded(const SPictureEntry& picture, const SPaletteEntry* palette) {
    const DrawnPicture drawn = withPalette(picture, palette);
    picture.decoded.Update(drawn.picture, drawn.source);
    return picture.decoded;
}

void blitKeyed(SRasterTarget& target, const SDecodedPicture& pixels, int x, int y, int sourceX, int sourceY, int w,
               int h) {
    SPixelLoops::CopyPixelsKeyedRaw(target, x, y, pixels.Keyed(), pixels.Width(), pixels.Height(), sourceX, sourceY, w,
                                    h);
}

void blitOpaque(SRasterTarget& target, const SDecodedPicture& pixels, int x, int y, int sourceX, int sourceY, int w,
                int h) {
    SPixelLoops::CopyPixelsRaw(target, x, y, pixels.Opaque(), pixels.Width(), pixels.Height(), sourceX, sourceY, w, h);
}

}  // namespace

SDisplayCommon::SDisplayCommon() = default;
SDisplayCommon::~SDisplayCommon() = default;

SDisplay::~SDisplay() = default;

void SDisplay::Init(platform::Window* window, int screenWidth, int screenHeight, int screenMode) {
    m_width = uint16_t(screenWidth);
    m_height = uint16_t(screenHeight);
    // The display is made at the size the screen mode draws at, so that the first frame already
    // has the right shape.
    modeSize(screenMode, m_width, m_height);
    m_window = window;
    CreateSurface();
    fetchBackBuffer();
    refreshTarget();
}

void SDisplay::CreateSurface() {
    m_display.reset();
    static constexpr int32_t kRotations[] = {0, 3, 1};
    m_rotation = m_orientation >= 0 && m_orientation <= 2 ? kRotations[m_orientation] : 0;
    HAL::DisplayParams params{m_width, m_height, m_rotation, HAL::kSwapCopy};
    m_display = HAL::Display::Create(m_window, params);
    m_turns = m_display ? m_display->QuarterTurns() : 0;
}

void SDisplay::SetWindow(platform::Window* window) {
    m_window = window;
    CreateSurface();
}

void SDisplay::fetchBackBuffer() {
    if (!m_display || !m_display->BeginScene()) return;
    if (HAL::Surface* surface = m_display->GetSurface()) {
        m_backBuffer = surface->m_pixels;
        m_pitch = surface->m_pitch / 2;
        keepSurfaceSize(*surface);
    }
    m_display->Swap(0);
}

void SDisplay::refreshTarget() {
    // The framework turns the finished frame, so the game always draws upright. A screen mode
    // larger than the surface the framework granted is cut to the surface rather than drawn past
    // its end.
    const int32_t width = m_surfaceWidth ? std::min<int32_t>(m_width, m_surfaceWidth) : m_width;
    const int32_t height = m_surfaceHeight ? std::min<int32_t>(m_height, m_surfaceHeight) : m_height;
    m_target.Set(m_backBuffer, width, height, m_pitch ? m_pitch : m_width, 0);
}

void SDisplay::keepSurfaceSize(const HAL::Surface& surface) {
    m_surfaceWidth = surface.m_width;
    m_surfaceHeight = surface.m_height;
}

void SDisplay::SetMode(int screenMode, bool keepDisplay) {
    modeSize(screenMode, m_width, m_height);
    if (!keepDisplay) CreateSurface();
    fetchBackBuffer();
    refreshTarget();
}

void SDisplay::trackSurface() {
    HAL::Surface* surface = m_display->GetSurface();
    if (!surface) return;
    keepSurfaceSize(*surface);
    SetBackBuffer(surface->m_pixels, surface->m_pitch / 2);
}

bool SDisplay::BeginFrame() {
    if (!m_display || !m_display->BeginScene()) return false;
    trackSurface();
    return true;
}

HAL::Surface* SDisplay::Flip() {
    Present();
    return BeginFrame() ? m_display->GetSurface() : nullptr;
}

void SDisplay::Present() {
    // A frame that drew nothing would show what the screen shows already: the display's copy and
    // the window's compare are left out, so that standing still costs next to nothing. A present
    // refused because no frame has begun since the last one keeps what was drawn owed to the next.
    if (!m_display || !m_target.m_drawn) return;
    if (m_display->Swap(0)) m_target.m_drawn = false;
}

void SDisplay::SetBackBuffer(uint16_t* pixels, int32_t pitch) {
    if (pixels == m_backBuffer && pitch == m_pitch) return;
    m_backBuffer = pixels;
    m_pitch = pitch;
    refreshTarget();
    if (m_surfaceMoved) m_surfaceMoved();
}

void SDisplay::FillRect(int x, int y, int w, int h, uint16_t colour) {
    if (m_target.m_pixels) SPixelLoops::FillRectRaw(m_target, x, y, w, h, colour);
}

void SDisplay::Clear() { FillRect(0, 0, m_width, m_height, 0); }

void SDisplay::FrameRect(int x, int y, int w, int h) {
    FillRect(x, y, w, 1, 0);
    FillRect(x, y, 1, h, 0);
    FillRect(x, y + h - 1, w, 1, 0);
    FillRect(x + w - 1, y, 1, h, 0);
}

void SDisplay::BlitKeyed(const SPictureEntry& picture, int x, int y) {
    BlitKeyedRect(picture, x, y, 0, 0, picture.picture.Width(), picture.picture.Height());
}

void SDisplay::BlitKeyedRect(const SPictureEntry& picture, int x, int y, int sourceX, int sourceY, int w, int h) {
    BlitKeyedRectPal(picture, nullptr, x, y, sourceX, sourceY, w, h);
}

void SDisplay::BlitKeyedRectPal(const SPictureEntry& picture, const SPaletteEntry* palette, int x, int y, int sourceX,
                                int sourceY, int w, int h) {
    if (m_target.m_pixels && picture.data) blitKeyed(m_target, decoded(picture, palette), x, y, sourceX, sourceY, w, h);
}

void SDisplay::BlitKeyedMirrored(const SPictureEntry& picture, int x, int y) {
    if (m_target.m_pixels && picture.data)
        SPixelLoops::BlitKeyedMirroredRaw(m_target, picture.picture, x, y, picture.picture.Width(),
                                          picture.picture.Height());
}

void SDisplay::BlitOpaque(const SPictureEntry& picture, int x, int y) { BlitOpaquePal(picture, nullptr, x, y); }

void SDisplay::BlitOpaqueRect(const SPictureEntry& picture, int x, int y, int sourceX, int sourceY, int w, int h) {
    if (m_target.m_pixels && picture.data)
        blitOpaque(m_target, decoded(picture, nullptr), x, y, sourceX, sourceY, w, h);
}

void SDisplay::BlitOpaquePal(const SPictureEntry& picture, const SPaletteEntry* palette, int x, int y) {
    if (m_target.m_pixels && picture.data)
        blitOpaque(m_target, decoded(picture, palette), x, y, 0, 0, picture.picture.Width(), picture.picture.Height());
}

void SDisplay::tile(int x, int y, int w, int h, const SPictureEntry& picture, bool keyed) {
    if (!m_target.m_pixels || !picture.data) return;
    const SDecodedPicture& pixels = decoded(picture, nullptr);
    if (keyed)
        SPixelLoops::TilePixelsKeyedRaw(m_target, x, y, w, h, pixels.Keyed(), pixels.Width(), pixels.Height());
    else
        SPixelLoops::TilePixelsRaw(m_target, x, y, w, h, pixels.Opaque(), pixels.Width(), pixels.Height());
}

void SDisplay::TileOpaque(int x, int y, int w, int h, const SPictureEntry& picture) {
    tile(x, y, w, h, picture, false);
}

void SDisplay::TileKeyed(int x, int y, int w, int h, const SPictureEntry& picture) { tile(x, y, w, h, picture, true); }

void SDisplay::BlitRotated(const SPictureEntry& picture, int x, int y, int degrees) {
    // Whole turns are dropped first, so that no angle overflows on its way to 16.16.
    if (m_target.m_pixels && picture.data && m_rotatedDraw) m_rotatedDraw(picture.picture, x, y, (degrees % 360) << 16);
}

void SDisplay::BlitBlend(const SPictureEntry& picture, int x, int y, int sourceY, int w, int h) {
    if (m_target.m_pixels && picture.data) SPixelLoops::BlitBlendRaw(m_target, picture.picture, x, y, sourceY, w, h);
}

void SDisplay::BlitScaled(const SPictureEntry& picture, int x, int y, int w, int h) {
    if (m_target.m_pixels && picture.data)
        SPixelLoops::BlitScaledRaw(m_target, picture.picture, x, y, picture.picture.Width(), picture.picture.Height(),
                                   w, h);
}

void SDisplay::BlitShrink40(const SPictureEntry& picture, const SPaletteEntry* palette, int x, int y) {
    if (m_target.m_pixels && picture.data)
        SPixelLoops::BlitShrink40Raw(m_target, withPalette(picture, palette).picture, x, y);
}

void SDisplay::BlitShrink30(const SPictureEntry& picture, const SPaletteEntry* palette, int x, int y) {
    if (m_target.m_pixels && picture.data)
        SPixelLoops::BlitShrink30Raw(m_target, withPalette(picture, palette).picture, x, y);
}

void SDisplay::BlitShrink20(const SPictureEntry& picture, const SPaletteEntry* palette, int x, int y) {
    if (m_target.m_pixels && picture.data)
        SPixelLoops::BlitShrink20Raw(m_target, withPalette(picture, palette).picture, x, y);
}

void SDisplay::DrawTextBlock(const STextBlock& block) {
    if (!m_target.m_pixels || !block.font || !block.font->HasStrip() || !block.text) return;
    SPixelLoops::DrawTextRaw(m_target, block.font->m_strip, block.font->m_glyphOffset, block.font->m_glyphWidth,
                             block.font->m_glyphInk, block.shades, block.x, block.y, block.text);
}
