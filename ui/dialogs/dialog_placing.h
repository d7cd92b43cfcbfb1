#pragma once
// How the modal dialogs place their frames and picture buttons from the layout.
#include <cstdint>

#include "game/interface_roles.h"

class SBorderCtrl;
class SButtonCtrl;
class SDialog;

// The frame 19 around the dialog: the small frame set on the small screen types, the large one on
// the others; all four sides, not filled.
void PlaceOuterFrame(SDialog& dialog, SBorderCtrl& frame);
// A frame of the small set on every screen type, filled with colour 0 when `fill` is 1.
void PlaceSmallFrame(SDialog& dialog, SBorderCtrl& frame, uint32_t controlId, uint32_t fill, uint32_t sides);
// A button with the role's pictures (normal, pressed, disabled), sized by the first and firing its
// layout control id; it greys out when disabled.
void PlacePictureButton(SDialog& dialog, SButtonCtrl& button, uint32_t controlId, SInterfaceRole role);
