#pragma once
// The widow's silver locket: Ilse of Eastbrook lost her mother's locket in the dungeon and asks the
// player, in conversation, to bring it back; handing it over solves the quest by the answer's own
// script, which takes the locket and pays gold, experience enough for a level and her blessing.
class SFaceTable;
class SItemDatabase;
class SNpcTable;
class SQuestTable;
struct SSamplePackage;

constexpr const char* kLocketQuest = "base_silverlocket";
constexpr const char* kLocketItem = "base_quest_silverlocket";
constexpr const char* kLocketOwner = "base_ilse";
// What handing the locket in pays.
constexpr int kLocketGold = 150;
constexpr int kLocketXp = 1000;

// The locket's item type.
void AddLocketItem(SItemDatabase& items);
// The quest, into the world's quest table.
void AddLocketQuest(SQuestTable& quests);
// Ilse, her face and her talk of the locket.
void AddLocketOwner(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package);
