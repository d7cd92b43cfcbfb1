#pragma once
// SPlayerEquipCtrl: the paper doll: the player's figure with the worn items on it, each at its
// slot's place, and which slot the stylus touched. The ammunition slot is carried, not worn, so
// it is neither drawn nor touchable.
#include <array>
#include <cstdint>

#include "data/player/equipment_slot.h"
#include "ui/ctrl.h"

// Where a slot's square lies from the doll's top left on a screen type; (0, 0) for the
// ammunition slot and outside 1..13.
struct SDollSlot {
    int32_t x = 0;
    int32_t y = 0;
};
SDollSlot DollSlotPlace(uint32_t screenType, uint32_t slot);
// The side of the slots' squares on a screen type, the size worn items are drawn at.
int DollSlotSize(uint32_t screenType);

class SPlayerEquipCtrl : public SCtrl {
public:
    static constexpr uint32_t kSlots = kLastEquipmentSlot + 1;  // index 0 holds no slot

    SPlayerEquipCtrl() { m_input = SCtrlInput::kPen; }

    // The slot places of the current screen type; no slot chosen.
    void SetupSlots();
    // DollSlotSize of the current screen type.
    int SlotSize() const;

    // A press without drag on a slot's square chooses it (the lower slot where squares overlap)
    // and answers the id; elsewhere 0 and the choice stays.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    void Draw() override;

    std::array<int32_t, kSlots> m_slotX{};  // from the control's x
    std::array<int32_t, kSlots> m_slotY{};
    uint32_t m_selectedSlot = 0;  // 0 none
};
