#pragma once
// What a span function gets for one span, and the set-up of a texture coordinate along it.
#include <algorithm>
#include <cstddef>
#include <cstdint>

struct SFloorLayers;

// Texture positions inside a span are 20.12 texels. The varying ones are unsigned: every position a
// span reads lies inside its picture, and the one step taken after the last pixel may wrap.
struct SSpanState {
    uint16_t* m_first = nullptr;
    ptrdiff_t m_pixelStep = 0;
    int m_count = 0;
    const uint8_t* m_data = nullptr;
    const uint8_t* m_palette = nullptr;
    // The overlay of a wall overlay, in its base's format and size.
    const uint8_t* m_overlayData = nullptr;
    const uint8_t* m_overlayPalette = nullptr;
    int32_t m_stride = 0;    // index entries per picture row
    int32_t m_constant = 0;  // the coordinate that holds along the span, whole texels
    uint32_t m_varying = 0;
    int32_t m_varyingStep = 0;  // per pixel
    // The rotated quad and the free-angle floors step their picture row too.
    uint32_t m_secondVarying = 0;
    int32_t m_secondStep = 0;
    // The object face steps its coordinates by second differences too, and its positions are 12.20.
    int32_t m_varyingStep2 = 0;
    int32_t m_secondStep2 = 0;
    // Floors and the object face: the polygon's textures and masks, read with rows of 256 texels.
    const SFloorLayers* m_layers = nullptr;
    uint32_t m_fog = 0;     // the fog colour, spread
    uint32_t m_factor = 0;  // 0 all fog to 32 none
    // Side faces change the factor along the span: it is the fog value >> 5.
    int32_t m_fogValue = 0;
    int32_t m_fogStep = 0;

    // The count pixels of the span from pixel `skip` on, as a span of their own; for spans stepped
    // by first differences alone.
    SSpanState Part(int skip, int count) const {
        SSpanState part = *this;
        part.m_first += skip * m_pixelStep;
        part.m_count = count;
        part.m_varying += uint32_t(skip) * uint32_t(m_varyingStep);
        part.m_secondVarying += uint32_t(skip) * uint32_t(m_secondStep);
        part.m_fogValue += skip * m_fogStep;
        return part;
    }
};

using SSpanFunction = void (*)(const SSpanState&);

// A filler's span functions for one texel format: blending with the fog, and plain for spans at
// full factor. Fillers with a single kind hold it twice.
struct SSpanPair {
    SSpanFunction m_fog = nullptr;
    SSpanFunction m_plain = nullptr;

    SSpanFunction For(uint32_t factor) const { return factor < 32 ? m_fog : m_plain; }
};

// A texture coordinate (28.4) kept inside a picture side of `texels` texels.
inline int32_t ClampToPicture(int32_t coordinate, int32_t texels) { return std::clamp(coordinate, 0, texels * 16 - 1); }

// The per-pixel step (20.12) of a coordinate going from t1 at minor coordinate x1 to t2 at x2 (28.4);
// 0 when x2 = x1.
inline int32_t SpanStep(int32_t t1, int32_t t2, int32_t x1, int32_t x2) {
    if (x2 == x1) return 0;
    return int32_t((int64_t(t2) - t1) * 4096 / (int64_t(x2) - x1));
}

// t1 (28.4) carried from x1 to the centre of pixel `start`, in 20.12.
inline uint32_t SpanStart(int32_t t1, int32_t x1, int32_t start, int32_t step) {
    const int64_t distance = int64_t(start) * 16 + 8 - x1;
    return uint32_t(int64_t(t1) * 256 + ((distance * step) >> 4));
}
