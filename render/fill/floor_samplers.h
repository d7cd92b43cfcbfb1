#pragma once
// The samplers of the floor fillers and the object-face filler, for the span functions of
// span_functions.h: one per floor type, facing family and texel format.
#include <algorithm>
#include <cstdint>

#include "render/fill/floor_texels.h"
#include "render/fill/fog_blend.h"
#include "render/fill/span_state.h"

// Floors step their varying coordinates linearly, 20.12 texels. At facings 0 and 2 the span's
// varying position is the column and its constant the row, at facings 1 and 3 the other way round;
// at any other facing the varying position is the column and the second one the row.
template <int kType, SFloorFamily kFamily>
struct SFloorSamplers {
    template <int kFormat>
    class Sampler {
    public:
        static constexpr bool kKeyed = false;

        explicit Sampler(const SSpanState& span)
            : m_column(kColumnVaries ? span.m_varying : 0),
              m_row(kFamily == SFloorFamily::EW ? span.m_varying : span.m_secondVarying),
              m_columnStep(kColumnVaries ? uint32_t(span.m_varyingStep) : 0),
              m_rowStep(kFamily == SFloorFamily::EW ? uint32_t(span.m_varyingStep) : uint32_t(span.m_secondStep)),
              m_texels(*span.m_layers, uint32_t(span.m_constant), uint32_t(span.m_constant)) {}

        uint16_t Read() const { return m_texels.Colour(m_column >> 12, m_row >> 12); }
        void Advance() {
            if constexpr (kColumnVaries) m_column += m_columnStep;
            if constexpr (kRowVaries) m_row += m_rowStep;
        }

    private:
        static constexpr bool kColumnVaries = floor_texels::kColumnVaries<kFamily>;
        static constexpr bool kRowVaries = floor_texels::kRowVaries<kFamily>;

        uint32_t m_column;
        uint32_t m_row;
        uint32_t m_columnStep;
        uint32_t m_rowStep;
        SFloorTexels<kType, kFormat, kFamily> m_texels;
    };
};

// At facings 0 to 3 a span that shows no more texels than it has pixels (a floor near the eye)
// works each of its texels out once, choice and fog included, into a line of colours, and then
// only copies from it; this also reads a turned texture's column once per texel rather than once
// per pixel. The pair's functions are the same: the line holds the fog already.
namespace floor_line {

constexpr int kMaxTexels = 1024;

// The texels a span's varying coordinate passes, first to last.
struct STexelRange {
    uint32_t m_first = 0;
    uint32_t m_count = 0;
};

inline STexelRange TexelsAlong(const SSpanState& span) {
    const uint32_t start = span.m_varying >> 12;
    const uint32_t end = (span.m_varying + uint32_t(span.m_count - 1) * uint32_t(span.m_varyingStep)) >> 12;
    return {std::min(start, end), std::max(start, end) - std::min(start, end) + 1};
}

// Whether the span is better drawn from a line: when each of its texels covers at least
// `pixelsPerTexel` pixels on average.
inline bool WorthALine(const SSpanState& span, uint32_t pixelsPerTexel) {
    const uint32_t texels = TexelsAlong(span).m_count;
    return texels * pixelsPerTexel <= uint32_t(span.m_count) && texels <= uint32_t(kMaxTexels);
}

// Read from decoded colours a pixel costs one load, about what reading it from a line costs, and
// a line is only worth working out when its texels are each copied several times; read from
// indices a pixel costs two loads, and a line pays already at one pixel per texel.
inline uint32_t PixelsPerTexelOfALine(int format) { return format == SFloorLayers::kDecoded ? 4 : 1; }

}  // namespace floor_line

template <int kType, SFloorFamily kFamily>
struct SFloorLineSamplers {
    static_assert(kFamily != SFloorFamily::Free, "a free-angle span varies in both coordinates");

    template <int kFormat>
    class Sampler {
    public:
        static constexpr bool kKeyed = false;

        explicit Sampler(const SSpanState& span) : m_step(uint32_t(span.m_varyingStep)) {
            const floor_line::STexelRange range = floor_line::TexelsAlong(span);
            m_position = span.m_varying - (range.m_first << 12);
            const uint32_t constant = uint32_t(span.m_constant);
            const SFloorTexels<kType, kFormat, kFamily> texels(*span.m_layers, constant, constant);
            for (uint32_t i = 0; i < range.m_count; ++i) {
                const uint32_t t = range.m_first + i;
                m_line[i] = kFamily == SFloorFamily::NS ? texels.Colour(t, constant) : texels.Colour(constant, t);
            }
            if (span.m_factor >= fog::kFullFactor) return;
            const fog::SChannels fog(span.m_fog);
            for (uint32_t i = 0; i < range.m_count; ++i) m_line[i] = fog.Blend(m_line[i], int16_t(span.m_factor));
        }

        uint16_t Read() const { return m_line[m_position >> 12]; }
        void Advance() { m_position += m_step; }

    private:
        uint32_t m_position;
        uint32_t m_step;
        uint16_t m_line[floor_line::kMaxTexels];
    };
};

// The object face steps a second-order fit of its coordinates, 12.20 texels, by forward
// differences. Between its samples the fit can leave the texture, so every position is kept inside
// it before it is read; the arithmetic wraps rather than overflows.
template <int kFormat>
class SObjectFaceSampler {
public:
    static constexpr bool kKeyed = false;

    explicit SObjectFaceSampler(const SSpanState& span)
        : m_texels(*span.m_layers, 0, 0),
          m_column(span.m_varying),
          m_row(span.m_secondVarying),
          m_columnStep(uint32_t(span.m_varyingStep)),
          m_rowStep(uint32_t(span.m_secondStep)),
          m_columnStep2(uint32_t(span.m_varyingStep2)),
          m_rowStep2(uint32_t(span.m_secondStep2)),
          m_columnMax(span.m_layers->m_columnMax),
          m_rowMax(span.m_layers->m_rowMax) {}

    uint16_t Read() const {
        const int32_t column = std::clamp(int32_t(m_column), 0, m_columnMax);
        const int32_t row = std::clamp(int32_t(m_row), 0, m_rowMax);
        return m_texels.Colour(uint32_t(column) >> 20, uint32_t(row) >> 20);
    }
    void Advance() {
        m_column += m_columnStep;
        m_columnStep += m_columnStep2;
        m_row += m_rowStep;
        m_rowStep += m_rowStep2;
    }

private:
    SFloorTexels<1, kFormat, SFloorFamily::Free> m_texels;
    uint32_t m_column;
    uint32_t m_row;
    uint32_t m_columnStep;
    uint32_t m_rowStep;
    uint32_t m_columnStep2;
    uint32_t m_rowStep2;
    int32_t m_columnMax;
    int32_t m_rowMax;
};
