#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/base/byte_order.h"
#include "floor_fixture.h"

namespace floor_fillers_test {

namespace {

using namespace fill_test;

constexpr uint32_t kGreyFog = 0x0200C008;  // 0x8410 spread

// The texel that pixel x of a span shows, between clamped ends c0 and c1 (1/16 texel) at the left
// and right edges of a span `pixels` wide that starts at pixel 0.
int Along(int32_t c0, int32_t c1, int pixels, int x) {
    const int32_t step = ((c1 - c0) << 12) / (pixels * 16);
    return ((c0 << 8) + (((16 * x + 8) * step) >> 4)) >> 12;
}

std::string Where(SFloorFamily family, int format, int orientation) {
    return std::string(FamilyName(family)) + " format " + std::to_string(format) + " orientation " +
           std::to_string(orientation);
}

// At one texel per pixel every filler family shows texel (x, y) at pixel (x, y) (EW: turned, texel
// (y, x)), in every format and orientation.
TEST(FloorFillersTest, oneTexelPerPixelShowsEveryTexelInEveryOrientation) {
    for (int format = 0; format <= 2; ++format) {
        const SModelTexture texture(format, 256, 16);
        for (SFloorFamily family : kFamilies) {
            const bool turned = family == SFloorFamily::EW;
            const int width = turned ? 16 : 256, height = turned ? 256 : 16;
            const SPolygonData quad = FloorRectangle(0, 0, width, height, 0, 0, 4096, 256, turned);
            std::vector<uint16_t> expected;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) expected.push_back(turned ? texture.At(y, x) : texture.At(x, y));
            }
            for (int orientation = 0; orientation <= 2; ++orientation) {
                EXPECT_EQ(RenderFloor(FloorFiller(1, family), quad, {&texture.Texture()}, width, height, orientation),
                          expected)
                    << Where(family, format, orientation);
            }
        }
    }
}

// xL = 168 and xR = 328 are the centres of pixels 10 and 20; with cL = 0 and cR = 160 the step is
// one texel per pixel from texel 0 at pixel 10, so pixels 10 to 19 show columns 0 to 9.
TEST(FloorFillersTest, workedSpanShowsColumnsZeroToNineOnPixelsTenToNineteen) {
    const SModelTexture texture(0, 256, 16);
    for (SFloorFamily family : {SFloorFamily::NS, SFloorFamily::Free}) {
        SPolygonData span = Rectangle(168, 0, 328, 16, {SRenderUv{0, 48}, {160, 48}, {160, 64}, {0, 64}});
        for (int orientation = 0; orientation <= 2; ++orientation) {
            const std::vector<uint16_t> pixels =
                RenderFloor(FloorFiller(1, family), span, {&texture.Texture()}, 30, 1, orientation);
            for (int x = 0; x < 30; ++x) {
                EXPECT_EQ(pixels[size_t(x)], x >= 10 && x < 20 ? texture.At(x - 10, 3) : kBackground)
                    << FamilyName(family) << " pixel " << x << " orientation " << orientation;
            }
        }
    }
}

struct SChoiceCase {
    const char* name;
    int type;
    bool mask1;
    bool mask2;
    uint16_t overlay;  // B of type 4, C of type 5
    uint16_t expected;
};

