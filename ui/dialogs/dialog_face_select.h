#pragma once
// SDialogFaceSelect: the player's portrait, stepped through the selectable faces of the face table
// in byte order of their names (capitals first). A face the list lacks (one a script gave) shows as
// the default portrait with none selected. OK (25) and Cancel (26) go to the parent, which reads
// SelectedName on 25.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/face_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SDialogFaceSelect : public SDialog {
public:
    static constexpr uint32_t kLayout = 6;
    static constexpr uint32_t kPrevious = 37;
    static constexpr uint32_t kNext = 38;

    void Init(SGameData* game) override;
    // Lists the selectable faces and selects the player's.
    void Open();
    void ShowFace();
    void UpdateButtons();
    // The name of the face shown; null while none is selected.
    const char* SelectedName() const;
    uint32_t OnCommand(uint32_t id) override;

    SBorderCtrl m_frame;
    STextCtrl m_title;
    SFaceCtrl m_face;
    SButtonCtrl m_previous;
    SButtonCtrl m_next;
    SButtonCtrl m_ok;
    SButtonCtrl m_cancel;
    std::vector<std::string> m_names;
    int32_t m_index = -1;

private:
    void step(int32_t delta);
};
