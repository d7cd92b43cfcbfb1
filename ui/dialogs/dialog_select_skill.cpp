#include "ui/dialogs/dialog_select_skill.h"

#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/choice_dialog.h"

namespace {

constexpr uint32_t kSelectSkillTitle = 16;
constexpr uint32_t kSelectSkillListFrame = 83;
constexpr uint32_t kDescription = 84;
constexpr uint32_t kDescriptionLabel = 85;

}  // namespace

void SDialogSelectSkill::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_outerFrame, &m_title, &m_listFrame, &m_descriptionLabel,
                                                     &m_description, &m_ok, &m_cancel})
        ctrl->Attach(this);
    for (STopicButtonCtrl& entry : m_entries) entry.Attach(this);
}

void SDialogSelectSkill::Open(uint32_t skill) {
    m_entryIds[0] = 0;
    for (int k = 1; k <= kSkillCount; ++k) m_entryIds[k] = kEntryBase + uint32_t(k);

    OpenCentred(*this, kLayout);
    PlaceOuterFrame(*this, m_outerFrame);
    PlaceCtrl(m_title, kSelectSkillTitle);
    m_title.SetTextEx("Select a skill", STextAlign::kLeft, 2, kWhite, kInk);
    PlaceSmallFrame(*this, m_listFrame, kSelectSkillListFrame, 1, SBorderSides::kAll);
    const bool small = IsSmallScreenType(m_game->m_screenMode);
    for (int k = 1; k <= kSkillCount; ++k) {
        STopicButtonCtrl& entry = m_entries[size_t(k - 1)];
        if (!PlaceCtrl(entry, m_entryIds[k])) continue;
        const char* name = small ? m_game->m_skills.ShortName(k) : m_game->m_skills.Name(k);
        entry.SetupSimple(name, m_entryIds[k], kLightGrey, STopicButtonCtrl::kHighlight, kInk);
    }
    PlaceCtrl(m_descriptionLabel, kDescriptionLabel);
    m_descriptionLabel.SetTextEx("Skill description:", STextAlign::kLeft, 1, kWhite, kInk);
    PlaceCtrl(m_description, kDescription);
    m_description.SetTextEx("", STextAlign::kLeft, 1, kLightGrey, kInk);
    PlacePictureButton(*this, m_ok, kChoiceOk, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_cancel, kChoiceCancel, SInterfaceRole::kCancelButton);

    m_selected = skill <= uint32_t(kSkillCount) ? skill : 0;
    Select(m_entryIds[m_selected]);
    SetDirty();
    ResetPenGate();
}

void SDialogSelectSkill::Select(uint32_t command) {
    for (int k = 1; k <= kSkillCount; ++k) {
        STopicButtonCtrl& entry = m_entries[size_t(k - 1)];
        const bool chosen = command != 0 && command == m_entryIds[k];
        if (chosen)
            entry.m_flags |= SCtrlFlags::kChecked;
        else
            entry.m_flags &= uint16_t(~SCtrlFlags::kChecked);
        entry.SetDirty();
        if (!chosen) continue;
        m_selected = uint32_t(k);
        UpdateDescription();
    }
}

void SDialogSelectSkill::UpdateDescription() {
    const SSkillDef* skill = m_game->m_skills.Entry(int(m_selected));
    // A skill without a description leaves the last one shown.
    if (skill != nullptr && !skill->furtherText.IsEmpty()) m_description.SetText(skill->furtherText.Text());
    SetDirty();
}

uint32_t SDialogSelectSkill::OnCommand(uint32_t id) {
    if (id > kEntryBase && id <= kEntryBase + kSkillCount) {
        m_game->PlaySound("bsnd_click", 10);
        Select(id);
        return 0;
    }
    if (id == kChoiceOk || id == kChoiceCancel) return ForwardToParent(*this, id);
    return 0;
}
