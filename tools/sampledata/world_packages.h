#pragma once
// The sample world: the base world package "Brimvale", whose item types cover the starting kit of
// every race and major skill so that a new game can be played, and the picture package
// "BrimvaleRes" beside it.
#include <string>

#include "tools/sampledata/sample_package.h"

class SFileFolder;

// The base world (identifier "base"): item types for everything the starting kit names and food
// and water for the living and the undead, the map-object type "base_stone" and the map
// "base_s0101", where a new game begins.
SSamplePackage SampleWorldPackage();
bool WriteWorldPackage(const SFileFolder& folder, std::string& error);
bool WriteResourcePackage(const SFileFolder& folder, std::string& error);
