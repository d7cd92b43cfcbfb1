#include "engine/audio/music_module.h"

#include <gtest/gtest.h>

#include "platform/sound_library.h"
#include "support/sound_fixtures.h"

namespace music_module_test {

namespace {

constexpr size_t kHeader = 1084;

// Bank: two samples of 4 and 6 words, three pattern slots; song: two patterns of 1,024 bytes.
class MusicModuleTest : public ::testing::Test {
protected:
    SMusicBank bank = MakeBank("forest", 3, {4, 6});
    SMusicSong song = MakeSong("walk", "forest", 2);
    SMusicModule module;
};

TEST_F(MusicModuleTest, imageTakesHeaderFromTheSongAndSamplesFromTheBank) {
    ASSERT_TRUE(module.Build(song, &bank));
    const std::vector<uint8_t>& image = module.Image();
    ASSERT_EQ(image.size(), kHeader + 3 * 1024 + 8 + 12);

    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data())), "walk");
    // Sample headers 0 and 1 are the bank's, header 2 stays the song's (empty).
    EXPECT_TRUE(std::equal(image.begin() + 20, image.begin() + 80, bank.header.begin() + 20));
    EXPECT_TRUE(std::equal(image.begin() + 80, image.begin() + 110, song.header.begin() + 80));
    // One more order entry: the empty end pattern P - 1, marked on row 0.
    EXPECT_EQ(image[950], 3);
    EXPECT_EQ(image[952], 0);
    EXPECT_EQ(image[953], 1);
    EXPECT_EQ(image[954], 2);
    EXPECT_EQ(std::string(image.begin() + 1080, image.begin() + 1084), "M.K.");
    EXPECT_TRUE(std::equal(song.patterns[1].begin(), song.patterns[1].end(), image.begin() + kHeader + 1024));
    EXPECT_EQ(image[kHeader + 2 * 1024 + 4], 0xB0);
    EXPECT_EQ(std::count(image.begin() + kHeader + 2 * 1024, image.begin() + kHeader + 3 * 1024, 0), 1023);
    // Samples back to back after the pattern slots.
    EXPECT_TRUE(std::equal(bank.samples[0].begin(), bank.samples[0].end(), image.begin() + kHeader + 3 * 1024));
    EXPECT_TRUE(std::equal(bank.samples[1].begin(), bank.samples[1].end(), image.begin() + kHeader + 3 * 1024 + 8));
}

TEST_F(MusicModuleTest, aSongFillingEverySlotGetsNoEndPattern) {
    SMusicSong full = MakeSong("full", "forest", 3);
    ASSERT_TRUE(module.Build(full, &bank));
    EXPECT_EQ(module.Image()[950], 3);
    EXPECT_EQ(module.Image()[955], 0);
    EXPECT_EQ(module.Image()[kHeader + 2 * 1024 + 4], full.patterns[2][4]);
}

TEST_F(MusicModuleTest, theSameBankKeepsItsSamplesButNotTheOldPatterns) {
    SMusicSong full = MakeSong("full", "forest", 3);
    ASSERT_TRUE(module.Build(full, &bank));
    bank.samples[0].assign(8, 0x11);  // a rebuilt image would show this
    SMusicSong shorter = MakeSong("short", "forest", 1);
    ASSERT_TRUE(module.Build(shorter, &bank));
    const std::vector<uint8_t>& image = module.Image();
    EXPECT_NE(image[kHeader + 3 * 1024], 0x11);
    EXPECT_EQ(std::count(image.begin() + kHeader + 1024, image.begin() + kHeader + 2 * 1024, 0), 1024)
        << "the previous song's second pattern must not stay in the image";

    SMusicBank other = MakeBank("cave", 3, {4, 6});
    other.samples[0].assign(8, 0x22);
    ASSERT_TRUE(module.Build(shorter, &other));
    EXPECT_EQ(module.Image()[kHeader + 3 * 1024], 0x22);
}

