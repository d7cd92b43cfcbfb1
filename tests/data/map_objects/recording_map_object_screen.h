#pragma once
// The play screen as map objects see it in tests: a clock, counters and an outdoor flag the test
// sets, a seeded generator, and a log of every request, sound and message.
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
    void GiveItems(SItemType& type, int32_t count) override {
        given.push_back(std::string(type.m_name.Text()) + " x" + std::to_string(count));
    }
    void AppendItemPhrase(const SItemType& type, uint32_t count, SString& text) override {
        text.AppendFormat("%u %s", count, type.m_name.Text());
    }

    uint32_t tick = 0;
    uint32_t secondTick = 0;
    uint32_t minutes = 0;
    bool outdoor = false;
    const SMapCell* playerCell = nullptr;
    const SModule* world = nullptr;
    bool answers = true;

    SRandom random;
    std::vector<std::string> sounds;
    std::vector<std::string> messages;
    std::vector<std::string> talks;
    int cityDoorEntries = 0;
    std::vector<std::string> requests;
    std::vector<std::string> given;
};
