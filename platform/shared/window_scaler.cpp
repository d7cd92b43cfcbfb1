#include "platform/shared/window_scaler.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// The first window pixel (of `size` across the screen's `screenSize`) that shows screen pixel
// `screenPixel` or a later one.
int firstShowing(int screenPixel, int size, int screenSize) {
    return int((int64_t(screenPixel) * size + screenSize - 1) / screenSize);
}

template <typename Pixel>
void drawRow(const uint16_t* screen, const int* sourceColumn, int from, int to, const uint32_t* colours, uint8_t* out) {
    auto* pixels = reinterpret_cast<Pixel*>(out);
    for (int x = from; x < to; ++x) pixels[x] = Pixel(colours[screen[sourceColumn[x]]]);
}

void drawRow24(const uint16_t* screen, const int* sourceColumn, int from, int to, const uint32_t* colours,
               uint8_t* out) {
    for (int x = from; x < to; ++x) std::memcpy(out + size_t(x) * 3, &colours[screen[sourceColumn[x]]], 3);
}

}  // namespace

void WindowScaler::Fit(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    m_screenWidth = screenWidth;
    m_screenHeight = screenHeight;
    int width = 0, height = 0;
    if (windowWidth >= screenWidth && windowHeight >= screenHeight) {
        // Whole factors keep the pixels crisp.
        const int factor = std::min(windowWidth / screenWidth, windowHeight / screenHeight);
        width = screenWidth * factor;
        height = screenHeight * factor;
    } else if (int64_t(windowWidth) * screenHeight <= int64_t(windowHeight) * screenWidth) {
        // A window shrunk below the screen would show it cut off at factor 1: it shows it whole.
        width = windowWidth;
        height = int(int64_t(screenHeight) * windowWidth / screenWidth);
    } else {
        width = int(int64_t(screenWidth) * windowHeight / screenHeight);
        height = windowHeight;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);
    m_area.left = (windowWidth - width) / 2;
    m_area.top = (windowHeight - height) / 2;
    m_area.right = m_area.left + width;
    m_area.bottom = m_area.top + height;
    m_sourceColumn.resize(size_t(width));
    for (int x = 0; x < width; ++x) m_sourceColumn[size_t(x)] = int(int64_t(x) * screenWidth / width);
}

void WindowScaler::ScreenPoint(int windowX, int windowY, int& screenX, int& screenY) const {
    const int width = std::max(m_area.right - m_area.left, 1), height = std::max(m_area.bottom - m_area.top, 1);
    auto screen = [](int offset, int size, int screenSize) { return int(int64_t(offset) * screenSize / size); };
    screenX = std::clamp(screen(windowX - m_area.left, width, m_screenWidth), 0, std::max(m_screenWidth - 1, 0));
    screenY = std::clamp(screen(windowY - m_area.top, height, m_screenHeight), 0, std::max(m_screenHeight - 1, 0));
}

Rect WindowScaler::Draw(const uint16_t* screen, int screenPitchBytes, const Rect& update, const uint32_t* colours,
                        const WindowPixels& window) const {
    const int width = m_area.right - m_area.left;
    const int height = m_area.bottom - m_area.top;
    if (width <= 0 || height <= 0 || m_area.right > window.width || m_area.bottom > window.height) return {};
    const int from = firstShowing(update.left, width, m_screenWidth);
    const int to = firstShowing(update.right, width, m_screenWidth);
    const int first = firstShowing(update.top, height, m_screenHeight);
    const int end = firstShowing(update.bottom, height, m_screenHeight);
    if (from >= to || first >= end) return {};
    const size_t rowBytes = size_t(to - from) * size_t(window.bytesPerPixel);
    uint8_t* origin = window.pixels + size_t(m_area.left) * size_t(window.bytesPerPixel);
    int drawnSource = -1;
    for (int y = first; y < end; ++y) {
        const int source = int(int64_t(y) * m_screenHeight / height);
        uint8_t* out = origin + size_t(m_area.top + y) * size_t(window.pitchBytes);
        // An enlarged row repeats the one above it.
        if (source == drawnSource) {
            std::memcpy(out + size_t(from) * size_t(window.bytesPerPixel),
                        out - window.pitchBytes + size_t(from) * size_t(window.bytesPerPixel), rowBytes);
            continue;
        }
        drawnSource = source;
        auto row = reinterpret_cast<const uint16_t*>(reinterpret_cast<const uint8_t*>(screen) +
                                                     size_t(source) * size_t(screenPitchBytes));
        switch (window.bytesPerPixel) {
            case 2: drawRow<uint16_t>(row, m_sourceColumn.data(), from, to, colours, out); break;
            case 3: drawRow24(row, m_sourceColumn.data(), from, to, colours, out); break;
            default: drawRow<uint32_t>(row, m_sourceColumn.data(), from, to, colours, out); break;
        }
    }
    return {m_area.left + from, m_area.top + first, m_area.left + to, m_area.top + end};
}

}  // namespace platform
