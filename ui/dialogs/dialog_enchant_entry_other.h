#pragma once
// SDialogEnchantEntryOther: edits one enchantment entry of a weapon, armour, accessory, magic
// staff, throwing weapon or bow: whether it works while worn (Constant) or when the weapon strikes
// (Strike; only weapons and staves may switch), its enchant type among those the item's context
// allows, what it acts on (a skill, an attribute, a disease, a kind of monster, or humanoids,
// creatures or undeads) and its value.
#include <cstdint>

#include "ui/dialogs/dialog_enchant_entry.h"
#include "ui/dialogs/enchant_value_stepper.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

class SDialogEnchantEntryOther : public SDialogEnchantEntry {
public:
    static constexpr uint32_t kLayout = 24;
    static constexpr uint32_t kTypeList = 257;
    static constexpr uint32_t kTypePageUp = 259;
    static constexpr uint32_t kTypePageDown = 260;
    static constexpr SEnchantValueStepper::Ids kValueIds{256, 263, 258, 261, 262, 264, 265};
    static constexpr uint32_t kConstant = 267;
    static constexpr uint32_t kStrike = 268;
    static constexpr uint32_t kTargetList = 270;
    static constexpr uint32_t kTargetPageUp = 271;
    static constexpr uint32_t kTargetPageDown = 272;

    // What an enchant type acts on, as its target list offers it.
    enum class Targets { None, Skills, Attributes, CreatureGroups, MonsterKinds, Diseases };

    void Init(SGameData* game) override;
    // Edits a copy of the entry for an item of the effect context; `available` is the storage the
    // other entries leave.
    void Open(const SEffect& entry, int32_t available, SEffectContext context);
    uint32_t OnCommand(uint32_t id) override;

    // Checks Constant or Strike by the entry's source kind and offers the types it allows.
    void UpdateKindChecks();
    // The context's types for the entry's source kind, the entry's type selected (else the first).
    void FillTypes();
    // The target list, the value's range and form for the entry's type; the magnitude follows.
    void SetupType();
    void ShowValue();
    void StepValue(int32_t step);
    void SelectType();
    void SelectTarget();

    STextCtrl m_kindLabel;
    STopicButtonCtrl m_constant;
    STopicButtonCtrl m_strike;
    STextCtrl m_typeLabel;
    SDialogListCtrl m_types;
    SButtonCtrl m_typePageUp;
    SButtonCtrl m_typePageDown;
    STextCtrl m_targetLabel;
    SDialogListCtrl m_targets;
    SButtonCtrl m_targetPageUp;
    SButtonCtrl m_targetPageDown;
    SEnchantValueStepper m_value;

    SEffectContext m_context = kContextNone;
    // The form of the entry's type: its targets, whether it has a value, whether the value is
    // stored as 100 + value (resistances and the fortified magic and melee), and its largest value.
    Targets m_targetKind = Targets::None;
    bool m_hasValue = false;
    bool m_offset = false;
    int32_t m_maxValue = 100;

private:
    int32_t value() const;
    void storeValue(int32_t value);
    void fillTargets();
};
