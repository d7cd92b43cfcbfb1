#pragma once
// The play screen as map objects see it in tests: a clock, counters and an outdoor flag the test
// sets, a seeded generator, and a log of every request, sound and message.
#include <algorithm>
#include <string>
#include <vector>

#include "data/items/item_type.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/map_object_type.h"
#include "engine/base/random.h"
#include "engine/base/string.h"

class RecordingMapObjectScreen : public SMapObjectScreen {
public:
    static constexpr uint32_t kSeed = 2024;
    // The one text marker the tests' substitution knows.
    static constexpr const char* kNameMarker = "%name%";
    static constexpr const char* kPlayerName = "Ayla";

    RecordingMapObjectScreen() { random.Seed(kSeed); }

    // The clock at that hour and minute of the third day.
    void SetTime(uint32_t hour, uint32_t minute) { minutes = 2 * 1440 + hour * 60 + minute; }

    uint32_t AnimationTick() const override { return tick; }
    uint32_t SecondAnimationTick() const override { return secondTick; }
    uint32_t GameTime() const override { return minutes; }
    bool IsOutdoor() const override { return outdoor; }
    const SMapCell* PlayerCell() const override { return playerCell; }
    const SModule* CurrentWorld() const override { return world; }

    int32_t Random(int32_t n) override { return random.Next(n); }
    void PlaySound(const char* name, int volume) override { sounds.push_back(name + ("@" + std::to_string(volume))); }
    void ShowMessage(const char* text) override { messages.emplace_back(text); }
    void SubstituteText(SString& text) override { text.ReplaceAll(kNameMarker, kPlayerName); }
    bool TalkToObjectNpc(SMap*, SPlacedObject*, SMapObjectType& type) override {
        talks.emplace_back(type.m_name.Text());
        return answers;
    }
    void MarkEnteredThroughCityDoor() override { ++cityDoorEntries; }
    void TravelToPosition(const char* target, int kind) override {
        requests.push_back("travel " + std::string(target) + " " + std::to_string(kind));
    }
    void QueueQuestion(const char* question, const char* target, int kind, int flag) override {
        requests.push_back("ask " + std::string(question) + " / " + target + " " + std::to_string(kind) + " " +
                           std::to_string(flag));
    }
    void QueueTravelByName(const char* target, int kind) override {
        requests.push_back("queue " + std::string(target) + " " + std::to_string(kind));
    }

    bool HasWallsEastAndWest() const override { return wallsEastAndWest; }
    int PlayerColumn() const override { return playerColumn; }
    int PlayerRow() const override { return playerRow; }
    uint16_t HandlePicture(int facing) const override { return uint16_t(kHandlePicture + facing); }
    int DoorHighlight() const override { return doorHighlight; }
    void SetDoorHighlight(int frames) override { doorHighlight = frames; }
    void SpikePosition(int k, uint16_t& x, uint16_t& y) const override {
        x = uint16_t(kSpikeX + k);
        y = uint16_t(kSpikeY + k);
    }
    void SubPosition(int k, uint16_t& x, uint16_t& y) const override {
        x = uint16_t(kSubX + k);
        y = uint16_t(kSubY + k);
    }

    void QueueDoorChoice(const char* text, SMap*, SPlacedObject*, SMapObjectType&, bool trapped,
                         bool lockpick) override {
        doorChoices.push_back(std::string(text) + (trapped ? " [trapped]" : "") + (lockpick ? " [lockpick]" : ""));
    }
    void OpenContainer(SMap*, SPlacedObject* object) override { openedContainers.push_back(object); }
    const SSpellType* SpellBeingCast() const override { return spell; }
    int32_t CasterLevel() const override { return casterLevel; }

    int32_t PlayerSkill(uint32_t skill) const override { return skill < skills.size() ? skills[skill] : 0; }
    bool PlayerOwnsItem(const char* itemType) const override {
        return std::find(pack.begin(), pack.end(), itemType) != pack.end();
    }
    bool PlayerHasLockpick() const override { return hasLockpick; }
    void PlayerLoseItem(const char* itemType) override {
        const auto item = std::find(pack.begin(), pack.end(), itemType);
        if (item != pack.end()) pack.erase(item);
        lost.emplace_back(itemType);
    }
    int32_t PlayerArmourClass() const override { return armourClass; }
    void HurtPlayer(int32_t damage) override { blows.push_back(damage); }
    // As the player's crime does: held to its maximum, and announced.
    void AddPlayerCrime(int32_t amount) override {
        crime = std::min(kMostCrime, crime + amount);
        messages.emplace_back("You have committed a crime.");
    }

    void GiveItems(SItemType& type, int32_t count) override {
        given.push_back(std::string(type.m_name.Text()) + " x" + std::to_string(count));
    }
    void AppendItemPhrase(const SItemType& type, uint32_t count, SString& text) override {
        text.AppendFormat("%u %s", count, type.m_name.Text());
    }

    // What the fake's tables answer: handle picture kHandlePicture + facing, spike k and
    // sub-position k at their base plus k.
    static constexpr uint16_t kHandlePicture = 900;
    static constexpr uint16_t kSpikeX = 1000;
    static constexpr uint16_t kSpikeY = 2000;
    static constexpr uint16_t kSubX = 3000;
    static constexpr uint16_t kSubY = 4000;
    static constexpr int32_t kMostCrime = 1000;

    uint32_t tick = 0;
    uint32_t secondTick = 0;
    uint32_t minutes = 0;
    bool outdoor = false;
    const SMapCell* playerCell = nullptr;
    const SModule* world = nullptr;
    bool answers = true;
    bool wallsEastAndWest = false;
    int playerColumn = 0;
    int playerRow = 0;
    int doorHighlight = 0;
    const SSpellType* spell = nullptr;
    int32_t casterLevel = 0;
    std::vector<int32_t> skills = std::vector<int32_t>(21, 0);
    std::vector<std::string> pack;  // item-type names, one per item
    bool hasLockpick = false;
    int32_t armourClass = 0;
    int32_t crime = 0;

    SRandom random;
    std::vector<std::string> sounds;
    std::vector<std::string> messages;
    std::vector<std::string> talks;
    int cityDoorEntries = 0;
    std::vector<std::string> requests;
    std::vector<std::string> given;
    std::vector<std::string> doorChoices;
    std::vector<const SPlacedObject*> openedContainers;
    std::vector<std::string> lost;
    std::vector<int32_t> blows;
};
