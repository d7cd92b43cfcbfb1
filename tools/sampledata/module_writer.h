#pragma once
// The parts of a four-channel module that the sample music and the tests' songs are made of.
#include <cstdint>
#include <vector>

#include "engine/audio/module_header.h"

// A pattern: 64 rows of four channels, four bytes a note.
constexpr int kPatternRows = 64;
constexpr int kPatternChannels = 4;
constexpr uint16_t kPatternBytes = kPatternRows * kPatternChannels * 4;

// A module header with a title, `songLength` order entries 0, 1, ... and the four-channel tag.
SModuleHeaderBytes MakeModuleHeader(const char* title, uint8_t songLength);
// Sample header j (0 .. 30): its name, length in words and volume 0 .. 64; not looped.
void SetSampleHeader(SModuleHeaderBytes& header, int j, const char* name, uint16_t words, uint8_t volume);
// The period that plays a semitone counted from C of the lowest octave (0) at the sample's pitch.
int NotePeriod(int semitone);
// Writes a note into a pattern of kPatternBytes: sample 1 .. 31 at a period, with an effect.
void PutNote(std::vector<uint8_t>& pattern, int row, int channel, int sample, int period, uint8_t effect = 0,
             uint8_t parameter = 0);
