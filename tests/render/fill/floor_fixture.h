#pragma once
// What the floor and object-face filler tests share: floor textures (256 texels wide) whose every
// texel the test can predict, masks, and every floor filler behind one call.
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "fill_fixture.h"
#include "render/fill/floor_texels.h"

namespace fill_test {

// A texture of random texels, kept so that the test can say which colour texel (x, y) has.
// Format 0 has 256 colours, formats 1 and 2 256 and 1,024 blocks; no colour is 0xFFFF.
class SModelTexture {
public:
    SModelTexture(int format, int width, int height, unsigned seed = 7) : m_format(format), m_width(width) {
        std::mt19937 random(seed);
        const int entries = format == 0 ? width * height : width * height / 4;
        const uint32_t indexCount = format == 2 ? 1024 : 256;
        for (int i = 0; i < entries; ++i) m_indices.push_back(random() % indexCount);
        for (uint32_t i = 0; i < (format == 0 ? indexCount : 4 * indexCount); ++i)
            m_colours.push_back(uint16_t(random() % 0xFFFF));
        m_texture = std::make_unique<STestTexture>(format, width, height, m_indices, m_colours);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) m_decodedColours.push_back(At(x, y));
        }
        m_decoded = m_texture->Texture();
        m_decoded.m_colours = m_decodedColours.data();
    }

    uint16_t At(int x, int y) const {
        if (m_format == 0) return m_colours[m_indices[size_t(y * m_width + x)]];
        const uint32_t block = m_indices[size_t((y >> 1) * (m_width >> 1) + (x >> 1))];
        return m_colours[4 * block + 2 * (y & 1) + (x & 1)];
    }
    const SRenderTexture& Texture() const { return *m_texture; }
    operator const SRenderTexture&() const { return *m_texture; }
    // The same texture with its colours decoded, in a buffer of exactly their size.
    const SRenderTexture& Decoded() const { return m_decoded; }

private:
    int m_format;
    int m_width;
    std::vector<uint32_t> m_indices;
    std::vector<uint16_t> m_colours;
    std::unique_ptr<STestTexture> m_texture;
    std::vector<uint16_t> m_decodedColours;
    SRenderTexture m_decoded;
};

// A texture of one colour everywhere.
inline std::unique_ptr<STestTexture> MakeConstantTexture(int format, uint16_t colour, int width = 256,
                                                         int height = 16) {
    const int entries = format == 0 ? width * height : width * height / 4;
    return std::make_unique<STestTexture>(format, width, height, std::vector<uint32_t>(size_t(entries), 0),
                                          std::vector<uint16_t>(format == 0 ? 1 : 4, colour));
}

// A mask: a format-0 picture whose texel bytes are the bits, 16 bytes to a row.
inline std::unique_ptr<STestTexture> MakeMask(const std::vector<uint8_t>& bits, int width = 16) {
    const int height = int(bits.size()) / width;
    return std::make_unique<STestTexture>(0, width, height, std::vector<uint32_t>(bits.begin(), bits.end()),
                                          std::vector<uint16_t>(256, 0));
}
inline std::unique_ptr<STestTexture> MakeFullMask(bool set) {
    return MakeMask(std::vector<uint8_t>(floor_texels::kMaskBytes, set ? 0xFF : 0));
}

// What a floor polygon may read; a filler reads those its type uses.
struct SFloorInputs {
    const SRenderTexture* a = nullptr;
    const SRenderTexture* b = nullptr;
    const SRenderTexture* c = nullptr;
    const SRenderTexture* mask1 = nullptr;
    const SRenderTexture* mask2 = nullptr;
};

inline const SRenderTexture* Of(const std::unique_ptr<STestTexture>& texture) { return &texture->Texture(); }

using SFloorFiller = std::function<void(const SRasterTarget&, const SFillPolygon&, const SFloorInputs&, uint32_t)>;

