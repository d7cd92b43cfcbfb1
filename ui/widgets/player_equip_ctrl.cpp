#include "ui/widgets/player_equip_ctrl.h"

#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/widgets/item_type_picture.h"

namespace {

// The doll's own grouping of the screen types, each drawn at one slot size.
enum DollGroup { kLargeDoll, kSmallDoll, kTinyDoll, kMiddleDoll, kDollGroups };

DollGroup dollGroup(uint32_t screenType) {
    if (IsLargeScreenType(screenType)) return kLargeDoll;
    if (screenType == 5 || screenType == 8) return kTinyDoll;
    return IsSmallScreenType(screenType) ? kSmallDoll : kMiddleDoll;
}

constexpr int kSlotSizes[kDollGroups] = {50, 30, 20, 40};

// Per slot 1..13, per group; the ammunition slot's row is never read.
constexpr SDollSlot kPlayerEquipCtrlPlaces[SPlayerEquipCtrl::kSlots][kDollGroups] = {
    {},
    {{85, 6}, {51, 3}, {33, 2}, {66, 4}},
    {{164, 66}, {99, 39}, {64, 25}, {128, 51}},
    {{8, 7}, {5, 4}, {3, 2}, {6, 5}},
    {{8, 66}, {5, 39}, {3, 25}, {6, 51}},
    {{164, 128}, {99, 77}, {64, 50}, {128, 100}},
    {{8, 128}, {5, 77}, {3, 50}, {6, 100}},
    {{85, 72}, {51, 43}, {33, 28}, {66, 56}},
    {{159, 198}, {96, 118}, {62, 77}, {124, 154}},
    {{11, 198}, {7, 118}, {4, 77}, {8, 154}},
    {{85, 125}, {51, 74}, {33, 48}, {66, 97}},
    {{85, 195}, {51, 116}, {33, 76}, {66, 152}},
    {},
    {{164, 7}, {99, 4}, {64, 2}, {128, 5}},
};

// The doll's overlays lie over the belt and the two rings.
int overlayAfter(uint32_t slot) {
    switch (slot) {
        case kSlotBelt: return 1;
        case kSlotFirstRing: return 2;
        case kSlotSecondRing: return 3;
        default: return 0;
    }
}

}  // namespace

SDollSlot DollSlotPlace(uint32_t screenType, uint32_t slot) {
    return slot < SPlayerEquipCtrl::kSlots ? kPlayerEquipCtrlPlaces[slot][dollGroup(screenType)] : SDollSlot{};
}

int DollSlotSize(uint32_t screenType) { return kSlotSizes[dollGroup(screenType)]; }

int SPlayerEquipCtrl::SlotSize() const { return DollSlotSize(m_game->m_screenMode); }

void SPlayerEquipCtrl::SetupSlots() {
    for (uint32_t slot = 0; slot < kSlots; ++slot) {
        const SDollSlot place = DollSlotPlace(m_game->m_screenMode, slot);
        m_slotX[slot] = place.x;
        m_slotY[slot] = place.y;
    }
    m_selectedSlot = 0;
}

uint32_t SPlayerEquipCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    if (down == 0 || drag != 0) return 0;
    const int size = SlotSize();
    for (uint32_t slot = kSlotHelm; slot < kSlots; ++slot) {
        if (slot == kSlotAmmunition) continue;
        const int left = m_x + m_slotX[slot], top = m_y + m_slotY[slot];
        if (x >= left && x < left + size && y >= top && y < top + size) {
            m_selectedSlot = slot;
            return m_id;
        }
    }
    return 0;
}

void SPlayerEquipCtrl::Draw() {
    if (const SPictureEntry* doll = m_game->InterfacePicture(SInterfaceRole::kPaperDoll, 0))
        m_display->BlitOpaque(*doll, m_x, m_y);
    const DollGroup group = dollGroup(m_game->m_screenMode);
    for (uint32_t slot = kSlotHelm; slot < kSlots; ++slot) {
        const SItem* item = slot == kSlotAmmunition ? nullptr : m_game->m_player.EquippedItem(slot);
        if (item == nullptr || item->m_type == nullptr) continue;
        const int x = m_x + m_slotX[slot], y = m_y + m_slotY[slot];
        if (const SPictureEntry* picture = ItemTypePicture(*m_game, *item->m_type)) {
            const SPaletteEntry* palette = ItemTypePalette(*m_game, *item->m_type);
            switch (group) {
                case kLargeDoll: m_display->BlitOpaquePal(*picture, palette, x, y); break;
                case kSmallDoll: m_display->BlitShrink30(*picture, palette, x, y); break;
                case kTinyDoll: m_display->BlitShrink20(*picture, palette, x, y); break;
                default: m_display->BlitShrink40(*picture, palette, x, y); break;
            }
        }
        const int overlay = overlayAfter(slot);
        const SPictureEntry* cover = overlay ? m_game->InterfacePicture(SInterfaceRole::kPaperDoll, overlay) : nullptr;
        if (cover) m_display->BlitKeyed(*cover, x, y);
    }
}
