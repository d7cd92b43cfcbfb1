#include "tools/sampledata/first_person_art.h"

#include "tools/sampledata/art_canvas.h"

namespace {

const uint16_t kOutline = ArtColour(28, 20, 14);
const uint16_t kSkin = ArtColour(222, 170, 128);
const uint16_t kSleeve = ArtColour(92, 70, 120);
const uint16_t kSteel = ArtColour(196, 202, 214);
const uint16_t kBrass = ArtColour(200, 160, 70);
const uint16_t kLeather = ArtColour(110, 70, 40);
const uint16_t kWood = ArtColour(150, 100, 52);

// Shapes with a dark rim, so that they stand out against any view behind them.
void OutlinedLine(SArtCanvas& canvas, double x0, double y0, double x1, double y1, double thickness, uint16_t colour) {
    canvas.Line(x0, y0, x1, y1, thickness + 3, kOutline);
    canvas.Line(x0, y0, x1, y1, thickness, colour);
}

void OutlinedDisc(SArtCanvas& canvas, double cx, double cy, double radius, uint16_t colour) {
    canvas.Disc(cx, cy, radius + 1.5, kOutline);
    canvas.Disc(cx, cy, radius, colour);
}

// A sleeved forearm reaching in from the bottom-right corner to a hand at (x, y).
void Arm(SArtCanvas& canvas, double x, double y, double thickness) {
    OutlinedLine(canvas, x + 8, y + 10, canvas.Width() + 30, canvas.Height() + 40, thickness, kSleeve);
    OutlinedDisc(canvas, x, y, thickness * 0.5, kSkin);
}

SArtCanvas Fist() {
    SArtCanvas canvas(96, 100);
    Arm(canvas, 54, 56, 34);
    for (int k = 0; k < 4; ++k) canvas.Line(38 + k * 7, 44, 40 + k * 7, 54, 1.5, ArtShade(kSkin, 70));
    return canvas;
}

SArtCanvas Sword() {
    SArtCanvas canvas(112, 200);
    OutlinedLine(canvas, 70, 146, 22, 12, 10, kSteel);
    canvas.Line(68, 140, 24, 16, 2, ArtShade(kSteel, 130));
    OutlinedLine(canvas, 50, 152, 94, 137, 7, kBrass);
    OutlinedLine(canvas, 73, 150, 84, 178, 7, kLeather);
    Arm(canvas, 82, 170, 30);
    return canvas;
}

// The blade thrust from the hand in the bottom-right corner across to the view's middle, its tip
// in the top-left part that a stroke shows first, with the streaks of its sweep above it.
SArtCanvas SwordSwing() {
    SArtCanvas canvas(240, 210);
    const uint16_t streak = SwingStreakColour();
    for (int k = 0; k < 3; ++k) canvas.Line(70 + 24 * k, 12 + 4 * k, 200, 96 + 18 * k, 2, streak);
    OutlinedLine(canvas, 176, 168, 26, 34, 14, kSteel);
    canvas.Line(172, 160, 30, 32, 3, ArtShade(kSteel, 130));
    OutlinedLine(canvas, 150, 186, 200, 146, 9, kBrass);
    OutlinedLine(canvas, 180, 172, 198, 192, 9, kLeather);
    Arm(canvas, 196, 186, 36);
    return canvas;
}

SArtCanvas Shield() {
    SArtCanvas canvas(124, 136);
    OutlinedDisc(canvas, 64, 66, 58, kBrass);
    canvas.Disc(64, 66, 52, kWood);
    for (int k = -2; k <= 2; ++k) canvas.Line(64 + k * 20, 18, 64 + k * 20, 114, 1.5, ArtShade(kWood, 70));
    OutlinedDisc(canvas, 64, 66, 12, kSteel);
    return canvas;
}

SArtCanvas Bow() {
    SArtCanvas canvas(100, 190);
    // The limbs bend towards the view's centre, the string runs straight between their tips.
    constexpr int kSegments = 12;
    double previousX = 30, previousY = 8;
    for (int k = 1; k <= kSegments; ++k) {
        const double t = double(k) / kSegments, y = 8 + 174 * t;
        const double x = 30 + 44 * 4 * t * (1 - t);
        OutlinedLine(canvas, previousX, previousY, x, y, 6, kWood);
        previousX = x;
        previousY = y;
    }
    canvas.Line(30, 8, 30, 182, 1, ArtColour(230, 226, 210));
    Arm(canvas, 72, 98, 26);
    return canvas;
}

SArtCanvas Arrow() {
    SArtCanvas canvas(100, 16);
    OutlinedLine(canvas, 10, 8, 86, 8, 2, kWood);
    canvas.Triangle(0, 8, 12, 2, 12, 14, kSteel);
    canvas.Triangle(84, 8, 98, 1, 94, 8, ArtColour(200, 40, 40));
    canvas.Triangle(84, 8, 98, 15, 94, 8, ArtColour(200, 40, 40));
    return canvas;
}

}  // namespace

uint16_t SwingStreakColour() { return ArtColour(226, 230, 236); }

std::vector<uint8_t> FirstPersonPicture(SFirstPersonArt art) {
    switch (art) {
        case SFirstPersonArt::Fist: return Fist().Record();
        case SFirstPersonArt::Sword: return Sword().Record();
        case SFirstPersonArt::Shield: return Shield().Record();
        case SFirstPersonArt::Bow: return Bow().Record();
        case SFirstPersonArt::Arrow: return Arrow().Record();
        case SFirstPersonArt::SwordSwing: return SwordSwing().Record();
    }
    return {};
}
