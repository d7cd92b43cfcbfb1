#include "ui/dialogs/enchant_value_stepper.h"

#include "ui/dialog.h"
#include "ui/dialogs/enchant_dialog_parts.h"

void SEnchantValueStepper::Attach(SDialog& dialog) {
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_label, &m_frame, &m_value, &m_up, &m_down, &m_upTen, &m_downTen})
        ctrl->Attach(&dialog);
}

void SEnchantValueStepper::Place(SDialog& dialog, const Ids& ids, const char* label) {
    m_ids = ids;
    PlaceText(dialog, m_label, ids.label, label, kEnchantText);
    PlaceSmallFrame(dialog, m_frame, ids.frame, 1, SBorderSides::kAll);
    PlaceText(dialog, m_value, ids.value, "", kEnchantText, STextAlign::kLeft | STextAlign::kMiddle);
    PlaceArrowButton(dialog, m_up, ids.up, true);
    PlaceArrowButton(dialog, m_down, ids.down, false);
    if (ids.upTen == 0) return;
    PlacePictureButton(dialog, m_upTen, ids.upTen, SInterfaceRole::kNextPageButton);
    PlacePictureButton(dialog, m_downTen, ids.downTen, SInterfaceRole::kPreviousPageButton);
}

void SEnchantValueStepper::Show(SDialog& dialog, bool shown) {
    ShowCtrls(dialog, {&m_label, &m_frame, &m_value, &m_up, &m_down, &m_upTen, &m_downTen}, shown);
}

void SEnchantValueStepper::SetValue(SDialog& dialog, int32_t value, int32_t minimum, int32_t maximum) {
    SetNumberText(dialog, m_value, value, SDigits::Normal);
    m_up.SetEnabled(value < maximum);
    m_upTen.SetEnabled(value < maximum);
    m_down.SetEnabled(value > minimum);
    m_downTen.SetEnabled(value > minimum);
}

int32_t SEnchantValueStepper::StepOf(uint32_t command) const {
    if (command == 0) return 0;
    if (command == m_ids.up) return 1;
    if (command == m_ids.down) return -1;
    if (command == m_ids.upTen) return 10;
    if (command == m_ids.downTen) return -10;
    return 0;
}
