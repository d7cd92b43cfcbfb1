#pragma once
// The sample music, all of the project's own making: one bank of instruments drawn from simple
// waves, and two short songs over it.
#include <vector>

#include "engine/audio/music_bank.h"
#include "engine/audio/music_song.h"

constexpr char kSampleBankName[] = "bmus_instruments";

// A lead, a bass and a drum.
SMusicBank SampleBank();
// "bmus_main" for the menus and "bmus_surfaceday" for walks outside by day, two patterns each.
std::vector<SMusicSong> SampleSongs();
