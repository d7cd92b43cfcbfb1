#pragma once
// The looped sounds of the rest and voyage scenes, which run until the scene ends.
class SGameData;

// Plays the sound of that name in a loop at volume 0 .. 10; nothing when the sound table lacks it.
void PlayLoopedSound(SGameData& game, const char* name, int volume);
// Stops every sound effect, the loops included; the music plays on.
void StopAllSounds(SGameData& game);
