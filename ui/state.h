#pragma once
// SState: the base of the game's screens. The game object owns one per screen id for the whole
// run and switches between them: the new screen is entered with four words from the old one, the
// old one is left, or set aside on the screen stack and later resumed. A screen's commands answer
// the next screen id: 0 stays, 99 goes back to the screen below on the stack.
#include <cstdint>

#include "ui/dialog.h"

class SState : public SDialog {
public:
    uint32_t m_extra = 0;  // the subclass's own (the splash screen keeps its phase here)
    // The four words handed over by Enter. They may carry pointers, so they are pointer-sized.
    uintptr_t m_param[4] = {};
    // Set while another screen is entered: the game object keeps this screen on its stack
    // instead of leaving it.
    uint32_t m_keep = 0;

    // Starts the screen afresh: no open dialog, the four words kept, stylus ignored until a later
    // frame. Screens build their controls after calling this.
    virtual void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4);
    virtual void Leave();
    // Back from the stack: drawn at once, since no tick may come before the next input.
    virtual void Resume();
};
