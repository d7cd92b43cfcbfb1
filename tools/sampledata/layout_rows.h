#pragma once
// Helpers of the sample layouts: a control row from computed numbers, and a dialog's entry in a
// list that is built one screen mode at a time.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

// Negative numbers, which a screen too small for the wanted sizes gives, become 0.
inline SLayoutRow ClampedRow(int id, int x, int y, int w, int h) {
    return {uint16_t(id), uint16_t(std::max(x, 0)), uint16_t(std::max(y, 0)), uint16_t(std::max(w, 0)),
            uint16_t(std::max(h, 0))};
}

// The dialog's entry, made on first use.
inline SLayoutDialog& LayoutDialogOf(std::vector<SLayoutDialog>& dialogs, uint16_t id) {
    for (SLayoutDialog& dialog : dialogs)
        if (dialog.id == id) return dialog;
    return dialogs.emplace_back(SLayoutDialog{id, {}});
}
