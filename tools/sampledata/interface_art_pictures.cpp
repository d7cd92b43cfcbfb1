// The interface pictures that stand alone: portraits, scenes, tiles, the flame, the compass and
// the automap's pieces.
#include <algorithm>
#include <cmath>

#include "screens/play/automap_cell.h"
#include "tools/sampledata/interface_art_parts.h"

namespace interface_art {

namespace {

// A small deterministic scatter, so that tiles look the same on every run.
uint32_t scatter(int x, int y, int seed) {
    uint32_t h = uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u ^ uint32_t(seed) * 83492791u;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    return h ^ (h >> 15);
}

struct RaceLook {
    uint16_t background, skin, hair;
    bool beard;
};

RaceLook raceLook(int race) {
    switch (race) {
        case 0: return {ArtColour(40, 60, 40), ArtColour(110, 150, 80), ArtColour(50, 70, 30), false};
        case 1: return {ArtColour(60, 70, 100), ArtColour(232, 188, 150), ArtColour(110, 70, 30), false};
        case 2: return {ArtColour(50, 90, 80), ArtColour(244, 220, 196), ArtColour(230, 210, 120), false};
        case 3: return {ArtColour(90, 60, 50), ArtColour(214, 150, 120), ArtColour(160, 70, 30), true};
        case 4: return {ArtColour(70, 50, 40), ArtColour(140, 150, 80), ArtColour(30, 30, 30), false};
        case 5: return {ArtColour(80, 60, 100), ArtColour(140, 96, 70), ArtColour(20, 20, 24), false};
        default: return {ArtColour(70, 70, 76), ArtColour(150, 150, 150), ArtColour(110, 110, 110), false};
    }
}

}  // namespace

SArtCanvas Portrait(int race) {
    const RaceLook look = raceLook(race);
    SArtCanvas face(50, 50, look.background);
    face.Disc(25, 58, 22, ArtShade(look.background, 160));  // shoulders
    face.Disc(25, 17, 13, look.hair);
    face.Disc(25, 27, 11, look.skin);
    face.Disc(20.5, 26, 1.6, kOutline);
    face.Disc(29.5, 26, 1.6, kOutline);
    face.Line(21, 33, 29, 33, 1.2, ArtShade(look.skin, 60));
    if (look.beard) face.Disc(25, 37, 7, look.hair);
    if (race < 0) face.Text(23, 8, "?", 1, kInk);
    // A thin outline keeps the portrait apart from any background it stands on.
    face.Fill(0, 0, 50, 1, kOutline);
    face.Fill(0, 49, 50, 1, kOutline);
    face.Fill(0, 0, 1, 50, kOutline);
    face.Fill(49, 0, 1, 50, kOutline);
    return face;
}

SArtCanvas Landscape(int w, int h, int timeOfDay) {
    static const uint16_t skies[4][2] = {{ArtColour(250, 180, 120), ArtColour(120, 120, 190)},
                                         {ArtColour(150, 200, 250), ArtColour(60, 120, 220)},
                                         {ArtColour(240, 120, 60), ArtColour(90, 40, 90)},
                                         {ArtColour(30, 40, 80), ArtColour(5, 5, 20)}};
    const int t = timeOfDay & 3;
    SArtCanvas scene(w, h);
    scene.Paint([&](int, int y) { return ArtMix(skies[t][1], skies[t][0], y * 256 / h); });
    scene.Disc(w * 0.75, h * 0.3, h * 0.12, t == 3 ? ArtColour(230, 230, 210) : ArtColour(255, 236, 150));
    const uint16_t near = ArtShade(ArtColour(60, 110, 50), t == 3 ? 40 : 100);
    const uint16_t far = ArtShade(ArtColour(90, 120, 110), t == 3 ? 40 : 100);
    for (int x = 0; x < w; ++x) {
        const int farTop = int(h * (0.55 + 0.08 * std::sin(x * 6.0 / w + t)));
        const int nearTop = int(h * (0.72 + 0.06 * std::sin(x * 11.0 / w + 2 * t)));
        scene.Fill(x, farTop, 1, h - farTop, far);
        scene.Fill(x, nearTop, 1, h - nearTop, near);
    }
    return scene;
}

SArtCanvas Ship(int w, int h) {
    SArtCanvas scene = Landscape(w, h, 1);
    scene.Fill(0, h * 6 / 10, w, h - h * 6 / 10, ArtColour(40, 80, 140));
    for (int y = h * 6 / 10 + 2; y < h; y += 4) scene.Fill(0, y, w, 1, ArtColour(70, 110, 170));
    const double deck = h * 0.62, left = w * 0.25, right = w * 0.75;
    scene.Triangle(left, deck, right, deck, right - w * 0.06, deck + h * 0.14, ArtColour(110, 70, 40));
    scene.Triangle(left, deck, right - w * 0.06, deck + h * 0.14, left + w * 0.06, deck + h * 0.14,
                   ArtColour(110, 70, 40));
    scene.Line(w * 0.5, deck, w * 0.5, h * 0.12, std::max(1.0, w / 80.0), ArtColour(80, 50, 30));
    scene.Triangle(w * 0.52, h * 0.15, w * 0.52, deck - h * 0.06, w * 0.72, deck - h * 0.06, ArtColour(240, 236, 220));
    return scene;
}

SArtCanvas Emblem(int w, int h) {
    SArtCanvas emblem(w, h);
    const double r = h / 2.0;
    for (auto [inset, colour] : {std::pair{0.0, kOutline}, std::pair{1.0, kGold}, std::pair{3.0, kBronze}}) {
        emblem.Disc(r, r, r - inset, colour);
        emblem.Disc(w - r, r, r - inset, colour);
        emblem.Fill(int(r), int(inset), int(w - 2 * r), int(h - 2 * inset), colour);
    }
    const char* name = "BRIM VALE";
    const int scale = h >= 40 ? 4 : 2;
    emblem.Text((w - SArtCanvas::TextWidth(name, scale)) / 2, (h - 7 * scale) / 2, name, scale, kInk);
    return emblem;
}

SArtCanvas Tile(int size, uint16_t ground, int seed) {
    SArtCanvas tile(size, size);
    tile.Paint([&](int x, int y) {
        const uint32_t s = scatter(x, y, seed) % 23;
        return s == 0 ? ArtShade(ground, 80) : s == 1 ? ArtShade(ground, 115) : ground;
    });
    return tile;
}

SArtCanvas PageStrip(int w, int h, uint16_t ground, uint16_t band, int bandHeight, int seed) {
    SArtCanvas strip(w, h);
    strip.Paint([&](int x, int y) {
        const bool rule = bandHeight > 0 && y >= bandHeight && y < bandHeight + 2;
        const uint16_t colour = y < bandHeight ? band : rule ? ArtShade(band, 60) : ground;
        const uint32_t s = scatter(x, y, seed) % 23;
        return s == 0 ? ArtShade(colour, 80) : s == 1 ? ArtShade(colour, 115) : colour;
    });
    return strip;
}

SArtCanvas StoneTile(int size) {
    const uint16_t stone = ArtColour(70, 74, 86), mortar = ArtColour(36, 38, 44);
    SArtCanvas tile = Tile(size, stone, 7);
    const int course = size / 2;
    for (int y = 0; y < size; y += course) {
        tile.Fill(0, y, size, 1, mortar);
        const int joint = (y / course) % 2 ? size / 4 : size * 3 / 4;
        tile.Fill(joint, y, 1, course, mortar);
    }
    return tile;
}

SArtCanvas Flame(int size, int phase) {
    static const uint16_t heat[] = {ArtColour(20, 8, 4),     ArtColour(90, 20, 8),    ArtColour(170, 40, 10),
                                    ArtColour(220, 90, 20),  ArtColour(250, 160, 40), ArtColour(255, 220, 90),
                                    ArtColour(255, 248, 200)};
    SArtCanvas flame(size, size);
    flame.Paint([&](int x, int y) {
        const double fx = (x + 0.5) / size - 0.5, fy = 1.0 - (y + 0.5) / size;
        const double sway = 0.06 * std::sin(fy * 9 + phase * 0.8);
        const double width = 0.32 * (1.0 - fy) * (1.0 + 0.15 * std::sin(phase * 1.7 + fy * 5));
        const double d = std::abs(fx - sway) / std::max(0.01, width);
        const double level = std::clamp((1.0 - d) * (1.2 - fy) * 6.0, 0.0, 6.0);
        return heat[int(level)];
    });
    return flame;
}

SArtCanvas CompassPiece(int piece, int height, int capWidth) {
    constexpr int kStripWidth = 120;  // 360 degrees at 3 per pixel
    // The column that stands in the middle when facing each way: north, east, south, west (headings
    // grow counter-clockwise, and the strip's column is a third of 360 less the heading).
    constexpr int kCardinals[] = {10, 40, 70, 100};
    constexpr const char* kLetters[] = {"N", "E", "S", "W"};
    if (piece >= 2) {
        // The caps darken the ends of the strip towards the outside.
        SArtCanvas cap(capWidth, height);
        cap.Paint([&](int x, int) {
            const int towardsEdge = piece == 2 ? capWidth - 1 - x : x;
            return ArtMix(ArtColour(60, 50, 40), ArtColour(0, 0, 0), towardsEdge * 256 / std::max(1, capWidth));
        });
        return cap;
    }
    if (piece == 1) {
        SArtCanvas overlay(kStripWidth, height);
        const int scale = height >= 20 ? 2 : 1;
        for (int i = 0; i < 4; ++i) {
            const uint16_t colour = i == 0 ? ArtColour(230, 40, 30) : kInk;
            overlay.Text(kCardinals[i] - (5 * scale) / 2, (height - 7 * scale) / 2, kLetters[i], scale, colour);
        }
        return overlay;
    }
    SArtCanvas strip(kStripWidth, height, ArtColour(40, 44, 52));
    strip.Fill(0, 0, kStripWidth, 1, kBronze);
    strip.Fill(0, height - 1, kStripWidth, 1, kBronze);
    for (int column = 10 % 5; column < kStripWidth; column += 5) {
        const int fromCardinal = (column - 10 + kStripWidth) % 15;
        const int tick = (column - 10 + kStripWidth) % 30 == 0 ? height / 3 : fromCardinal == 0 ? height / 4 : 2;
        strip.Fill(column, 1, 1, tick, kGold);
        strip.Fill(column, height - 1 - tick, 1, tick, kGold);
    }
    return strip;
}

SArtCanvas AutomapPicture(int index, int cell) {
    using A = SAutomapCell;
    // Ink on a pale ground, so that a wall reads against the floor and the floor against the
    // unexplored background.
    const uint16_t ink = ArtColour(70, 56, 44);
    if (index == A::kOpenFloor) return Tile(cell, ArtColour(240, 230, 204), index);
    if (index == A::kWallFloor) return Tile(cell, ArtColour(96, 84, 72), index);
    const uint16_t colour = ArtColour(90 + (index * 53) % 120, 80 + (index * 29) % 110, 60 + (index * 71) % 100);
    if (index < A::kFirstSide) return Tile(cell, colour, index);
    SArtCanvas picture(cell, cell);
    const int t = std::max(2, cell / 5);
    if (index < A::kDoor) {
        // A wall along one side of the cell.
        const int side = (index - A::kFirstSide) % 4;
        const int x = side == 1 ? cell - t : 0, y = side == 2 ? cell - t : 0;
        const bool across = side == 0 || side == 2;
        picture.Fill(x, y, across ? cell : t, across ? t : cell, ink);
    } else if (index == A::kDoor) {
        // A door: a plank across the cell between two posts.
        picture.Fill(0, (cell - t) / 2, cell, t, ArtColour(160, 96, 40));
        picture.Fill(0, 0, t, cell, ink);
        picture.Fill(cell - t, 0, t, cell, ink);
    } else if (index == A::kWayOn) {
        // A way on: steps going down.
        for (int step = 0; step < 3; ++step) {
            const int y = 1 + step * (cell - 2) / 3;
            picture.Fill(1 + step * cell / 8, y, cell - 2 - step * cell / 4, std::max(1, cell / 8), ink);
        }
    } else if (index == A::kObstacle) {
        picture.Disc(cell / 2.0, cell / 2.0, cell / 2.0 - 1, ArtColour(40, 110, 40));
    } else {
        picture.Disc(cell / 2.0, cell / 2.0, cell / 4.0, colour);
    }
    return picture;
}

SArtCanvas Marker(int index, int size) {
    const uint16_t colour = ArtColour(120 + (index * 41) % 130, 60 + (index * 67) % 180, 40 + (index * 97) % 200);
    SArtCanvas marker(size, size);
    const double c = size / 2.0, r = size / 2.0 - 0.5;
    switch (index % 4) {
        case 0: marker.Disc(c, c, r, colour); break;
        case 1: marker.Fill(1, 1, size - 2, size - 2, colour); break;
        case 2: marker.Triangle(c, 0, 0, size, size, size, colour); break;
        default:
            marker.Triangle(c, 0, 0, c, size, c, colour);
            marker.Triangle(0, c, size, c, c, size, colour);
            break;
    }
    return marker;
}

SArtCanvas SectionBorder(int index, int cell) {
    const uint16_t colour = ArtColour(220, 60, 40);
    SArtCanvas piece(cell, cell);
    // Corners first (top-left, top-right, bottom-left, bottom-right), then the edges (top, right,
    // bottom, left).
    const bool corner = index < 4;
    const int k = index % 4;
    const bool top = corner ? k < 2 : k == 0, bottom = corner ? k >= 2 : k == 2;
    const bool left = corner ? k % 2 == 0 : k == 3, right = corner ? k % 2 == 1 : k == 1;
    const int t = std::max(1, cell / 8);
    if (top) piece.Fill(0, 0, cell, t, colour);
    if (bottom) piece.Fill(0, cell - t, cell, t, colour);
    if (left) piece.Fill(0, 0, t, cell, colour);
    if (right) piece.Fill(cell - t, 0, t, cell, colour);
    return piece;
}

SArtCanvas Arrow(int heading, int cell) {
    SArtCanvas arrow(cell, cell);
    const double c = cell / 2.0, r = cell / 2.0 - 0.5;
    // Headings grow counter-clockwise: the second arrow points west.
    const double angle = -(heading % 4) * std::acos(-1.0) / 2;
    auto point = [&](double along, double across, double& x, double& y) {
        x = c + along * std::sin(angle) + across * std::cos(angle);
        y = c - along * std::cos(angle) + across * std::sin(angle);
    };
    double x0, y0, x1, y1, x2, y2;
    point(r, 0, x0, y0);
    point(-r, -r * 0.8, x1, y1);
    point(-r, r * 0.8, x2, y2);
    arrow.Triangle(x0, y0, x1, y1, x2, y2, ArtColour(250, 220, 60));
    return arrow;
}

SArtCanvas WorldMapMarker(int index) {
    if (index == 1) {
        constexpr int kMap = 21;
        SArtCanvas frame(kMap, kMap, ArtColour(250, 220, 60));
        frame.Fill(2, 2, kMap - 4, kMap - 4, SArtCanvas::kClear);
        return frame;
    }
    constexpr int kPin = 10;
    SArtCanvas pin(kPin, kPin);
    pin.Line(2, kPin - 2, 6, 4, 1.5, kOutline);
    pin.Disc(6.5, 3.5, 3.2, ArtColour(220, 30, 30));
    pin.Disc(5.8, 2.8, 1.0, ArtColour(255, 180, 170));
    return pin;
}

}  // namespace interface_art
