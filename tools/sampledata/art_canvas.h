#pragma once
// A small drawing surface for the sample interface pictures: shapes in RGB565 on a transparent
// ground, turned into a picture record at the end.
#include <cstdint>
#include <functional>
#include <vector>

// An RGB565 colour of 8-bit channels that is never the transparent key (white becomes the
// nearest other white).
uint16_t ArtColour(int red, int green, int blue);
// The colour made lighter (percent above 100) or darker (below 100), never transparent.
uint16_t ArtShade(uint16_t colour, int percent);
// The colour a fraction of the way (0 .. 256) from one colour to another.
uint16_t ArtMix(uint16_t from, uint16_t to, int fraction256);

class SArtCanvas {
public:
    static constexpr uint16_t kClear = 0xFFFF;  // the key colour: left out when drawn keyed

    SArtCanvas(int width, int height, uint16_t ground = kClear);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    uint16_t At(int x, int y) const;
    // Every shape is clipped to the canvas.
    void Set(int x, int y, uint16_t colour);
    void Fill(int x, int y, int w, int h, uint16_t colour);
    // Each pixel its own colour.
    void Paint(const std::function<uint16_t(int x, int y)>& colourAt);
    void Disc(double cx, double cy, double radius, uint16_t colour);
    // A stroke of the given thickness with round ends.
    void Line(double x0, double y0, double x1, double y1, double thickness, uint16_t colour);
    void Triangle(double x0, double y0, double x1, double y1, double x2, double y2, uint16_t colour);
    // Capital letters, digits, '?', '%', '/', '+' and '-' of a 5x7 block font, each pixel `scale` pixels square, one
    // column of space between letters.
    void Text(int x, int y, const char* text, int scale, uint16_t colour);
    static int TextWidth(const char* text, int scale);
    // The canvas drawn again numerator / denominator times its size, each pixel the colour of the
    // one it covers.
    SArtCanvas Enlarged(int numerator, int denominator) const;

    // The picture record: one index per pixel. A canvas of more than 256 colours gives up the low
    // bits of its colours until the table fits. The foot offset is the texels from the bottom edge
    // up to the line the picture stands on in the 3-D view.
    std::vector<uint8_t> Record(int footOffset = 0) const;
    // The picture record in format 1: one byte index per 2x2 block of four colours, or in format 2
    // one 16-bit index. Empty for a canvas of odd width or height or of more different blocks than
    // the index holds.
    std::vector<uint8_t> BlockRecord(int format = 1) const;

private:
    int m_width;
    int m_height;
    std::vector<uint16_t> m_pixels;
};

// The sides of a bevelled piece that have an edge.
struct SEdges {
    bool left = false, top = false, right = false, bottom = false;
};

// A piece of a bevelled box (a frame's corner or edge, a bar's cap, a whole button): on each side
// it has, rings of colour from the outer edge inwards; inside them the given fill. Where two sides
// meet, the outermost corner pixels are left transparent, so that corners look rounded.
SArtCanvas BevelPiece(int width, int height, SEdges edges, const std::vector<uint16_t>& rings,
                      const std::function<uint16_t(int x, int y)>& inside);
