#pragma once
// SNpcType: a person of the world data: its texts, its race, the shop it keeps (level, what it
// sells, how it restocks, when it is open to the player), the room price of its inn, its name
// pairs and its own conversation topics.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/dialogue/dialog_topic_set.h"
#include "data/dialogue/dialog_world.h"
#include "data/package/module_load_order.h"
#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;
class SItemDatabase;
class SMap;
class SRandom;
struct SPlacedObject;

// Two texts a person's record pairs up, kept for the screens.
struct SNpcNamePair {
    SString first;
    SString second;
};

class SNpcType {
public:
    static constexpr SModuleTable kTable = SModuleTable::NpcTypes;
    static constexpr uint8_t kTopShopLevel = 5;
    // In the shop class mask: restock every type of the lists, not random picks.
    static constexpr uint16_t kFullListStock = 0x80;

    SNpcType() { name.SetOwned(); }
    SNpcType(const SNpcType&) = delete;
    SNpcType& operator=(const SNpcType&) = delete;

    const SName& NameKey() const { return name; }
    // The person's record, both ways: tag '*', the name and the texts (the fourth after data
    // version 48, the fifth after 55, the global's name after 80), an aligned u32, after 68 the
    // shop level, the aligned class mask, race, room price and four bytes, after 103 an aligned
    // i16, the optional name pairs (an aligned u16 count, each tag ')', the second text and the
    // first), the optional topic set, and after 56 and 66 a byte each. The topic set's shared
    // entries stay names until the table resolves them.
    void Serialize(SArchive& archive, int version);
    // What makes a record read from a package unusable, or an empty text.
    std::string Fault() const;

    // The name the person is shown by.
    const char* DisplayName() const { return texts[0].Text(); }
    // Whether the person has topics to talk about, and a greeting to open with.
    bool HasDialogue() const { return topics != nullptr && !topics->Topics().empty(); }
    bool HasGreeting() const { return topics != nullptr && !topics->Greetings().empty(); }
    // When a person with a building lets the player in: kOpenByDay, kOpenByNight or both.
    static constexpr uint8_t kOpenByDay = 1;
    static constexpr uint8_t kOpenByNight = 2;
    uint8_t OpeningHours() const { return lateValues[0]; }
    // A trainer's skill (1 to 20) and the skill level up to which it trains.
    uint8_t TrainedSkill() const { return smallValues[0]; }
    uint8_t TrainingLimit() const { return smallValues[1]; }
    // The person as conditions see it.
    SDialogPerson Person() const { return {race, shopOpen}; }
    // The positive value of the named global when there is one, else the room price.
    int32_t GetRoomPrice(const SDialogWorld& world) const;
    // Whether the shop serves the player now: always for a famous or charming player; otherwise
    // only for one without crime or bad fame, of the person's kind (undead or not), by day unless
    // the person is undead, and not repellent.
    void UpdateShopOpen(const SDialogWorld& world);
    // Refills the shop object's container on the map, once a visit: the object's restocked flag
    // stops a second restock until the map clears it.
    void RestockShop(SMap& map, SPlacedObject& shop, const SItemDatabase& items, SRandom& random) const;
    // The person's enchanting level: an enchanter can fill three times it in enchant storage.
    uint8_t EnchantingLevel() const { return smallValues[2]; }
    // The most gold the person plays cards for: the record's 16-bit value, read unsigned.
    uint16_t MaxCardStake() const { return uint16_t(signedValue); }
    // The services a person offers, as bits of ServiceMask.
    enum Service : uint8_t {
        kTrade = 0x01,
        kTraining = 0x02,
        kEnchanting = 0x04,
        kRepair = 0x08,
        kSleep = 0x20,
        kCards = 0x40,
    };
    uint8_t ServiceMask() const { return smallValues[3]; }
    // The portrait's picture name; empty for a person shown by the partner's face.
    const char* FaceName() const { return texts[1].Text(); }
    // The interior the person keeps (an inn, a smithy); empty for none.
    const char* BuildingName() const { return texts[2].Text(); }
    bool KeepsBuilding() const { return !texts[2].IsEmpty(); }
    // What the keeper of a building says on entering it; may be empty.
    const char* WelcomeText() const { return texts[3].Text(); }
    // The most a merchant pays for one item; 0 buys nothing.
    uint32_t MaxPrice() const { return wideValue; }
    // The first greeting the person gives, with its answer.
    std::optional<SDialogTopicEntry> FindGreeting(SDialogWorld& world) const;
    // The topics the person answers now, with their answers, for the topic menu.
    std::vector<SDialogTopicEntry> CollectTopics(SDialogWorld& world) const;

    SName name;
    std::array<SString, 5> texts;  // their meanings lie with the screens that show them
    SString globalName;            // a global whose positive value replaces the room price
    uint16_t classMask = 0;        // the item classes' category bits, and kFullListStock
    uint8_t shopLevel = 0;         // 0: no shop
    uint8_t race = 1;
    uint8_t roomPrice = 10;
    // Kept as read for the shop, conversation and card screens, which give them their meaning.
    uint32_t wideValue = 0;
    std::array<uint8_t, 4> smallValues{16, 10, 10, 0};
    int16_t signedValue = 10;
    std::array<uint8_t, 2> lateValues{1, 1};
    // Only when the record has them.
    std::optional<std::vector<SNpcNamePair>> namePairs;
    std::unique_ptr<SDialogTopicSet> topics;
    bool shopOpen = false;  // worked out by UpdateShopOpen, never stored
};
