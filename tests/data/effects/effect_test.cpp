#include "data/effects/effect.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/effects/effect_list.h"
#include "support/record_bytes.h"

namespace effect_test {

namespace {

// A Cast spell entry with every field set apart from the others.
std::unique_ptr<SEffect> fireball() {
    auto effect = std::make_unique<SEffect>(kContextWand);
    effect->m_target.Assign("base_fireball");
    effect->m_baseMagnitude = -12;
    effect->m_magnitudePerLevel = 300;
    effect->m_baseDuration = 7;
    effect->m_durationPerLevel = -40;
    effect->m_subTarget = 2;
    effect->m_type = kEffectCastSpell;
    effect->m_radius = 3;
    return effect;
}

std::unique_ptr<SEffect> fortify(uint8_t type, uint8_t subTarget, int16_t magnitude) {
    auto effect = std::make_unique<SEffect>(kContextArmour);
    effect->m_type = type;
    effect->m_subTarget = subTarget;
    effect->m_baseMagnitude = magnitude;
    return effect;
}

struct EntryCase {
    int version;
    // A different size means records of this version no longer line up.
    uint32_t size;
    uint32_t pairSize;  // a second entry after the first, whose numbers are aligned from the record start
    uint8_t radiusRead;
};

// Tag, "base_fireball" and its NUL (15 bytes), a pad byte, four i16, three bytes, and from
// version 25 the radius.
const EntryCase kEntryCases[] = {{24, 27, 27 + 26, 0}, {25, 28, 28 + 28, 3}};

TEST(EffectTest, theEntryRoundTripsAtEachDataVersion) {
    for (const EntryCase& c : kEntryCases) {
        SCOPED_TRACE(c.version);
        auto written = fireball();
        EXPECT_EQ(WrittenBytes([&](SArchive& a) { written->Serialize(a, c.version); }).size(), c.size);
        // Two entries in a row: the second starts where the first one's last field ends.
        std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) {
            written->Serialize(a, c.version);
            written->Serialize(a, c.version);
        });
        EXPECT_EQ(bytes.size(), c.pairSize);
        EXPECT_EQ(bytes[0], 5);
        SEffect first, second;
        EXPECT_EQ(ReadBytes(bytes,
                            [&](SArchive& a) {
                                first.Serialize(a, c.version);
                                second.Serialize(a, c.version);
                            }),
                  int(bytes.size()));
        written->m_radius = c.radiusRead;
        EXPECT_TRUE(first.Equals(*written));
        EXPECT_TRUE(second.Equals(*written));
    }
}

TEST(EffectTest, anEntryWithoutItsTagReadsTheSame) {
    auto written = fireball();
    std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written->SerializeSaved(a); });
    // The saved form lacks only the tag: the package reader takes it as an untagged entry.
    SEffect read;
    ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, 25); }), int(bytes.size()));
    EXPECT_TRUE(read.Equals(*written));
}

TEST(EffectTest, theTwoEnchantmentSpellsOfOldPackagesReadAsOne) {
    const std::pair<const char*, const char*> kNames[] = {
        {"base_spellenchantweapon", "base_spellenchant"},
        {"base_spellenchantarmor", "base_spellenchant"},
        {"base_spellenchant", "base_spellenchant"},
        {"base_spellenchantring", "base_spellenchantring"},
        {"Base_SpellEnchantWeapon", "Base_SpellEnchantWeapon"},
        {"", ""},
    };
    for (auto [stored, read] : kNames) {
        SEffect written(kContextScroll);
        written.m_type = kEffectCastSpell;
        written.m_target.Assign(stored);
        std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written.Serialize(a, 25); });
        SEffect effect;
        ReadBytes(bytes, [&](SArchive& a) { effect.Serialize(a, 25); });
        EXPECT_STREQ(effect.m_target.Text(), read) << stored;
    }
}

TEST(EffectTest, everyCutOfAnEntryIsNoticed) {
    auto written = fireball();
    for (bool saved : {false, true}) {
        std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) {
            if (saved)
                written->SerializeSaved(a);
            else
                written->Serialize(a, 25);
        });
        for (size_t size = 0; size < bytes.size(); ++size) {
            std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + size);
            SEffect read;
            EXPECT_EQ(ReadBytes(cut,
                                [&](SArchive& a) {
                                    if (saved)
                                        read.SerializeSaved(a);
                                    else
                                        read.Serialize(a, 25);
                                }),
                      -1)
                << (saved ? "saved form cut to " : "package form cut to ") << size;
        }
    }
}

TEST(EffectTest, typesAndSourceKindsThatDoNotExistAreFaults) {
    SEffect effect;
    EXPECT_EQ(effect.Fault(), "");
    effect.m_type = 58;
    effect.m_source = kSourceOnUse;
    EXPECT_EQ(effect.Fault(), "");
    effect.m_type = 59;
    EXPECT_EQ(effect.Fault(), "effect type 59 is not one of 0..58");
    effect.m_type = 1;
    effect.m_source = 5;
    EXPECT_EQ(effect.Fault(), "source kind 5 is not one of 0..4");
}