// The filler of floor type 1 to 5 for a facing family, or type 10.
inline SFloorFiller FloorFiller(int type, SFloorFamily family) {
    using Draw1 = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, uint32_t);
    using Draw2 = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, const SRenderTexture&,
                           const SRenderTexture&, uint32_t);
    using Draw3 = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, const SRenderTexture&,
                           const SRenderTexture&, const SRenderTexture&, const SRenderTexture&, uint32_t);
    using Draw4 =
        void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, const SRenderTexture&, uint32_t);
    using Draw5 = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, const SRenderTexture&,
                           const SRenderTexture&, const SRenderTexture&, uint32_t);
    const int f = int(family);
    static constexpr Draw1 kType1[] = {DrawPolyFloor1NS, DrawPolyFloor1EW, DrawPolyFloor1Free};
    static constexpr Draw2 kType2[] = {DrawPolyFloor2NS, DrawPolyFloor2EW, DrawPolyFloor2Free};
    static constexpr Draw3 kType3[] = {DrawPolyFloor3NS, DrawPolyFloor3EW, DrawPolyFloor3Free};
    static constexpr Draw4 kType4[] = {DrawPolyFloor4NS, DrawPolyFloor4EW, DrawPolyFloor4Free};
    static constexpr Draw5 kType5[] = {DrawPolyFloor5NS, DrawPolyFloor5EW, DrawPolyFloor5Free};
    switch (type) {
        case 1: return [f](auto& t, auto& p, const SFloorInputs& in, uint32_t fog) { kType1[f](t, p, *in.a, fog); };
        case 2:
            return [f](auto& t, auto& p, const SFloorInputs& in, uint32_t fog) {
                kType2[f](t, p, *in.a, *in.b, *in.mask1, fog);
            };
        case 3:
            return [f](auto& t, auto& p, const SFloorInputs& in, uint32_t fog) {
                kType3[f](t, p, *in.a, *in.b, *in.c, *in.mask1, *in.mask2, fog);
            };
        case 4:
            return [f](auto& t, auto& p, const SFloorInputs& in, uint32_t fog) { kType4[f](t, p, *in.a, *in.b, fog); };
        case 5:
            return [f](auto& t, auto& p, const SFloorInputs& in, uint32_t fog) {
                kType5[f](t, p, *in.a, *in.b, *in.c, *in.mask1, fog);
            };
        default:
            return [](auto& t, auto& p, const SFloorInputs& in, uint32_t fog) { DrawPolyType10(t, p, *in.a, fog); };
    }
}

constexpr SFloorFamily kFamilies[] = {SFloorFamily::NS, SFloorFamily::EW, SFloorFamily::Free};
inline const char* FamilyName(SFloorFamily family) {
    return family == SFloorFamily::NS ? "NS" : family == SFloorFamily::EW ? "EW" : "Free";
}

// A rectangle of pixels (x0, y0) to (x1, y1) mapped onto the texture rectangle (u0, v0) to (u1, v1)
// (1/16 texel), u along the screen row for NS-style views, or along the screen column (turned) for
// EW-style ones; one depth.
inline SPolygonData FloorRectangle(int x0, int y0, int x1, int y1, int32_t u0, int32_t v0, int32_t u1, int32_t v1,
                                   bool turned, uint16_t shade = 128, int32_t depth = 1024) {
    if (!turned)
        return Rectangle(16 * x0, 16 * y0, 16 * x1, 16 * y1, {SRenderUv{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}}, shade,
                         depth);
    return Rectangle(16 * x0, 16 * y0, 16 * x1, 16 * y1, {SRenderUv{u0, v0}, {u0, v1}, {u1, v1}, {u1, v0}}, shade,
                     depth);
}

// Runs a floor filler on a surface and returns its drawing pixels; the guards must hold.
inline std::vector<uint16_t> RenderFloor(const SFloorFiller& filler, const SPolygonData& data,
                                         const SFloorInputs& inputs, int width, int height, int orientation = 0,
                                         uint32_t fog = kBlackFog) {
    STestSurface surface(width, height, orientation, kBackground);
    filler(surface.Target(), data.Polygon(), inputs, fog);
    EXPECT_TRUE(surface.GuardsIntact());
    return surface.Pixels();
}

}  // namespace fill_test
