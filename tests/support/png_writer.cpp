#include "support/png_writer.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>

namespace {

constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr size_t kStoredBlockMax = 65535;  // a stored deflate block's length is 16 bits

void putBE32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(value >> shift));
}

void putChunk(std::vector<uint8_t>& out, const char (&type)[5], const std::vector<uint8_t>& data) {
    putBE32(out, uint32_t(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBE32(out, PngCrc32(std::span<const uint8_t>(out).subspan(typeAt)));
}

uint32_t adler32(const std::vector<uint8_t>& bytes) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// A zlib stream of stored blocks around the bytes.
std::vector<uint8_t> storedZlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out = {0x78, 0x01};  // deflate, 32K window, no dictionary, fastest
    size_t at = 0;
    do {
        const size_t length = std::min(kStoredBlockMax, raw.size() - at);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
        out.push_back(uint8_t(length));
        out.push_back(uint8_t(length >> 8));
        out.push_back(uint8_t(~length));
        out.push_back(uint8_t(~length >> 8));
        out.insert(out.end(), raw.begin() + long(at), raw.begin() + long(at + length));
        at += length;
    } while (at < raw.size());
    putBE32(out, adler32(raw));
    return out;
}

}  // namespace

void Rgb565ToRgb(uint16_t pixel, uint8_t& red, uint8_t& green, uint8_t& blue) {
    // The top bits repeat into the low ones, so that 0 stays 0 and the largest step becomes 255.
    const int r = (pixel >> 11) & 31, g = (pixel >> 5) & 63, b = pixel & 31;
    red = uint8_t(r << 3 | r >> 2);
    green = uint8_t(g << 2 | g >> 4);
    blue = uint8_t(b << 3 | b >> 2);
}

uint32_t PngCrc32(std::span<const uint8_t> bytes, uint32_t crc) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (uint8_t byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::vector<uint8_t> EncodePng(std::span<const uint16_t> pixels, int width, int height, int pitch) {
    std::vector<uint8_t> header;
    putBE32(header, uint32_t(width));
    putBE32(header, uint32_t(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, deflate, adaptive filters, no interlace

    // Each row: filter type 0 (none), then the row's RGB triples.
    std::vector<uint8_t> raw;
    raw.reserve(size_t(height) * (1 + size_t(width) * 3));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            uint8_t r, g, b;
            Rgb565ToRgb(pixels[size_t(y) * size_t(pitch) + size_t(x)], r, g, b);
            raw.insert(raw.end(), {r, g, b});
        }
    }

    std::vector<uint8_t> png(std::begin(kSignature), std::end(kSignature));
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", storedZlib(raw));
    putChunk(png, "IEND", {});
    return png;
}

bool WritePng(const std::string& path, std::span<const uint16_t> pixels, int width, int height, int pitch) {
    const std::vector<uint8_t> png = EncodePng(pixels, width, height, pitch);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    return bool(file);
}

bool WriteShot(const std::string& name, std::span<const uint16_t> pixels, int width, int height, int pitch) {
    const char* folder = std::getenv("BRIMVALE_SHOTS");
    if (folder == nullptr || *folder == '\0') return true;
    return WritePng(std::string(folder) + "/" + name + ".png", pixels, width, height, pitch);
}
