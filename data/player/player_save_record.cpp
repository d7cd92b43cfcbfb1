// The player's record in a saved game: the character, the pack and what is worn, spells, quests,
// abilities, diseases, books, marks and the timed effects. Worn-item, disease and ability effects
// are not saved: they are rebuilt from what they come from.
#include <algorithm>
#include <string>

#include "data/items/item_type.h"
#include "data/player/player.h"
#include "data/player/player_save_names.h"
#include "data/quest_table.h"
#include "data/spells/spell_table.h"
#include "engine/base/archive.h"

namespace {

// Saves before these versions kept the maximum hit points and mana beside the current ones, and
// had no marks; before kWideFrom attributes and skills were single bytes.
constexpr int kNoOldMaximumsFrom = 87;
constexpr int kMarksFrom = 90;
constexpr int kPermanentPotionsAbove = 114;
constexpr int kWideFrom = 116;

constexpr uint16_t kNotWorn = 0xFFFF;
constexpr uint32_t kLastRace = 5;
constexpr uint32_t kPlayerSaveRecordMaxLevel = 99;
// The timed effects are saved in groups by where they came from.
constexpr struct {
    uint8_t tag;
    uint8_t origin;
} kEffectGroups[] = {{'c', kFromUsedItem}, {'d', kFromSpell}, {'e', kFromMonster}};

void serializeSized(SArchive& archive, uint16_t& value, bool wide) {
    if (wide) {
        archive.SerializeU16(value);
        return;
    }
    uint8_t narrow = uint8_t(std::min<uint16_t>(value, 0xFF));
    archive.SerializeU8(narrow);
    value = narrow;
}

// Every tag stands where the record's version puts it. One that does not marks a damaged record,
// whose fields would be read from the wrong bytes: the fault names it, unless the record simply
// ended, which the archive tells by itself.
bool tagThere(SArchive& archive, uint8_t tag, std::string& fault) {
    if (archive.SerializeTag(tag)) return true;
    if (!archive.Failed()) fault = std::string("the tag '") + char(tag) + "' is missing";
    return false;
}

// A word of older saves that the game no longer keeps.
void serializeDropped(SArchive& archive) {
    uint16_t dropped = 0;
    archive.SerializeU16(dropped);
}

template <typename Record>
void writeNames(SArchive& archive, const SPtrArray<Record>& records) {
    uint16_t count = records.Count();
    archive.SerializeU16(count);
    for (int i = 0; i < records.Count(); ++i) {
        const char* name = records[i]->m_name.Text();
        archive.SerializeCStr(name);
    }
}

template <typename Record, typename Table>
void readNames(SArchive& archive, SPtrArray<Record>& records, const Table* table) {
    uint16_t count = 0;
    archive.SerializeU16(count);
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        const char* name = nullptr;
        archive.SerializeCStr(name);
        Record* record = table && name ? table->Find(name) : nullptr;
        if (record && records.FindByName(name) == nullptr) records.Add(record, ListOrder::Appended);
    }
}

void serializeMark(SArchive& archive, SMarkRecord& mark) {
    archive.SerializeSString(mark.packageIdentifier);
    archive.SerializeSString(mark.packageName);
    archive.SerializeSString(mark.mapName);
    archive.SerializeSString(mark.mapText);
    archive.SerializeU8(mark.x);
    archive.SerializeU8(mark.y);
    archive.SerializeU8(mark.direction);
}

}  // namespace

