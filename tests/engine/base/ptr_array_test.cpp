#include "engine/base/ptr_array.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/base/archive.h"
#include "engine/base/value_array.h"
#include "support/record_bytes.h"

namespace ptr_array_test {

namespace {

// A key whose hash the test picks directly.
struct FixedKey {
    uint16_t hash;
    uint16_t Hash() const { return hash; }
    bool Matches(const char*, uint16_t) const { return false; }
};

struct Keyed {
    FixedKey key;
    int tag;
    const FixedKey& NameKey() const { return key; }
};

// Counts how many are alive, so a test sees who deleted what.
struct Counted {
    static inline int alive = 0;
    Counted() { ++alive; }
    ~Counted() { --alive; }
};

// A named record that serializes itself: a name and a u32.
struct Named {
    SName name;
    uint32_t value = 0;
    const SName& NameKey() const { return name; }
    void Serialize(SArchive& archive, int) {
        name.Serialize(archive);
        archive.SerializeU32(value);
    }
};

TEST(PtrArrayTest, sortedInsertKeepsEqualKeysInArrivalOrder) {
    SPtrArray<Keyed> array;
    std::vector<int> answers;
    int tag = 0;
    for (uint16_t key : {5, 3, 5, 1}) answers.push_back(array.InsertSorted(new Keyed{{key}, tag++}));
    EXPECT_EQ(answers, (std::vector<int>{1, 1, 3, 1}));
    std::vector<int> tags;
    for (int i = 0; i < array.Count(); ++i) tags.push_back(array[i]->tag);
    EXPECT_EQ(tags, (std::vector<int>{3, 1, 0, 2}));
}

TEST(PtrArrayTest, aFullArrayGrowsByItsStepWithNullSlots) {
    SPtrArray<Keyed> array;
    for (int i = 0; i < 5; ++i) array.Append(new Keyed{{0}, i});
    EXPECT_EQ(array.Capacity(), 8);
    EXPECT_EQ(array.Count(), 5);
    for (int slot = 5; slot < 8; ++slot) EXPECT_EQ(array.Slot(slot), nullptr);
}

TEST(PtrArrayTest, removeFindsThePointerAndKeepsTheElement) {
    SPtrArray<Keyed> array(4, false);
    Keyed a{{1}, 0}, b{{2}, 1}, c{{3}, 2}, stranger{{4}, 3};
    for (Keyed* k : {&a, &b, &c}) array.Append(k);
    array.Remove(&stranger);
    EXPECT_EQ(array.Count(), 3);
    array.Remove(&c);
    EXPECT_EQ(array.Count(), 2);
    EXPECT_EQ(array.RemoveAt(2), nullptr);
    EXPECT_EQ(array.RemoveAt(-1), nullptr);
    EXPECT_EQ(array.RemoveAt(0), &a);
    EXPECT_EQ(array[0], &b);
}

TEST(PtrArrayTest, insertAtPutsTheElementBeforeTheOneAtTheIndexAndGrows) {
    SPtrArray<Keyed> array(2, false);
    Keyed a{{1}, 0}, b{{2}, 1}, c{{3}, 2}, d{{4}, 3}, stranger{{5}, 4};
    EXPECT_TRUE(array.InsertAt(0, &b));
    EXPECT_TRUE(array.InsertAt(0, &a));
    EXPECT_TRUE(array.InsertAt(2, &d)) << "at the count: appended";
    EXPECT_TRUE(array.InsertAt(2, &c));
    EXPECT_FALSE(array.InsertAt(5, &stranger));
    EXPECT_FALSE(array.InsertAt(-1, &stranger));
    std::vector<int> tags;
    for (int i = 0; i < array.Count(); ++i) tags.push_back(array[i]->tag);
    EXPECT_EQ(tags, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(array.Capacity(), 4);
}

TEST(PtrArrayTest, findByNameTellsEqualHashesApartByText) {
    ASSERT_EQ(HashName("ac"), HashName("cb"));  // a pair found by trying every two-letter name
    SPtrArray<Named> array;
    for (const char* text : {"ac", "cb"}) {
        auto* named = new Named;
        named->name.Set(text);
        array.InsertSorted(named);
    }
    EXPECT_STREQ(array.FindByName("cb")->name.Text(), "cb");
    EXPECT_STREQ(array.FindByName("ac")->name.Text(), "ac");
    EXPECT_EQ(array.FindByName("ab"), nullptr);
    EXPECT_EQ(array.FindByName(nullptr), nullptr);
}

TEST(PtrArrayTest, deleteAllFreesElementsAndFallsBackToTheStep) {
    Counted::alive = 0;
    SPtrArray<Counted> array(4);
    for (int i = 0; i < 9; ++i) array.Append(new Counted);
    array.DeleteAll();
    EXPECT_EQ(Counted::alive, 0);
    EXPECT_EQ(array.Count(), 0);
    EXPECT_EQ(array.Capacity(), 4);
    for (int i = 0; i < 5; ++i) array.Append(new Counted);  // the block is usable again
    EXPECT_EQ(Counted::alive, 5);
}

TEST(PtrArrayTest, destroyDeletesOnlyWhatTheArrayOwns) {
    Counted::alive = 0;
    std::vector<std::unique_ptr<Counted>> kept;
    {
        SPtrArray<Counted> borrowing(4, false);
        for (int i = 0; i < 3; ++i) {
            kept.push_back(std::make_unique<Counted>());
            borrowing.Append(kept.back().get());
        }
        SPtrArray<Counted> owning;
        owning.Append(new Counted);
        EXPECT_EQ(Counted::alive, 4);
    }
    EXPECT_EQ(Counted::alive, 3);
}

TEST(PtrArrayTest, stringsAreFoundExactlyAndSortedWithNullsLast) {
    SPtrArray<char> strings;
    for (const char* text : {"pear", "Apple", "fig"}) {
        char* copy = new char[std::strlen(text) + 1];
        std::strcpy(copy, text);
        strings.Append(copy);
    }
    strings.Append(nullptr);
    EXPECT_EQ(strings.FindString("fig"), 2);
    EXPECT_EQ(strings.FindString("Fig"), -1);
    strings.SortStrings();
    EXPECT_STREQ(strings[0], "Apple");
    EXPECT_STREQ(strings[1], "fig");
    EXPECT_STREQ(strings[2], "pear");
    EXPECT_EQ(strings[3], nullptr);
}

TEST(PtrArrayTest, aListSerializesBothWaysFromAnOddOffset) {
    SPtrArray<Named> source;
    for (auto [text, value] : {std::pair{"b", 2u}, std::pair{"a", 1u}, std::pair{"c", 3u}}) {
        auto* named = new Named;
        named->name.Set(text);
        named->value = value;
        source.Append(named);
    }
    SArchive writer;
    writer.OpenWrite();
    uint8_t lead = 7;
    writer.SerializeU8(lead);  // the list starts at an odd offset: one pad byte before the count
    source.SerializeList(writer, 0, ListOrder::Appended);
    ASSERT_FALSE(writer.Failed());
    EXPECT_EQ(writer.Data()[1], 0);
    EXPECT_EQ(writer.Data()[2], 3);

    std::vector<uint8_t> record(writer.Data(), writer.Data() + writer.GetSize());
    SArchive reader;
    reader.OpenRead(record.data(), uint32_t(record.size()));
    reader.SerializeU8(lead);
    SPtrArray<Named> copy;
    copy.SerializeList(reader, 0, ListOrder::Sorted);
    ASSERT_FALSE(reader.Failed());
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.FindByName("c")->value, 3u);
    for (int i = 1; i < copy.Count(); ++i) EXPECT_LE(copy[i - 1]->name.Hash(), copy[i]->name.Hash());
}

TEST(PtrArrayTest, aCutListKeepsOnlyTheWholeElements) {
    SPtrArray<Named> source;
    for (const char* text : {"first", "second"}) {
        auto* named = new Named;
        named->name.Set(text);
        source.Append(named);
    }
    SArchive writer;
    writer.OpenWrite();
    source.SerializeList(writer, 0, ListOrder::Appended);
    std::vector<uint8_t> cut(writer.Data(), writer.Data() + writer.GetSize() - 2);

    SArchive reader;
    reader.OpenRead(cut.data(), uint32_t(cut.size()));
    SPtrArray<Named> copy;
    copy.SerializeList(reader, 0, ListOrder::Appended);
    EXPECT_TRUE(reader.Failed());
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_STREQ(copy[0]->name.Text(), "first");
}

TEST(PtrArrayTest, aStringListReadsBackPointingIntoItsRecordWithEmptyTextsAsNull) {
    // One pad byte between a leading byte and the count.
    auto serialize = [](SPtrArray<const char>& list, SArchive& archive) {
        uint8_t lead = 7;
        archive.SerializeU8(lead);
        list.SerializeCStrs(archive);
    };
    SPtrArray<const char> source{4, false};
    for (const char* text : {"bres_fire1", "", "bres_fire3"}) source.Append(text);
    const std::vector<uint8_t> record = WrittenBytes([&](SArchive& a) { serialize(source, a); });
    EXPECT_EQ(record, std::vector<uint8_t>({7, 0, 3,   0,   'b', 'r', 'e', 's', '_', 'f', 'i', 'r', 'e', '1',
                                            0, 0, 'b', 'r', 'e', 's', '_', 'f', 'i', 'r', 'e', '3', 0}));

    SPtrArray<const char> copy{4, false};
    ASSERT_EQ(ReadBytes(record, [&](SArchive& a) { serialize(copy, a); }), int(record.size()));
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy[0], reinterpret_cast<const char*>(record.data() + 4));
    EXPECT_EQ(copy[1], nullptr);
    EXPECT_STREQ(copy[2], "bres_fire3");

