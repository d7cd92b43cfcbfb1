#pragma once
// The inventory's character page on the interface rig: the bag opened, the Character tab pressed,
// and a player whose attributes stand at 30 so that skills can rise up to 60.
#include <gtest/gtest.h>

#include <string>

#include "data/player/experience_table.h"
#include "engine/draw/digit_glyphs.h"
#include "screens/inventory/inventory_fixture.h"

class CharacterPageTest : public InventoryTest {
protected:
    static constexpr uint32_t kStrength = 1;
    static constexpr uint32_t kEndurance = 3;
    static constexpr uint16_t kAttributeBase = 30;

    SStateInventory& OpenCharacterPage(uint32_t mode) {
        StartInventory(mode);
        for (uint32_t attribute = 1; attribute <= SPlayer::kLastAttribute; ++attribute)
            Player().SetBaseAttribute(attribute, kAttributeBase);
        // A living race, and the skills in the new character's order.
        Player().SetRace(3);
        Player().SetSkillOrder({1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
        OpenBag(nullptr);
        Command(SStateInventory::kCharacterTab);
        return Inventory();
    }
    // Every level up to `level`, with the points and allowances each level pays.
    void ReachLevel(uint32_t level) {
        Player().AddXp(int32_t(ExperienceForLevel(level)) - int32_t(Player().Xp()), false);
        ASSERT_EQ(Player().Level(), level);
    }
    void ShowSkills() { Command(SCharacterHeader::kTabs[1]); }
    uint32_t Press(uint32_t id) { return Command(id); }

    // What the page writes for a number: the small digits, or the highlighted ones.
    static std::string Digits(const char* text, bool highlighted = false) {
        SString rewritten(text);
        if (highlighted)
            ToDigitGlyphsHigh(rewritten);
        else
            ToDigitGlyphs(rewritten);
        return rewritten.Text();
    }
    std::string MainValue(int value) { return textOf(Inventory().m_characterPage.m_values[value]); }
    std::string SkillValue(int row) { return textOf(Inventory().m_skillsPage.m_values[row]); }
    std::string SkillLabel(int row) { return textOf(Inventory().m_skillsPage.m_labels[row]); }
    bool Shown(const SCtrl& ctrl) const { return ctrl.IsShown(); }

private:
    static std::string textOf(const STextCtrl& text) { return text.m_words.Text() ? text.m_words.Text() : ""; }
};
