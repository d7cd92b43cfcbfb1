// Whole frames of tiny worlds compared exactly with frames looked at and kept in golden/ beside
// this file. A frame that differs is written with a picture of the differences into
// $BRIMVALE_SHOTS (or the temporary folder); BRIMVALE_REGENERATE_GOLDENS=1 rewrites the kept
// frames, to be looked at before they are committed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/base/random.h"
#include "support/png_writer.h"
#include "tiny_world_view.h"
#include "tools/sampledata/first_person_art.h"

namespace golden_frames_test {

namespace {

constexpr int kWidth = 160, kHeight = 100;
constexpr int32_t kDegree = 1 << 16;

const char* const kCorridor = R"(sky off
fog 2
far 7
fogcolour 0841
view 160 100
ceiling ceiling
cell # wall=brick
cell H wall=brick upper=upper
cell . floor=stone
cell , floor=stone blend=moss mask=mask
cell p floor=pitside pit
grid
#######
#HH.HH#
###.###
###p###
###,###
##H.H##
###.###
#######
)";

const char* const kVaultedRoom = R"(sky off
fog 3
far 7
fogcolour 2104
view 160 100
ceiling ceiling
cell # wall=brick upper=upper
cell . floor=sand
cell r floor=grass upper=upper vault=vault
cell t floor=grass canopy=canopy
grid
#######
#.....#
#.rrr.#
#.rtr.#
#.rrr.#
#.....#
#######
)";

// The pixels of a PNG as EncodePng writes it (one IDAT of stored blocks, unfiltered RGB rows);
// empty for anything else.
std::vector<uint16_t> DecodeOwnPng(const std::vector<uint8_t>& png, int width, int height) {
    constexpr size_t kIdatData = 8 + 25 + 8;  // the signature, the IHDR chunk, IDAT's length and type
    const size_t rowBytes = 1 + size_t(width) * 3;
    std::vector<uint8_t> raw;
    size_t at = kIdatData + 2;  // past the zlib header
    for (bool last = false; !last;) {
        if (at + 5 > png.size()) return {};
        last = png[at] & 1;
        const size_t length = png[at + 1] | size_t(png[at + 2]) << 8;
        at += 5;
        if (at + length > png.size()) return {};
        raw.insert(raw.end(), png.begin() + long(at), png.begin() + long(at + length));
        at += length;
    }
    if (raw.size() != rowBytes * size_t(height)) return {};
    std::vector<uint16_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* rgb = &raw[size_t(y) * rowBytes + 1 + size_t(x) * 3];
            pixels.push_back(uint16_t((rgb[0] >> 3) << 11 | (rgb[1] >> 2) << 5 | (rgb[2] >> 3)));
        }
    }
    return pixels;
}

std::string OutputFolder() {
    const char* shots = std::getenv("BRIMVALE_SHOTS");
    return shots && *shots ? shots : std::filesystem::temp_directory_path().string();
}

void ExpectGolden(const char* name, const std::vector<uint16_t>& pixels, int width = kWidth, int height = kHeight) {
    const std::filesystem::path golden = std::filesystem::path(BRIMVALE_GOLDEN_FOLDER) / (std::string(name) + ".png");
    const char* regenerate = std::getenv("BRIMVALE_REGENERATE_GOLDENS");
    if (regenerate && std::string(regenerate) == "1") {
        EXPECT_TRUE(WritePng(golden.string(), pixels, width, height, width)) << golden;
        return;
    }
    std::ifstream file(golden, std::ios::binary);
    const std::vector<uint8_t> kept((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::vector<uint16_t> expected = DecodeOwnPng(kept, width, height);
    if (expected == pixels) return;
    // The actual frame, and the differences in white over a dimmed copy of it.
    std::vector<uint16_t> difference(pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i)
        difference[i] = i < expected.size() && expected[i] == pixels[i] ? uint16_t((pixels[i] >> 2) & 0x39E7) : 0xFFFF;
    const std::string actual = OutputFolder() + "/" + name + "-actual.png";
    const std::string differences = OutputFolder() + "/" + name + "-difference.png";
    WritePng(actual, pixels, width, height, width);
    WritePng(differences, difference, width, height, width);
    ADD_FAILURE() << name << " differs from " << golden << "; the frame is in " << actual << " and the differences in "
                  << differences << ". If the change is meant, look at the new frame and rerun with "
                  << "BRIMVALE_REGENERATE_GOLDENS=1 to keep it.";
}

TEST(GoldenFramesTest, scenesMatchTheFramesKept) {
    {
        STinyWorldView corridor(kCorridor);
        ExpectGolden("corridor-facing-0", corridor.Frame(3.5, 6.5, 0));
    }
    {
        STinyWorldView yard(kSampleYard, kWidth, kHeight);
        ExpectGolden("yard-heading-45", yard.Frame(7.5, 12.5, 45 * kDegree));
    }
    {
        STinyWorldView room(kVaultedRoom);
        ExpectGolden("vaulted-room-facing-1", room.Frame(5.5, 3.5, 90 * kDegree));
    }
    {
        STinyWorldView edge(kSampleDungeon, kWidth, kHeight);
        ExpectGolden("map-edge", edge.Frame(11.5, 5.5, 270 * kDegree));
    }
}

// The yard's street between roofed houses: a half-open door, a composite, a turning picture, a
// cross picture, a panel, a shelf with items, a creature with marker A, an item pile, floor items,
// the free sprite slot and the roofs, looking up the street and at a free heading.
TEST(GoldenFramesTest, theStreetShowsEveryKindOfObject) {
    STinyWorldView street(kSampleYard, 2 * kWidth, 2 * kHeight);
    ExpectGolden("street-facing-0", street.Frame(7.5, 22.5, 0), 2 * kWidth, 2 * kHeight);
    ExpectGolden("street-heading-345", street.Frame(7.2, 21.5, 345 * kDegree), 2 * kWidth, 2 * kHeight);
}

// The sample dungeon in day rain from a seeded generator, with a sword in the weapon hand and a
// shield on the off hand, at the size the first-person pictures are drawn for.
TEST(GoldenFramesTest, theDungeonInRainWithASwordAndAShield) {
    STinyWorldView dungeon(kSampleDungeon, 380, 320);
    STinyWorld& world = dungeon.world;
    SFpsBlock& fps = world.View().m_fps;
    fps.m_firstPicture = world.AddPicture(FirstPersonPicture(SFirstPersonArt::Sword));
    fps.m_firstWidthPercent = fps.m_firstHeightPercent = 100;
    fps.m_secondPicture = world.AddPicture(FirstPersonPicture(SFirstPersonArt::Shield));
    fps.m_secondMirrored = 1;
    fps.m_secondWidthPercent = fps.m_secondHeightPercent = 100;
    world.View().m_flags |= SViewDescriptor::kRain;
    dungeon.Frame(3.5, 12.5, 0);  // places the view for the rain
    SRandom random;
    random.Seed(20);
    dungeon.render->ResetRain(600, 0xA534, random);
    for (int frame = 0; frame < 5; ++frame) dungeon.render->UpdateRain(40 * 65536 / 1000, random);
    ExpectGolden("dungeon-rain-sword-shield", dungeon.Frame(3.5, 12.5, 0), 380, 320);
}

}  // namespace

}  // namespace golden_frames_test
