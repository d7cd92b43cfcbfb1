#pragma once
// The sample world's card player: a person who plays cards for up to 250 gold, with a face of her
// own, so that the card table has an opponent with a stake and a portrait.
class SFaceTable;
class SNpcTable;
struct SSamplePackage;

constexpr const char* kSampleCardPlayer = "base_cardplayer";
constexpr unsigned kSampleCardPlayerStake = 250;

// Adds the person and her face to the tables the package's people are written from, and the face's
// picture to the package.
void AddSampleCardPlayer(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package);
