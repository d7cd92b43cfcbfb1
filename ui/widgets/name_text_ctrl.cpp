#include "ui/widgets/name_text_ctrl.h"

#include "engine/draw/text.h"

void SNameTextCtrl::SetDefaults() {
    m_font = 1;
    m_labelColor = 0x64C8C8;
    m_valueColor = 0xC8C8C8;
    m_blendColor = 0x161616;
}

void SNameTextCtrl::SetLabel(const char* text) {
    m_label.Assign(text);
    SetDirty();
}

void SNameTextCtrl::SetValue(const char* text) {
    m_value.Assign(text);
    SetDirty();
}

void SNameTextCtrl::Draw() {
    m_text->SelectFont(int(m_font), m_labelColor, m_blendColor);
    int labelW = 0, valueW = 0, lines = 0;
    m_text->Measure(m_label.Text(), m_w, labelW, lines);
    m_text->Measure(m_value.Text(), m_w - labelW - kGap, valueW, lines);
    const int left = m_x + (m_w - valueW - labelW - kGap) / 2;
    m_text->DrawText(left, m_y, left + labelW + kGap, m_y + m_h, m_label.Text(), 0);
    m_text->SelectFont(int(m_font), m_valueColor, m_blendColor);
    m_text->DrawText(left + labelW + kGap, m_y, m_x + m_w, m_y + m_h, m_value.Text(), 0);
}
