#pragma once
// What Eastbrook's townsfolk say when the player stops one in the street: a greeting, a word on
// the town, the news of the widow's locket as a question the player answers, and the way to the
// town's people from a list.
class SFaceTable;
class SNpcTable;
struct SSamplePackage;

// The person every wandering townsman and the pedlar talk as.
constexpr const char* kVillagerTalk = "base_villager";

void AddVillageFolk(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package);
