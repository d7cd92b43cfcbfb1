#pragma once
// The samplers of the floor fillers and the object-face filler, for the span functions of
// span_functions.h: one per floor type, facing family and texel format.
#include <algorithm>
#include <cstdint>

#include "render/fill/floor_texels.h"
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
