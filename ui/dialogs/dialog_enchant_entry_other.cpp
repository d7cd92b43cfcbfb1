#include "ui/dialogs/dialog_enchant_entry_other.h"

#include <algorithm>

#include "game/game_data.h"
#include "ui/dialogs/enchant_dialog_parts.h"
#include "ui/dialogs/paged_list.h"

namespace {

using Targets = SDialogEnchantEntryOther::Targets;

constexpr int32_t kMinValue = 1;
constexpr int32_t kOffset = 100;

struct TypeForm {
    Targets targets;
    bool hasValue;
    bool offset;
    int32_t maxValue;
};

TypeForm formOf(uint8_t type) {
    switch (type) {
        case 1: return {Targets::Skills, true, false, 50};
        case 2: return {Targets::Attributes, true, false, 20};
        case 5:
        case 8:
        case 10:
        case 20:
        case 58: return {Targets::None, true, false, 100};
        case 11: return {Targets::None, true, false, 10};
        case 15:
        case 16:
        case 22:
        case 33:
        case 36:
        case 38: return {Targets::None, true, true, 100};
        case 17: return {Targets::Diseases, true, true, 100};
        case 23: return {Targets::MonsterKinds, true, false, 50};
        case 24: return {Targets::CreatureGroups, true, false, 50};
        case 25: return {Targets::None, true, false, 50};
        case 32: return {Targets::Diseases, false, false, 100};
        // Poison, Curse, Paralyze and the drains act the same at any strength.
        default: return {Targets::None, false, false, 100};
    }
}

constexpr const char* kCreatureGroups[] = {"Humanoids", "Creatures", "Undeads"};

}  // namespace

void SDialogEnchantEntryOther::Init(SGameData* game) {
    SDialogEnchantEntry::Init(game);
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_kindLabel, &m_constant, &m_strike, &m_typeLabel, &m_types, &m_typePageUp,
                                       &m_typePageDown, &m_targetLabel, &m_targets, &m_targetPageUp, &m_targetPageDown})
        ctrl->Attach(this);
    m_value.Attach(*this);
}

void SDialogEnchantEntryOther::Open(const SEffect& entry, int32_t available, SEffectContext context) {
    beginOpen(kLayout, entry);
    PlaceText(*this, m_kindLabel, 266, "Type:", kEnchantText);
    PlaceCtrl(m_constant, kConstant);
    m_constant.SetupSimple("Constant", kConstant, kEnchantText, kEnchantHighlight, kEnchantBlend);
    PlaceCtrl(m_strike, kStrike);
    m_strike.SetupSimple("Strike", kStrike, kEnchantText, kEnchantHighlight, kEnchantBlend);
    PlaceText(*this, m_typeLabel, 255, "Enchant types:", kEnchantText);
    PlaceList(*this, m_types, kTypeList);
    PlaceArrowButton(*this, m_typePageUp, kTypePageUp, true);
    PlaceArrowButton(*this, m_typePageDown, kTypePageDown, false);
    PlaceText(*this, m_targetLabel, 269, "Enchant data:", kEnchantText);
    PlaceList(*this, m_targets, kTargetList);
    PlaceArrowButton(*this, m_targetPageUp, kTargetPageUp, true);
    PlaceArrowButton(*this, m_targetPageDown, kTargetPageDown, false);
    m_value.Place(*this, kValueIds, "Value:");
    placeStorageAndButtons(available);

    m_context = context;
    // The other contexts keep the one source kind a new entry of theirs was given.
    const bool switchable = context == kContextWeapon || context == kContextMagicStaff;
    ShowCtrls(*this, {&m_kindLabel, &m_constant, &m_strike}, switchable);
    UpdateKindChecks();
    SetDirty();
    ResetPenGate();
}

void SDialogEnchantEntryOther::UpdateKindChecks() {
    m_constant.SetChecked(m_entry.m_source == kSourceConstant);
    m_strike.SetChecked(m_entry.m_source == kSourceStrike);
    FillTypes();
}

void SDialogEnchantEntryOther::FillTypes() {
    m_types.ClearRows();
    for (const SEffectPermission& allowed : m_game->m_effectTypes.Permissions(m_context))
        if (allowed.source == m_entry.m_source)
            m_types.AddRowId(allowed.type, m_game->m_effectTypes.Name(allowed.type));
    m_types.Layout(false);
    m_types.SelectById(m_entry.m_type);
    m_types.ScrollToSelection();
    m_entry.m_type = uint8_t(m_types.GetSelectedId());
    UpdatePageButtons(m_types, m_typePageUp, m_typePageDown);
    SetupType();
}

void SDialogEnchantEntryOther::SetupType() {
    const TypeForm form = formOf(m_entry.m_type);
    m_targetKind = form.targets;
    m_hasValue = form.hasValue;
    m_offset = form.offset;
    m_maxValue = form.maxValue;
    // The value keeps what it can of the old type's: 30 stays 30 whether stored plain or as 130.
    int32_t plain = m_entry.m_baseMagnitude;
    if (plain > kOffset) plain -= kOffset;
    storeValue(std::clamp(plain, kMinValue, m_maxValue));
    ShowValue();
    fillTargets();
    showNeededStorage(m_context);
}