// Each floor type's texel choice from textures of one colour each: A kA, B kB, C kC.
TEST(FloorFillersTest, eachTypeChoosesItsTexel) {
    const SChoiceCase cases[] = {
        {"type 1", 1, true, true, kB, kA},
        {"type 2 mask clear", 2, false, false, kB, kA},
        {"type 2 mask set", 2, true, false, kB, kB},
        {"type 3 no mask", 3, false, false, kC, kA},
        {"type 3 mask 1", 3, true, false, kC, kB},
        {"type 3 mask 2", 3, false, true, kC, kC},
        {"type 3 both masks", 3, true, true, kC, kC},
        {"type 4 clear overlay", 4, false, false, 0xFFFF, kA},
        {"type 4 overlay 0xFFFE", 4, false, false, 0xFFFE, 0xFFFE},
        {"type 4 overlay", 4, false, false, kB, kB},
        {"type 5 clear overlay, mask clear", 5, false, false, 0xFFFF, kA},
        {"type 5 clear overlay, mask set", 5, true, false, 0xFFFF, kB},
        {"type 5 overlay 0xFFFE, mask set", 5, true, false, 0xFFFE, 0xFFFE},
        {"type 5 overlay, mask clear", 5, false, false, kC, kC},
        {"type 5 overlay, mask set", 5, true, false, kC, kC},
    };
    const auto setMask = MakeFullMask(true), clearMask = MakeFullMask(false);
    for (int format = 0; format <= 2; ++format) {
        const auto a = MakeConstantTexture(format, kA);
        for (const SChoiceCase& c : cases) {
            const auto b = MakeConstantTexture(format, c.type == 4 ? c.overlay : kB);
            const auto texC = MakeConstantTexture(format, c.type == 5 ? c.overlay : kC);
            const SFloorInputs inputs{Of(a), Of(b), Of(texC), c.mask1 ? Of(setMask) : Of(clearMask),
                                      c.mask2 ? Of(setMask) : Of(clearMask)};
            for (SFloorFamily family : kFamilies) {
                const SPolygonData quad = FloorRectangle(1, 1, 9, 5, 0, 0, 4096, 256, family == SFloorFamily::EW);
                const std::vector<uint16_t> pixels = RenderFloor(FloorFiller(c.type, family), quad, inputs, 10, 6);
                for (int y = 0; y < 6; ++y) {
                    for (int x = 0; x < 10; ++x) {
                        const bool inside = x >= 1 && x < 9 && y >= 1 && y < 5;
                        ASSERT_EQ(pixels[size_t(y * 10 + x)], inside ? c.expected : kBackground)
                            << c.name << " " << FamilyName(family) << " format " << format << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

// A mask bit is word (row >> 1) x 4 + (col >> 6), bit (col >> 1) & 31, of little-endian words;
// both at one texel per pixel and at two, where the axis fillers read texel by texel rather than
// from a line.
TEST(FloorFillersTest, maskBitsAddressTwoByTwoTexelBlocks) {
    std::mt19937 random(3);
    std::vector<uint8_t> bits(floor_texels::kMaskBytes);
    for (uint8_t& byte : bits) byte = uint8_t(random());
    const auto mask = MakeMask(bits);
    auto set = [&](int col, int row) {
        const uint32_t word = ReadLE32(&bits[size_t(4 * ((row >> 1) * 4 + (col >> 6)))]);
        return (word >> ((col >> 1) & 31) & 1) != 0;
    };
    constexpr int kFirstRow = 160, kRows = 32;
    for (int format = 0; format <= 2; ++format) {
        const auto a = MakeConstantTexture(format, kA, 256, 256), b = MakeConstantTexture(format, kB, 256, 256);
        for (SFloorFamily family : kFamilies) {
            for (int scale : {1, 2}) {
                // Along the row: all 256 columns (NS, Free) or 32 x scale rows (EW).
                const bool turned = family == SFloorFamily::EW;
                const int width = turned ? kRows : 256 / scale, height = turned ? 256 : kRows;
                const int32_t vEnd = (kFirstRow + kRows * (turned ? scale : 1)) * 16;
                const SPolygonData quad = FloorRectangle(0, 0, width, height, 0, kFirstRow * 16, 4096, vEnd, turned);
                const std::vector<uint16_t> pixels =
                    RenderFloor(FloorFiller(2, family), quad, {Of(a), Of(b), nullptr, Of(mask)}, width, height);
                for (int y = 0; y < height; ++y) {
                    for (int x = 0; x < width; ++x) {
                        const int col = turned ? y : Along(0, 4095, width, x);
                        const int row = turned ? Along(kFirstRow * 16, vEnd, width, x) : kFirstRow + y;
                        ASSERT_EQ(pixels[size_t(y * width + x)], set(col, row) ? kB : kA)
                            << FamilyName(family) << " format " << format << " scale " << scale << " texel " << col
                            << "," << row;
                    }
                }
            }
        }
    }
}

// The fog factor is a quarter of the shade: 128 and above none, 0 all fog, 4k gives k, and a
// negative shade, read as unsigned, none.
TEST(FloorFillersTest, shadeGivesTheFogFactor) {
    const struct {
        int16_t shade;
        uint32_t factor;
    } cases[] = {{128, 32}, {200, 32}, {0, 0}, {4, 1}, {20, 5}, {124, 31}, {-4, 32}, {-400, 32}};
    const auto a = MakeConstantTexture(1, 0x7BEF);
    for (const auto& c : cases) {
        for (SFloorFamily family : kFamilies) {
            for (int type : {1, 10}) {
                if (type == 10 && family != SFloorFamily::Free) continue;
                const SPolygonData quad =
                    FloorRectangle(0, 0, 4, 2, 0, 0, 64, 32, family == SFloorFamily::EW, uint16_t(c.shade));
                const std::vector<uint16_t> pixels =
                    RenderFloor(FloorFiller(type, family), quad, {Of(a)}, 4, 2, 0, kGreyFog);
                for (uint16_t pixel : pixels)
                    ASSERT_EQ(pixel, Blend(0x7BEF, kGreyFog, c.factor))
                        << "shade " << c.shade << " type " << type << " " << FamilyName(family);
            }
        }
    }
}

// A coordinate beyond the texture is clamped at the span's ends, and the span runs between the
// clamped values: here from the first column (row) to the last.
TEST(FloorFillersTest, coordinatesBeyondTheTextureAreClampedAtTheSpanEnds) {
    const SModelTexture texture(2, 256, 16);
    for (SFloorFamily family : kFamilies) {
        const bool turned = family == SFloorFamily::EW;
        const int32_t u0 = turned ? 16 : -512, u1 = turned ? 48 : 4096 + 512;
        const int32_t v0 = turned ? -512 : 16, v1 = turned ? 256 + 512 : 48;
        const std::vector<uint16_t> pixels = RenderFloor(
            FloorFiller(1, family), FloorRectangle(0, 0, 320, 4, u0, v0, u1, v1, turned), {&texture.Texture()}, 320, 4);
        EXPECT_EQ(pixels[0], turned ? texture.At(1, 0) : texture.At(0, 1)) << FamilyName(family);
        EXPECT_EQ(pixels[319], turned ? texture.At(1, 15) : texture.At(255, 1)) << FamilyName(family);
    }
}

// With both coordinates varying along the row, each beyond both ends, each is clamped on its own
// and stepped from its own clamped ends.
TEST(FloorFillersTest, freeFillersClampUAndVSeparately) {
    const SModelTexture texture(2, 256, 16);
    SPolygonData row = Rectangle(0, 0, 64 * 16, 16, {SRenderUv{-800, -800}, {4896, 1056}, {4896, 1056}, {-800, -800}});
    const std::vector<uint16_t> pixels =
        RenderFloor(FloorFiller(1, SFloorFamily::Free), row, {&texture.Texture()}, 64, 1);
    for (int x = 0; x < 64; ++x)
        EXPECT_EQ(pixels[size_t(x)], texture.At(Along(0, 4095, 64, x), Along(0, 255, 64, x))) << x;
}

// Floor textures are read with rows of 256 texels and masks with rows of 16 bytes, at least 128 of
// them and one for every two texture rows: anything smaller would be read past its end, so the
// polygon is not drawn (and the sanitizer sees no read). A mask fault concerns the masked types.
TEST(FloorFillersTest, texturesAndMasksTooSmallDrawNothing) {
    const auto narrow = MakeConstantTexture(0, kA, 128, 16);
    const auto a = MakeConstantTexture(0, kA), b = MakeConstantTexture(0, kB), c = MakeConstantTexture(0, kC);
    const auto otherFormat = MakeConstantTexture(1, kB);
    const auto shortB = MakeConstantTexture(0, kB, 256, 8);
    const auto mask = MakeFullMask(true);
    const auto smallMask = MakeMask(std::vector<uint8_t>(1024, 0xFF));
    // A texture of 512 rows needs 256 mask rows.
    const auto tall = MakeConstantTexture(0, kA, 256, 512), tallB = MakeConstantTexture(0, kB, 256, 512);
    const struct {
        const char* name;
        SFloorInputs inputs;
        std::vector<int> types;
    } cases[] = {
        {"A 128 wide", {Of(narrow), Of(b), Of(c), Of(mask), Of(mask)}, {1, 2, 3, 4, 5}},
        {"B 128 wide", {Of(a), Of(narrow), Of(c), Of(mask), Of(mask)}, {2, 3, 4, 5}},
        {"B in another format", {Of(a), Of(otherFormat), Of(c), Of(mask), Of(mask)}, {2, 3, 4, 5}},
        {"B shorter than A", {Of(a), Of(shortB), Of(c), Of(mask), Of(mask)}, {2, 3, 4, 5}},
        {"mask 1 of 1,024 bytes", {Of(a), Of(b), Of(c), Of(smallMask), Of(mask)}, {2, 3, 5}},
        {"mask 2 of 1,024 bytes", {Of(a), Of(b), Of(c), Of(mask), Of(smallMask)}, {3}},
        {"mask of 2,048 bytes for 512 rows", {Of(tall), Of(tallB), Of(tallB), Of(mask), Of(mask)}, {2, 3, 5}},
    };
    for (const auto& test : cases) {
        for (int type : test.types) {
            for (SFloorFamily family : kFamilies) {
                const std::vector<uint16_t> pixels = RenderFloor(
                    FloorFiller(type, family), FloorRectangle(0, 0, 8, 8, 0, 0, 128, 128, false), test.inputs, 8, 8);
                EXPECT_EQ(pixels, std::vector<uint16_t>(64, kBackground))
                    << test.name << " type " << type << " " << FamilyName(family);
            }
        }
    }
    const std::vector<uint16_t> face = RenderFloor(
        FloorFiller(10, SFloorFamily::Free), FloorRectangle(0, 0, 8, 8, 0, 0, 128, 128, false), {Of(narrow)}, 8, 8);
    EXPECT_EQ(face, std::vector<uint16_t>(64, kBackground)) << "type 10";
}

// Random polygons reaching past the surface, with coordinates beyond the textures and any shades:
// every floor filler gives the same picture in every orientation and from decoded colours, writes
// nothing outside the surface (its guards), and reads nothing outside its textures and masks (the
// sanitizer).
TEST(FloorFillersTest, everyFillerAgreesInEveryOrientation) {
    constexpr int kSide = 32;
    std::mt19937 random(8);
    std::uniform_int_distribution<int32_t> u(-1000, 4096 + 1000), v(-1000, 512 + 1000);
    std::vector<uint8_t> bits(floor_texels::kMaskBytes);
    for (uint8_t& byte : bits) byte = uint8_t(random());
    const auto mask1 = MakeMask(bits);
    for (uint8_t& byte : bits) byte = uint8_t(random());
    const auto mask2 = MakeMask(bits);
    const std::vector<SPoints> polygons = RandomPolygons(20, kSide, 23);
    for (int format = 0; format <= 2; ++format) {
        const SModelTexture a(format, 256, 32, 1), b(format, 256, 32, 2), c(format, 256, 32, 3);
        const SFloorInputs inputs{&a.Texture(), &b.Texture(), &c.Texture(), Of(mask1), Of(mask2)};
        const SFloorInputs decoded{&a.Decoded(), &b.Decoded(), &c.Decoded(), Of(mask1), Of(mask2)};
        // Decoded colours are used only when every texture has them.
        const SFloorInputs mixed{&a.Decoded(), &b.Texture(), &c.Decoded(), Of(mask1), Of(mask2)};
        for (int type = 1; type <= 5; ++type) {
            for (SFloorFamily family : kFamilies) {
                for (const SPoints& points : polygons) {
                    SPolygonData data;
                    data.vertices = points;
                    for (size_t i = 0; i < points.size(); ++i) {
                        data.uvs.push_back({u(random), v(random)});
                        data.shades.push_back(uint16_t(random() % 160));
                    }
                    const SFloorFiller filler = FloorFiller(type, family);
                    const std::vector<uint16_t> upright = RenderFloor(filler, data, inputs, kSide, kSide, 0);
                    for (int orientation = 1; orientation <= 2; ++orientation) {
                        ASSERT_EQ(RenderFloor(filler, data, inputs, kSide, kSide, orientation), upright)
                            << "type " << type << " " << Where(family, format, orientation);
                    }
                    ASSERT_EQ(RenderFloor(filler, data, decoded, kSide, kSide), upright)
                        << "decoded, type " << type << " " << Where(family, format, 0);
                    ASSERT_EQ(RenderFloor(filler, data, mixed, kSide, kSide), upright)
                        << "partly decoded, type " << type << " " << Where(family, format, 0);
                }
            }
        }
    }
}

// u x depth beyond 32 bits would step wrapped values: such a polygon is not drawn. Up to the
// limit it is.
TEST(FloorFillersTest, edgeProductsBeyondThirtyTwoBitsDrawNothing) {
    const auto a = MakeConstantTexture(0, kA);
    for (int32_t u : {1 << 17, 1 << 18}) {
        const SPolygonData quad = FloorRectangle(0, 0, 8, 8, 0, 0, u, 128, false, 128, 8192);
        const std::vector<uint16_t> pixels = RenderFloor(FloorFiller(1, SFloorFamily::NS), quad, {Of(a)}, 8, 8);
        EXPECT_EQ(pixels, std::vector<uint16_t>(64, u == 1 << 17 ? kA : kBackground)) << u;
    }
}

// A picture's decoded copy serves the fillers when it is the picture's size.
TEST(FloorFillersTest, decodedCopyOfThePictureDrawsAsItsIndices) {
    STestPicture picture(1, 256, 4, std::vector<uint32_t>(256, 0), {0x1234, 0x2345, 0x3456, 0x4567});
    ASSERT_TRUE(picture.Ok());
    SRenderTexture texture;
    SetTextureFromPicture(texture, picture);
    SDecodedPicture decoded;
    decoded.Update(picture, SColourSource::OwnTable);
    UseDecodedColours(texture, decoded);
    ASSERT_NE(texture.m_colours, nullptr);
    const SPolygonData quad = FloorRectangle(0, 0, 8, 4, 0, 0, 128, 64, false);
    const std::vector<uint16_t> pixels = RenderFloor(FloorFiller(1, SFloorFamily::NS), quad, {&texture}, 8, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) EXPECT_EQ(pixels[size_t(y * 8 + x)], 0x1234 + 0x1111 * (2 * (y & 1) + (x & 1)));
    }
    STestPicture other(0, 256, 2, std::vector<uint32_t>(512, 0), {0});
    SDecodedPicture otherDecoded;
    otherDecoded.Update(other, SColourSource::OwnTable);
    UseDecodedColours(texture, otherDecoded);
    EXPECT_EQ(texture.m_colours, nullptr);
}

}  // namespace

}  // namespace floor_fillers_test
