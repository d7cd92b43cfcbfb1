#include "tools/sampledata/equipment_art.h"

#include "data/player/equipment_slot.h"
#include "tools/sampledata/interface_art_parts.h"
#include "ui/widgets/player_equip_ctrl.h"

namespace interface_art {

namespace {

const uint16_t kSkin = ArtColour(206, 170, 132);
const uint16_t kBoxDark = ArtColour(22, 20, 24);

// A sunken box: a dark inside with a darker upper left and a lighter lower right edge.
void sunkenBox(SArtCanvas& canvas, int x, int y, int size) {
    canvas.Fill(x, y, size, size, ArtColour(60, 56, 52));
    canvas.Fill(x + 1, y + 1, size - 1, size - 1, ArtColour(96, 90, 84));
    canvas.Fill(x + 1, y + 1, size - 2, size - 2, kBoxDark);
}

}  // namespace

SArtCanvas PaperDoll(int index, uint32_t screenType) {
    const int size = DollSlotSize(screenType);
    if (index == 1) {
        // A buckle across the middle of the belt, its pin showing through.
        SArtCanvas buckle(size, size);
        const int w = size / 3, h = size / 2;
        buckle.Fill((size - w) / 2, (size - h) / 2, w, h, kGold);
        buckle.Fill((size - w) / 2 + 2, (size - h) / 2 + 2, w - 4, h - 4, SArtCanvas::kClear);
        buckle.Fill(size / 2, (size - h) / 2, 1, h, kDarkBronze);
        return buckle;
    }
    if (index >= 2) {
        // The finger the ring sits on, passing behind it through the middle of the slot.
        SArtCanvas finger(size, size);
        const int w = size / 5;
        finger.Fill((size - w) / 2, 0, w, size / 3, kSkin);
        finger.Fill((size - w) / 2, size - size / 3, w, size / 3, kSkin);
        return finger;
    }
    const SDollSlot helm = DollSlotPlace(screenType, kSlotHelm), boots = DollSlotPlace(screenType, kSlotBoots);
    const SDollSlot gauntlets = DollSlotPlace(screenType, kSlotGauntlets);
    const int w = gauntlets.x + size + helm.y, h = boots.y + size + helm.y;
    SArtCanvas doll(w, h, ArtColour(34, 32, 40));
    // The figure stands in the middle column, under the slot boxes drawn over it.
    const uint16_t body = ArtColour(110, 100, 92);
    const double cx = helm.x + size / 2.0, unit = size / 10.0;
    doll.Disc(cx, helm.y + size * 0.6, unit * 4, body);
    doll.Fill(int(cx - unit * 6), helm.y + size + int(unit), int(unit * 12), int(size * 2.2), body);
    doll.Line(cx - unit * 6, helm.y + size * 1.3, cx - unit * 11, helm.y + size * 3, unit * 3, body);
    doll.Line(cx + unit * 6, helm.y + size * 1.3, cx + unit * 11, helm.y + size * 3, unit * 3, body);
    doll.Line(cx - unit * 3, helm.y + size * 3.2, cx - unit * 4, h - helm.y - unit, unit * 4, body);
    doll.Line(cx + unit * 3, helm.y + size * 3.2, cx + unit * 4, h - helm.y - unit, unit * 4, body);
    for (uint32_t slot = kSlotHelm; slot <= kLastEquipmentSlot; ++slot) {
        if (slot == kSlotAmmunition) continue;
        const SDollSlot place = DollSlotPlace(screenType, slot);
        sunkenBox(doll, place.x, place.y, size);
    }
    return doll;
}

SArtCanvas EquipMark(int index, int size) {
    SArtCanvas mark(size, size, kOutline);
    const double c = size / 2.0;
    switch (index) {
        case 0:  // worn: a green tick
            mark.Fill(1, 1, size - 2, size - 2, ArtColour(40, 120, 50));
            mark.Line(size * 0.2, c, size * 0.42, size * 0.75, size / 8.0, kInk);
            mark.Line(size * 0.42, size * 0.75, size * 0.8, size * 0.25, size / 8.0, kInk);
            break;
        case 1:  // wearable: a bronze stud
            mark.Fill(1, 1, size - 2, size - 2, kDarkBronze);
            mark.Disc(c, c, size * 0.28, kGold);
            break;
        default:  // forbidden: a red cross
            mark.Fill(1, 1, size - 2, size - 2, ArtColour(150, 30, 30));
            mark.Line(size * 0.25, size * 0.25, size * 0.75, size * 0.75, size / 8.0, kInk);
            mark.Line(size * 0.75, size * 0.25, size * 0.25, size * 0.75, size / 8.0, kInk);
            break;
    }
    return mark;
}

SArtCanvas EmptyItemSlot(int size) {
    SArtCanvas slot(size, size);
    sunkenBox(slot, 0, 0, size);
    return slot;
}

SArtCanvas ItemMark(int size) {
    SArtCanvas mark(size, size, kGold);
    mark.Fill(2, 2, size - 4, size - 4, SArtCanvas::kClear);
    return mark;
}

}  // namespace interface_art
