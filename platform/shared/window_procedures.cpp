// The parts of window-procedure chaining that no back end does differently.
#include "platform/window.h"

namespace platform {

intptr_t CallWindowProcedure(WindowProcedure procedure, Window* window, uint32_t code, uintptr_t wParam,
                             intptr_t lParam) {
    return procedure ? procedure(window, code, wParam, lParam) : 0;
}

// The device's default handling does nothing the game relies on.
intptr_t DefaultWindowProcedure(Window*, uint32_t, uintptr_t, intptr_t) { return 0; }

}  // namespace platform
