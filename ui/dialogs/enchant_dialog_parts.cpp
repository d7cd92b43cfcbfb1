#include "ui/dialogs/enchant_dialog_parts.h"

#include "engine/draw/digit_glyphs.h"
#include "game/game_data.h"
#include "ui/dialog.h"
#include "ui/dialogs/paged_list.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/text_ctrl.h"

namespace {

constexpr uint32_t kEnchantDialogPartsListBackground = 0x000000;

}  // namespace

void PlaceTitle(SDialog& dialog, STextCtrl& title, const char* text) {
    dialog.PlaceCtrl(title, kEnchantTitleId);
    title.SetTextEx(text, STextAlign::kCentred, 2, kEnchantBright, kEnchantBlend);
    title.Layout();
}

void PlaceText(SDialog& dialog, STextCtrl& text, uint32_t controlId, const char* words, uint32_t colour,
               uint32_t align) {
    dialog.PlaceCtrl(text, controlId);
    text.SetTextEx(words, align, 1, colour, kEnchantBlend);
    text.Layout();
}

void PlaceList(SDialog& dialog, SDialogListCtrl& list, uint32_t controlId) {
    list.m_id = uint16_t(controlId);
    dialog.PlaceCtrl(list, controlId);
    list.SetStyle(1, kEnchantText, kEnchantDialogPartsListBackground, nullptr);
    list.ClearRows();
}

void PlaceArrowButton(SDialog& dialog, SButtonCtrl& button, uint32_t controlId, bool up) {
    if (dialog.PlaceCtrl(button, controlId)) SetupArrowButton(button, *dialog.m_game, up, controlId);
}

void ShowCtrls(SDialog& dialog, std::initializer_list<SCtrl*> ctrls, bool shown) {
    for (SCtrl* ctrl : ctrls) ctrl->SetVisible(shown);
    dialog.SetDirty();
}

void SetNumberText(SDialog& dialog, STextCtrl& text, int32_t value, SDigits digits) {
    SString words;
    words.Format("%d", value);
    if (digits == SDigits::Small) ToDigitGlyphs(words);
    text.SetText(words.Text());
    dialog.SetDirty();
}
