#pragma once
// The sample pictures of the inventory: the paper doll with an empty box at every slot of the
// screen type it is drawn for, the doll's overlays over the belt and the rings, the corner marks
// of the item grid, the empty item slot and the item mark.
#include "tools/sampledata/art_canvas.h"

namespace interface_art {

// The doll (0) for the slot places and sizes of the screen type, or one of its three overlays at
// that type's slot size: the belt's buckle (1), the fingers of the first and second ring (2, 3).
SArtCanvas PaperDoll(int index, uint32_t screenType);
// The grid's corner marks, `size` pixels square: worn (0), wearable (1), forbidden (2).
SArtCanvas EquipMark(int index, int size);
// An empty item slot, `size` pixels square: a sunken dark box.
SArtCanvas EmptyItemSlot(int size);
// The mark over an item, `size` pixels square: a gold frame, clear inside.
SArtCanvas ItemMark(int size);

}  // namespace interface_art
