#pragma once
// The sample town's traders and their talk: Tobin, who sells potions and buys rings and gives the
// quest of his lost ring; Hale, who keeps the Sleeping Ox inn (a room, training and repair) and
// tells rumours from a choice list; and the card player, who also trades and tells of her game in
// answers that follow on. Also the inn's building and the quest.
class SFaceTable;
class SItemDatabase;
class SNpcTable;
class SQuestTable;
struct SSamplePackage;

constexpr const char* kSampleMerchant = "base_tobin";
constexpr const char* kSampleInnKeeper = "base_hale";
// The most the merchant pays for one item.
constexpr unsigned kSampleMerchantMaxPrice = 20;
constexpr const char* kSampleInn = "base_inn";
constexpr const char* kSampleQuest = "base_lostring";

// Adds the persons, their faces and topics to the tables the package's people are written from,
// and the faces', the inn's and the counters' pictures and the interiors to the package.
void AddSampleMerchants(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package);
// Tobin's quest, into the world's quest table.
void AddMerchantQuests(SQuestTable& quests);

// The kit's potions and copper ring turn up in merchants' stock (and loot) of level 1.
void AddSampleStock(SItemDatabase& items);
