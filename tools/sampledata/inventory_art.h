#pragma once
// The sample pictures of the inventory screen's buttons: the page and category tabs (plain faces
// the buttons write their captions on), the main-menu, take and drop buttons, the four use
// buttons and the two view buttons, the character sheet's raise, rename and portrait buttons, at
// the small and the large screens' sizes.
#include "game/interface_roles.h"
#include "tools/sampledata/art_canvas.h"

SArtCanvas InventoryPicture(SInterfaceRole role, int index, bool large);
