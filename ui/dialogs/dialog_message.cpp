#include "ui/dialogs/dialog_message.h"

#include <algorithm>
#include <bit>

#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/dialogs/message_panel.h"
#include "ui/widgets/dialog_text_ctrl.h"

namespace {

constexpr const char* kCaptions[SDialogMessage::kButtonCount] = {"Ok",   "Cancel", "Yes",  "No",     "Continue",
                                                                 "Left", "Right",  "Open", "Disarm", "Pick"};

constexpr uint32_t kUse = 3006;
constexpr uint32_t kRefuse = 3007;

bool isButtonBit(uint32_t bit) { return std::has_single_bit(bit) && bit < (1u << SDialogMessage::kButtonCount); }

// The most lines a page shows: 6 on the screen types 5 and 8, 8 on the other small ones, 10 on
// the large ones.
int lineLimit(uint32_t screenType) {
    if (screenType == 5 || screenType == 8) return 6;
    return IsSmallScreenType(screenType) ? 8 : 10;
}

}  // namespace

void SDialogMessage::Init(SGameData* game) {
    SDialog::Init(game);
    // The panel is the box's background.
    NoBackground();
    for (SCtrlMessageButton& b : m_buttons) b.Attach(this);
}

SCtrlMessageButton& SDialogMessage::button(uint32_t bit) { return m_buttons[std::countr_zero(bit)]; }

bool SDialogMessage::showing(uint32_t bit) const {
    const SCtrl* wanted = &m_buttons[std::countr_zero(bit)];
    for (int i = 0; i < m_ctrls.Count(); ++i)
        if (m_ctrls[i] == wanted) return true;
    return false;
}

void SDialogMessage::SetButtons(uint32_t bit) {
    if (!isButtonBit(bit)) return;
    SCtrlMessageButton& b = button(bit);
    b.SetupDefault(kCaptions[std::countr_zero(bit)], bit);
    AddCtrl(&b);
}

void SDialogMessage::addSetButtons() {
    for (int i = 0; i < kButtonCount; ++i)
        if (m_buttonSet & (1u << i)) SetButtons(1u << i);
}

int SDialogMessage::buttonsWidth() const {
    const int gap = MessageButtonGap(m_game->m_screenMode);
    int width = 0;
    for (int i = 0; i < m_ctrls.Count(); ++i) width += m_ctrls[i]->m_w + (i > 0 ? gap : 0);
    return width;
}

void SDialogMessage::placeButtons() {
    const int gap = MessageButtonGap(m_game->m_screenMode);
    int cursor = (m_w - buttonsWidth()) / 2;
    for (int i = 0; i < m_ctrls.Count(); ++i) {
        SCtrl& b = *m_ctrls[i];
        b.SetPos(int16_t(m_x + cursor), int16_t(m_y + m_buttonsTop));
        cursor += b.m_w + gap;
    }
}

void SDialogMessage::Show(SDialogTextCtrl* textCtrl, uint32_t buttonSet, bool centreOnScreen) {
    m_textCtrl = textCtrl;
    m_buttonSet = buttonSet & 0xFFFF;
    m_paging = false;
    ClearCtrls();
    addSetButtons();

    const uint32_t type = m_game->m_screenMode;
    const bool small = IsSmallScreenType(type), wide = IsLargeScreenType(type);
    const SViewDescriptor& view = m_game->PlayView();
    const int rowWidth = buttonsWidth();
    int textWidth = 0;
    const int lines = std::min(textCtrl->MeasurePending(view.m_viewWidth * 4 / 5, textWidth), lineLimit(type));

    const int inset = small ? 40 : 48;
    m_w = std::max((wide ? 20 : 0) + inset + std::max(textWidth, rowWidth + (small ? 10 : 30)), 180);
    const int margin = small ? 34 : wide ? 50 : 41;
    const int lineHeight = int(textCtrl->m_fontHeight) + 1;
    const bool hasButtons = m_buttonSet != 0;
    m_h = (lines + (hasButtons ? 1 : 0)) * lineHeight + 2 * margin + 5;
    int textTop = margin;
    const int minimum = small ? 100 : 154;
    if (m_h < minimum) {
        textTop += (minimum - m_h) / (hasButtons ? 4 : 2) + (lines == 1 ? 10 : 0);
        m_h = minimum;
    }
    // The margins take a line more than a box without buttons has to spare: at least the lines
    // counted must fit, or a short box would show no text at all.
    const int textHeight = std::max(m_h - 2 * (margin + 10), lines * lineHeight);

    if (centreOnScreen) {
        SetPos((view.m_screenWidth - m_w) / 2, (view.m_screenHeight - m_h) / 2);
        const SState* menu = m_game->Screen(kMainMenuScreen);
        if (type == 16 && menu != nullptr && m_game->m_currentScreen == menu) m_x += view.m_screenWidth / 4;
    } else {
        CenterInView();
    }
    // The row sits below the text; after a Continue page the buttons come back to the same place.
    m_buttonsTop = textHeight + (small ? 4 : 0) + margin;
    placeButtons();
    textCtrl->SetRect(int16_t(m_x + (small ? 20 : 24)), int16_t(m_y + textTop), uint16_t(m_w - inset),
                      uint16_t(textHeight));
    textCtrl->m_instant = 1;
    ResetPenGate();
}

void SDialogMessage::drawPanelAndText() {
    DrawMessagePanel(*this);
    if (m_textCtrl) m_textCtrl->Draw();
}

void SDialogMessage::Draw() {
    drawPanelAndText();
    if (m_textCtrl && m_textCtrl->HasPending()) {
        if (!m_paging) {
            ClearCtrls();
            SetButtons(kContinue);
            m_paging = true;
            placeButtons();
            drawPanelAndText();
        }
    } else if (m_paging) {
        RemoveCtrl(&button(kContinue));
        m_paging = false;
        addSetButtons();
        placeButtons();
        drawPanelAndText();
    }
    // Every control over the panel.
    SetDirty();
    DrawSelf();
}

void SDialogMessage::playClick(bool first) {
    if (m_game->m_sound) m_game->m_sound->Play(first ? m_game->m_interfaceSound1 : m_game->m_interfaceSound2, 10);
}

uint32_t SDialogMessage::OnCommand(uint32_t id) {
    if (id == kContinue) {
        playClick(true);
        if (m_textCtrl) m_textCtrl->m_shownThisRun = 0;
        Draw();
        return 0;
    }
    playClick(false);
    if (m_parent) return m_parent->OnCommand(id);
    return id != 0 ? id : 1;
}

uint32_t SDialogMessage::OnKey(uint32_t key) {
    // The key that opened the box must not also close it.
    if (IsOpenFrame()) return 0;
    if (m_ctrls.Count() == 0) return OnCommand(0);
    static constexpr uint32_t kChoose[] = {kOk, kYes, kContinue};
    static constexpr uint32_t kDecline[] = {kCancel, kNo};
    if (key == kUse) {
        for (uint32_t bit : kChoose)
            if (showing(bit)) return OnCommand(bit);
    } else if (key == kRefuse) {
        for (uint32_t bit : kDecline)
            if (showing(bit)) return OnCommand(bit);
    }
    return 0;
}

uint32_t SDialogMessage::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    if (m_ctrls.Count() > 0) return SDialog::OnPen(x, y, down, drag);
    if (PenBlocked(down, drag)) return 0;
    const bool release = down == 0 && drag == 0;
    const bool inside = x >= m_x && x < m_x + m_w && y >= m_y && y < m_y + m_h;
    return release && inside ? OnCommand(0) : 0;
}
