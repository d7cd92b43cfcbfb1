#pragma once
// SDialog: the base of everything that owns controls on screen, every modal dialog and (through
// SState) every screen. It keeps a rectangle, a background, its controls and at most one open
// modal child; it routes keys, stylus events and ticks to the child first and otherwise to its
// controls, turns a control's answer into a command, and redraws only what is marked dirty.
#include <cstdint>

#include "engine/base/ptr_array.h"
#include "ui/ctrl.h"

class SDisplay;
class SGameData;
class SText;
struct SPictureEntry;

class SDialog {
public:
    static constexpr uint8_t kDirty = 1;  // background and every control are repainted

    SDialog() = default;
    virtual ~SDialog();
    SDialog(const SDialog&) = delete;
    SDialog& operator=(const SDialog&) = delete;

    // Takes the game object and the display and text services it holds.
    virtual void Init(SGameData* game);
    virtual void Draw();
    // A command from one of the controls (never 0). The base ignores it.
    virtual uint32_t OnCommand(uint32_t id);
    // Each answers the result of the command the event produced, or 0.
    virtual uint32_t OnKey(uint32_t key);
    // down 1 drag 0: pen down; down 1 drag 1: moved while down; down 0 drag 0: pen up.
    virtual uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag);
    virtual uint32_t OnTick(uint32_t arg);

    // Adding a control again keeps one entry; either way it is made ready to draw and take input.
    void AddCtrl(SCtrl* ctrl);
    void RemoveCtrl(SCtrl* ctrl);
    // Hides and drops every control: screens do it when left, dialogs when they close or rebuild.
    void ClearCtrls();
    void DirtyAllCtrls();
    // Places a control by this dialog's layout row for it and adds it when the screen mode has
    // one; false when the layout leaves the control out.
    bool PlaceCtrl(SCtrl& ctrl, uint32_t controlId);

    // Opens a modal dialog over this one, after its opening routine placed its controls.
    void SetChild(SDialog* child);
    // Ignores the stylus until a pen-down arrives in a later frame than this one.
    void ResetPenGate();
    // Both drop the child. An opener closing its child uses Reopen, which also marks the opener
    // dirty, so that nothing the child covered stays on screen; ResetOpen is for a dialog that
    // repaints itself anyway.
    void ResetOpen();
    void Reopen();
    bool IsOpenFrame() const;
    // False for an event the dialog may act on. A pen-down after the opening frame arms the gate,
    // so a drag or release of a press made before the dialog opened never reaches it.
    bool PenBlocked(uint32_t down, uint32_t drag);

    void SetBackgroundBitmap(const SPictureEntry* picture);
    void SetBackgroundColor();
    void NoBackground() { m_bgOn = 0; }

    void SetPos(int32_t x, int32_t y);
    bool IsDirty() const { return m_flags & kDirty; }
    void SetDirty() { m_flags |= kDirty; }
    void ClearDirty() { m_flags &= uint8_t(~kDirty); }

    // Takes the dialog's size for the current screen mode from the layout; without an entry the
    // size stays.
    void SetLayout(uint32_t layoutId);
    // Centres the dialog over the play screen's 3-D view.
    void CenterInView();
    void CenterOnScreen();
    // The background when dirty, then the controls that need it, first added first.
    void DrawSelf();

    SDialog* m_child = nullptr;
    SDialog* m_parent = nullptr;
    int32_t m_x = 0;
    int32_t m_y = 0;
    int32_t m_w = 0;
    int32_t m_h = 0;
    uint8_t m_flags = 0;
    const SPictureEntry* m_bgBitmap = nullptr;  // tiles the background; null for a plain colour
    uint32_t m_bgColor = 0;                     // red in the lowest byte, then green, then blue
    uint32_t m_bgOn = 1;
    uint32_t m_layoutId = 0;
    // Points at controls that are members of this dialog or its subclass; it never deletes them.
    SPtrArray<SCtrl> m_ctrls{SPtrArray<SCtrl>::kDefaultStep, false};
    uint32_t m_openFrame = 0;  // the game's frame counter when the dialog was last opened
    uint32_t m_penArmed = 0;
    SGameData* m_game = nullptr;
    SDisplay* m_display = nullptr;
    SText* m_text = nullptr;

private:
    // Offers an event to the controls from the last added to the first; the first command that
    // is not 0 ends the walk.
    template <class Offer>
    uint32_t offerToCtrls(uint8_t input, uint16_t needed, Offer offer);
    // The common tail of every event: redraw, then run the command.
    uint32_t runCommand(uint32_t id, bool redrawAfter);
};
