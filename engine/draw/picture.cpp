#include "engine/draw/picture.h"

#include <algorithm>

namespace {

// Every header field goes through these: a field that does not lie wholly inside the record is
// reported instead of read.
bool ReadU8(std::span<const uint8_t> record, uint32_t offset, uint32_t& value) {
    if (offset >= record.size()) return false;
    value = record[offset];
    return true;
}

bool ReadI16(std::span<const uint8_t> record, uint32_t offset, int& value) {
    if (record.size() < 2 || offset > record.size() - 2) return false;
    value = int16_t(ReadLE16(record.data() + offset));
    return true;
}

// One channel of MakeColor565: scale to (steps - 1) x 256, then round on bit 7.
uint32_t RoundChannel(int value, uint32_t scaled) {
    uint32_t v = uint32_t(value) * scaled / 255;
    if (v & 0x80) v += 0x100;
    return v >> 8;
}

// The highest colour-table entry that any texel names, plus one. In block formats an index names
// four entries, and index 0 still names its four: opaque drawing shows them.
uint32_t CountColoursUsed(int format, const uint8_t* texels, uint32_t bytes) {
    if (bytes == 0) return 0;
    uint32_t highest = 0;
    if (format == 2) {
        for (uint32_t at = 0; at < bytes; at += 2) highest = std::max<uint32_t>(highest, ReadLE16(texels + at));
    } else {
        highest = *std::max_element(texels, texels + bytes);
    }
    return format == 0 ? highest + 1 : 4 * highest + 4;
}

bool refuse(SReadError& error, std::optional<uint32_t> offset, std::string what) {
    error.offset = offset;
    error.what = std::move(what);
    return false;
}

}  // namespace

uint16_t MakeColor565(int red, int green, int blue) {
    return uint16_t(RoundChannel(red, 31 * 256) << 11 | RoundChannel(green, 63 * 256) << 5 |
                    RoundChannel(blue, 31 * 256));
}

uint32_t SPicture::TexelBytes(int format, int width, int height) {
    uint32_t product = uint32_t(width) * uint32_t(height);
    if (format == 0) return product;
    if (format == 2) return product / 2;
    return product / 4;
}

uint32_t SPicture::PaletteOffset(int format, int width, int height) {
    uint32_t texels = TexelBytes(format, width, height);
    return kHeaderBytes + texels + (texels & 1);
}

std::vector<uint8_t> BuildPictureRecord(int format, int width, int height, std::span<const uint32_t> indices,
                                        std::span<const uint16_t> colours, int footOffset) {
    std::vector<uint8_t> bytes(SPicture::kHeaderBytes, 0);
    bytes[0] = uint8_t(format);
    bytes[1] = uint8_t(int8_t(footOffset));
    WriteLE16(&bytes[2], uint16_t(width));
    WriteLE16(&bytes[4], uint16_t(height));
    for (uint32_t index : indices) {
        bytes.push_back(uint8_t(index));
        if (format == 2) bytes.push_back(uint8_t(index >> 8));
    }
    if (bytes.size() % 2) bytes.push_back(0);
    for (uint16_t colour : colours) {
        bytes.push_back(uint8_t(colour));
        bytes.push_back(uint8_t(colour >> 8));
    }
    return bytes;
}

bool SPicture::Read(std::span<const uint8_t> record, SReadError& error) {
    uint32_t format = 0;
    int width = 0;
    int height = 0;
    if (!ReadU8(record, 0, format) || !ReadI16(record, 2, width) || !ReadI16(record, 4, height) ||
        record.size() < kHeaderBytes)
        return refuse(error, {},
                      "picture of " + std::to_string(record.size()) + " bytes is shorter than its 8-byte header");
    if (format > 2) return refuse(error, 0, "picture format " + std::to_string(format) + " is not 0, 1 or 2");
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    if (width < 0 || height < 0) return refuse(error, 2, "picture size " + size + " is negative");
    // A block picture of odd size would have its last column or row fall outside its blocks.
    if (format != 0 && (width % 2 != 0 || height % 2 != 0))
        return refuse(error, 2, "block picture size " + size + " is not even");
    uint32_t texelBytes = TexelBytes(int(format), width, height);
    uint32_t paletteOffset = PaletteOffset(int(format), width, height);
    if (paletteOffset > record.size())
        return refuse(error, paletteOffset, "picture texels of " + size + " reach past the end of the record");
    const uint8_t* texels = record.data() + kHeaderBytes;
    uint32_t used = CountColoursUsed(int(format), texels, texelBytes);
    uint32_t held = uint32_t(record.size() - paletteOffset) / 2;
    if (used > held)
        return refuse(error, paletteOffset,
                      "picture texels name colour " + std::to_string(used - 1) + " but the table holds " +
                          std::to_string(held));
    m_format = int(format);
    m_width = width;
    m_height = height;
    m_footOffset = int8_t(record[1]);
    m_texels = texels;
    m_colours = record.data() + paletteOffset;
    m_coloursUsed = used;
    return true;
}

bool SPicture::UsePalette(std::span<const uint8_t> palette, SReadError& error) {
    uint32_t held = uint32_t(palette.size() / 2);
    if (m_coloursUsed > held)
        return refuse(error, {},
                      "palette of " + std::to_string(held) + " colours is shorter than the " +
                          std::to_string(m_coloursUsed) + " the picture names");
    m_colours = palette.data();
    return true;
}
