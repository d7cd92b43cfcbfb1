#include "platform/audio/wave_decoder.h"

#include <gtest/gtest.h>

#include "support/sound_fixtures.h"

namespace wave_decoder_test {

namespace {

using platform::audio::DecodeWave;
using platform::audio::WaveFault;

TEST(WaveDecoderTest, stereoFramesBecomeTheirAverage) {
    auto image = MakeWave(44100, 2, {1000, 3000, -2000, -4000});
    auto frames = DecodeWave(image.data(), image.size(), 44100);
    ASSERT_TRUE(frames);
    EXPECT_EQ(*frames, (std::vector<int16_t>{2000, -3000}));
}

TEST(WaveDecoderTest, lowerRatesAreStretchedBetweenNeighbours) {
    auto image = MakeWave(11025, 1, {0, 4000});
    auto frames = DecodeWave(image.data(), image.size(), 44100);
    ASSERT_TRUE(frames);
    EXPECT_EQ(*frames, (std::vector<int16_t>{0, 1000, 2000, 3000, 4000, 4000, 4000, 4000}));
}

TEST(WaveDecoderTest, eightBitSamplesAreUnsigned) {
    auto image = MakeWave(44100, 1, {});
    image[34] = 8;  // bits per sample
    for (uint8_t value : {uint8_t(128), uint8_t(255), uint8_t(0)}) image.push_back(value);
    WriteLE32(&image[40], 3);
    auto frames = DecodeWave(image.data(), image.size(), 44100);
    ASSERT_TRUE(frames);
    EXPECT_EQ(*frames, (std::vector<int16_t>{0, 127 << 8, -128 << 8}));
}

// Two 8-bit samples a whole range apart: the step between them times the position between them
// no longer fits 32 bits.
TEST(WaveDecoderTest, stretchingBetweenFarApartSamplesDoesNotOverflow) {
    auto image = MakeWave(11025, 1, {});
    image[34] = 8;  // bits per sample
    image.push_back(0x00);
    image.push_back(0xFF);
    WriteLE32(&image[40], 2);
    auto frames = DecodeWave(image.data(), image.size(), 44100);
    ASSERT_TRUE(frames);
    EXPECT_EQ(*frames, (std::vector<int16_t>{-32768, -16448, -128, 16192, 32512, 32512, 32512, 32512}));
}

// A rate near 1 Hz would stretch 30 KB of samples into gigabytes at the output rate.
TEST(WaveDecoderTest, ratesOutsideTwoThousandToNinetySixThousandHertzAreRefusedWithTheRate) {
    struct Row {
        uint32_t rate;
        bool plays;
    };
    const Row rows[] = {{1, false}, {1999, false}, {2000, true}, {96000, true}, {96001, false}, {0xFFFFFFFF, false}};
    const std::vector<int16_t> samples(15000, 100);  // 30 KB
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rate);
        auto image = MakeWave(11025, 1, samples);
        WriteLE32(&image[24], row.rate);
        EXPECT_EQ(DecodeWave(image.data(), image.size(), 44100).has_value(), row.plays);
        const std::string fault = WaveFault(image.data(), image.size());
        if (row.plays)
            EXPECT_EQ(fault, "");
        else
            EXPECT_EQ(fault, "its sample rate " + std::to_string(row.rate) + " Hz is outside 2000..96000 Hz");
    }
}

TEST(WaveDecoderTest, aDataChunkCutShortPlaysWhatItHas) {
    auto image = MakeWave(44100, 1, {10, 20, 30});
    image.resize(image.size() - 3);  // one and a half frames gone
    auto frames = DecodeWave(image.data(), image.size(), 44100);
    ASSERT_TRUE(frames);
    EXPECT_EQ(*frames, (std::vector<int16_t>{10}));
}

TEST(WaveDecoderTest, imagesThatAreNotPcmWavesAreRefused) {
    struct Row {
        const char* name;
        void (*spoil)(std::vector<uint8_t>&);
    };
    const Row rows[] = {
        {"notRiff", [](std::vector<uint8_t>& i) { i[0] = 'X'; }},
        {"compressed", [](std::vector<uint8_t>& i) { i[20] = 2; }},
        {"noChannels", [](std::vector<uint8_t>& i) { i[22] = 0; }},
        {"twelveBits", [](std::vector<uint8_t>& i) { i[34] = 12; }},
        {"formatChunkTooLong", [](std::vector<uint8_t>& i) { WriteLE32(&i[16], 0xFFFFFF); }},
        {"noDataChunk", [](std::vector<uint8_t>& i) { i.resize(36); }},
        {"tooShort", [](std::vector<uint8_t>& i) { i.resize(8); }},
    };
    for (const Row& row : rows) {
        auto image = MakeWave(22050, 1, {1, 2, 3});
        row.spoil(image);
        EXPECT_FALSE(DecodeWave(image.data(), image.size(), 44100)) << row.name;
        EXPECT_NE(WaveFault(image.data(), image.size()), "") << row.name;
    }
}

}  // namespace

}  // namespace wave_decoder_test
