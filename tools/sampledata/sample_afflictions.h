#pragma once
// What the sample world does to a character besides hurting it: an ability for every race (named
// as the race, which is how a new character gains it), the cellar rot that the cave goblin's bite
// passes on together with its poison, a potion that resists poison for a while, and at the start's
// feet in the cellar one that cures both the poison and the rot, so that a newcomer bitten in the
// cellar need not limp to the inn.
class SItemDatabase;
class SMonster;
struct SSampleMap;
struct SSamplePackage;

constexpr const char* kCellarRot = "base_cellarrot";
constexpr const char* kPoisonPotion = "base_presistpoison";
constexpr const char* kPurityPotion = "base_ppurity";

// The abilities' and diseases' tables.
void AddSampleAfflictions(SSamplePackage& world);
// The potions' types, with a potion's picture of the kit.
void AddAfflictionItems(SItemDatabase& items);
// The curing potion on the floor of the cellar's start, as container 3.
void AddAfflictionLoot(SSampleMap& cellar);
// The bite: poison one time in four, the rot one time in six.
void GiveAfflictingBite(SMonster& monster);
