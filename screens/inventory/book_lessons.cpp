#include "screens/inventory/book_lessons.h"

#include <algorithm>

#include "data/effects/effect.h"
#include "data/effects/effect_list.h"
#include "data/items/item_type.h"
#include "data/player/player.h"
#include "data/rules/attribute_table.h"
#include "data/rules/skill_table.h"
#include "data/spells/spell_table.h"
#include "engine/base/string.h"

namespace {

constexpr uint32_t kHealMagic = 8;
constexpr uint32_t kUndeadMagic = 12;
constexpr uint8_t kHealSchool = 1;

const SEffect* firstEffect(const SItemType& book) {
    return book.m_effects && book.m_effects->Count() > 0 ? book.m_effects->Get(0) : nullptr;
}

const char* orEmptyBookLessons(const char* text) { return text ? text : ""; }

}  // namespace

SBookLesson TeachSkillBook(SPlayer& player, const SItemType& book, const SSkillTable& skills,
                           const SAttributeTable& attributes, SString& text) {
    const char* name = book.m_name.Text();
    if (player.HasReadBook(name)) return SBookLesson::kNone;
    const SEffect* lesson = firstEffect(book);
    if (lesson == nullptr) {
        player.MarkBookRead(name);
        return SBookLesson::kNone;
    }
    const uint32_t skill = lesson->m_subTarget;
    const SSkillDef* def = skills.Entry(int(skill));
    if (def == nullptr) return SBookLesson::kNone;
    const int32_t amount = lesson->m_baseMagnitude;
    if (player.CanRaiseSkill(skill)) {
        player.MarkBookRead(name);
        int32_t bonus = 0, base = 0;
        player.GetSkillTotal(skill, bonus, base);
        const int32_t limit = 2 * int32_t(player.BaseAttribute(def->attribute));
        player.SetBaseSkill(skill, uint16_t(std::clamp(base + amount, 0, std::max(limit, 0))));
        text.Format("Your %s skill has been increased by %d.", orEmptyBookLessons(skills.Name(int(skill))),
                    int(amount));
        return SBookLesson::kSkillRaised;
    }
    if (player.IsUndead() && skill == kHealMagic) {
        text.Assign("You can't learn Heal Magic, because you're undead.");
        return SBookLesson::kHealBarred;
    }
    if (!player.IsUndead() && skill == kUndeadMagic) {
        text.Assign("You can't learn Undead Magic, because you aren't undead.");
        return SBookLesson::kUndeadBarred;
    }
    text.Format(
        "You can't learn from this book.\rYour %s skill cannot be higher than the double of its governing "
        "attribute (%s).",
        orEmptyBookLessons(skills.Name(int(skill))), orEmptyBookLessons(attributes.FullName(def->attribute)));
    return SBookLesson::kAtLimit;
}

SBookLesson TeachSpellbook(SPlayer& player, const SItemType& book, const SSpellTable& spells, SString& text) {
    const char* name = book.m_name.Text();
    const SEffect* lesson = firstEffect(book);
    if (lesson == nullptr || player.HasReadBook(name)) return SBookLesson::kNone;
    player.MarkBookRead(name);
    const SSpellType* spell = spells.FindSpell(lesson->m_target.Text());
    if (spell == nullptr) return SBookLesson::kUnknownSpell;
    const char* spellName = spell->m_name.Text();
    if (!player.IsSpellAllowedForRace(spellName)) {
        const bool heal = player.IsUndead() && spell->m_school == kHealSchool;
        text.Assign(heal ? "You can't learn Heal Magic spells, because you're undead."
                         : "You can't learn Undead Magic spells, because you aren't undead.");
        return heal ? SBookLesson::kHealBarred : SBookLesson::kUndeadBarred;
    }
    if (player.KnowsSpellByName(spellName)) {
        text.Assign("You already know this spell.");
        return SBookLesson::kSpellKnown;
    }
    text.Format("You learn the %s spell.", spell->m_displayName.Text());
    player.LearnSpell(spellName, false);
    return SBookLesson::kSpellLearnt;
}
