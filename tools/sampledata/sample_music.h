#pragma once
// The sample music, all of the project's own making: one bank of instruments drawn from simple
// waves, and short songs over it.
#include <vector>

#include "engine/audio/music_bank.h"
#include "engine/audio/music_song.h"

constexpr char kSampleBankName[] = "bmus_instruments";

// A lead, a bass and a drum.
SMusicBank SampleBank();
// "bmus_main" for the menus, "bmus_surfaceday" and "bmus_surfacenight" for walks outside,
// "bmus_dungeon" below ground and "bmus_fight" while a fight is near; two patterns each.
std::vector<SMusicSong> SampleSongs();
