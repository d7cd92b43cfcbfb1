#pragma once
// What reading a book or a spellbook teaches the player: the skill the book raises, or the spell
// the spellbook holds, with the text the reader shows. A book teaches once: it is then on the
// player's list of books read.
#include <cstdint>

class SAttributeTable;
class SItemType;
class SPlayer;
class SSkillTable;
class SSpellTable;
class SString;

enum class SBookLesson {
    kNone,  // nothing to learn, or read before
    kSkillRaised,
    kHealBarred,    // the undead cannot learn Heal Magic
    kUndeadBarred,  // the living cannot learn Undead Magic
    kAtLimit,       // the skill stands at twice its governing attribute
    kSpellLearnt,
    kSpellKnown,
    kUnknownSpell,  // the spell table lacks the spell the book names
};

// The skill book's first effect names the skill and the signed amount. The skill rises by the
// amount, never past twice its governing attribute nor below 0; the book then counts as read. A
// book without effects counts as read at once; one that names no skill 1..20 teaches nothing.
SBookLesson TeachSkillBook(SPlayer& player, const SItemType& book, const SSkillTable& skills,
                           const SAttributeTable& attributes, SString& text);
// The spellbook counts as read even when its spell cannot be learnt.
SBookLesson TeachSpellbook(SPlayer& player, const SItemType& book, const SSpellTable& spells, SString& text);
