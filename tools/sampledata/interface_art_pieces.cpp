// The pieces widgets are built from: frame sets, bars, hit-point bars and buttons.
#include <algorithm>

#include "tools/sampledata/interface_art_parts.h"

namespace interface_art {

namespace {

// Outline, a lit ring, bronze, and a shadow ring next to the inside.
std::vector<uint16_t> frameRings(int thickness) {
    std::vector<uint16_t> rings(size_t(std::max(thickness, 3)), kBronze);
    rings.front() = kOutline;
    rings[1] = kGold;
    rings.back() = kDarkBronze;
    return rings;
}

}  // namespace

SArtCanvas FramePiece(int piece, int thickness, int tile, uint16_t inside) {
    const int column = piece / 3, row = piece % 3;
    const int w = column == 1 ? tile : thickness, h = row == 1 ? tile : thickness;
    const SEdges edges{column == 0, row == 0, column == 2, row == 2};
    return BevelPiece(w, h, edges, frameRings(thickness), [inside](int, int) { return inside; });
}

SArtCanvas BarPiece(int piece, int height, int capWidth, int middleWidth, uint16_t top, uint16_t bottom) {
    const int w = piece == 1 ? middleWidth : capWidth;
    const SEdges edges{piece == 0, true, piece == 2, true};
    return BevelPiece(w, height, edges, {kOutline, ArtShade(top, 130)},
                      [=](int, int y) { return ArtMix(top, bottom, y * 256 / std::max(1, height - 1)); });
}

SArtCanvas MeterPiece(int piece, bool vertical, int thickness, int endLength, int middleLength, uint16_t colour) {
    const int length = piece == 1 ? middleLength : endLength;
    // The moving end is the top of a vertical bar and the right end of a horizontal one.
    const bool movingEnd = piece == 0, fixedEnd = piece == 2;
    const SEdges edges = vertical ? SEdges{true, movingEnd, true, fixedEnd} : SEdges{fixedEnd, true, movingEnd, true};
    // Lit along the middle of the tube, darker towards its sides.
    auto tube = [=](int x, int y) {
        const int across = vertical ? x : y;
        const int fromMiddle = std::abs(2 * across - (thickness - 1)) * 256 / std::max(1, thickness);
        return ArtMix(ArtShade(colour, 140), ArtShade(colour, 60), fromMiddle);
    };
    return BevelPiece(vertical ? thickness : length, vertical ? length : thickness, edges, {kOutline}, tube);
}

namespace {

// The bevelled face of a button: lit top and left, shadowed bottom and right; pressed swaps them.
SArtCanvas buttonFace(int state, int width, int height, uint16_t face) {
    const uint16_t base = state == 2 ? ArtColour(110, 110, 110) : state == 1 ? ArtShade(face, 75) : face;
    const uint16_t light = ArtShade(base, 150), dark = ArtShade(base, 55);
    SArtCanvas button = BevelPiece(width, height, {true, true, true, true}, {kOutline}, [&](int x, int y) -> uint16_t {
        const bool nearTopLeft = x <= 2 || y <= 2;
        const bool nearBottomRight = x >= width - 3 || y >= height - 3;
        if (nearTopLeft && !nearBottomRight) return state == 1 ? dark : light;
        if (nearBottomRight && !nearTopLeft) return state == 1 ? light : dark;
        return base;
    });
    return button;
}

uint16_t inkOf(int state) { return state == 2 ? ArtColour(170, 170, 170) : kInk; }

}  // namespace

SArtCanvas Button(int state, int width, int height, uint16_t face, Glyph glyph) {
    SArtCanvas button = buttonFace(state, width, height, face);
    const uint16_t ink = inkOf(state);
    // A pressed button's glyph sinks one pixel right and down.
    const double shift = state == 1 ? 1 : 0;
    auto at = [&](double fx, double fy, double& x, double& y) {
        x = fx * width + shift;
        y = fy * height + shift;
    };
    double x0, y0, x1, y1, x2, y2;
    const double stroke = std::max(2.0, width / 8.0);
    switch (glyph) {
        case Glyph::kCheck:
            at(0.24, 0.52, x0, y0);
            at(0.42, 0.72, x1, y1);
            at(0.78, 0.28, x2, y2);
            button.Line(x0, y0, x1, y1, stroke, ink);
            button.Line(x1, y1, x2, y2, stroke, ink);
            break;
        case Glyph::kCross:
            at(0.3, 0.3, x0, y0);
            at(0.7, 0.7, x1, y1);
            button.Line(x0, y0, x1, y1, stroke, ink);
            button.Line(x1, y0, x0, y1, stroke, ink);
            break;
        case Glyph::kUp:
        case Glyph::kDown: {
            const bool up = glyph == Glyph::kUp;
            at(0.5, up ? 0.26 : 0.74, x0, y0);
            at(0.24, up ? 0.7 : 0.3, x1, y1);
            at(0.76, up ? 0.7 : 0.3, x2, y2);
            button.Triangle(x0, y0, x1, y1, x2, y2, ink);
            break;
        }
        case Glyph::kLeft:
        case Glyph::kRight: {
            // Two arrowheads: a page, not a step.
            const double sign = glyph == Glyph::kRight ? 1 : -1;
            for (double centre : {0.38, 0.62}) {
                const double c = glyph == Glyph::kRight ? centre : 1 - centre;
                at(c + sign * 0.12, 0.5, x0, y0);
                at(c - sign * 0.12, 0.28, x1, y1);
                at(c - sign * 0.12, 0.72, x2, y2);
                button.Triangle(x0, y0, x1, y1, x2, y2, ink);
            }
            break;
        }
        case Glyph::kGlobe:
            at(0.5, 0.5, x0, y0);
            button.Disc(x0, y0, width * 0.3, ink);
            button.Line(x0, y0 - height * 0.3, x0, y0 + height * 0.3, 1.2, ArtShade(face, 70));
            button.Line(x0 - width * 0.3, y0, x0 + width * 0.3, y0, 1.2, ArtShade(face, 70));
            break;
        case Glyph::kGrid:
            for (double f : {0.3, 0.5, 0.7}) {
                at(f, 0.25, x0, y0);
                at(f, 0.75, x1, y1);
                button.Line(x0, y0, x1, y1, 1.5, ink);
                at(0.25, f, x0, y0);
                at(0.75, f, x1, y1);
                button.Line(x0, y0, x1, y1, 1.5, ink);
            }
            break;
    }
    return button;
}

SArtCanvas TextButton(int state, int width, int height, uint16_t face, const char* text) {
    SArtCanvas button = buttonFace(state, width, height, face);
    const int scale = height >= 28 ? 2 : 1;
    const int shift = state == 1 ? 1 : 0;
    button.Text((width - SArtCanvas::TextWidth(text, scale)) / 2 + shift, (height - 7 * scale) / 2 + shift, text, scale,
                inkOf(state));
    return button;
}

}  // namespace interface_art
