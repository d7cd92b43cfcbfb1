#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "data/player/player_fixture.h"
#include "data/player/player_save_names.h"
#include "support/record_bytes.h"
#include "support/spell_records.h"

namespace player_save_record_test {

namespace {

constexpr uint8_t kFortifySkillKind = 1;
constexpr uint8_t kFortifyAttributeKind = 2;
constexpr uint32_t kStrength = 1;
constexpr uint32_t kEndurance = 3;
constexpr uint32_t kLightWeaponSkill = 2;

// The saved game's tables as the player's record uses them: item types by name through the
// database, spells in the order they are met; `forgotten` spells resolve to none, as if the data
// had dropped them.
class TestPlayerSaveNames : public SPlayerSaveNames {
public:
    explicit TestPlayerSaveNames(const SItemDatabase& items) : itemTypes(items) {}

    uint16_t InternItemType(const char* name) override { return itemTypes.InternItemType(name); }
    SItemType* GetItemType(uint16_t index) const override { return itemTypes.GetItemType(index); }
    uint16_t InternMonster(const SMonster&) override { return 0; }
    SMonster* GetMonster(uint16_t) const override { return nullptr; }
    uint16_t InternSpell(const SSpellType& spell) override {
        for (size_t i = 1; i < spells.size(); ++i)
            if (spells[i] == &spell) return uint16_t(i);
        spells.push_back(const_cast<SSpellType*>(&spell));
        return uint16_t(spells.size() - 1);
    }
    SSpellType* GetSpell(uint16_t index) const override {
        if (index >= spells.size() || forgotten.count(spells[index])) return nullptr;
        return spells[index];
    }

    TestItemNames itemTypes;
    std::vector<SSpellType*> spells{nullptr};
    std::set<const SSpellType*> forgotten;
};

class PlayerSaveRecordTest : public BaseGamePlayerTest {
protected:
    void SetUp() override {
        BaseGamePlayerTest::SetUp();
        restored.Attach(
            {&attributes, &skills, &races, &modules, &random, &items, &spells, &quests, &abilities, &diseases}, nullptr,
            nullptr);
        spells.Add(MakeSpell("base_spellstoneskin", kSchoolProtection));
        spells.Add(MakeSpell("base_spellcurse", kSchoolMind));
        auto quest = std::make_unique<SQuest>();
        quest->name.Set("base_q_rats");
        quests.Add(std::move(quest));
        auto ability = std::make_unique<SAbility>();
        ability->m_name.Set("base_abil_tough");
        ability->m_effects.Append(ItemEffect(kFortifyAttributeKind, 4, kEndurance).release());
        abilities.Add(std::move(ability));
        auto disease = std::make_unique<SDisease>();
        disease->m_name.Set("base_dis_plague");
        disease->m_effects.Append(ItemEffect(kFortifyAttributeKind, -3, kStrength).release());
        diseases.Add(std::move(disease));
        SItemType& sword = AddItemType("base_sword", kItemWeapon, kWeaponShortSword);
        sword.m_effects = EffectListOf({});
        sword.m_effects->Add(ItemEffect(kFortifySkillKind, 5, kLightWeaponSkill));
        AddItemType("base_book_lore", kItemBook, kBookSubtypeBook);
        AddItemType("base_bread", kItemComestible, kComestibleFood);
    }

    // A player with something in every part of the record.
    void FillPlayer() {
        player.SetBaseAttribute(kStrength, 22);
        player.SetBaseSkill(kLightWeaponSkill, 31);
        player.ReceiveGold(1234, false, false);
        player.AddItems(*items.FindItemType("base_bread"), 2);
        player.EquipItem(player.AddItems(*items.FindItemType("base_sword"), 1), false);
        player.LearnSpell("base_spellstoneskin", false);
        player.LearnSpell("base_spellcurse", false);
        player.AddQuest("base_q_rats");
        player.AddAbility("base_abil_tough", false);
        player.InfectDisease("base_dis_plague", false);
        player.MarkBookRead("base_book_lore");
        player.UpdateMarkSlots();
        player.AddTimedEffect(kFromUsedItem, items.FindItemType("base_bread"), 3, 30, kFortifySkillKind, 5, nullptr);
        player.AddTimedEffect(kFromSpell, spells.FindSpell("base_spellcurse"), 7, 60, kFortifyAttributeKind, 2,
                              nullptr);
        player.AddTimedEffect(kFromMonster, nullptr, -2, 90, kFortifyAttributeKind, 4, nullptr);
    }

    std::vector<uint8_t> Write(SPlayer& who, int version = 116) {
        return WrittenBytes([&](SArchive& archive) { who.WriteSaveRecord(archive, version, names); });
    }
    // Reads into the restored player after the new-game defaults; false when the record is refused.
    bool Read(const std::vector<uint8_t>& bytes, int version = 116) {
        restored.ResetForNewGame();
        fault.clear();
        bool read = false;
        const int used = ReadBytes(
            bytes, [&](SArchive& archive) { read = restored.ReadSaveRecord(archive, version, names, fault); });
        if (read) {
            EXPECT_EQ(used, int(bytes.size())) << "the record is read to its end";
        }
        return read;
    }

