#pragma once
// SCtrl: the base of every widget. A control belongs to one dialog, carries a command id, a screen
// rectangle, state flags and the set of events it wants, and answers events with a command id (0
// for nothing). Controls are members of the dialog or screen that shows them; the dialog's list
// only points at them.
#include <cstdint>
#include <optional>

#include "game/layout_record.h"

class SDialog;
class SDisplay;
class SGameData;
class SText;

// The state bits of a control.
struct SCtrlFlags {
    static constexpr uint16_t kPressed = 0x01;
    static constexpr uint16_t kDirty = 0x02;
    static constexpr uint16_t kEnabled = 0x04;
    static constexpr uint16_t kChecked = 0x08;
    static constexpr uint16_t kVisible = 0x10;
    static constexpr uint16_t kActive = 0x20;
    // What a control gets when it is placed or added: ready to draw and to take every event.
    static constexpr uint16_t kPlaced = kDirty | kEnabled | kVisible | kActive;
};

// The events a control wants offered.
struct SCtrlInput {
    static constexpr uint8_t kKeys = 1;
    static constexpr uint8_t kPen = 2;
    static constexpr uint8_t kTicks = 4;
};

class SCtrl {
public:
    SCtrl() = default;
    virtual ~SCtrl() = default;
    SCtrl(const SCtrl&) = delete;
    SCtrl& operator=(const SCtrl&) = delete;

    // Binds the control to its dialog and to the game services the dialog was given.
    virtual void Attach(SDialog* dialog);
    virtual uint32_t OnKey(uint32_t key);
    virtual uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag);
    virtual uint32_t OnTick(uint32_t arg);
    // Paints the whole rectangle from the control's own state; the owner decides when.
    virtual void Draw();

    // Places the control by its layout row (x and y relative to the owner). Without a row the
    // control is left out of the layout: flags 0, never drawn, offered nothing.
    void SetFromTemplate(const std::optional<SLayoutRow>& row);
    void SetPos(int16_t x, int16_t y);
    void SetRect(int16_t x, int16_t y, uint16_t w, uint16_t h);

    // Inside the rectangle: x <= px < x + w and y <= py < y + h.
    bool Contains(int32_t px, int32_t py) const {
        return px >= m_x && px < m_x + int32_t(m_w) && py >= m_y && py < m_y + int32_t(m_h);
    }
    uint8_t HasInput(uint8_t mask) const { return m_input & mask; }
    bool IsPressed() const { return m_flags & SCtrlFlags::kPressed; }
    bool IsDirty() const { return m_flags & SCtrlFlags::kDirty; }
    bool IsEnabled() const { return m_flags & SCtrlFlags::kEnabled; }
    bool IsChecked() const { return m_flags & SCtrlFlags::kChecked; }
    bool IsActive() const { return m_flags & SCtrlFlags::kActive; }
    bool IsShown() const {
        constexpr uint16_t shown = SCtrlFlags::kVisible | SCtrlFlags::kActive;
        return (m_flags & shown) == shown;
    }

    void SetDirty() { m_flags |= SCtrlFlags::kDirty; }
    void ClearDirty() { m_flags &= uint16_t(~SCtrlFlags::kDirty); }
    // Each of these redraws the control, even when the bit does not change.
    void SetPressed(bool on) { setRedrawn(SCtrlFlags::kPressed, on); }
    void Release() { SetPressed(false); }
    void SetEnabled(bool on) { setRedrawn(SCtrlFlags::kEnabled, on); }
    void Disable() { SetEnabled(false); }
    void SetChecked(bool on) { setRedrawn(SCtrlFlags::kChecked, on); }
    void Activate() { m_flags |= SCtrlFlags::kActive; }
    // Showing redraws only the control; hiding has the owner repaint its background over it.
    void SetVisible(bool on);
    void Hide() { SetVisible(false); }

    SDialog* m_owner = nullptr;
    uint16_t m_id = 0;
    int16_t m_x = 0;
    int16_t m_y = 0;
    uint16_t m_w = 0;
    uint16_t m_h = 0;
    uint16_t m_flags = 0;
    uint8_t m_input = 0;  // SCtrlInput bits; each widget sets those of the events it handles
    SGameData* m_game = nullptr;
    SText* m_text = nullptr;
    SDisplay* m_display = nullptr;

private:
    void setRedrawn(uint16_t bit, bool on);
};