bool SPlayer::serializeCharacter(SArchive& archive, int version, std::string& fault) {
    if (!tagThere(archive, '2', fault) || !tagThere(archive, 'Y', fault)) return false;
    archive.SerializeSString(m_name);
    archive.SerializeSString(m_face);
    archive.SerializeU8(m_gender);
    archive.SerializeI16(m_hp);
    if (version < kNoOldMaximumsFrom) serializeDropped(archive);
    archive.SerializeI16(m_mana);
    if (version < kNoOldMaximumsFrom) serializeDropped(archive);
    archive.SerializeU8(m_level);
    archive.SerializeU32(m_xp);
    archive.SerializeU32(m_peakXp);
    archive.SerializeU32(m_savedXp);
    archive.SerializeU32(m_nextLevelXp);
    archive.SerializeU32(m_gold);
    archive.SerializeI16(m_fame);
    archive.SerializeU32(m_crime);
    archive.SerializeU32(m_race);
    if (version > kPermanentPotionsAbove) archive.SerializeU8(m_permanentPotions);

    const bool wide = version >= kWideFrom;
    if (!tagThere(archive, 'Z', fault)) return false;
    for (uint32_t i = 1; i <= kLastAttribute; ++i) serializeSized(archive, m_attributes[i], wide);
    serializeSized(archive, m_attributePoints, wide);
    for (uint16_t& allowance : m_attributeAllowance) serializeSized(archive, allowance, wide);
    if (!tagThere(archive, '[', fault)) return false;
    for (uint8_t& skill : m_majorSkills) archive.SerializeU8(skill);
    for (uint8_t& skill : m_otherSkills) archive.SerializeU8(skill);
    serializeSized(archive, m_skillPoints, wide);
    for (uint32_t i = 1; i <= kLastSkill; ++i) serializeSized(archive, m_skillAllowance[i], wide);
    for (uint32_t i = 1; i <= kLastSkill; ++i) serializeSized(archive, m_skills[i], wide);
    for (uint32_t i = 1; i <= kLastSkill; ++i) archive.SerializeU16(m_useCounters[i]);
    return true;
}

bool SPlayer::checkCharacter(std::string& fault) {
    const auto isSkillId = [](uint8_t skill) { return skill <= kLastSkill; };
    if (m_race < 1 || m_race > kLastRace)
        fault = "the race " + std::to_string(m_race) + " is not one of 1 to 5";
    else if (m_level < 1 || m_level > kPlayerSaveRecordMaxLevel)
        fault = "the level " + std::to_string(m_level) + " is not one of 1 to 99";
    else if (!std::all_of(m_majorSkills.begin(), m_majorSkills.end(), isSkillId) ||
             !std::all_of(m_otherSkills.begin(), m_otherSkills.end(), isSkillId))
        fault = "a skill id lies past 20";
    if (!fault.empty()) return false;
    m_gold = std::min(m_gold, kMaxGold);
    m_fame = int16_t(std::clamp<int32_t>(m_fame, -kMaxFame, kMaxFame));
    m_crime = std::min(m_crime, kMaxCrime);
    return true;
}

void SPlayer::WriteSaveRecord(SArchive& archive, int version, SPlayerSaveNames& names) {
    std::string writingNeverFails;
    serializeCharacter(archive, version, writingNeverFails);

    archive.SerializeTag('\\');
    for (int school = kSchoolHeal; school < kSpellSchoolCount; ++school) {
        uint16_t count = uint16_t(m_knownSpells[size_t(school)].size());
        archive.SerializeU16(count);
        for (const SSpellType* spell : m_knownSpells[size_t(school)]) {
            uint16_t id = names.InternSpell(*spell);
            archive.SerializeU16(id);
        }
    }

    archive.SerializeTag(']');
    uint16_t count = m_quests.Count();
    archive.SerializeU16(count);
    for (int i = 0; i < m_quests.Count(); ++i) {
        archive.SerializeName(m_quests[i]->name);
        archive.SerializeU8(m_quests[i]->state);
    }

    archive.SerializeTag('^');
    for (uint32_t slot = 1; slot < kEquipmentSlots; ++slot) {
        uint16_t index = kNotWorn;
        for (int i = 0; m_equipment[slot] != nullptr && i < m_pack.Count(); ++i)
            if (m_pack.At(i) == m_equipment[slot]) index = uint16_t(i);
        archive.SerializeU16(index);
    }
    archive.SerializeTag('_');
    m_pack.SaveState(archive, names);

    archive.SerializeTag('`');
    writeNames(archive, m_abilities);
    archive.SerializeTag('a');
    writeNames(archive, m_diseases);
    archive.SerializeTag('b');
    count = m_booksRead.Count();
    archive.SerializeU16(count);
    for (int i = 0; i < m_booksRead.Count(); ++i) {
        uint16_t id = names.InternItemType(m_booksRead[i]);
        archive.SerializeU16(id);
    }

    if (version >= kMarksFrom) {
        archive.SerializeTag('f');
        count = m_marks.Count();
        archive.SerializeU16(count);
        for (int i = 0; i < m_marks.Count(); ++i) serializeMark(archive, *m_marks[i]);
    }

    for (const auto& group : kEffectGroups) {
        archive.SerializeTag(group.tag);
        std::vector<const SActiveEffect*> effects;
        for (int type = 1; type < kPlayerEffectTypes; ++type)
            for (const SActiveEffect& effect : m_effects.List(uint32_t(type)))
                if (effect.origin == group.origin) effects.push_back(&effect);
        count = uint16_t(std::min<size_t>(effects.size(), 0xFFFF));
        archive.SerializeU16(count);
        for (uint16_t i = 0; i < count; ++i) effects[i]->Write(archive, names);
    }
}

