#include "ui/widgets/push_button.h"

#include "ui/ctrl.h"

uint32_t PushByStylus(SCtrl& button, int32_t x, int32_t y, uint32_t down, uint32_t drag, bool repeat,
                      uint32_t command) {
    if (!button.Contains(x, y)) {
        if (button.IsPressed()) button.Release();
        return 0;
    }
    if (!button.IsPressed()) {
        if (down == 0 || drag != 0) return 0;
        button.SetPressed(true);
        return repeat ? command : 0;
    }
    if (down != 0) return repeat ? command : 0;
    button.Release();
    if (!repeat) return command;
    button.Draw();
    return 0;
}
