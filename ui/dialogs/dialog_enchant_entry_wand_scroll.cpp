#include "ui/dialogs/dialog_enchant_entry_wand_scroll.h"

#include <algorithm>

#include "data/spells/spell_schools.h"
#include "game/game_data.h"
#include "ui/dialogs/enchant_dialog_parts.h"
#include "ui/dialogs/paged_list.h"

void SDialogEnchantEntryWandScroll::Init(SGameData* game) {
    SDialogEnchantEntry::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_spellLabel, &m_spells, &m_pageUp, &m_pageDown})
        ctrl->Attach(this);
    m_charges.Attach(*this);
    m_level.Attach(*this);
}

void SDialogEnchantEntryWandScroll::Open(const SEffect& entry, int32_t available, bool scroll) {
    beginOpen(kLayout, entry);
    PlaceText(*this, m_spellLabel, 236, "Spells:", kEnchantText);
    PlaceList(*this, m_spells, kSpellList);
    PlaceArrowButton(*this, m_pageUp, kPageUp, true);
    PlaceArrowButton(*this, m_pageDown, kPageDown, false);
    m_charges.Place(*this, kChargeIds, "Charges:");
    m_level.Place(*this, kLevelIds, "Skill:");
    placeStorageAndButtons(available);

    m_scroll = scroll;
    m_entry.m_source = kSourceSpellCharge;
    m_entry.m_type = kEffectCastSpell;
    m_entry.m_baseMagnitude = std::max<int16_t>(m_entry.m_baseMagnitude, 1);
    m_entry.m_magnitudePerLevel = std::max<int16_t>(m_entry.m_magnitudePerLevel, 1);
    // A scroll is read once: it has no charges to choose.
    m_charges.Show(*this, !scroll);
    m_charges.SetValue(*this, m_entry.m_baseMagnitude, 1, kMaxValue);
    m_level.SetValue(*this, m_entry.m_magnitudePerLevel, 1, kMaxValue);
    FillSpells();
    SetDirty();
    ResetPenGate();
}

void SDialogEnchantEntryWandScroll::FillSpells() {
    m_spells.ClearRows();
    const SPlayer& player = m_game->m_player;
    // The row's text is what the player reads, its key the name the entry keeps.
    for (int school = kSchoolHeal; school <= kSchoolEnvironment; ++school)
        for (const SSpellType* spell : player.KnownSpells(school))
            m_spells.AddRowLabel(spell->m_name.Text(), spell->m_displayName.Text(), 0);
    m_spells.Layout(false);
    for (int i = m_spells.RowCount() - 1; i >= 0; --i)
        if (m_spells.Row(i).key.Equals(m_entry.m_target.Text())) m_spells.Select(i);
    m_spells.ScrollToSelection();
    SelectSpell();
    UpdatePageButtons(m_spells, m_pageUp, m_pageDown);
}

void SDialogEnchantEntryWandScroll::SelectSpell() {
    m_entry.m_target.Assign(m_spells.GetSelectedKey());
    const SSpellType* spell = m_game->m_spells.FindSpell(m_entry.m_target.Text());
    m_level.Show(*this, spell != nullptr && spell->HasScaledEffect());
    showNeededStorage(context());
}

void SDialogEnchantEntryWandScroll::step(SEnchantValueStepper& stepper, int16_t& value, int32_t by) {
    value = int16_t(std::clamp<int32_t>(value + by, 1, kMaxValue));
    stepper.SetValue(*this, value, 1, kMaxValue);
    showNeededStorage(context());
}

uint32_t SDialogEnchantEntryWandScroll::OnCommand(uint32_t id) {
    switch (id) {
        // An entry without a spell would cast nothing: it is dropped, not kept.
        case kEnchantConfirm: return answer(m_entry.m_target.IsEmpty() ? kEnchantCancel : kEnchantConfirm);
        case kEnchantCancel: return answer(kEnchantCancel);
        case kSpellList:
            SelectSpell();
            m_game->PlaySound("bsnd_click", 10);
            return 0;
        case kPageUp:
        case kPageDown:
            m_game->PlaySound("bsnd_click", 10);
            if (id == kPageUp)
                PageListUp(m_spells, m_pageUp, m_pageDown);
            else
                PageListDown(m_spells, m_pageUp, m_pageDown);
            SelectSpell();
            return 0;
        default: break;
    }
    if (const int32_t by = m_charges.StepOf(id)) {
        m_game->PlaySound("bsnd_click", 10);
        if (!m_scroll) step(m_charges, m_entry.m_baseMagnitude, by);
    } else if (const int32_t levelBy = m_level.StepOf(id)) {
        m_game->PlaySound("bsnd_click", 10);
        step(m_level, m_entry.m_magnitudePerLevel, levelBy);
    }
    return 0;
}
