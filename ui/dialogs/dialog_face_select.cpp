#include "ui/dialogs/dialog_face_select.h"

#include <algorithm>

#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/choice_dialog.h"

namespace {

constexpr uint32_t kTitleBlend = 0x585858;
constexpr uint32_t kFaceSelectTitle = 35;
constexpr uint32_t kFace = 36;

}  // namespace

void SDialogFaceSelect::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_frame, &m_title, &m_face, &m_previous, &m_next, &m_ok, &m_cancel})
        ctrl->Attach(this);
}

void SDialogFaceSelect::Open() {
    OpenCentred(*this, kLayout);
    PlaceOuterFrame(*this, m_frame);
    PlaceCtrl(m_title, kFaceSelectTitle);
    m_title.SetTextEx("Select player face", STextAlign::kCentred, 2, kWhite, kTitleBlend);
    PlaceCtrl(m_face, kFace);
    PlacePictureButton(*this, m_previous, kPrevious, SInterfaceRole::kPreviousPageButton);
    PlacePictureButton(*this, m_next, kNext, SInterfaceRole::kNextPageButton);
    PlacePictureButton(*this, m_ok, kChoiceOk, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_cancel, kChoiceCancel, SInterfaceRole::kCancelButton);

    m_names = m_game->m_faces.PlayerPortraitNames();
    const char* current = m_game->m_player.Face().Text();
    // No face is named by an empty name, not even a face without a name.
    const auto found = current == nullptr || *current == 0 ? m_names.end()
                                                           : std::find(m_names.begin(), m_names.end(), current);
    m_index = found == m_names.end() ? -1 : int32_t(found - m_names.begin());
    UpdateButtons();
    ShowFace();
    ResetPenGate();
}

const char* SDialogFaceSelect::SelectedName() const {
    return m_index >= 0 && m_index < int32_t(m_names.size()) ? m_names[size_t(m_index)].c_str() : nullptr;
}

void SDialogFaceSelect::ShowFace() {
    if (const char* name = SelectedName())
        m_face.SetFace(name);
    else
        m_face.SetPicture(m_game->InterfacePicture(SInterfaceRole::kDefaultPicture));
}

void SDialogFaceSelect::UpdateButtons() {
    m_previous.SetEnabled(m_index > 0);
    m_next.SetEnabled(m_index < int32_t(m_names.size()) - 1);
}

void SDialogFaceSelect::step(int32_t delta) {
    m_game->PlaySound("bsnd_click", 10);
    // The buttons are disabled at the ends, but a command can still arrive: it never leaves the list.
    m_index = std::clamp(m_index + delta, std::min<int32_t>(m_index, 0), int32_t(m_names.size()) - 1);
    UpdateButtons();
    ShowFace();
}

uint32_t SDialogFaceSelect::OnCommand(uint32_t id) {
    switch (id) {
        case kChoiceOk:
        case kChoiceCancel: return ForwardToParent(*this, id);
        case kPrevious: step(-1); return 0;
        case kNext: step(1); return 0;
        default: return 0;
    }
}
