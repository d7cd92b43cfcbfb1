#include "support/golden_frame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/png_writer.h"

namespace {

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

}  // namespace

void ExpectGolden(const std::string& name, const std::vector<uint16_t>& pixels, int width, int height) {
    const std::filesystem::path golden = std::filesystem::path(BRIMVALE_GOLDEN_FOLDER) / (name + ".png");
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
