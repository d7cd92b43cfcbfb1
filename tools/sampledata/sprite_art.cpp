#include "tools/sampledata/sprite_art.h"

#include "tools/sampledata/art_canvas.h"

namespace {

const uint16_t kOutline = ArtColour(30, 24, 20);
const uint16_t kStone = ArtColour(170, 166, 156);
const uint16_t kWood = ArtColour(150, 100, 52);
const uint16_t kDarkWood = ArtColour(100, 64, 34);
const uint16_t kIron = ArtColour(80, 84, 92);
const uint16_t kBrass = ArtColour(210, 170, 70);
const uint16_t kGreen = ArtColour(70, 140, 60);
const uint16_t kRed = ArtColour(200, 40, 40);
const uint16_t kFlame = ArtColour(250, 200, 60);

// A box with a dark rim.
void Box(SArtCanvas& canvas, int x, int y, int w, int h, uint16_t colour) {
    canvas.Fill(x, y, w, h, kOutline);
    canvas.Fill(x + 1, y + 1, w - 2, h - 2, colour);
}

SArtCanvas Statue() {
    SArtCanvas canvas(40, 72);
    Box(canvas, 4, 58, 32, 14, ArtShade(kStone, 80));  // the pedestal, sunk 6 texels into the floor
    canvas.Disc(20, 14, 8, kStone);
    canvas.Fill(12, 22, 16, 30, kStone);
    canvas.Line(12, 26, 4, 44, 4, kStone);
    canvas.Line(28, 26, 36, 10, 4, kStone);
    canvas.Fill(13, 52, 5, 6, kStone), canvas.Fill(22, 52, 5, 6, kStone);
    return canvas;
}

SArtCanvas Barrel() {
    SArtCanvas canvas(32, 40);
    canvas.Disc(16, 20, 17, kOutline);
    canvas.Fill(3, 2, 26, 36, kWood);
    for (int y : {8, 30}) canvas.Fill(2, y, 28, 3, kIron);
    for (int x : {9, 16, 23}) canvas.Line(x, 3, x, 37, 1, kDarkWood);
    return canvas;
}

SArtCanvas Lamp() {
    SArtCanvas canvas(12, 16);
    canvas.Disc(6, 6, 5, kFlame);
    canvas.Fill(4, 10, 4, 6, kIron);
    return canvas;
}

SArtCanvas Chandelier() {
    SArtCanvas canvas(48, 40);
    canvas.Line(24, 0, 24, 20, 2, kIron);
    canvas.Line(4, 24, 44, 24, 3, kBrass);
    for (int x : {6, 18, 30, 42}) {
        canvas.Fill(x - 1, 14, 3, 10, ArtColour(240, 236, 220));
        canvas.Disc(x, 11, 3, kFlame);
    }
    canvas.Triangle(14, 26, 34, 26, 24, 38, kBrass);
    return canvas;
}

SArtCanvas Goblin(bool raised) {
    SArtCanvas canvas(48, 64);
    const uint16_t skin = ArtColour(90, 150, 70), tunic = ArtColour(120, 70, 40);
    canvas.Disc(24, 12, 9, skin);
    canvas.Fill(19, 9, 3, 3, kRed), canvas.Fill(27, 9, 3, 3, kRed);
    canvas.Triangle(14, 8, 4, 2, 15, 14, skin), canvas.Triangle(34, 8, 44, 2, 33, 14, skin);
    canvas.Fill(15, 21, 18, 22, tunic);
    if (raised) {
        canvas.Line(15, 24, 5, 6, 4, skin), canvas.Line(33, 24, 43, 6, 4, skin);
    } else {
        canvas.Line(15, 24, 8, 42, 4, skin), canvas.Line(33, 24, 40, 42, 4, skin);
    }
    canvas.Line(19, 43, 16, 63, 5, skin), canvas.Line(29, 43, 32, 63, 5, skin);
    return canvas;
}

SArtCanvas Marker(bool b) {
    SArtCanvas canvas(16, 16);
    if (b) {
        canvas.Triangle(8, 1, 3, 9, 13, 9, kGreen);
        canvas.Disc(8, 10, 5, kGreen);
    } else {
        canvas.Disc(8, 8, 7.5, kRed);
        canvas.Disc(8, 8, 4.5, SArtCanvas::kClear);
    }
    return canvas;
}

SArtCanvas Potion() {
    SArtCanvas canvas(12, 20);
    canvas.Fill(4, 0, 4, 3, kDarkWood);
    canvas.Fill(4, 3, 4, 5, ArtColour(200, 220, 230));
    canvas.Disc(6, 13, 6, ArtColour(150, 40, 160));
    return canvas;
}

SArtCanvas Coin() {
    SArtCanvas canvas(12, 8);
    canvas.Disc(6, 4, 5.5, kOutline);
    canvas.Disc(6, 4, 4.5, kBrass);
    return canvas;
}

SArtCanvas Apple() {
    SArtCanvas canvas(12, 12);
    canvas.Disc(6, 7, 5, kRed);
    canvas.Line(6, 0, 7, 3, 1, kDarkWood);
    return canvas;
}

SArtCanvas Book() {
    SArtCanvas canvas(16, 12);
    Box(canvas, 0, 0, 16, 12, ArtColour(40, 60, 140));
    canvas.Fill(2, 9, 13, 2, ArtColour(240, 236, 220));
    return canvas;
}

SArtCanvas DoorFrame() {
    SArtCanvas canvas(320, 224);
    canvas.Paint([](int x, int y) {
        if (x >= 40 && x < 280 && y >= 24) return SArtCanvas::kClear;
        return (x / 20 + y / 12) % 2 ? ArtShade(kStone, 90) : kStone;
    });
    canvas.Text(140, 6, "INN", 2, kOutline);
    return canvas;
}

SArtCanvas DoorLeaf(bool right) {
    SArtCanvas canvas(120, 200);
    canvas.Paint([](int x, int) { return x % 20 == 0 ? kDarkWood : ArtShade(kWood, 90 + (x % 20)); });
    for (int y : {30, 170}) canvas.Fill(0, y, 120, 8, kIron);
    canvas.Disc(right ? 14 : 106, 100, 5, kBrass);
    canvas.Text(50, 60, right ? "R" : "L", 3, kBrass);
    return canvas;
}

SArtCanvas Bush() {
    SArtCanvas canvas(64, 64);
    for (int k = 0; k < 9; ++k) canvas.Disc(14 + (k % 3) * 18, 18 + (k / 3) * 14, 12, ArtShade(kGreen, 80 + k * 6));
    canvas.Fill(28, 52, 8, 12, kDarkWood);
    return canvas;
}

SArtCanvas Banner(bool side) {
    SArtCanvas canvas(side ? 24 : 64, 96);
    canvas.Fill(0, 0, canvas.Width(), 4, kIron);
    canvas.Fill(2, 4, canvas.Width() - 4, 80, kRed);
    canvas.Triangle(2, 84, canvas.Width() - 2, 84, canvas.Width() / 2.0, 95, kRed);
    if (!side) canvas.Disc(32, 40, 14, kBrass);
    return canvas;
}

SArtCanvas Sign() {
    SArtCanvas canvas(64, 48);
    canvas.Line(0, 4, 64, 4, 3, kIron);
    Box(canvas, 6, 12, 52, 34, kWood);
    canvas.Text(14, 22, "ALE", 2, kBrass);
    return canvas;
}

SArtCanvas Shelf() {
    SArtCanvas canvas(96, 64);
    for (int x : {2, 88}) canvas.Fill(x, 0, 6, 64, kDarkWood);
    canvas.Fill(0, 30, 96, 5, kWood);  // the board the stack stands on
    canvas.Fill(0, 0, 96, 4, kWood);
    canvas.Fill(0, 58, 96, 6, kWood);
    return canvas;
}

SArtCanvas Roof() {
    SArtCanvas canvas(256, 128);
    canvas.Paint([](int x, int y) {
        const int row = y / 16, shift = row % 2 ? 16 : 0;
        if (y % 16 == 0 || (x + shift) % 32 == 0) return ArtColour(90, 40, 30);
        return ArtColour(170 - (y % 16) * 3, 70, 50);
    });
    canvas.Text(8, 4, "R", 3, kBrass);
    return canvas;
}

SArtCanvas Fireball() {
    SArtCanvas canvas(32, 32);
    canvas.Disc(16, 16, 15, ArtColour(220, 80, 20));
    canvas.Disc(16, 16, 10, ArtColour(250, 160, 40));
    canvas.Disc(16, 16, 5, kFlame);
    return canvas;
}

SArtCanvas Notice() {
    SArtCanvas canvas(96, 96);
    for (int x : {8, 84}) canvas.Fill(x, 0, 4, 96, kDarkWood);
    Box(canvas, 0, 4, 96, 60, kWood);
    canvas.Text(12, 10, "NEWS", 2, kOutline);
    return canvas;
}

SArtCanvas Paper() {
    SArtCanvas canvas(24, 32);
    Box(canvas, 0, 0, 24, 32, ArtColour(236, 230, 210));
    for (int y = 6; y < 28; y += 5) canvas.Line(4, y, 20, y, 1, kIron);
    return canvas;
}

SArtCanvas Fence() {
    SArtCanvas canvas(256, 96);
    for (int x = 8; x < 256; x += 32) {
        canvas.Fill(x, 8, 12, 88, kWood);
        canvas.Triangle(x, 8, x + 12, 8, x + 6, 0, kWood);
    }
    for (int y : {24, 64}) canvas.Fill(0, y, 256, 8, kDarkWood);
    return canvas;
}

SArtCanvas Tree() {
    SArtCanvas canvas(128, 192);
    canvas.Fill(56, 100, 16, 92, kDarkWood);
    for (int k = 0; k < 12; ++k) canvas.Disc(28 + (k % 4) * 24, 28 + (k / 4) * 28, 24, ArtShade(kGreen, 70 + k * 5));
    return canvas;
}

SArtCanvas Bird() {
    SArtCanvas canvas(24, 16);
    canvas.Line(0, 4, 12, 10, 2, kOutline);
    canvas.Line(12, 10, 24, 4, 2, kOutline);
    return canvas;
}

SArtCanvas Balcony() {
    SArtCanvas canvas(256, 64);
    canvas.Fill(0, 0, 256, 8, kWood);
    canvas.Fill(0, 56, 256, 8, kWood);
    for (int x = 4; x < 256; x += 16) canvas.Fill(x, 8, 6, 48, kDarkWood);
    return canvas;
}

}  // namespace