void SDialogEnchantEntryOther::fillTargets() {
    m_targets.ClearRows();
    const SEffectLookups lookups = m_game->EffectLookups();
    switch (m_targetKind) {
        case Targets::Skills:
            for (int skill = 1; skill <= int(SPlayer::kLastSkill); ++skill)
                m_targets.AddRowId(uint32_t(skill), lookups.SkillName(skill));
            break;
        case Targets::Attributes:
            for (int attribute = 1; attribute <= int(SPlayer::kLastAttribute); ++attribute)
                m_targets.AddRowId(uint32_t(attribute), lookups.AttributeFullName(attribute));
            break;
        case Targets::CreatureGroups:
            for (uint32_t group = 1; group <= std::size(kCreatureGroups); ++group)
                m_targets.AddRowId(group, kCreatureGroups[group - 1]);
            break;
        case Targets::MonsterKinds:
            for (int i = 0; i < m_game->m_monsters.BaseTypeCount(); ++i) {
                const SMonsterBaseType& kind = *m_game->m_monsters.BaseTypeAt(i);
                if (kind.m_kind != SMonsterBaseType::kKindPeople) m_targets.AddRowId(0, kind.m_name.Text());
            }
            break;
        case Targets::Diseases:
            for (int i = 0; i < m_game->m_diseases.Count(); ++i)
                m_targets.AddRowId(0, m_game->m_diseases.At(i)->m_name.Text());
            break;
        case Targets::None: break;
    }
    const bool shown = m_targetKind != Targets::None;
    ShowCtrls(*this, {&m_targetLabel, &m_targets, &m_targetPageUp, &m_targetPageDown}, shown);
    m_targets.Layout(false);
    if (!shown) {
        m_targets.Select(-1);
        m_entry.m_target.Assign("");
        m_entry.m_subTarget = 0;
        return;
    }
    const bool byName = m_targetKind == Targets::MonsterKinds || m_targetKind == Targets::Diseases;
    if (byName)
        m_targets.SelectByText(m_entry.m_target.Text());
    else
        m_targets.SelectById(m_entry.m_subTarget);
    m_targets.ScrollToSelection();
    SelectTarget();
    UpdatePageButtons(m_targets, m_targetPageUp, m_targetPageDown);
}

int32_t SDialogEnchantEntryOther::value() const {
    return m_offset ? m_entry.m_baseMagnitude - kOffset : m_entry.m_baseMagnitude;
}

void SDialogEnchantEntryOther::storeValue(int32_t value) {
    m_entry.m_baseMagnitude = int16_t(m_offset ? value + kOffset : value);
}

void SDialogEnchantEntryOther::ShowValue() {
    m_value.Show(*this, m_hasValue);
    if (m_hasValue)
        m_value.SetValue(*this, value(), kMinValue, m_maxValue);
    else
        m_entry.m_baseMagnitude = 1;
}

void SDialogEnchantEntryOther::StepValue(int32_t step) {
    if (!m_hasValue) return;
    storeValue(std::clamp(value() + step, kMinValue, m_maxValue));
    ShowValue();
    showNeededStorage(m_context);
}

void SDialogEnchantEntryOther::SelectType() {
    m_entry.m_type = uint8_t(m_types.GetSelectedId());
    SetupType();
}

void SDialogEnchantEntryOther::SelectTarget() {
    // Skills, attributes and creature groups are kept by number, diseases and monster kinds by name.
    if (m_targetKind == Targets::MonsterKinds || m_targetKind == Targets::Diseases) {
        m_entry.m_target.Assign(m_targets.GetSelectedText());
        m_entry.m_subTarget = 0;
    } else {
        m_entry.m_target.Assign("");
        m_entry.m_subTarget = uint8_t(m_targets.GetSelectedId());
    }
    showNeededStorage(m_context);
}

uint32_t SDialogEnchantEntryOther::OnCommand(uint32_t id) {
    switch (id) {
        case kEnchantConfirm:
        case kEnchantCancel: return answer(id);
        case kTypeList:
            m_game->PlaySound("bsnd_click", 10);
            SelectType();
            return 0;
        case kTargetList:
            m_game->PlaySound("bsnd_click", 10);
            SelectTarget();
            return 0;
        case kTypePageUp:
            m_game->PlaySound("bsnd_click", 10);
            PageListUp(m_types, m_typePageUp, m_typePageDown);
            return 0;
        case kTypePageDown:
            m_game->PlaySound("bsnd_click", 10);
            PageListDown(m_types, m_typePageUp, m_typePageDown);
            return 0;
        case kTargetPageUp:
            m_game->PlaySound("bsnd_click", 10);
            PageListUp(m_targets, m_targetPageUp, m_targetPageDown);
            return 0;
        case kTargetPageDown:
            m_game->PlaySound("bsnd_click", 10);
            PageListDown(m_targets, m_targetPageUp, m_targetPageDown);
            return 0;
        case kConstant:
        case kStrike: {
            m_game->PlaySound("bsnd_click", 10);
            const uint8_t source = id == kConstant ? kSourceConstant : kSourceStrike;
            if (m_entry.m_source != source) {
                m_entry.m_source = source;
                UpdateKindChecks();
            }
            return 0;
        }
        default: break;
    }
    if (const int32_t step = m_value.StepOf(id)) {
        m_game->PlaySound("bsnd_click", 10);
        StepValue(step);
    }
    return 0;
}
