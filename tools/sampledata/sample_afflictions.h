#pragma once
// What the sample world does to a character besides hurting it: an ability for every race (named
// as the race, which is how a new character gains it), the cellar rot that the cave goblin's bite
// passes on together with its poison, and a potion that resists poison for a while, at the
// start's feet in the cellar.
class SItemDatabase;
class SMonster;
struct SSampleMap;
struct SSamplePackage;

constexpr const char* kCellarRot = "base_cellarrot";
constexpr const char* kPoisonPotion = "base_presistpoison";

// The abilities' and diseases' tables.
void AddSampleAfflictions(SSamplePackage& world);
// The potion's type, with a potion's picture of the kit.
void AddAfflictionItems(SItemDatabase& items);
// The potion on the floor of the cellar's start, as container 3.
void AddAfflictionLoot(SSampleMap& cellar);
// The bite: poison every other time, the rot one time in three.
void GiveAfflictingBite(SMonster& monster);
