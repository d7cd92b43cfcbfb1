#include "data/monsters/creature_pose.h"

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_grid.h"
#include "render/view_descriptor.h"

namespace {

constexpr int kCreaturePoseFacingShift = 3;

// West and east trade places between quarters and sides; north and south stay.
int MirrorQuarter(int quarter) { return (4 - quarter % 4) % 4; }

}  // namespace

int HeadingQuarter(int heading) { return ((heading % 360 + 360 + 45) % 360) / 90; }

int FacingOf(const SCreature& creature) { return (creature.state & SCreature::kFacing) >> kCreaturePoseFacingShift; }

void SetFacing(SCreature& creature, int facing) {
    creature.state = uint8_t((creature.state & ~SCreature::kFacing) | ((facing & 3) << kCreaturePoseFacingShift));
}

int FacingSideOf(const SCreature& creature) { return MirrorQuarter(FacingOf(creature)); }

void SetFacingSide(SCreature& creature, int side) { SetFacing(creature, MirrorQuarter(side)); }

void EnterHitPose(SCreature& creature) {
    creature.state = uint8_t((creature.state & ~SCreature::kMotion) | SCreature::kHit);
    creature.displayTimer = kHitPoseTime;
}

void SetSpritePalette(SMapGrid& grid, const SCreature& creature, uint16_t slot) {
    if (SItemPileRecord* sprite = grid.CreatureSprite(creature)) sprite->m_palette = slot;
}

bool IsMarkedDead(const SMap& map, const SCreature& creature) {
    const SPlacedObject* owner = map.FindObject(creature.ownerId);
    return owner != nullptr && (owner->flags & SPlacedObject::kClosed) != 0;
}
