#include "tools/sampledata/card_emblems.h"

#include <cstring>
#include <utility>

#include "cards/card.h"

namespace {

constexpr uint32_t kCardWeapon = 4;

const uint16_t kSteel = ArtColour(214, 218, 228);
const uint16_t kDarkSteel = ArtColour(120, 126, 140);
const uint16_t kWood = ArtColour(156, 100, 50);
const uint16_t kBrass = ArtColour(236, 200, 110);
const uint16_t kBlood = ArtColour(150, 16, 28);
const uint16_t kHeart = ArtColour(226, 52, 64);
const uint16_t kBone = ArtColour(238, 232, 210);
const uint16_t kFire = ArtColour(250, 140, 36);
const uint16_t kFlameCore = ArtColour(252, 224, 90);
const uint16_t kCurse = ArtColour(176, 104, 216);
const uint16_t kCross = ArtColour(236, 40, 40);
const uint16_t kEmblemOutline = ArtColour(16, 12, 10);

bool says(const SCard& card, const char* words) { return card.text && std::strstr(card.text, words) != nullptr; }

// A heater shield: a straight top, sides that close to a point at the bottom; the rim, then the
// face inside it.
void shield(SArtCanvas& c, double s, uint16_t face, uint16_t boss) {
    c.Fill(int(0.18 * s), int(0.12 * s), int(0.64 * s + 0.5), int(0.4 * s), kDarkSteel);
    c.Triangle(0.18 * s, 0.5 * s, 0.82 * s, 0.5 * s, 0.5 * s, 0.92 * s, kDarkSteel);
    c.Fill(int(0.26 * s), int(0.2 * s), int(0.48 * s + 0.5), int(0.32 * s), face);
    c.Triangle(0.26 * s, 0.5 * s, 0.74 * s, 0.5 * s, 0.5 * s, 0.8 * s, face);
    c.Disc(0.5 * s, 0.44 * s, 0.1 * s, boss);
}

void heart(SArtCanvas& c, double s) {
    c.Disc(0.34 * s, 0.38 * s, 0.19 * s, kHeart);
    c.Disc(0.66 * s, 0.38 * s, 0.19 * s, kHeart);
    c.Triangle(0.16 * s, 0.45 * s, 0.84 * s, 0.45 * s, 0.5 * s, 0.9 * s, kHeart);
    c.Disc(0.3 * s, 0.33 * s, 0.06 * s, kBone);
}

void sword(SArtCanvas& c, double s) {
    c.Line(0.3 * s, 0.7 * s, 0.86 * s, 0.14 * s, 0.13 * s, kSteel);
    c.Line(0.18 * s, 0.58 * s, 0.42 * s, 0.82 * s, 0.1 * s, kBrass);
    c.Line(0.28 * s, 0.72 * s, 0.12 * s, 0.88 * s, 0.1 * s, kWood);
}

void lightning(SArtCanvas& c, double s) {
    c.Triangle(0.62 * s, 0.04 * s, 0.22 * s, 0.56 * s, 0.56 * s, 0.5 * s, kFlameCore);
    c.Triangle(0.44 * s, 0.46 * s, 0.78 * s, 0.44 * s, 0.36 * s, 0.96 * s, kFlameCore);
}

// Three slashes torn from the top right.
void claws(SArtCanvas& c, double s) {
    for (int i = 0; i < 3; ++i) {
        const double x = (0.22 + 0.22 * i) * s;
        c.Line(x + 0.24 * s, 0.1 * s + i * 0.04 * s, x, 0.86 * s - (2 - i) * 0.06 * s, 0.1 * s, kHeart);
    }
}

// Three bolts falling to the left.
void barrage(SArtCanvas& c, double s) {
    for (int i = 0; i < 3; ++i) {
        const double x = (0.28 + 0.24 * i) * s, top = (0.08 + 0.1 * (i % 2)) * s;
        c.Line(x + 0.08 * s, top, x - 0.06 * s, top + 0.58 * s, 0.08 * s, kSteel);
        c.Disc(x - 0.07 * s, top + 0.64 * s, 0.08 * s, kFire);
    }
}

void drop(SArtCanvas& c, double s) {
    c.Disc(0.5 * s, 0.62 * s, 0.26 * s, kBlood);
    c.Triangle(0.5 * s, 0.08 * s, 0.26 * s, 0.56 * s, 0.74 * s, 0.56 * s, kBlood);
    c.Disc(0.4 * s, 0.62 * s, 0.07 * s, kHeart);
}

void axe(SArtCanvas& c, double s) {
    c.Line(0.3 * s, 0.9 * s, 0.62 * s, 0.14 * s, 0.1 * s, kWood);
    c.Triangle(0.52 * s, 0.16 * s, 0.86 * s, 0.12 * s, 0.6 * s, 0.52 * s, kSteel);
    c.Disc(0.76 * s, 0.32 * s, 0.17 * s, kSteel);
}

void flame(SArtCanvas& c, double s) {
    c.Disc(0.5 * s, 0.66 * s, 0.25 * s, kFire);
    c.Triangle(0.26 * s, 0.62 * s, 0.74 * s, 0.62 * s, 0.5 * s, 0.06 * s, kFire);
    c.Disc(0.5 * s, 0.72 * s, 0.13 * s, kFlameCore);
    c.Triangle(0.37 * s, 0.7 * s, 0.63 * s, 0.7 * s, 0.5 * s, 0.36 * s, kFlameCore);
}

void downArrow(SArtCanvas& c, double s) {
    c.Fill(int(0.38 * s), int(0.1 * s), int(0.24 * s + 0.5), int(0.45 * s), kCurse);
    c.Triangle(0.16 * s, 0.5 * s, 0.84 * s, 0.5 * s, 0.5 * s, 0.9 * s, kCurse);
}

void brokenShield(SArtCanvas& c, double s) {
    shield(c, s, kDarkSteel, kDarkSteel);
    c.Line(0.24 * s, 0.2 * s, 0.76 * s, 0.8 * s, 0.12 * s, kCross);
    c.Line(0.76 * s, 0.2 * s, 0.24 * s, 0.8 * s, 0.12 * s, kCross);
}

void skull(SArtCanvas& c, double s) {
    c.Disc(0.5 * s, 0.42 * s, 0.3 * s, kBone);
    c.Fill(int(0.32 * s), int(0.55 * s), int(0.36 * s + 0.5), int(0.3 * s), kBone);
    c.Disc(0.38 * s, 0.44 * s, 0.09 * s, kEmblemOutline);
    c.Disc(0.62 * s, 0.44 * s, 0.09 * s, kEmblemOutline);
    c.Triangle(0.5 * s, 0.56 * s, 0.44 * s, 0.66 * s, 0.56 * s, 0.66 * s, kEmblemOutline);
}

void star(SArtCanvas& c, double s) {
    c.Triangle(0.5 * s, 0.06 * s, 0.1 * s, 0.72 * s, 0.9 * s, 0.72 * s, kBrass);
    c.Triangle(0.5 * s, 0.94 * s, 0.1 * s, 0.28 * s, 0.9 * s, 0.28 * s, kBrass);
}

// The emblem alone on a clear ground, then ringed in a dark outline so that it stands out from any
// deck's colour.
SArtCanvas emblemPicture(SCardEmblem emblem, int size) {
    SArtCanvas c(size, size);
    const double s = size;
    switch (emblem) {
        case SCardEmblem::kStrike: sword(c, s); break;
        case SCardEmblem::kBolt: lightning(c, s); break;
        case SCardEmblem::kClaw: claws(c, s); break;
        case SCardEmblem::kBarrage: barrage(c, s); break;
        case SCardEmblem::kDrain: drop(c, s); break;
        case SCardEmblem::kHeal: heart(c, s); break;
        case SCardEmblem::kShield: shield(c, s, kWood, kBrass); break;
        case SCardEmblem::kReflect: shield(c, s, kFire, kFlameCore); break;
        case SCardEmblem::kWeapon: axe(c, s); break;
        case SCardEmblem::kBoost: flame(c, s); break;
        case SCardEmblem::kWeaken: downArrow(c, s); break;
        case SCardEmblem::kBreak: brokenShield(c, s); break;
        case SCardEmblem::kMinion: skull(c, s); break;
        case SCardEmblem::kCombo: star(c, s); break;
    }
    SArtCanvas outlined = c;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (c.At(x, y) != SArtCanvas::kClear) continue;
            for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < size && ny < size && c.At(nx, ny) != SArtCanvas::kClear)
                    outlined.Set(x, y, kEmblemOutline);
            }
        }
    return outlined;
}

}  // namespace

