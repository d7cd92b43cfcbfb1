#include "render/fill/texel_access.h"

#include <gtest/gtest.h>

#include "fill_fixture.h"

namespace texel_access_test {

namespace {

constexpr int kWidth = 6, kHeight = 4;

// Each texel (format 0) or block (formats 1 and 2) gets its own index; format 2's indices start at
// 300, so that both bytes of the little-endian index matter. Colour e of the table is e itself.
fill_test::STestTexture& IndexPicture(int format) {
    static std::unique_ptr<fill_test::STestTexture> pictures[3];
    if (!pictures[format]) {
        const int first = format == 2 ? 300 : 0;
        const int count = format == 0 ? kWidth * kHeight : kWidth * kHeight / 4;
        std::vector<uint32_t> indices;
        for (int i = 0; i < count; ++i) indices.push_back(uint32_t(first + count - 1 - i));
        std::vector<uint16_t> colours(format == 0 ? count : 4 * (first + count));
        for (size_t e = 0; e < colours.size(); ++e) colours[e] = uint16_t(e);
        pictures[format] = std::make_unique<fill_test::STestTexture>(format, kWidth, kHeight, indices, colours);
    }
    return *pictures[format];
}

// The table entry of texel (x, y) by the formats' definitions.
uint32_t ExpectedEntry(int format, int x, int y) {
    if (format == 0) return uint32_t(kWidth * kHeight - 1 - (y * kWidth + x));
    const int count = kWidth * kHeight / 4, first = format == 2 ? 300 : 0;
    const int block = first + count - 1 - ((y / 2) * (kWidth / 2) + x / 2);
    return uint32_t(4 * block + 2 * (y & 1) + (x & 1));
}

template <int kFormat>
void ExpectEveryAccessReadsTheTexel() {
    const SRenderTexture& texture = IndexPicture(kFormat);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const uint16_t expected = uint16_t(ExpectedEntry(kFormat, x, y));
            // Any position inside the texel, 20.12.
            for (uint32_t fraction : {0u, 0x800u, 0xFFFu}) {
                const uint32_t s = uint32_t(x) << 12 | fraction, t = uint32_t(y) << 12 | fraction;
                const SAlongRow<kFormat> row(texture.m_data, texture.m_palette, texture.Stride(), y);
                EXPECT_EQ(ReadColour<SKeying::Opaque>(row, s), expected)
                    << kFormat << " along row at " << x << "," << y;
                const SAlongColumn<kFormat> column(texture.m_data, texture.m_palette, texture.Stride(), x);
                EXPECT_EQ(ReadColour<SKeying::Opaque>(column, t), expected)
                    << kFormat << " along column at " << x << "," << y;
                const SAnyTexel<kFormat> anywhere(texture.m_data, texture.m_palette, texture.Stride());
                EXPECT_EQ(ReadColour<SKeying::Opaque>(anywhere, s, t), expected)
                    << kFormat << " anywhere at " << x << "," << y;
            }
        }
    }
}

TEST(TexelAccessTest, everyFormatReadsTheEntryItsDefinitionNames) {
    ExpectEveryAccessReadsTheTexel<0>();
    ExpectEveryAccessReadsTheTexel<1>();
    ExpectEveryAccessReadsTheTexel<2>();
}

}  // namespace

}  // namespace texel_access_test
