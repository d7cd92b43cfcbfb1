#include "data/persons/npc_type.h"

#include "data/rules/character_ids.h"
#include "data/rules/undead.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kNpcTypeTag = '*';
constexpr uint8_t kPairTag = ')';
constexpr int kFourthTextAfter = 48;
constexpr int kFifthTextAfter = 55;
constexpr int kFirstLateValueAfter = 56;
constexpr int kSecondLateValueAfter = 66;
constexpr int kShopLevelAfter = 68;
constexpr int kGlobalNameAfter = 80;
constexpr int kSignedValueAfter = 103;

void serializePairs(SArchive& archive, std::optional<std::vector<SNpcNamePair>>& pairs) {
    uint8_t present = pairs.has_value() ? 1 : 0;
    archive.SerializeU8(present);
    if (!archive.IsWriting()) pairs = present == 1 ? std::make_optional<std::vector<SNpcNamePair>>() : std::nullopt;
    if (!pairs) return;
    archive.Align(2);
    auto count = uint16_t(pairs->size());
    archive.SerializeU16(count);
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        if (!archive.IsWriting()) pairs->emplace_back();
        SNpcNamePair& pair = (*pairs)[i];
        archive.SerializeTag(kPairTag);
        archive.SerializeSString(pair.second);
        archive.SerializeSString(pair.first);
    }
}

void serializeTopics(SArchive& archive, int version, std::unique_ptr<SDialogTopicSet>& topics) {
    uint8_t present = topics ? 1 : 0;
    archive.SerializeU8(present);
    if (!archive.IsWriting()) topics = present == 1 ? std::make_unique<SDialogTopicSet>() : nullptr;
    if (topics) topics->Serialize(archive, version, SDialogScope::Person);
}

}  // namespace

void SNpcType::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kNpcTypeTag);
    archive.SerializeName(name);
    for (int i = 0; i < 3; ++i) archive.SerializeSString(texts[i]);
    if (version > kFourthTextAfter) archive.SerializeSString(texts[3]);
    if (version > kFifthTextAfter) archive.SerializeSString(texts[4]);
    if (version > kGlobalNameAfter) archive.SerializeSString(globalName);
    archive.SerializeU32(wideValue);
    if (version > kShopLevelAfter) archive.SerializeU8(shopLevel);
    archive.SerializeU16(classMask);
    archive.SerializeU8(race);
    archive.SerializeU8(roomPrice);
    for (uint8_t& value : smallValues) archive.SerializeU8(value);
    if (version > kSignedValueAfter) archive.SerializeI16(signedValue);
    serializePairs(archive, namePairs);
    serializeTopics(archive, version, topics);
    if (version > kFirstLateValueAfter) archive.SerializeU8(lateValues[0]);
    if (version > kSecondLateValueAfter) archive.SerializeU8(lateValues[1]);
}

std::string SNpcType::Fault() const {
    if (shopLevel > kTopShopLevel)
        return "shop level " + std::to_string(shopLevel) + " is above " + std::to_string(kTopShopLevel);
    return {};
}

int32_t SNpcType::GetRoomPrice(const SDialogWorld& world) const {
    const std::optional<int32_t> global = world.GlobalValue(globalName.Text());
    return global.has_value() && *global > 0 ? *global : roomPrice;
}

void SNpcType::UpdateShopOpen(const SDialogWorld& world) {
    const int32_t fame = world.Fame();
    const int32_t personality = world.BaseAttribute(kPersonality);
    if (fame >= 50 || personality >= 40) {
        shopOpen = true;
        return;
    }
    const bool playerUndead = world.Race() == kUndeadRace;
    const bool personUndead = race == kUndeadRace;
    const bool night = IsNightHour(HourOfDay(world.GameMinutes()));
    shopOpen = fame >= 0 && world.Crime() == 0 && playerUndead == personUndead && (personUndead || !night) &&
               personality >= 10;
}

std::optional<SDialogTopicEntry> SNpcType::FindGreeting(SDialogWorld& world) const {
    if (topics == nullptr) return std::nullopt;
    const SDialogPerson person = Person();
    return topics->FindGreetingFor(&person, world);
}

std::vector<SDialogTopicEntry> SNpcType::CollectTopics(SDialogWorld& world) const {
    if (topics == nullptr) return {};
    const SDialogPerson person = Person();
    return topics->CollectTopics(&person, world);
}
