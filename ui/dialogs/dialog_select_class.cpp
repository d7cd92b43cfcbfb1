#include "ui/dialogs/dialog_select_class.h"

#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/choice_dialog.h"

namespace {

constexpr uint32_t kSelectClassTitle = 16;
constexpr uint32_t kSkillsFrame = 54;
constexpr uint32_t kSelectClassListFrame = 55;
constexpr uint32_t kSelectClassSkillsLabel = 56;
constexpr uint32_t kFirstSkillName = 57;

}  // namespace

void SDialogSelectClass::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_outerFrame, &m_title, &m_listFrame, &m_skillsFrame, &m_list,
                                                     &m_skillsLabel, &m_ok, &m_cancel})
        ctrl->Attach(this);
    for (STextCtrl& name : m_skillNames) name.Attach(this);
}

void SDialogSelectClass::Open() {
    OpenCentred(*this, kLayout);
    PlaceOuterFrame(*this, m_outerFrame);
    PlaceCtrl(m_title, kSelectClassTitle);
    m_title.SetTextEx("Select a class", STextAlign::kLeft, 2, kWhite, kInk);
    PlaceSmallFrame(*this, m_listFrame, kSelectClassListFrame, 0, SBorderSides::kLeft);
    PlaceSmallFrame(*this, m_skillsFrame, kSkillsFrame, 1, SBorderSides::kAll);
    m_list.SetStyle(1, kLightGrey, 0, nullptr);
    m_list.m_id = kList;
    PlaceCtrl(m_list, kList);
    PlaceCtrl(m_skillsLabel, kSelectClassSkillsLabel);
    m_skillsLabel.SetTextEx("Primary skills:", STextAlign::kLeft, 1, kWhite, kInk);
    for (int i = 0; i < kPrimarySkills; ++i) {
        PlaceCtrl(m_skillNames[size_t(i)], kFirstSkillName + uint32_t(i));
        m_skillNames[size_t(i)].SetTextEx("", STextAlign::kLeft, 1, kLightGrey, kInk);
    }
    PlacePictureButton(*this, m_ok, kChoiceOk, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_cancel, kChoiceCancel, SInterfaceRole::kCancelButton);

    m_list.ClearRows();
    for (int c = 1; c <= SClassTable::kCount; ++c) {
        const SClassDef* entry = m_game->m_classes.Entry(c);
        m_list.AddRowId(uint32_t(c), entry->displayName.Text());
    }
    m_list.Layout(false);
    m_selected = 1;
    RefreshSkills();
    ResetPenGate();
}

void SDialogSelectClass::RefreshSkills() {
    const SClassDef* entry = m_game->m_classes.Entry(int(m_selected));
    for (int i = 0; i < kPrimarySkills; ++i) {
        m_skillIds[size_t(i)] = entry ? entry->primarySkills[size_t(i)] : 0;
        const char* name = m_game->m_skills.Name(int(m_skillIds[size_t(i)]));
        m_skillNames[size_t(i)].SetText(name ? name : "");
    }
    SetDirty();
}

uint32_t SDialogSelectClass::OnCommand(uint32_t id) {
    switch (id) {
        case kList:
            m_game->PlaySound("bsnd_click", 10);
            m_selected = m_list.GetSelectedId();
            RefreshSkills();
            return 0;
        case kChoiceOk:
        case kChoiceCancel: return ForwardToParent(*this, id);
        default: return 0;
    }
}
