#pragma once
// The sample sound package "BrimvaleSound" (the interface clicks and a few sounds of the world) and
// music package "BrimvaleMusic" (the sample bank and songs), each a data package whose only
// table is its sound and music table.
#include <string>

class SFileFolder;

bool WriteSoundPackage(const SFileFolder& folder, std::string& error);
bool WriteMusicPackage(const SFileFolder& folder, std::string& error);
