#pragma once
// A fuzz input for the music module: a bank and two songs played over it in turn, through one
// field list for both directions, so that the seed writer's inputs read back exactly.
#include "engine/audio/music_bank.h"
#include "engine/audio/music_song.h"

class SArchive;

struct SMusicInput {
    SMusicBank bank;
    SMusicSong songs[2];

    void Serialize(SArchive& archive);
};