    // A count beyond the record keeps the whole texts before its end.
    std::vector<uint8_t> overrun = record;
    overrun[2] = 200;
    SPtrArray<const char> partial{4, false};
    EXPECT_EQ(ReadBytes(overrun, [&](SArchive& a) { serialize(partial, a); }), -1);
    EXPECT_EQ(partial.Count(), 3);
}

TEST(PtrArrayTest, assigningClonesReplacesTheElementsWithCopiesOfTheSources) {
    struct Copied : Counted {
        std::string text;
        explicit Copied(std::string t) : text(std::move(t)) {}
        Copied(const Copied& other) : Counted(), text(other.text) {}
    };
    {
        SPtrArray<Copied> source;
        for (const char* text : {"a", "b", "c"}) source.Append(new Copied(text));
        SPtrArray<Copied> copy;
        for (int i = 0; i < 5; ++i) copy.Append(new Copied("old"));
        copy.AssignClones(source);
        EXPECT_EQ(Counted::alive, 6);  // the five old elements are gone
        ASSERT_EQ(copy.Count(), 3);
        source[1]->text = "changed";
        EXPECT_EQ(copy[1]->text, "b");
        EXPECT_NE(copy[1], source[1]);
    }
    EXPECT_EQ(Counted::alive, 0);
}

TEST(ValueArrayTest, growsByItsStepAndClearsBackToIt) {
    SStringArray strings(2);
    for (const char* text : {"a", "b", "c"}) strings.Add(SString(text));
    EXPECT_EQ(strings.Capacity(), 4);
    EXPECT_STREQ(strings[2].Text(), "c");
    strings.Clear();
    EXPECT_EQ(strings.Count(), 0);
    EXPECT_EQ(strings.Capacity(), 2);
}

TEST(ValueArrayTest, removingMovesTheRestDownAndIgnoresIndexesOutsideTheValues) {
    SStringArray strings(2);
    for (const char* text : {"a", "b", "c"}) strings.Add(SString(text));
    strings.RemoveAt(-1);
    strings.RemoveAt(3);
    ASSERT_EQ(strings.Count(), 3);
    strings.RemoveAt(0);
    ASSERT_EQ(strings.Count(), 2);
    EXPECT_STREQ(strings[0].Text(), "b");
    EXPECT_STREQ(strings[1].Text(), "c");
    strings.RemoveAt(1);
    strings.Add(SString("d"));
    EXPECT_STREQ(strings[1].Text(), "d");
}

}  // namespace

}  // namespace ptr_array_test
