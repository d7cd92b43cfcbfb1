#include "data/rules/skill_table.h"

#include "engine/base/archive.h"
#include "engine/base/c_string.h"

namespace {

constexpr int kShortNameFrom = 74;
constexpr int kSecondValueFrom = 83;
constexpr int kFurtherTextFrom = 86;
constexpr int kAbbreviationFrom = 110;

// The cost at levels 0, 10, .., 100.
constexpr uint32_t kLevelCosts[SSkillTable::kCostPoints] = {50, 100, 200, 300, 450, 600, 800, 1100, 1500, 2000, 3000};

}  // namespace

void SSkillDef::Assign(const SSkillDef& other) {
    id.Set(other.id.Text());
    name = other.name;
    shortName = other.shortName;
    abbreviation = other.abbreviation;
    furtherText = other.furtherText;
    attribute = other.attribute;
    second = other.second;
}

void SSkillDef::Serialize(SArchive& archive, int version) {
    archive.SerializeTag('Q');
    id.Serialize(archive);
    archive.SerializeSString(name);
    if (version >= kShortNameFrom) archive.SerializeSString(shortName);
    if (version >= kAbbreviationFrom) archive.SerializeSString(abbreviation);
    archive.SerializeU8(attribute);
    if (version >= kSecondValueFrom) archive.SerializeU8(second);
    if (version >= kFurtherTextFrom) archive.SerializeSString(furtherText);
}

std::string SSkillDef::Fault() const {
    if (attribute >= 1 && attribute <= 5) return {};
    return "governing attribute " + std::to_string(attribute) + " is not one of 1..5";
}

void SSkillTable::InitDefaults() {
    struct SDefault {
        const char* id;
        const char* name;
        const char* shortName;     // null: the name
        const char* abbreviation;  // null: the name
        uint8_t attribute;
        uint8_t second;
    };
    // clang-format off
    static const SDefault kDefaults[] = {
        {"base_block", "Block", nullptr, nullptr, 2, 9},
        {"base_lightweapon", "Light Weapon", nullptr, "Light Weap", 2, 8},
        {"base_heavyweapon", "Heavy Weapon", "Heavy Weap", "Heavy W", 1, 9},
        {"base_dualwield", "Dual Wield", nullptr, nullptr, 2, 10},
        {"base_lightarmor", "Light Armor", nullptr, "Light Arm", 2, 9},
        {"base_heavyarmor", "Heavy Armor", nullptr, "Heavy Arm", 3, 9},
        {"base_accuracy", "Accuracy", nullptr, nullptr, 2, 10},
        {"base_healmagic", "Heal Magic", nullptr, nullptr, 4, 11},
        {"base_protectionmagic", "Protection Magic", "Prot. Magic", "Prot. Magic", 4, 11},
        {"base_attackmagic", "Attack Magic", nullptr, "Attack M", 4, 11},
        {"base_mindmagic", "Mind Magic", nullptr, nullptr, 5, 11},
        {"base_undeadmagic", "Undead Magic", nullptr, "Undead M", 4, 11},
        {"base_environmagic", "Environment Magic", "Env. Magic", "Env. Magic", 4, 11},
        {"base_repair", "Repair", nullptr, nullptr, 2, 9},
        {"base_mercantile", "Mercantile", nullptr, nullptr, 5, 9},
        {"base_alchemy", "Alchemy", nullptr, nullptr, 4, 10},
        {"base_persuade", "Persuade", nullptr, nullptr, 5, 10},
        {"base_lockpick", "Lockpick", nullptr, nullptr, 2, 9},
        {"base_disarm", "Disarm", nullptr, nullptr, 4, 9},
        {"base_stealth", "Stealth", nullptr, nullptr, 2, 9},
    };
    // clang-format on
    for (int id = kFirstId; id <= kLastId; ++id) {
        const SDefault& d = kDefaults[id - kFirstId];
        SetEntry(id, d.id, d.name, d.shortName ? d.shortName : d.name, d.abbreviation ? d.abbreviation : d.name,
                 d.attribute, d.second);
        m_entries[id].furtherText.Assign("");
    }
}

int SSkillTable::Find(const char* text) const {
    if (StrLen(text) == 0) return 0;
    const uint16_t hash = HashName(text);
    for (int id = kFirstId; id <= kLastId; ++id)
        if (m_entries[id].id.Matches(text, hash) || m_entries[id].name.ICompare(text) == 0) return id;
    return 0;
}

const char* SSkillTable::Name(int id) const {
    const SSkillDef* entry = Entry(id);
    return entry ? entry->name.Text() : nullptr;
}

const char* SSkillTable::ShortName(int id) const {
    const SSkillDef* entry = Entry(id);
    return entry ? entry->shortName.Text() : nullptr;
}

void SSkillTable::SetEntry(int id, const char* idText, const char* name, const char* shortName,
                           const char* abbreviation, uint8_t attribute, uint8_t second) {
    if (Entry(id) == nullptr) return;
    SSkillDef& entry = m_entries[id];
    entry.id.Set(idText);
    entry.name.Assign(name);
    entry.shortName.Assign(shortName);
    entry.abbreviation.Assign(abbreviation);
    entry.attribute = attribute;
    entry.second = second;
}

uint32_t SSkillTable::GetLevelCost(int level) { return LevelCostOn(kLevelCosts, level); }

uint32_t SSkillTable::LevelCostOn(std::span<const uint32_t, kCostPoints> curve, int level) {
    if (level <= 0) return curve[0];
    if (level >= 10 * (kCostPoints - 1)) return curve[kCostPoints - 1];
    const int i = level / 10;
    // Signed, so that a curve that falls between two points falls in its cost too.
    return uint32_t(int64_t(curve[size_t(i)]) +
                    int64_t(level - 10 * i) * (int64_t(curve[size_t(i) + 1]) - int64_t(curve[size_t(i)])) / 10);
}