    // How many entries of that origin the player's lists hold.
    static int EffectsFrom(const SPlayer& who, uint8_t origin) {
        int count = 0;
        for (uint32_t type = 1; type < kPlayerEffectTypes; ++type)
            for (const SActiveEffect& effect : who.Effects().List(type)) count += effect.origin == origin;
        return count;
    }

    TestPlayerSaveNames names{items};
    SPlayer restored;
    std::string fault;
};

TEST_F(PlayerSaveRecordTest, aRoundTripKeepsTheWholeCharacterAndWritesTheSameBytesAgain) {
    FillPlayer();
    const std::vector<uint8_t> saved = Write(player);
    ASSERT_TRUE(Read(saved)) << fault;
    EXPECT_EQ(Write(restored), saved);

    EXPECT_EQ(restored.BaseAttribute(kStrength), 22u);
    EXPECT_EQ(restored.Gold(), player.Gold());
    ASSERT_EQ(restored.ItemCount(), 3);
    ASSERT_NE(restored.MainHandWeapon(), nullptr);
    EXPECT_EQ(restored.MainHandWeapon()->m_type, items.FindItemType("base_sword"));
    EXPECT_TRUE(restored.KnowsSpellByName("base_spellcurse"));
    EXPECT_TRUE(restored.HasQuest("base_q_rats"));
    EXPECT_TRUE(restored.HasAbility("base_abil_tough"));
    EXPECT_TRUE(restored.HasDisease("base_dis_plague"));
    EXPECT_TRUE(restored.HasReadBook("base_book_lore"));
    EXPECT_EQ(restored.MarkCount(), player.MarkCount());
    EXPECT_EQ(EffectsFrom(restored, kFromSpell), 1);
    EXPECT_EQ(EffectsFrom(restored, kFromMonster), 1);
}

TEST_F(PlayerSaveRecordTest, wornDiseaseAndAbilityEffectsAreRebuiltNotRead) {
    FillPlayer();
    ASSERT_TRUE(Read(Write(player))) << fault;
    for (uint8_t origin : {kFromWornItem, kFromDisease, kFromAbility}) {
        EXPECT_EQ(EffectsFrom(restored, origin), 1) << int(origin);
        EXPECT_EQ(EffectsFrom(restored, origin), EffectsFrom(player, origin)) << int(origin);
    }
    EXPECT_EQ(restored.GetAttribute(kEndurance), player.GetAttribute(kEndurance));
    EXPECT_EQ(restored.GetSkillValue(kLightWeaponSkill), player.GetSkillValue(kLightWeaponSkill));
}

TEST_F(PlayerSaveRecordTest, whatTheDataNoLongerHasIsDroppedAndTheRestLoads) {
    FillPlayer();
    const std::vector<uint8_t> saved = Write(player);
    names.forgotten.insert(spells.FindSpell("base_spellcurse"));
    ASSERT_TRUE(Read(saved)) << fault;
    EXPECT_FALSE(restored.KnowsSpellByName("base_spellcurse"));
    EXPECT_TRUE(restored.KnowsSpellByName("base_spellstoneskin"));
    // The curse's timed effect goes with its spell; a monster's strike never had a source.
    EXPECT_EQ(EffectsFrom(restored, kFromSpell), 0);
    EXPECT_EQ(EffectsFrom(restored, kFromMonster), 1);
    EXPECT_EQ(EffectsFrom(restored, kFromUsedItem), 1);
}

TEST_F(PlayerSaveRecordTest, aPlayerSavedDeadLoadsWithOneHitPoint) {
    player.SetHp(0, false);
    ASSERT_EQ(player.Hp(), 0);
    ASSERT_TRUE(Read(Write(player))) << fault;
    EXPECT_EQ(restored.Hp(), 1);
}

// The character's fields as the record lays them out at a version, written field by field here
// so that a version gate the writer and reader share cannot hide: hp 100, mana 100, level 1,
// gold 100, race 2, attributes 15, skills 10 (the new-game defaults).
std::vector<uint8_t> DefaultCharacterBytes(int version) {
    const bool wide = version >= 116;
    return WrittenBytes([&](SArchive& a) {
        auto u8 = [&](uint8_t v) { a.SerializeU8(v); };
        auto u16 = [&](uint16_t v) { a.SerializeU16(v); };
        auto u32 = [&](uint32_t v) { a.SerializeU32(v); };
        auto sized = [&](uint16_t v) { wide ? u16(v) : u8(uint8_t(v)); };
        u8('2');
        u8('Y');
        for (const char* text : {"Player", "bres_head34"}) {
            a.SerializeCStr(text);
        }
        u8(1);
        u16(100);
        if (version < 87) u16(0);
        u16(100);
        if (version < 87) u16(0);
        u8(1);
        for (uint32_t xp : {0u, 0u, 0u, 400u}) u32(xp);
        u32(100);
        u16(0);
        u32(0);
        u32(2);
        if (version > 114) u8(0);
        u8('Z');
        for (int i = 0; i < 5; ++i) sized(15);
        sized(0);
        for (int i = 0; i < 6; ++i) sized(0);
        u8('[');
        for (uint8_t skill = 1; skill <= 20; ++skill) u8(skill);
        sized(0);
        for (int i = 0; i < 20; ++i) sized(0);
        for (int i = 0; i < 20; ++i) sized(10);
        for (int i = 0; i < 20; ++i) u16(0);
    });
}

class PlayerSaveVersionTest : public PlayerSaveRecordTest, public ::testing::WithParamInterface<int> {};

TEST_P(PlayerSaveVersionTest, olderVersionsReadTheirNarrowFieldsAndGatedParts) {
    const int version = GetParam();
    player.AddItems(*items.FindItemType("base_bread"), 1);
    player.UpdateMarkSlots();
    const std::vector<uint8_t> saved = Write(player, version);
    const std::vector<uint8_t> character = DefaultCharacterBytes(version);
    ASSERT_GE(saved.size(), character.size());
    EXPECT_EQ(std::vector<uint8_t>(saved.begin(), saved.begin() + ptrdiff_t(character.size())), character);
    // Marks exist from version 90 on.
    EXPECT_EQ(std::count(saved.begin() + ptrdiff_t(character.size()), saved.end(), uint8_t('f')) > 0, version >= 90);
    ASSERT_TRUE(Read(saved, version)) << fault;
    EXPECT_EQ(restored.BaseAttribute(kStrength), 15u);
    EXPECT_EQ(restored.GetSkillValue(kLightWeaponSkill), 10);
    EXPECT_EQ(restored.ItemCount(), 1);
    EXPECT_EQ(restored.MarkCount(), version >= 90 ? player.MarkCount() : 0);
}

INSTANTIATE_TEST_SUITE_P(Versions, PlayerSaveVersionTest, ::testing::Values(80, 100, 116));

struct BrokenRecord {
    const char* name;
    std::function<void(std::vector<uint8_t>&)> breakIt;
};

class PlayerSaveFaultTest : public PlayerSaveRecordTest, public ::testing::WithParamInterface<BrokenRecord> {};

TEST_P(PlayerSaveFaultTest, aDamagedRecordIsRefused) {
    FillPlayer();
    std::vector<uint8_t> saved = Write(player);
    GetParam().breakIt(saved);
    EXPECT_FALSE(Read(saved));
}

// Offsets into the record of the default player ("Player", "bres_head34"): level at 26, race at 56.
INSTANTIATE_TEST_SUITE_P(Cases, PlayerSaveFaultTest,
                         ::testing::Values(BrokenRecord{"cutShort", [](auto& b) { b.resize(b.size() - 1); }},
                                           BrokenRecord{"raceSeven", [](auto& b) { b[56] = 7; }},
                                           BrokenRecord{"levelZero", [](auto& b) { b[26] = 0; }},
                                           BrokenRecord{"firstTagFlipped", [](auto& b) { b[0] ^= 0x40; }},
                                           BrokenRecord{"nameTagFlipped", [](auto& b) { b[1] ^= 0x40; }}),
                         [](const auto& info) { return std::string(info.param.name); });

// A tag that is not where it belongs is not skipped over: the name would take the tag's byte
// ("YPlayer") and every later field the wrong bytes.
TEST_F(PlayerSaveRecordTest, aTagOutOfPlaceRefusesTheRecordAndIsNamed) {
    FillPlayer();
    const std::vector<uint8_t> saved = Write(player);
    ASSERT_EQ(saved[0], '2');
    ASSERT_EQ(saved[1], 'Y');
    for (size_t at : {0, 1}) {
        std::vector<uint8_t> broken = saved;
        broken[at] = 'X';
        EXPECT_FALSE(Read(broken)) << "byte " << at;
        EXPECT_EQ(fault, std::string("the tag '") + char(saved[at]) + "' is missing") << "byte " << at;
    }
    // The effect groups' tags close the record: the last group ('e') is its tag, a pad byte when
    // the count needs one, the count and one record of 10 bytes.
    std::vector<uint8_t> lastGroup = Write(player);
    size_t tag = lastGroup.size() - 10 - 2 - 1;
    if (lastGroup[tag] == 0) --tag;
    ASSERT_EQ(lastGroup[tag], 'e');
    lastGroup[tag] = 'X';
    EXPECT_FALSE(Read(lastGroup));
    EXPECT_EQ(fault, "the tag 'e' is missing");
}

TEST_F(PlayerSaveRecordTest, anEffectOfATypeBeyondTheListsIsDropped) {
    player.AddTimedEffect(kFromMonster, nullptr, -2, 90, kFortifyAttributeKind, 4, nullptr);
    std::vector<uint8_t> saved = Write(player);
    // The monster group's one record is last: origin, type, aligned source, name, aligned
    // magnitude, duration and sub-id, 10 bytes from either parity.
    const size_t record = saved.size() - 10;
    ASSERT_EQ(saved[record], kFromMonster);
    saved[record + 1] = 24;
    ASSERT_TRUE(Read(saved)) << fault;
    EXPECT_EQ(EffectsFrom(restored, kFromMonster), 0);
}

}  // namespace

}  // namespace player_save_record_test
