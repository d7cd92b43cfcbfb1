#pragma once
// The sample world's quest: "Cellar Escape", which a new character takes up and solves on the
// cellar's plate, the way outside. Its experience lifts the character to level 2, so that there
// are attribute and skill points to spend.
struct SSamplePackage;

// The plate's script: the quest taken up and solved the first time, then the teleport outside.
extern const char* const kCellarPlateScript;
constexpr const char* kCellarQuest = "base_cellarquest";
constexpr int kCellarQuestXp = 500;

// Adds the quest table to the world package: this quest and the merchants'.
void AddSampleQuests(SSamplePackage& world);
