#pragma once
// Builds picture records for tests the way a package stores them: every field written byte by
// byte, little-endian, with the colour table behind the texels on an even offset.
#include <cstdint>
#include <vector>

#include "engine/draw/picture.h"

// indices: one per pixel (format 0) or per 2x2 block (formats 1 and 2), rows top to bottom.
inline std::vector<uint8_t> PictureRecord(int format, int width, int height, const std::vector<uint32_t>& indices,
                                          const std::vector<uint16_t>& colours) {
    return BuildPictureRecord(format, width, height, indices, colours);
}

// A picture record together with the checked picture that points into it.
class STestPicture {
public:
    STestPicture(int format, int width, int height, const std::vector<uint32_t>& indices,
                 const std::vector<uint16_t>& colours)
        : m_bytes(PictureRecord(format, width, height, indices, colours)) {
        SReadError error;
        m_ok = m_picture.Read(m_bytes, error);
    }
    STestPicture(const STestPicture&) = delete;
    STestPicture& operator=(const STestPicture&) = delete;

    bool Ok() const { return m_ok; }
    const SPicture& Picture() const { return m_picture; }
    operator const SPicture&() const { return m_picture; }

private:
    std::vector<uint8_t> m_bytes;
    SPicture m_picture;
    bool m_ok = false;
};
