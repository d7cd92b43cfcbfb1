#pragma once
// SSkillTable: the twenty skills of a character, the attribute that governs each, and what a skill
// level costs; built in, and replaceable by a world package.
#include <cstdint>
#include <span>
#include <string>

#include "data/package/module_load_order.h"
#include "data/rules/replaceable_table.h"
#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;

struct SSkillDef {
    SSkillDef() { id.SetOwned(); }
    void Assign(const SSkillDef& other);
    // Tag 'Q', the id text and the name; from data version 74 the short name, from 110 the
    // abbreviation; the governing attribute; from 83 the second value, from 86 the further text.
    void Serialize(SArchive& archive, int version);
    // A governing attribute that is none of the five.
    std::string Fault() const;

    SName id;  // "base_block"
    SString name;
    SString shortName;
    SString abbreviation;
    SString furtherText;
    uint8_t attribute = 1;  // the governing attribute's id
    uint8_t second = 10;    // kept for the player's rules
};

class SSkillTable : public SReplaceableTable<SSkillDef, 'P', SModuleTable::Skills, 1, 20> {
public:
    // The built-in skills, in place of whatever a package gave.
    void InitDefaults();
    // The first skill whose id text equals the text exactly, or whose name equals it ignoring
    // case; 0 when none does.
    int Find(const char* text) const;
    // Null outside 1..20.
    const char* Name(int id) const;
    const char* ShortName(int id) const;
    // Nothing outside 1..20.
    void SetEntry(int id, const char* idText, const char* name, const char* shortName, const char* abbreviation,
                  uint8_t attribute, uint8_t second);

    static constexpr int kCostPoints = 11;

    // What raising a skill to this level costs: the cost curve's points lie at every tenth level
    // from 0 to 100 and are joined by straight lines; levels below 0 cost what 0 does, levels
    // above 100 what 100 does.
    static uint32_t GetLevelCost(int level);
    // The same on a curve of the caller's; the curve is never read past its last point.
    static uint32_t LevelCostOn(std::span<const uint32_t, kCostPoints> curve, int level);
};
