#pragma once
// The sample world's scenes and the player's portraits.
struct SSamplePackage;

// To the picture package: the intro "bres_intro", three pages with pictures, the second with a
// page script (a roll of thunder), and the portraits a new character can take, one for each race
// named as the creation screen names them ("bres_head00_race" and the race, "undead" for race 1)
// and a second face for the Etherim.
void AddSampleIntro(SSamplePackage& package);
// To the music package: the credits "bmus_credits", a page with a picture and one without.
void AddSampleCredits(SSamplePackage& package);
