#pragma once
// What the sample layouts are written with: a control's row, negative sizes and places held at 0,
// and a dialog's entry in the layout, made on first use.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

inline SLayoutRow LayoutRow(int id, int x, int y, int w, int h) {
    return {uint16_t(id), uint16_t(std::max(x, 0)), uint16_t(std::max(y, 0)), uint16_t(std::max(w, 0)),
            uint16_t(std::max(h, 0))};
}

inline SLayoutDialog& LayoutDialogOf(std::vector<SLayoutDialog>& dialogs, uint16_t id) {
    for (SLayoutDialog& dialog : dialogs)
        if (dialog.id == id) return dialog;
    return dialogs.emplace_back(SLayoutDialog{id, {}});
}
