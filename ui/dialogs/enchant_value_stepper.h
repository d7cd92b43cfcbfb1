#pragma once
// SEnchantValueStepper: a number the player steps in an enchant entry editor: its label, the value
// in a frame, up and down arrows and, where the editor has them, buttons that step by ten. A
// button is enabled while its step can still move the value.
#include <cstdint>

#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SDialog;

class SEnchantValueStepper {
public:
    // The layout's control ids, which are also the buttons' commands; 0 for buttons it lacks.
    struct Ids {
        uint32_t label, frame, value, up, down, upTen, downTen;
    };

    void Attach(SDialog& dialog);
    void Place(SDialog& dialog, const Ids& ids, const char* label);
    // Hiding leaves the dialog to repaint where the stepper was.
    void Show(SDialog& dialog, bool shown);
    void SetValue(SDialog& dialog, int32_t value, int32_t minimum, int32_t maximum);
    // How far a command of one of the stepper's buttons moves the value; 0 for any other command.
    int32_t StepOf(uint32_t command) const;

    STextCtrl m_label;
    SBorderCtrl m_frame;
    STextCtrl m_value;
    SButtonCtrl m_up;
    SButtonCtrl m_down;
    SButtonCtrl m_upTen;
    SButtonCtrl m_downTen;

private:
    Ids m_ids{};
};
