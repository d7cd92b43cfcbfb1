#include "data/map_objects/furniture/map_object_npc.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/spells/spell_type.h"

namespace {

constexpr uint16_t kNpcDrawCode = 24;  // + the side

}  // namespace

void SMapObjectNpc::BuildSideRecord(SPlacedObject*, SMapCell& cell, int side, SSideOverlayRecord& record, uint16_t&) {
    if (!IsSide(side)) return;
    SSidePicture character = MountedPicture(cell.sides[side], side);
    character.drawCode = uint16_t(kNpcDrawCode + side);
    SetSidePicture(record, side, character);
}

int SMapObjectNpc::OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell*, int, int, bool&) {
    SMapObjectScreen* screen = Screen();
    if (screen == nullptr) return 0;
    const SSpellType* spell = event == kSpellCast ? screen->SpellBeingCast() : nullptr;
    if (event == kAttacked || (spell != nullptr && spell->IsOffensive())) {
        screen->ShowMessage("You've tried to attack peaceful people!");
        screen->AddPlayerCrime(kCrimeOfAttack);
    } else if (event == kUsed) {
        screen->TalkToObjectNpc(map, object, *this);
    }
    return 0;
}