TEST(EffectTest, aNewEntryTakesItsContextsSourceKind) {
    const uint8_t kSources[kEffectContextCount] = {0, 3, 3, 3, 3, 4, 4, 4, 3, 3, 2, 2, 2, 3, 3, 1, 3};
    for (int context = 0; context < kEffectContextCount; ++context) {
        SEffect effect{SEffectContext(context)};
        EXPECT_EQ(effect.m_source, kSources[context]) << context;
        EXPECT_EQ(effect.m_type, context == kContextPotion ? kEffectRestoreHp : kEffectFortifySkill) << context;
        EXPECT_TRUE(effect.m_target.IsEmpty());
        EXPECT_EQ(effect.m_baseMagnitude | effect.m_radius | effect.m_subTarget, 0);
    }
}

TEST(EffectTest, magnitudeAndDurationGrowByHundredthsPerLevelRoundedTowardZero) {
    struct Case {
        int16_t base, perLevel;
        int32_t level, expected;
    };
    const Case kCases[] = {
        {10, 50, 150, 85}, {10, -50, 150, -65}, {4, 33, 10, 7}, {4, -33, 10, 1}, {0, 1, 99, 0}, {-5, 0, 150, -5},
    };
    for (const Case& c : kCases) {
        SEffect effect;
        effect.m_baseMagnitude = effect.m_baseDuration = c.base;
        effect.m_magnitudePerLevel = effect.m_durationPerLevel = c.perLevel;
        EXPECT_EQ(effect.GetMagnitude(c.level), c.expected) << c.base << " + " << c.perLevel << " at " << c.level;
        EXPECT_EQ(effect.GetDuration(c.level), c.expected);
    }
}

TEST(EffectTest, equalEntriesNeedEveryFieldAndTheExactTargetName) {
    auto a = fireball();
    EXPECT_TRUE(a->Equals(*fireball()));
    const std::vector<void (*)(SEffect&)> kChanges = {
        [](SEffect& e) { e.m_target.Assign("base_Fireball"); },
        [](SEffect& e) { e.m_target.Assign(""); },
        [](SEffect& e) { ++e.m_baseMagnitude; },
        [](SEffect& e) { ++e.m_magnitudePerLevel; },
        [](SEffect& e) { ++e.m_baseDuration; },
        [](SEffect& e) { ++e.m_durationPerLevel; },
        [](SEffect& e) { ++e.m_radius; },
        [](SEffect& e) { ++e.m_subTarget; },
        [](SEffect& e) { ++e.m_source; },
        [](SEffect& e) { ++e.m_type; },
    };
    for (size_t i = 0; i < kChanges.size(); ++i) {
        auto b = fireball();
        kChanges[i](*b);
        EXPECT_FALSE(a->Equals(*b)) << "change " << i;
        EXPECT_FALSE(b->Equals(*a)) << "change " << i;
    }
}

TEST(EffectTest, matchingLooksAtTheSubTargetOrNameOnlyWhereTheTypeNeedsIt) {
    struct Case {
        uint8_t type, subTarget;
        const char* target;
        uint8_t askedType, askedSubTarget;
        const char* askedName;
        bool matches;
    };
    const Case kCases[] = {
        {1, 4, "", 1, 4, nullptr, true},
        {1, 4, "", 1, 5, nullptr, false},
        {2, 3, "", 2, 2, nullptr, false},
        {2, 3, "", 1, 3, nullptr, false},
        {17, 0, "base_plague", 17, 9, "base_plague", true},
        {17, 0, "base_plague", 17, 0, "base_Plague", false},
        {17, 0, "base_plague", 17, 0, nullptr, false},
        {14, 0, "base_plague", 14, 9, "base_fever", true},
        {26, 1, "", 26, 2, nullptr, true},
    };
    for (const Case& c : kCases) {
        SEffect effect;
        effect.m_type = c.type;
        effect.m_subTarget = c.subTarget;
        effect.m_target.Assign(c.target);
        EXPECT_EQ(effect.Matches(c.askedType, c.askedSubTarget, c.askedName), c.matches)
            << int(c.type) << " asked " << int(c.askedType) << "/" << int(c.askedSubTarget);
    }
}

TEST(EffectTest, hostileTypesAreTheDamagingOnes) {
    std::vector<int> hostile;
    for (int type = 0; type < kEffectTypeCount; ++type) {
        SEffect effect;
        effect.m_type = uint8_t(type);
        if (effect.IsHostile()) hostile.push_back(type);
    }
    EXPECT_EQ(hostile, (std::vector<int>{23, 24, 25, 26, 27, 28, 29, 30, 32, 40, 53}));
}

std::unique_ptr<SEffectList> twoEffects() {
    auto list = std::make_unique<SEffectList>();
    list->m_value = 250;
    list->Add(fireball());
    list->Add(fortify(kEffectFortifyAttribute, 1, 5));
    return list;
}

struct ListCase {
    int version;
    uint32_t emptySize;  // tag, pad to 4, value, (unused u16), count
};

