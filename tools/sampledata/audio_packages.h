#pragma once
// The sample sound package "BrimvaleSound" (the interface clicks and a few sounds of the world) and
// music package "BrimvaleMusic" (the sample bank and songs), each a data package whose only
// table is its sound and music table.
#include <string>

class SFileFolder;

// The goblins' voices: as they strike, when struck and as they die. The world's goblin kinds name
// them, the sound package holds them.
constexpr const char* kGoblinAttackSound = "bsnd_goblinattack";
constexpr const char* kGoblinHurtSound = "bsnd_goblinhurt";
constexpr const char* kGoblinDeathSound = "bsnd_goblindeath";

bool WriteSoundPackage(const SFileFolder& folder, std::string& error);
bool WriteMusicPackage(const SFileFolder& folder, std::string& error);
