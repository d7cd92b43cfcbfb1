// The player's experience, and the levels it gains and loses.
#include <algorithm>

#include "data/effects/effect_rules.h"
#include "data/player/experience_table.h"
#include "data/player/player.h"
#include "data/rules/skill_table.h"
#include "engine/base/random.h"

namespace {

// Allowances stop growing here, so that the u16 and the screens that show them stay small.
constexpr uint16_t kAllowanceCap = 253;
constexpr uint16_t kAttributeAllowanceStep = 2;
constexpr uint16_t kSkillAllowanceStep = 2;
constexpr uint16_t kAttributePointsPerLevel = 5;
constexpr uint16_t kSkillPointsPerLevel = 10;

void RaiseAllowance(uint16_t& allowance, uint16_t step) {
    if (allowance < kAllowanceCap) allowance = uint16_t(allowance + step);
}

}  // namespace

void SPlayer::CheckLevelUp() {
    if (m_level > 1 && m_xp < ExperienceForLevel(m_level)) {
        --m_level;
        m_nextLevelXp = ExperienceForLevel(m_level + 1u);
        queue("You have lost a level.", "bsnd_loselevel");
        return;
    }
    if (m_xp < m_nextLevelXp || m_level >= kMaxLevel) return;
    uint32_t raised[3] = {};
    int raisedCount = 0;
    while (m_level < kMaxLevel && m_xp >= m_nextLevelXp) {
        ++m_level;
        m_nextLevelXp = ExperienceForLevel(m_level + 1u);
        if (m_peakXp <= m_xp) payLevelRewards(raised, raisedCount);
    }
    if (m_peakXp <= m_xp) announceLevel(raised, raisedCount);
}

void SPlayer::payLevelRewards(uint32_t raised[3], int& raisedCount) {
    m_permanentPotions = 0;
    m_attributePoints = uint16_t(m_attributePoints + kAttributePointsPerLevel);
    for (uint32_t a = 1; a <= kLastAttribute; ++a) RaiseAllowance(m_attributeAllowance[a], kAttributeAllowanceStep);
    m_skillPoints = uint16_t(m_skillPoints + kSkillPointsPerLevel);
    for (uint32_t s = 1; s <= kLastSkill; ++s) RaiseAllowance(m_skillAllowance[s], kSkillAllowanceStep);
    m_skillAllowance[ExcludedSkill()] = 0;
    uint32_t improved[3];
    ImproveMostUsedSkills(improved[0], improved[1], improved[2]);
    for (uint32_t skill : improved) {
        if (skill == 0 || std::find(raised, raised + raisedCount, skill) != raised + raisedCount) continue;
        if (raisedCount < 3) raised[raisedCount++] = skill;
    }
}

void SPlayer::announceLevel(const uint32_t raised[3], int raisedCount) const {
    SString text;
    text.Format("You have reached level %u.\r--------------", unsigned(m_level));
    const auto skillName = [this](uint32_t skill) {
        const char* name = m_rules.skills ? m_rules.skills->Name(int(skill)) : nullptr;
        return name ? name : "";
    };
    if (raisedCount == 1) {
        text.AppendFormat("\rYour %s skill has been increased.", skillName(raised[0]));
    } else if (raisedCount > 1) {
        text.Append("\rYour ");
        for (int i = 0; i < raisedCount; ++i) {
            if (i > 0) text.Append(i == raisedCount - 1 ? " and " : ", ");
            text.Append(skillName(raised[i]));
        }
        text.Append(" skills have been increased.");
    }
    text.Append("\rYou can spend the available points on your attributes and skills, check your status screen.");
    queue(text.Text(), "bsnd_newlevel");
}

void SPlayer::AddXp(int32_t amount, bool announce) {
    // Experience is never negative: a loss larger than what is held stops at 0.
    const int64_t xp = std::clamp<int64_t>(int64_t(m_xp) + amount, 0, UINT32_MAX);
    m_xp = uint32_t(xp);
    if (announce) {
        SString text;
        text.Format("You have %s %ld xp.", amount < 0 ? "lost" : "received",
                    long(amount < 0 ? -int64_t(amount) : amount));
        show(text.Text());
    }
    CheckLevelUp();
}

void SPlayer::RemoveXp(int32_t amount, bool announce, bool restorable) {
    if (amount <= 0) return;
    m_peakXp = std::max(m_peakXp, m_xp);
    const uint32_t loss = std::min(uint32_t(amount), m_xp);
    m_xp -= loss;
    if (announce) {
        SString text;
        text.Format("You have lost %ld xp.", long(loss));
        show(text.Text());
    }
    if (restorable) {
        if (announce) show("It can be restored somehow.");
        m_savedXp = uint32_t(std::min<uint64_t>(uint64_t(m_savedXp) + loss, UINT32_MAX));
    }
    CheckLevelUp();
}

void SPlayer::RestoreSavedXp() {
    if (m_savedXp == 0) {
        show("You don't have xp to be restored.");
        return;
    }
    SString text;
    text.Format("%ld xp has been restored.", long(m_savedXp));
    show(text.Text());
    m_xp = uint32_t(std::min<uint64_t>(uint64_t(m_xp) + m_savedXp, UINT32_MAX));
    m_savedXp = 0;
}

void SPlayer::DrainXp() {
    const int32_t resistance = GetMagicResistance();
    if (m_rules.random == nullptr || m_rules.random->Next(100) <= resistance) return;
    const int64_t share = m_xp / 100;
    const int64_t loss = Resisted<int64_t>(share, resistance);
    if (loss > 0) RemoveXp(int32_t(std::min<int64_t>(loss, INT32_MAX)), true, true);
}
