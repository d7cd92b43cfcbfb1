#pragma once
// What the modal choices of character creation, the keyboard, the face select and training share:
// a dialog centred on the screen over the dialog background, an outer frame in the screen type's
// frame set, picture buttons from the interface, and OK and Cancel that go to the parent.
#include <cstdint>

#include "game/interface_roles.h"

class SBorderCtrl;
class SButtonCtrl;
class SDialog;

constexpr uint32_t kChoiceOk = 25;
constexpr uint32_t kChoiceCancel = 26;

// Drops the controls, takes the size of the layout and centres the dialog on the screen.
void OpenCentred(SDialog& dialog, uint32_t layoutId);
// The frame 19 around the dialog: the small frame set on the small screen types, the large one on
// the others; all four sides, not filled.
void PlaceOuterFrame(SDialog& dialog, SBorderCtrl& frame);
// A frame of the small set on every screen type, filled with colour 0 when `fill` is 1.
void PlaceSmallFrame(SDialog& dialog, SBorderCtrl& frame, uint32_t controlId, uint32_t fill, uint32_t sides);
// A button with the pictures of the role (sized by the first), firing its layout control id.
void PlacePictureButton(SDialog& dialog, SButtonCtrl& button, uint32_t controlId, SInterfaceRole role);
// The heavy click, then the parent's answer to the command.
uint32_t ForwardToParent(SDialog& dialog, uint32_t id);
