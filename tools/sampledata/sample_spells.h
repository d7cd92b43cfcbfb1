#pragma once
// The sample world's spells, one or more in each of the six schools the player can learn, with the
// animations they fly and burst with and the disease one of them carries: the kit's spellbooks
// teach them, the dungeon's shaman and its traps cast them.
#include "data/effects/disease.h"
#include "tools/sampledata/sample_package.h"

class SItemDatabase;

// The spell and spell-effect tables of the world, and the lessons of its spellbooks.
void AddSampleSpells(SSamplePackage& world, SItemDatabase& items);
// The disease the spells carry, into the world's disease table.
void AddSpellDiseases(SDiseaseTable& diseases);
// The pictures the spells' animations are drawn with.
void AddSpellPictures(SSamplePackage& resources);

// The player's missile spell, which the kit's attack-magic book teaches.
constexpr const char* kSampleMissileSpell = "base_spellburninghand";
// The disease the plague spell carries and the dungeon's brute passes on with its blows.
constexpr const char* kSampleDisease = "base_disease_cavefever";