SCardEmblem EmblemOf(const SCard& card) {
    if ((card.kind & kCardCombo) != 0 || says(card, "Combo")) return SCardEmblem::kCombo;
    if (says(card, "Minion")) return SCardEmblem::kMinion;
    if (says(card, "Drains")) return SCardEmblem::kDrain;
    if (says(card, "Heals") || says(card, "Regenerates") || says(card, "max Hp")) return SCardEmblem::kHeal;
    if (says(card, "marker")) return SCardEmblem::kBreak;
    if ((card.kind & kCardWeapon) != 0) return SCardEmblem::kWeapon;
    if (says(card, "Reflects")) return SCardEmblem::kReflect;
    // Before the shields: a rage gives a bonus at the cost of more damage taken.
    if (says(card, "bonus") || says(card, "Increases the")) return SCardEmblem::kBoost;
    if (says(card, "reduction") || says(card, "resistance") || says(card, "damage taken") || says(card, "Defensive"))
        return SCardEmblem::kShield;
    if (says(card, "Reduces enemy attack")) return SCardEmblem::kWeaken;
    if (says(card, "per turn")) return SCardEmblem::kBarrage;
    constexpr SCardEmblem kStrikes[] = {SCardEmblem::kStrike, SCardEmblem::kBolt, SCardEmblem::kClaw};
    return kStrikes[card.deck % 3];
}

std::string FigureOf(const SCard& card) {
    const std::string amount = std::to_string(card.value1);
    if (says(card, "%u%%")) return amount + "%";
    if (says(card, "half of the missing")) return "1/2";
    if (says(card, "doubled")) return "X2";
    if (says(card, "all of the enemy")) return "ALL";
    const SCardEmblem emblem = EmblemOf(card);
    if (card.value1 == 0) {
        if (emblem == SCardEmblem::kBreak) return "-1";
        return card.value3 > 0 ? std::to_string(card.value3) : "";
    }
    if (emblem == SCardEmblem::kHeal) return "+" + amount;
    if (emblem == SCardEmblem::kWeaken) return "-" + amount;
    return amount;
}

void DrawEmblem(SArtCanvas& canvas, SCardEmblem emblem, int size) {
    const SArtCanvas picture = emblemPicture(emblem, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (picture.At(x, y) != SArtCanvas::kClear) canvas.Set(x, y, picture.At(x, y));
}
