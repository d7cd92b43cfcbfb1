#include "data/dialogue/dialog_topic_set.h"

#include "engine/base/archive.h"

namespace {

constexpr uint8_t kTopicSetTag = '$';
constexpr size_t kMaxEntries = 0xFFFF;

std::optional<SDialogTopicEntry> answered(const SDialogTopic& topic, const SDialogPerson* person, SDialogWorld& world) {
    const SDialogAnswer* answer = topic.FindAnswer(person, nullptr, world);
    if (answer == nullptr) return std::nullopt;
    return SDialogTopicEntry{topic.display.Text(), &topic, answer};
}

}  // namespace

SDialogTopic* SDialogTopicSet::STopicList::Find(const char* name) const {
    if (name == nullptr) return nullptr;
    const uint16_t hash = HashName(name);
    for (SDialogTopic* topic : entries)
        if (topic->name.Matches(name, hash)) return topic;
    return nullptr;
}

void SDialogTopicSet::STopicList::Add(std::unique_ptr<SDialogTopic> topic) {
    if (entries.size() >= kMaxEntries) return;
    entries.push_back(topic.get());
    own.push_back(std::move(topic));
}

void SDialogTopicSet::STopicList::Serialize(SArchive& archive, int version, SDialogScope scope) {
    archive.Align(2);
    auto count = uint16_t(entries.size());
    archive.SerializeU16(count);
    if (archive.IsWriting()) {
        for (SDialogTopic* topic : entries) topic->Serialize(archive, version, scope);
        return;
    }
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        auto topic = std::make_unique<SDialogTopic>();
        topic->Serialize(archive, version, scope);
        if (archive.Failed()) break;
        if (scope == SDialogScope::World) topic->shared = 1;
        Add(std::move(topic));
    }
}

void SDialogTopicSet::STopicList::ResolveShared(const STopicList& world) {
    for (SDialogTopic*& entry : entries) {
        if (!entry->IsReference(SDialogScope::Person)) continue;
        SDialogTopic* found = world.Find(entry->name.Text());
        if (found == nullptr) continue;
        // The stand-in, a name alone, is of no further use.
        std::erase_if(own, [&](const std::unique_ptr<SDialogTopic>& mine) { return mine.get() == entry; });
        entry = found;
    }
}

void SDialogTopicSet::STopicList::Adopt(STopicList& other) {
    for (auto& topic : other.own) Add(std::move(topic));
    other.Clear();
}

void SDialogTopicSet::STopicList::Clear() {
    entries.clear();
    own.clear();
}

void SDialogTopicSet::Serialize(SArchive& archive, int version, SDialogScope scope) {
    archive.SerializeTag(kTopicSetTag);
    m_topics.Serialize(archive, version, scope);
    m_greetings.Serialize(archive, version, scope);
}

void SDialogTopicSet::ResolveShared(const SDialogTopicSet& world) {
    m_topics.ResolveShared(world.m_topics);
    m_greetings.ResolveShared(world.m_greetings);
}

void SDialogTopicSet::Adopt(SDialogTopicSet& other) {
    m_topics.Adopt(other.m_topics);
    m_greetings.Adopt(other.m_greetings);
}

void SDialogTopicSet::Clear() {
    m_topics.Clear();
    m_greetings.Clear();
}

std::optional<SDialogTopicEntry> SDialogTopicSet::FindGreetingFor(const SDialogPerson* person,
                                                                  SDialogWorld& world) const {
    for (const SDialogTopic* greeting : m_greetings.entries)
        if (auto entry = answered(*greeting, person, world)) return entry;
    return std::nullopt;
}

std::vector<SDialogTopicEntry> SDialogTopicSet::CollectTopics(const SDialogPerson* person, SDialogWorld& world) const {
    std::vector<SDialogTopicEntry> collected;
    for (const SDialogTopic* topic : m_topics.entries)
        if (auto entry = answered(*topic, person, world)) collected.push_back(*entry);
    return collected;
}
