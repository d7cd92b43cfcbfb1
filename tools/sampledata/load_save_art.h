#pragma once
// The sample pictures of the load and save screen's buttons (load, save and remove, each normal
// and pressed) and of the death screen: a crown for the king, the country at dusk with the
// player's grave, and a temple for the gods, at the small and the large screens' sizes.
#include "game/interface_roles.h"
#include "tools/sampledata/art_canvas.h"

struct SArtSize {
    int width, height;
};

// The buttons' size, which the layouts leave room for: one for both screen classes, which share
// the buttons' records.
SArtSize LoadSaveButtonSize();
// Picture 0 (the crown), 1 (the grave) or 2 (the temple); the layouts place each at its size.
SArtSize DeathPictureSize(int index, bool large);
SArtCanvas LoadSavePicture(SInterfaceRole role, int index, bool large);
