#pragma once
// The 2-D blits' benchmark set-ups, shared with the test that counts the pixels each one writes: a
// full-screen 640x480 picture drawn through the game's display into a back buffer of packed rows.
#include <algorithm>
#include <random>
#include <stdexcept>
#include <vector>

#include "bench/setups/bench_surface.h"
#include "engine/draw/display.h"
#include "engine/packages/resource_cache.h"
#include "tests/support/memory_display.h"
#include "tests/support/picture_record.h"

namespace screen_pictures {

using bench_surface::kHeight;
using bench_surface::kWidth;

// How the key colour lies in a picture: scattered at random, about one pixel in eight, in no
// pattern a branch predictor can learn; or around a disc, as in a sprite.
enum class Keys { Scattered, Sprite };

// A full-screen picture of random indices into 256 colours, of which every eighth is the key.
class ScreenPicture {
public:
    ScreenPicture(int format, Keys keys) {
        std::mt19937 random(7);
        int blockSide = format == 0 ? 1 : 2;
        int columns = kWidth / blockSide, rows = kHeight / blockSide;
        std::vector<uint32_t> texels;
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < columns; ++x) {
                uint32_t index = format == 0 ? random() % 256 : random() % 64;
                if (keys == Keys::Sprite)
                    index = InDisc(x * blockSide, y * blockSide) ? Opaque(index, format) : KeyIndex(format);
                texels.push_back(index);
            }
        }
        std::vector<uint16_t> colours(256);
        for (size_t i = 0; i < colours.size(); ++i)
            colours[i] = i % 8 == 7 ? SPicture::kTransparent : uint16_t(i * 257);
        m_bytes = PictureRecord(format, kWidth, kHeight, texels, colours);
        SReadError error;
        if (!m_entry.Bind(m_bytes, 0, error)) throw std::runtime_error(error.Message());
    }
    const SPictureEntry& Entry() const { return m_entry; }

private:
    static bool InDisc(int x, int y) {
        int dx = x - kWidth / 2, dy = y - kHeight / 2;
        return dx * dx + dy * dy < kHeight * kHeight / 4;
    }
    // An index none of whose colours is the key, and one that is wholly transparent.
    // In blocks, an odd index's last colour is the key.
    static uint32_t Opaque(uint32_t index, int format) {
        return format == 0 ? index - (index % 8 == 7) : std::max(index & ~1u, 2u);
    }
    static uint32_t KeyIndex(int format) { return format == 0 ? 7 : 0; }

    std::vector<uint8_t> m_bytes;
    SPictureEntry m_entry;
};

// The game's display drawing into a 640x480 back buffer of packed rows.
struct ScreenDisplay {
    std::vector<uint16_t> pixels = std::vector<uint16_t>(size_t(kWidth) * kHeight);
    SDisplay display;

    ScreenDisplay() { DrawIntoMemory(display, pixels, kWidth, kHeight); }
};

// A picture's first draw: the pixels it was decoded into let go, so that the blit decodes it anew.
inline void FirstDraw(SDisplay& display, const SPictureEntry& picture, bool keyed) {
    picture.decoded.Release();
    if (keyed)
        display.BlitKeyed(picture, 0, 0);
    else
        display.BlitOpaque(picture, 0, 0);
}

}  // namespace screen_pictures
