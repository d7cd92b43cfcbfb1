// The first-person item: the weapon hand, the off hand and a held missile, cut to the view.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/packages/resource_cache.h"
#include "render_fixture.h"
#include "support/picture_entry.h"

namespace fps_item_test {

namespace {

constexpr uint16_t kBackground = 0x1111;
// A view of the reference size, on which the percentages show as they are.
constexpr int kViewX = 10, kViewY = 10, kViewW = 380, kViewH = 320;
constexpr int kSurfaceW = kViewW + 20, kSurfaceH = kViewH + 20;
constexpr int kWeapon = 1, kSecond = 2;  // picture slots: 8x6 and 10x4

// Every texel of both pictures has a colour of its own.
uint16_t Texel(int picture, int x, int y) { return uint16_t(picture << 12 | x << 5 | y); }

// A picture as the case expects it on the view: its top-left corner at (x, y), showing w x h
// texels from (sourceX, 0), or its top-left w x h mirrored.
struct Placed {
    int picture;
    int x, y;
    int sourceX, w, h;
    bool mirrored = false;
};

struct FpsCase {
    const char* name;
    SFpsBlock block;
    std::vector<Placed> expected;  // later ones over earlier ones
};

void PrintTo(const FpsCase& c, std::ostream* out) { *out << c.name; }

SFpsBlock Weapon(uint16_t widthPercent, uint16_t heightPercent) {
    SFpsBlock block;
    block.m_firstPicture = kWeapon;
    block.m_firstWidthPercent = widthPercent;
    block.m_firstHeightPercent = heightPercent;
    return block;
}

SFpsBlock WithSecond(SFpsBlock block, uint16_t widthPercent, uint16_t heightPercent, bool mirrored) {
    block.m_secondPicture = kSecond;
    block.m_secondWidthPercent = widthPercent;
    block.m_secondHeightPercent = heightPercent;
    block.m_secondMirrored = mirrored;
    return block;
}

SFpsBlock WithMissile(SFpsBlock block, int16_t offsetX, int16_t offsetY) {
    block.m_secondPicture = kSecond;
    block.m_secondWithFirst = 1;
    block.m_secondOffsetX = offsetX;
    block.m_secondOffsetY = offsetY;
    return block;
}

const Placed kWholeWeapon{kWeapon, kViewW - 8, kViewH - 6, 0, 8, 6};
const Placed kWholeShield{kSecond, 0, kViewH - 4, 0, 10, 4, true};

class FpsItemTest : public RenderTest, public ::testing::WithParamInterface<std::tuple<FpsCase, int>> {
protected:
    FpsItemTest() {
        pictures.push_back(nullptr);
        pictures.push_back(MakePictureEntry(8, 6, [](int x, int y) { return Texel(kWeapon, x, y); }));
        pictures.push_back(MakePictureEntry(10, 4, [](int x, int y) { return Texel(kSecond, x, y); }));
        view.m_pictures = {pictures.data(), uint32_t(pictures.size())};
    }

    std::vector<std::unique_ptr<SPictureEntry>> pictures;
};

uint16_t Expected(const std::vector<Placed>& placed, int x, int y) {
    uint16_t colour = kBackground;
    for (const Placed& p : placed) {
        if (x < p.x || x >= p.x + p.w || y < p.y || y >= p.y + p.h) continue;
        const int sx = p.mirrored ? p.w - 1 - (x - p.x) : p.sourceX + x - p.x;
        colour = Texel(p.picture, sx, y - p.y);
    }
    return colour;
}

// Percentages are of each picture's own size. The held missile goes where the weapon's top left
// is, moved by the offsets. Offsets and sizes that reach past the view are cut to it on every side
// and never read past a picture.
TEST_P(FpsItemTest, picturesRiseIntoTheViewsBottomCorners) {
    const auto& [c, orientation] = GetParam();
    useView(kViewW, kViewH, kSurfaceW, kSurfaceH, kViewX, kViewY, orientation);
    surface = std::make_unique<STestSurface>(kSurfaceW, kSurfaceH, orientation, kBackground);
    render->SetSurface(&surface->Target());
    ASSERT_TRUE(render->UpdateProjection());
    view.m_fps = c.block;
    render->DrawFpsItem();
    for (int y = 0; y < kSurfaceH; ++y) {
        for (int x = 0; x < kSurfaceW; ++x) {
            const bool inView = x >= kViewX && x < kViewX + kViewW && y >= kViewY && y < kViewY + kViewH;
            const uint16_t expected = inView ? Expected(c.expected, x - kViewX, y - kViewY) : kBackground;
            ASSERT_EQ(surface->At(x, y), expected) << "at " << x << "," << y;
        }
    }
    EXPECT_TRUE(surface->GuardsIntact());
}

INSTANTIATE_TEST_SUITE_P(
    Hands, FpsItemTest,
    ::testing::Combine(
        ::testing::Values(
            FpsCase{"nothingAtZeroPercent", Weapon(0, 0), {}},
            FpsCase{"theWholeWeaponAtAHundredPercent", Weapon(100, 100), {kWholeWeapon}},
            FpsCase{"aHalfRisenWeaponShowsItsTopLeft", Weapon(50, 50), {{kWeapon, kViewW - 4, kViewH - 3, 0, 4, 3}}},
            FpsCase{"aMirroredOffHand", WithSecond({}, 100, 100, true), {kWholeShield}},
            FpsCase{"anOffHandShowsItsRightPartFromTheLeftEdge",
                    WithSecond({}, 30, 50, false),
                    {{kSecond, 0, kViewH - 2, 7, 3, 2}}},
            FpsCase{"aWeaponAndAShield", WithSecond(Weapon(100, 100), 100, 100, true), {kWholeWeapon, kWholeShield}},
            FpsCase{"aHeldMissileWithOffsets",
                    WithMissile(Weapon(100, 100), -5, -3),
                    {kWholeWeapon, {kSecond, kViewW - 13, kViewH - 9, 0, 10, 4}}},
            FpsCase{"aMissileCutAtTheViewsTopLeft",
                    WithMissile(Weapon(100, 100), -(kViewW - 4), -(kViewH - 4)),
                    {kWholeWeapon, {kSecond, -4, -2, 0, 10, 4}}},
            FpsCase{"farOffsetsAndLargePercentages", WithMissile(Weapon(250, 250), -500, -500), {kWholeWeapon}},
            FpsCase{"farOffsetsPastTheBottomRight", WithMissile(Weapon(250, 100), 500, 500), {kWholeWeapon}},
            FpsCase{"aLargeOffHand", WithSecond({}, 250, 250, true), {kWholeShield}},
            FpsCase{
                "aMissingWeaponTakesItsMissileWithIt",
                [] {
                    SFpsBlock block = WithMissile(Weapon(100, 100), 0, 0);
                    block.m_firstPicture = 7;
                    return block;
                }(),
                {}}),
        ::testing::Values(0, 1, 2)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_orientation" + std::to_string(std::get<1>(info.param));
    });

}  // namespace

}  // namespace fps_item_test