bool SPlayer::ReadSaveRecord(SArchive& archive, int version, SPlayerSaveNames& names, std::string& fault) {
    if (!serializeCharacter(archive, version, fault)) return false;
    if (!archive.Failed() && !checkCharacter(fault)) return false;

    if (!tagThere(archive, '\\', fault)) return false;
    for (int school = kSchoolHeal; school < kSpellSchoolCount && !archive.Failed(); ++school) {
        uint16_t count = 0;
        archive.SerializeU16(count);
        for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
            uint16_t id = 0;
            archive.SerializeU16(id);
            // Kept in the list of the spell's own school, which is where it is looked for.
            const SSpellType* spell = names.GetSpell(id);
            if (spell && spell->m_school < kSpellSchoolCount && !KnowsSpell(*spell))
                m_knownSpells[spell->m_school].push_back(spell);
        }
    }

    if (!tagThere(archive, ']', fault)) return false;
    uint16_t count = 0;
    archive.SerializeU16(count);
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        auto entry = std::make_unique<SQuestEntry>();
        archive.SerializeName(entry->name);
        archive.SerializeU8(entry->state);
        const char* name = entry->name.Text();
        if (m_rules.quests && name && m_rules.quests->Find(name) && !HasQuest(name))
            m_quests.Add(entry.release(), ListOrder::Appended);
    }

    if (!tagThere(archive, '^', fault)) return false;
    SEquipmentIndexes indexes{};
    indexes[0] = -1;
    for (uint32_t slot = 1; slot < kEquipmentSlots; ++slot) {
        uint16_t index = kNotWorn;
        archive.SerializeU16(index);
        indexes[slot] = index == kNotWorn ? -1 : int32_t(index);
    }
    if (!tagThere(archive, '_', fault)) return false;
    m_equipment.fill(nullptr);
    SEquipmentSlots slots{};
    if (!archive.Failed() && !m_pack.LoadPlayerState(archive, names, indexes, slots)) {
        if (!archive.Failed()) fault = "the pack is damaged";
        return false;
    }
    std::copy(slots.begin(), slots.end(), m_equipment.begin());

    if (!tagThere(archive, '`', fault)) return false;
    readNames(archive, m_abilities, m_rules.abilities);
    if (!tagThere(archive, 'a', fault)) return false;
    readNames(archive, m_diseases, m_rules.diseases);
    if (!tagThere(archive, 'b', fault)) return false;
    count = 0;
    archive.SerializeU16(count);
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        uint16_t id = 0;
        archive.SerializeU16(id);
        // A book whose item type is gone has no name to keep.
        if (const SItemType* book = names.GetItemType(id)) MarkBookRead(book->m_name.Text());
    }

    if (version >= kMarksFrom) {
        if (!tagThere(archive, 'f', fault)) return false;
        count = 0;
        archive.SerializeU16(count);
        for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
            auto mark = std::make_unique<SMarkRecord>();
            serializeMark(archive, *mark);
            m_marks.Add(mark.release(), ListOrder::Appended);
        }
    }

    for (const auto& group : kEffectGroups) {
        if (!tagThere(archive, group.tag, fault)) return false;
        count = 0;
        archive.SerializeU16(count);
        for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
            SActiveEffect effect;
            if (effect.Read(archive, names)) m_effects.Append(std::move(effect));
        }
    }
    if (archive.Failed()) return false;

    RecomputeEquipment();
    ReapplyAbilities();
    ReapplyDiseases();
    // A player saved dead would be dead again at once.
    if (m_hp <= 0) m_hp = 1;
    return true;
}
