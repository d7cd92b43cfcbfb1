#include "tools/sampledata/art_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "engine/draw/picture.h"

namespace {

// The 5x7 letters, one row per byte, bit 4 the left column.
struct Letter {
    char c;
    uint8_t rows[7];
};
constexpr Letter kLetters[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}},
    {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}}, {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
    {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}}, {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}}, {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}}, {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}}, {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}}, {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}}, {'?', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04}},
    {'%', {0x18, 0x19, 0x02, 0x04, 0x08, 0x13, 0x03}}, {'/', {0x01, 0x01, 0x02, 0x04, 0x08, 0x10, 0x10}},
    {'+', {0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00}}, {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
};

const Letter* letterOf(char c) {
    for (const Letter& letter : kLetters)
        if (letter.c == c) return &letter;
    return nullptr;
}

int channel(uint16_t colour, int shift, int bits) { return (colour >> shift) & ((1 << bits) - 1); }

// Distance from a point to a segment.
double segmentDistance(double px, double py, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - x0) * dx + (py - y0) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

}  // namespace

uint16_t ArtColour(int red, int green, int blue) {
    const uint16_t colour = MakeColor565(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
    return colour == SArtCanvas::kClear ? 0xFFDF : colour;
}

uint16_t ArtShade(uint16_t colour, int percent) {
    const int r = channel(colour, 11, 5) * 255 / 31, g = channel(colour, 5, 6) * 255 / 63,
              b = channel(colour, 0, 5) * 255 / 31;
    return ArtColour(r * percent / 100, g * percent / 100, b * percent / 100);
}

uint16_t ArtMix(uint16_t from, uint16_t to, int fraction256) {
    auto mix = [&](int shift, int bits, int scale) {
        const int a = channel(from, shift, bits) * 255 / scale, b = channel(to, shift, bits) * 255 / scale;
        return a + (b - a) * fraction256 / 256;
    };
    return ArtColour(mix(11, 5, 31), mix(5, 6, 63), mix(0, 5, 31));
}

SArtCanvas::SArtCanvas(int width, int height, uint16_t ground)
    : m_width(width), m_height(height), m_pixels(size_t(width) * size_t(height), ground) {}

uint16_t SArtCanvas::At(int x, int y) const { return m_pixels[size_t(y) * size_t(m_width) + size_t(x)]; }

SArtCanvas SArtCanvas::Enlarged(int numerator, int denominator) const {
    SArtCanvas enlarged(m_width * numerator / denominator, m_height * numerator / denominator);
    enlarged.Paint([&](int x, int y) { return At(x * denominator / numerator, y * denominator / numerator); });
    return enlarged;
}

void SArtCanvas::Set(int x, int y, uint16_t colour) {
    if (x >= 0 && y >= 0 && x < m_width && y < m_height) m_pixels[size_t(y) * size_t(m_width) + size_t(x)] = colour;
}

void SArtCanvas::Fill(int x, int y, int w, int h, uint16_t colour) {
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column) Set(column, row, colour);
}

void SArtCanvas::Paint(const std::function<uint16_t(int x, int y)>& colourAt) {
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) Set(x, y, colourAt(x, y));
}

void SArtCanvas::Disc(double cx, double cy, double radius, uint16_t colour) {
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius) Set(x, y, colour);
}

void SArtCanvas::Line(double x0, double y0, double x1, double y1, double thickness, uint16_t colour) {
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (segmentDistance(x + 0.5, y + 0.5, x0, y0, x1, y1) <= thickness / 2) Set(x, y, colour);
}

void SArtCanvas::Triangle(double x0, double y0, double x1, double y1, double x2, double y2, uint16_t colour) {
    auto side = [](double ax, double ay, double bx, double by, double px, double py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double a = side(x0, y0, x1, y1, px, py), b = side(x1, y1, x2, y2, px, py),
                         c = side(x2, y2, x0, y0, px, py);
            if ((a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0)) Set(x, y, colour);
        }
    }
}

void SArtCanvas::Text(int x, int y, const char* text, int scale, uint16_t colour) {
    for (; *text; ++text, x += 6 * scale) {
        const Letter* letter = letterOf(*text);
        if (letter == nullptr) continue;
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 5; ++column)
                if (letter->rows[row] & (0x10 >> column))
                    Fill(x + column * scale, y + row * scale, scale, scale, colour);
    }
}

int SArtCanvas::TextWidth(const char* text, int scale) {
    const int letters = int(std::char_traits<char>::length(text));
    return letters == 0 ? 0 : (letters * 6 - 1) * scale;
}

std::vector<uint8_t> SArtCanvas::Record(int footOffset) const {
    for (int drop = 0;; ++drop) {
        // Each channel keeps its top bits only.
        const uint16_t mask =
            uint16_t(((0x1F >> drop) << drop) << 11 | ((0x3F >> drop) << drop) << 5 | ((0x1F >> drop) << drop));
        std::map<uint16_t, uint32_t> index;
        std::vector<uint16_t> colours;
        std::vector<uint32_t> indices;
        indices.reserve(m_pixels.size());
        for (uint16_t pixel : m_pixels) {
            const uint16_t reduced = pixel == kClear ? kClear : uint16_t(pixel & mask);
            auto [at, added] = index.try_emplace(reduced, uint32_t(colours.size()));
            if (added) colours.push_back(reduced);
            indices.push_back(at->second);
        }
        if (colours.size() <= 256) return BuildPictureRecord(0, m_width, m_height, indices, colours, footOffset);
    }
}

std::vector<uint8_t> SArtCanvas::BlockRecord(int format) const {
    if (m_width % 2 || m_height % 2) return {};
    std::map<std::array<uint16_t, 4>, uint32_t> index;
    std::vector<uint16_t> colours;
    std::vector<uint32_t> indices;
    for (int y = 0; y < m_height; y += 2) {
        for (int x = 0; x < m_width; x += 2) {
            // A block's colours in the order the picture stores them: top left, top right, bottom
            // left, bottom right.
            const std::array<uint16_t, 4> block = {At(x, y), At(x + 1, y), At(x, y + 1), At(x + 1, y + 1)};
            auto [at, added] = index.try_emplace(block, uint32_t(index.size()));
            if (added) colours.insert(colours.end(), block.begin(), block.end());
            indices.push_back(at->second);
        }
    }
    if (index.size() > (format == 2 ? 65536u : 256u)) return {};
    return BuildPictureRecord(format, m_width, m_height, indices, colours);
}

SArtCanvas BevelPiece(int width, int height, SEdges edges, const std::vector<uint16_t>& rings,
                      const std::function<uint16_t(int x, int y)>& inside) {
    SArtCanvas piece(width, height);
    piece.Paint([&](int x, int y) -> uint16_t {
        const int left = edges.left ? x : 1 << 20, top = edges.top ? y : 1 << 20;
        const int right = edges.right ? width - 1 - x : 1 << 20, bottom = edges.bottom ? height - 1 - y : 1 << 20;
        // The corner pixel and its two neighbours on a side stay clear where two edges meet.
        const bool corner = (left + top < 2) || (right + top < 2) || (left + bottom < 2) || (right + bottom < 2);
        if (corner) return SArtCanvas::kClear;
        const int ring = std::min({left, top, right, bottom});
        return ring < int(rings.size()) ? rings[size_t(ring)] : inside(x, y);
    });
    return piece;
}
