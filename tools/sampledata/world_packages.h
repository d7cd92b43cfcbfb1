#pragma once
// The sample world: the base world package "Brimvale", whose item types cover the starting kit of
// every race and major skill so that a new game can be played, and the picture package
// "BrimvaleRes" beside it.
#include <string>

#include "tools/sampledata/sample_package.h"

class SFileFolder;

// The base world (identifier "base"): item types for everything the starting kit names and food
// and water for the living and the undead, the map-object types and the monster of its maps, the
// cellar "base_cellar", where a new game begins (sample_start_room.h), and the surface block round
// "base_s0202" (sample_surface.h).
SSamplePackage SampleWorldPackage();
// The picture package (identifier "bres"): the pictures of the world's types, monster and items,
// and the sky table with its panoramas.
SSamplePackage SampleResourcePackage();
bool WriteWorldPackage(const SFileFolder& folder, std::string& error);
bool WriteResourcePackage(const SFileFolder& folder, std::string& error);
