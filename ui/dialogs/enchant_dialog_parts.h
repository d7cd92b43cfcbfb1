#pragma once
// What the enchanting dialogs (the item chooser, the wand recharge, the enchant dialog and its two
// entry editors) share: their colours, and the way they place their frames, texts and buttons.
#include <cstdint>
#include <initializer_list>

#include "ui/dialogs/dialog_placing.h"

class SButtonCtrl;
class SCtrl;
class SDialog;
class SDialogListCtrl;
class STextCtrl;

constexpr uint32_t kEnchantText = 0xC8C8C8;
constexpr uint32_t kEnchantBright = 0xFFFFFF;
constexpr uint32_t kEnchantBlend = 0x161616;
constexpr uint32_t kEnchantHighlight = 0x00FFFF;
// Neither left-aligned nor centred.
constexpr uint32_t kEnchantAlignRight = 0;

// The control ids every enchanting dialog gives its title, confirm and cancel.
constexpr uint32_t kEnchantTitleId = 16;
constexpr uint32_t kEnchantConfirm = 25;
constexpr uint32_t kEnchantCancel = 26;

// The centred title in font 2.
void PlaceTitle(SDialog& dialog, STextCtrl& title, const char* text);
// A text in font 1, left-aligned unless told otherwise.
void PlaceText(SDialog& dialog, STextCtrl& text, uint32_t controlId, const char* words, uint32_t colour,
               uint32_t align = 1);
// A list in font 1 with nothing in it and nothing selected; its command is its control id.
void PlaceList(SDialog& dialog, SDialogListCtrl& list, uint32_t controlId);
// An up or down arrow that pages a list or steps a number; it greys out when disabled.
void PlaceArrowButton(SDialog& dialog, SButtonCtrl& button, uint32_t controlId, bool up);
// Shows or hides each control; the dialog repaints in full, so that nothing hidden stays on screen.
void ShowCtrls(SDialog& dialog, std::initializer_list<SCtrl*> ctrls, bool shown);
// A number in the font's own digits, as the values the player steps show it, or in its small
// digits, as the storage texts show it.
enum class SDigits { Normal, Small };
void SetNumberText(SDialog& dialog, STextCtrl& text, int32_t value, SDigits digits);
