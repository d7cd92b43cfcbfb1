#pragma once
// What a scrolling text control holds, as a test reads it: the lines shown so far, then those still
// to come, joined by spaces; empty lines are skipped.
#include <string>

#include "ui/widgets/dialog_text_ctrl.h"

inline std::string TextCtrlLines(const SDialogTextCtrl& ctrl) {
    std::string text;
    for (const STextLineArray* lines : {&ctrl.m_shown, &ctrl.m_pending})
        for (int i = 0; i < lines->Count(); ++i) {
            const char* line = (*lines)[i].text.Text();
            if (line == nullptr || *line == 0) continue;
            if (!text.empty()) text += ' ';
            text += line;
        }
    return text;
}
