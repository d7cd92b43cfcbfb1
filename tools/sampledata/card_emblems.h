#pragma once
// What a card of the duel does, as its sample picture shows it: an emblem for the kind of effect
// (a blade strikes, a heart heals, a shield holds...) and the figure that says how much.
#include <string>

#include "tools/sampledata/art_canvas.h"

struct SCard;

enum class SCardEmblem {
    kStrike,   // damage at once: a warrior's blade,
    kBolt,     // a sorcerer's lightning,
    kClaw,     // a necromancer's claws
    kBarrage,  // damage every turn
    kDrain,    // hit points taken from the enemy
    kHeal,
    kShield,   // less damage taken
    kReflect,  // damage sent back
    kWeapon,   // more damage for a number of attacks
    kBoost,    // more damage for a number of turns
    kWeaken,   // the enemy strikes softer
    kBreak,    // the enemy's markers go
    kMinion,   // a creature that fights on the table
    kCombo,    // another play
};

// Read from the card's rule text and kind.
SCardEmblem EmblemOf(const SCard& card);
// The figure printed under the emblem: the damage ("5"), the healing ("+5"), a share ("50%", "1/2"),
// a doubled play ("X2"), the markers taken ("-1", "ALL"), a wall's hit points; empty for none.
std::string FigureOf(const SCard& card);
// The emblem on the canvas's top `size` x `size` pixels, over what is already there.
void DrawEmblem(SArtCanvas& canvas, SCardEmblem emblem, int size);