// The samples lie behind the pattern area, so an image kept from a song with smaller patterns had
// no room for a later song's larger ones.
TEST_F(MusicModuleTest, aSongWithLargerPatternsOverTheSameBankRebuildsTheImage) {
    ASSERT_TRUE(module.Build(song, &bank));
    SMusicSong wide = MakeSong("wide", "forest", 2);
    wide.patternSize = 2048;
    for (std::vector<uint8_t>& pattern : wide.patterns) pattern.resize(2048, 0x33);
    ASSERT_TRUE(module.Build(wide, &bank));
    const std::vector<uint8_t>& image = module.Image();
    ASSERT_EQ(image.size(), kHeader + 3 * 2048 + 8 + 12);
    EXPECT_TRUE(std::equal(wide.patterns[1].begin(), wide.patterns[1].end(), image.begin() + kHeader + 2048));
    EXPECT_EQ(image[kHeader + 2 * 2048 + 4], 0xB0);
    EXPECT_TRUE(std::equal(bank.samples[0].begin(), bank.samples[0].end(), image.begin() + kHeader + 3 * 2048));

    ASSERT_TRUE(module.Build(song, &bank));
    EXPECT_EQ(module.Image().size(), kHeader + 3 * 1024 + 8 + 12);
    EXPECT_TRUE(
        std::equal(bank.samples[1].begin(), bank.samples[1].end(), module.Image().begin() + kHeader + 3 * 1024 + 8));
}

// 255 slots of 65,534 bytes and one sample of 32,481 words fill 16 MB to the byte; one byte more per
// pattern is too much.
TEST_F(MusicModuleTest, anImageOverSixteenMegabytesIsRefusedWithItsSize) {
    const SMusicBank large = MakeBank("large", 255, {32481});
    SMusicSong fits = MakeSong("fits", "large", 1);
    fits.patternSize = 65534;
    ASSERT_TRUE(module.Build(fits, &large)) << module.Error().Message();
    EXPECT_EQ(module.Image().size(), SMusicModule::kLargestImage);

    SMusicSong tooLarge = fits;
    tooLarge.name = "huge";
    tooLarge.patternSize = 65535;
    EXPECT_FALSE(module.Build(tooLarge, &large));
    EXPECT_EQ(module.Image().size(), SMusicModule::kLargestImage);
    EXPECT_EQ(module.Error().Message(),
              "(song \"huge\"): over bank \"large\" it would take 16777471 bytes, more than the 16777216 a song may "
              "take");
}

struct RefusedCase {
    const char* name;
    const char* reason;
    void (*spoil)(SMusicSong& song, SMusicBank& bank, const SMusicBank*& bankToUse);
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class MusicModuleRefusalTest : public MusicModuleTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(MusicModuleRefusalTest, unplayableSongsLeaveTheImageAlone) {
    ASSERT_TRUE(module.Build(song, &bank));
    const std::vector<uint8_t> before = module.Image();
    SMusicSong badSong = song;
    SMusicBank badBank = bank;
    badBank.name = "other";
    const SMusicBank* bankToUse = &badBank;
    GetParam().spoil(badSong, badBank, bankToUse);
    EXPECT_FALSE(module.Build(badSong, bankToUse));
    EXPECT_EQ(module.Image(), before);
    EXPECT_NE(module.Error().what.find(GetParam().reason), std::string::npos) << module.Error().Message();
}

INSTANTIATE_TEST_SUITE_P(
    Refused, MusicModuleRefusalTest,
    ::testing::Values(
        RefusedCase{"morePatternsThanSlots", "4 patterns are more than the 3 pattern slots",
                    [](SMusicSong& s, SMusicBank&, const SMusicBank*&) { s.patterns.resize(4, s.patterns[0]); }},
        RefusedCase{"bankWithoutSlots", "bank \"other\" has no pattern slots",
                    [](SMusicSong&, SMusicBank& b, const SMusicBank*&) { b.patternSlots = 0; }},
        RefusedCase{"missingBank", "its bank \"forest\" is missing",
                    [](SMusicSong&, SMusicBank&, const SMusicBank*& use) { use = nullptr; }},
        RefusedCase{"orderTableFull", "its order table is full",
                    [](SMusicSong& s, SMusicBank&, const SMusicBank*&) { s.header[950] = 128; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MusicModuleTest, theModuleParserFindsTheBanksSamples) {
    ASSERT_TRUE(module.Build(song, &bank));
    platform::Music music;
    ASSERT_TRUE(music.Load(module.Image().data(), module.Image().size()));
    std::vector<int> lengths = music.SampleLengths();
    ASSERT_GE(lengths.size(), 2u);
    EXPECT_EQ(lengths[0], 8);
    EXPECT_EQ(lengths[1], 12);
}

}  // namespace

}  // namespace music_module_test
