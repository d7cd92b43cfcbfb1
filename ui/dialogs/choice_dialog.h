#pragma once
// What the modal choices of character creation, the keyboard, the face select and training share:
// a dialog centred on the screen over the dialog background, an outer frame in the screen type's
// frame set, picture buttons from the interface, and OK and Cancel that go to the parent.
#include <cstdint>

#include "ui/dialogs/dialog_placing.h"

class SDialog;

constexpr uint32_t kChoiceOk = 25;
constexpr uint32_t kChoiceCancel = 26;

// Drops the controls, takes the size of the layout and centres the dialog on the screen.
void OpenCentred(SDialog& dialog, uint32_t layoutId);
// The heavy click, then the parent's answer to the command.
uint32_t ForwardToParent(SDialog& dialog, uint32_t id);