const ListCase kListCases[] = {{83, 12}, {84, 10}};

TEST(EffectListTest, theListRoundTripsAtEachDataVersion) {
    for (const ListCase& c : kListCases) {
        SCOPED_TRACE(c.version);
        SEffectList empty;
        EXPECT_EQ(WrittenBytes([&](SArchive& a) { empty.Serialize(a, c.version); }).size(), c.emptySize);

        auto written = twoEffects();
        std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written->Serialize(a, c.version); });
        EXPECT_EQ(bytes[0], 6);
        // Reading replaces what the list held.
        SEffectList read;
        read.Add(fortify(kEffectFortifySkill, 3, 1));
        ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, c.version); }), int(bytes.size()));
        EXPECT_EQ(read.m_value, 250u);
        EXPECT_TRUE(read.Equals(written.get()));
    }
}

TEST(EffectListTest, theSavedFormHasNoTagsAndAlwaysTheRadius) {
    SEffectList written;
    written.m_value = 0x01020304;
    written.Add(fortify(kEffectFortifySkill, 7, 2));
    written.Get(0)->m_radius = 9;
    std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written.SerializeSaved(a); });
    // Value, count 1, the empty name's NUL, a pad byte, four i16, sub-target, source, type, radius.
    const std::vector<uint8_t> expected = {4, 3, 2, 1, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 7, 3, 1, 9};
    EXPECT_EQ(bytes, expected);
    SEffectList read;
    ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.SerializeSaved(a); }), int(bytes.size()));
    EXPECT_EQ(read.m_value, written.m_value);
    EXPECT_TRUE(read.Equals(&written));
}

TEST(EffectListTest, aListCountLargerThanItsEntriesIsNoticed) {
    auto written = twoEffects();
    std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written->Serialize(a, 84); });
    ASSERT_EQ(bytes[8], 2);
    bytes[8] = 3;
    SEffectList read;
    EXPECT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, 84); }), -1);
    EXPECT_EQ(read.Count(), 2);
}

TEST(EffectListTest, listsAreEqualOnlyWithTheSameEntriesInTheSameOrder) {
    auto a = twoEffects();
    SEffectList b;
    b.Add(fortify(kEffectFortifyAttribute, 1, 5));
    b.Add(fireball());
    EXPECT_FALSE(a->Equals(&b));
    EXPECT_FALSE(a->Equals(nullptr));
    SEffectList shorter;
    shorter.Add(fireball());
    EXPECT_FALSE(a->Equals(&shorter));
    EXPECT_FALSE(shorter.Equals(a.get()));
    // The value plays no part: identical items stack whatever they are worth.
    auto same = twoEffects();
    same->m_value = 1;
    EXPECT_TRUE(a->Equals(same.get()));
}

TEST(EffectListTest, aCloneOwnsCopiesOfTheEntries) {
    auto original = twoEffects();
    std::unique_ptr<SEffectList> clone = original->Clone();
    EXPECT_EQ(clone->m_value, 250u);
    EXPECT_TRUE(clone->Equals(original.get()));
    original->Get(0)->m_target.Assign("base_icebolt");
    EXPECT_STREQ(clone->Get(0)->m_target.Text(), "base_fireball");
    EXPECT_NE(clone->Get(0), original->Get(0));

    // Assigning replaces what the list held.
    SEffectList target;
    for (int i = 0; i < 5; ++i) target.Add(fireball());
    target.Assign(*clone);
    EXPECT_EQ(target.Count(), 2);
    EXPECT_TRUE(target.Equals(clone.get()));
}

TEST(EffectListTest, thePermanentAttributeTypeIsFoundAnywhereInTheList) {
    auto list = twoEffects();
    EXPECT_FALSE(list->HasPermanentAttribute());
    list->Add(fortify(kEffectPermanentAttribute, 2, 1));
    EXPECT_TRUE(list->HasPermanentAttribute());
}

TEST(EffectListTest, theFirstFaultyEntryIsNamedByItsPlace) {
    auto list = twoEffects();
    EXPECT_EQ(list->Fault(), "");
    list->Get(1)->m_type = 200;
    list->Add(fortify(99, 0, 0));
    EXPECT_EQ(list->Fault(), "effect 2: effect type 200 is not one of 0..58");
}

// The enchant dialog takes an entry out to edit it and puts it back where it was.
TEST(EffectListTest, anEntryTakenOutGoesBackToItsPlaceOrTheEnd) {
    SEffectList list;
    std::vector<SEffect*> entries;
    for (uint8_t type : {1, 2, 3}) {
        auto entry = std::make_unique<SEffect>();
        entry->m_type = type;
        entries.push_back(entry.get());
        list.Add(std::move(entry));
    }
    std::unique_ptr<SEffect> middle = list.Take(1);
    EXPECT_EQ(middle.get(), entries[1]);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Take(2), nullptr);
    list.Insert(1, std::move(middle));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(list.Get(i), entries[i]);
    list.Insert(9, list.Take(0));
    EXPECT_EQ(list.Get(2), entries[0]);
}

}  // namespace

}  // namespace effect_test
