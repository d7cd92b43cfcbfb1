#pragma once
// The sample world: the base world package "Brimvale", whose item types cover the starting kit of
// every race and major skill so that a new game can be played, and the picture package
// "BrimvaleRes" beside it.
#include <string>

class SFileFolder;
class SItemDatabase;

// The base world's item types: everything the starting kit names, and food and water for the
// living and the undead.
void AddSampleKitItemTypes(SItemDatabase& items);
bool WriteWorldPackage(const SFileFolder& folder, std::string& error);
bool WriteResourcePackage(const SFileFolder& folder, std::string& error);
