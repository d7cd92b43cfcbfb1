#pragma once
// SDialogTopicSet: the topics and greetings of a person, or of the whole world (the dialogue
// table). A person's set may hold the world's own topics where its record names them; those stay
// the world's, so the set frees only the entries it read itself.
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "data/dialogue/dialog_topic.h"

class SArchive;

// A topic with the answer the person gives on it, for the conversation's topic menu.
struct SDialogTopicEntry {
    const char* text;
    const SDialogTopic* topic;
    const SDialogAnswer* answer;
};

class SDialogTopicSet {
public:
    SDialogTopicSet() = default;
    SDialogTopicSet(const SDialogTopicSet&) = delete;
    SDialogTopicSet& operator=(const SDialogTopicSet&) = delete;

    // In record order.
    std::span<SDialogTopic* const> Topics() const { return m_topics.entries; }
    std::span<SDialogTopic* const> Greetings() const { return m_greetings.entries; }
    // By name: the hash first, then the exact text; null for none.
    SDialogTopic* FindTopic(const char* name) const { return m_topics.Find(name); }
    SDialogTopic* FindGreeting(const char* name) const { return m_greetings.Find(name); }
    // Entries of the set's own, appended; writers and tests fill sets this way.
    void AddTopic(std::unique_ptr<SDialogTopic> topic) { m_topics.Add(std::move(topic)); }
    void AddGreeting(std::unique_ptr<SDialogTopic> greeting) { m_greetings.Add(std::move(greeting)); }

    // The set, both ways: tag '$' (skipped on reading only when present), the topics, then the
    // greetings, each as an aligned u16 count and the topic records. Read entries join those the
    // set holds. Every topic read in the world's scope becomes shared.
    void Serialize(SArchive& archive, int version, SDialogScope scope);
    // Puts the world's topic of the same name in the place of each shared entry of the set's own:
    // topics from the world's topics, greetings from its greetings. An entry whose name the world
    // lacks stays the set's own, with its name alone.
    void ResolveShared(const SDialogTopicSet& world);
    // Takes over the entries the other set read itself (of a world chunk, all of them); the other
    // set is left empty.
    void Adopt(SDialogTopicSet& other);
    // Frees the entries of the set's own and forgets the world's.
    void Clear();

    // The first greeting whose condition holds and that has an available answer; nothing when
    // none has.
    std::optional<SDialogTopicEntry> FindGreetingFor(const SDialogPerson* person, SDialogWorld& world) const;
    // Every topic whose condition holds and that has an available answer, with that answer.
    std::vector<SDialogTopicEntry> CollectTopics(const SDialogPerson* person, SDialogWorld& world) const;

private:
    // The entries as the set shows them, and those of them the set read itself and frees.
    struct STopicList {
        std::vector<SDialogTopic*> entries;
        std::vector<std::unique_ptr<SDialogTopic>> own;

        SDialogTopic* Find(const char* name) const;
        // Past the 65,535 entries a record can count, a topic is dropped.
        void Add(std::unique_ptr<SDialogTopic> topic);
        void Serialize(SArchive& archive, int version, SDialogScope scope);
        void ResolveShared(const STopicList& world);
        void Adopt(STopicList& other);
        void Clear();
    };

    STopicList m_topics;
    STopicList m_greetings;
};