std::vector<uint8_t> EnlargedGoblinPicture(bool raised, int numerator, int denominator) {
    return Goblin(raised).Enlarged(numerator, denominator).Record();
}

std::vector<uint8_t> SpriteArtPicture(SSpriteArt art) {
    switch (art) {
        case SSpriteArt::Statue: return Statue().Record(6);
        case SSpriteArt::Barrel: return Barrel().Record(2);
        case SSpriteArt::Lamp: return Lamp().Record();
        case SSpriteArt::Chandelier: return Chandelier().Record();
        case SSpriteArt::Goblin: return Goblin(false).Record();
        case SSpriteArt::GoblinRaised: return Goblin(true).Record();
        case SSpriteArt::MarkerA: return Marker(false).Record();
        case SSpriteArt::MarkerB: return Marker(true).Record();
        case SSpriteArt::Potion: return Potion().Record();
        case SSpriteArt::Coin: return Coin().Record();
        case SSpriteArt::Apple: return Apple().Record();
        case SSpriteArt::Book: return Book().Record();
        case SSpriteArt::DoorFrame: return DoorFrame().Record();
        case SSpriteArt::DoorLeft: return DoorLeaf(false).Record();
        case SSpriteArt::DoorRight: return DoorLeaf(true).Record();
        case SSpriteArt::Bush: return Bush().Record();
        case SSpriteArt::Banner: return Banner(false).Record();
        case SSpriteArt::BannerSide: return Banner(true).Record();
        case SSpriteArt::Sign: return Sign().Record();
        case SSpriteArt::Shelf: return Shelf().Record(30);
        case SSpriteArt::Roof: return Roof().BlockRecord();
        case SSpriteArt::Fireball: return Fireball().Record();
        case SSpriteArt::Notice: return Notice().Record();
        case SSpriteArt::Paper: return Paper().Record();
        case SSpriteArt::Fence: return Fence().Record();
        case SSpriteArt::Tree: return Tree().Record(4);
        case SSpriteArt::Bird: return Bird().Record();
        case SSpriteArt::Balcony: return Balcony().Record();
    }
    return {};
}
