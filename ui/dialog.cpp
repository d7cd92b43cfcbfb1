#include "ui/dialog.h"

#include "engine/draw/display.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/state.h"

namespace {

constexpr uint32_t kCommandMask = 0xFFFF;  // only the low 16 bits of an answer name a command

constexpr uint16_t kShown = SCtrlFlags::kVisible | SCtrlFlags::kActive;

}  // namespace

SDialog::~SDialog() = default;

void SDialog::Init(SGameData* game) {
    m_game = game;
    m_display = game->m_display.get();
    m_text = game->m_text.get();
}

uint32_t SDialog::OnCommand(uint32_t) { return 0; }

template <class Offer>
uint32_t SDialog::offerToCtrls(uint8_t input, uint16_t needed, Offer offer) {
    for (int i = m_ctrls.Count() - 1; i >= 0; --i) {
        SCtrl* ctrl = m_ctrls[i];
        if (!ctrl->HasInput(input) || (ctrl->m_flags & needed) != needed) continue;
        if (const uint32_t id = offer(*ctrl) & kCommandMask) return id;
    }
    return 0;
}

uint32_t SDialog::runCommand(uint32_t id, bool redrawAfter) {
    Draw();
    if (id == 0) return 0;
    // A command may close this dialog, and its owner may delete it (the play screen's message
    // boxes): nothing of it is read afterwards unless it is still shown, on the current screen or
    // as that screen's open child.
    SGameData* game = m_game;
    SDialog* parent = m_parent;
    const uint32_t result = OnCommand(id);
    const SDialog* current = game->m_currentScreen;
    const bool stillShown = current != nullptr && (current == this || (current == parent && parent->m_child == this));
    if (redrawAfter && stillShown) Draw();
    return result;
}

uint32_t SDialog::OnKey(uint32_t key) {
    if (m_child) return m_child->OnKey(key);
    const uint32_t id = offerToCtrls(SCtrlInput::kKeys, kShown, [key](SCtrl& ctrl) { return ctrl.OnKey(key); });
    return runCommand(id, true);
}

uint32_t SDialog::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    if (PenBlocked(down, drag)) return 0;
    if (m_child) return m_child->OnPen(x, y, down, drag);
    const uint32_t id = offerToCtrls(SCtrlInput::kPen, kShown | SCtrlFlags::kEnabled,
                                     [=](SCtrl& ctrl) { return ctrl.OnPen(x, y, down, drag); });
    return runCommand(id, true);
}

uint32_t SDialog::OnTick(uint32_t arg) {
    if (m_child) return m_child->OnTick(arg);
    const uint32_t id = offerToCtrls(SCtrlInput::kTicks, kShown, [arg](SCtrl& ctrl) { return ctrl.OnTick(arg); });
    return runCommand(id, false);
}

void SDialog::AddCtrl(SCtrl* ctrl) {
    if (ctrl == nullptr) return;
    bool present = false;
    for (int i = 0; i < m_ctrls.Count() && !present; ++i) present = m_ctrls[i] == ctrl;
    // A full list (65,535 controls) keeps the control out; it then stays unseen like any other.
    if (!present && !m_ctrls.Append(ctrl)) return;
    ctrl->m_flags = SCtrlFlags::kPlaced;
}

void SDialog::RemoveCtrl(SCtrl* ctrl) {
    if (ctrl == nullptr) return;
    m_ctrls.Remove(ctrl);
    ctrl->Hide();
    SetDirty();
}

void SDialog::ClearCtrls() {
    for (int i = 0; i < m_ctrls.Count(); ++i) m_ctrls[i]->Hide();
    m_ctrls.Destroy();
    SetDirty();
}

void SDialog::DirtyAllCtrls() {
    for (int i = 0; i < m_ctrls.Count(); ++i) m_ctrls[i]->SetDirty();
}

bool SDialog::PlaceCtrl(SCtrl& ctrl, uint32_t controlId) {
    ctrl.SetFromTemplate(m_game->GetLayoutCtrl(m_layoutId, controlId));
    if (!ctrl.IsActive()) return false;
    AddCtrl(&ctrl);
    return true;
}

void SDialog::SetChild(SDialog* child) {
    m_child = child;
    if (child == nullptr) return;
    child->m_parent = this;
    child->SetDirty();
}

void SDialog::ResetPenGate() {
    m_openFrame = m_game->m_frameCounter;
    m_penArmed = 0;
}

void SDialog::ResetOpen() {
    m_child = nullptr;
    ResetPenGate();
}

void SDialog::Reopen() {
    ResetOpen();
    SetDirty();
}

bool SDialog::IsOpenFrame() const { return m_game->m_frameCounter == m_openFrame; }

bool SDialog::PenBlocked(uint32_t down, uint32_t drag) {
    if (IsOpenFrame()) return true;
    if (down != 0 && drag == 0) {
        m_penArmed = 1;
        return false;
    }
    return m_penArmed == 0;
}

void SDialog::SetBackgroundBitmap(const SPictureEntry* picture) {
    m_bgOn = 1;
    m_bgBitmap = picture;
}

void SDialog::SetBackgroundColor() {
    m_bgOn = 1;
    m_bgColor = 0;
}

void SDialog::SetPos(int32_t x, int32_t y) {
    m_x = x;
    m_y = y;
}

void SDialog::SetLayout(uint32_t layoutId) {
    m_layoutId = layoutId;
    // The layout's first two words of a mode block are the dialog's width and height.
    uint32_t w = uint32_t(m_w), h = uint32_t(m_h);
    m_game->GetLayoutSize(layoutId, w, h);
    m_w = int32_t(w);
    m_h = int32_t(h);
}

void SDialog::CenterInView() {
    const SViewDescriptor& view = m_game->PlayView();
    SetPos(view.m_viewX + (view.m_viewWidth - m_w) / 2, view.m_viewY + (view.m_viewHeight - m_h) / 2);
}

void SDialog::CenterOnScreen() {
    if (m_display == nullptr) return;
    SetPos((int32_t(m_display->m_width) - m_w) / 2, (int32_t(m_display->m_height) - m_h) / 2);
}

void SDialog::Draw() {
    // A dirty dialog repaints everything under its child, so the child must repaint too; a clean
    // one with a child leaves its own dirty controls until the child closes.
    if (IsDirty()) {
        DrawSelf();
        if (m_child) {
            m_child->SetDirty();
            m_child->Draw();
        }
    } else if (m_child) {
        m_child->Draw();
    } else {
        DrawSelf();
    }
}

void SDialog::DrawSelf() {
    const bool dirty = IsDirty();
    if (dirty && m_bgOn != 0 && m_display != nullptr) {
        if (m_bgBitmap)
            m_display->TileOpaque(m_x, m_y, m_w, m_h, *m_bgBitmap);
        else
            m_display->FillRect(m_x, m_y, m_w, m_h, ColourWord565(m_bgColor));
    }
    // First added first, so that the control offered input first is the one drawn on top.
    for (int i = 0; i < m_ctrls.Count(); ++i) {
        SCtrl* ctrl = m_ctrls[i];
        if (!ctrl->IsShown() || !(dirty || ctrl->IsDirty())) continue;
        ctrl->Draw();
        ctrl->ClearDirty();
    }
    ClearDirty();
}
