#pragma once
// SDialogEnchantEntryWandScroll: edits the one entry a wand or a scroll carries: a spell the player
// knows, the skill level the item casts it at (shown only for spells whose outcome grows with it)
// and, for a wand, its charges. OK without a spell answers 26, as Cancel does.
#include <cstdint>

#include "ui/dialogs/dialog_enchant_entry.h"
#include "ui/dialogs/enchant_value_stepper.h"
#include "ui/widgets/dialog_list_ctrl.h"

class SDialogEnchantEntryWandScroll : public SDialogEnchantEntry {
public:
    static constexpr uint32_t kLayout = 23;
    static constexpr uint32_t kSpellList = 215;
    static constexpr uint32_t kPageUp = 241;
    static constexpr uint32_t kPageDown = 242;
    static constexpr SEnchantValueStepper::Ids kChargeIds{237, 251, 239, 243, 244, 0, 0};
    static constexpr SEnchantValueStepper::Ids kLevelIds{238, 252, 240, 245, 246, 253, 254};
    static constexpr int32_t kMaxValue = 100;

    void Init(SGameData* game) override;
    // Edits a copy of the entry: a Cast spell entry carried by the item, with at least 1 charge and
    // a skill level of at least 1 (the magnitude per level). `available` is the storage the other
    // entries leave.
    void Open(const SEffect& entry, int32_t available, bool scroll);
    uint32_t OnCommand(uint32_t id) override;

    // The known spells of the six schools, in school order, the entry's spell selected (the first
    // when the player no longer knows it) and on the page shown.
    void FillSpells();
    // Takes the selected row's spell, and shows the skill level only when it matters to the spell.
    void SelectSpell();

    STextCtrl m_spellLabel;
    SDialogListCtrl m_spells;
    SButtonCtrl m_pageUp;
    SButtonCtrl m_pageDown;
    SEnchantValueStepper m_charges;
    SEnchantValueStepper m_level;
    bool m_scroll = false;

private:
    SEffectContext context() const { return m_scroll ? kContextScroll : kContextWand; }
    // The value by the step, within 1 .. kMaxValue, then shown with the storage it needs.
    void step(SEnchantValueStepper& stepper, int16_t& value, int32_t by);
};
