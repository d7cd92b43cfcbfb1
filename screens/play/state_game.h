#pragma once
// SStateGame: the play screen (screen 1). So far it holds what the rest of the game asks of it:
// whether it is busy, whether it has been entered since the last new game or load, and where the
// player faces.
#include <cstdint>

#include "ui/state.h"

class SStateGame : public SState {
public:
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    // Busy while a step or turn is animated or a dialog is open: held keys and a held stylus are
    // repeated only while the play screen is not busy.
    bool IsBusy() const { return m_moving != 0 || m_turning != 0 || m_child != nullptr; }

    uint32_t m_moving = 0;
    uint32_t m_turning = 0;
    uint32_t m_entered = 0;
    uint32_t m_heading = 0;  // degrees counter-clockwise from north (90 west), 0 to 359
};
