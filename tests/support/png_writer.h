#pragma once
// PNG files of RGB565 pictures, for looking at what a test drew. The image data goes into stored
// (uncompressed) deflate blocks, so no compression library is needed; the files are larger, which
// does not matter for screenshots.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A PNG of width x height pixels taken row by row from pixels, `pitch` pixels apart.
std::vector<uint8_t> EncodePng(std::span<const uint16_t> pixels, int width, int height, int pitch);
// False when the file cannot be written.
bool WritePng(const std::string& path, std::span<const uint16_t> pixels, int width, int height, int pitch);

// Writes NAME.png into the folder that $BRIMVALE_SHOTS names, so that a person can look at what a
// test drew; without the variable nothing is written. False only when a file asked for could not
// be written.
bool WriteShot(const std::string& name, std::span<const uint16_t> pixels, int width, int height, int pitch);

// The eight-bit channels an RGB565 pixel stands for, each widened to 0 .. 255.
void Rgb565ToRgb(uint16_t pixel, uint8_t& red, uint8_t& green, uint8_t& blue);
// The CRC-32 PNG chunks carry (the zlib and Ethernet one).
uint32_t PngCrc32(std::span<const uint8_t> bytes, uint32_t crc = 0);
