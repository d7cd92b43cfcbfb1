#include <algorithm>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/creature_pose.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_screen.h"
#include "render/view_descriptor.h"

namespace {

constexpr uint16_t kMonsterSpriteCellMiddle = 0x8000;
constexpr int kFrameShift = 8;
constexpr uint16_t kFrameBits = 7 << kFrameShift;
// How long a picture on screen stays marked as in use.
constexpr uint8_t kPictureInUse = 15;
// A monster's winding up shows once this little of the pose is left.
constexpr uint8_t kWindUpShown = 5;

enum SMonsterPicture : int {
    kStand = 0,
    kStep = 1,
    kStride = 2,
    kWindUp = 3,
    kStrike = 4,
    kHurt = 5,
    kPersonFront = 6,
};

struct SChosenPicture {
    int picture = kStand;
    bool mirrored = false;
};

// The stride picture, or the standing one mirrored for a type that has none.
SChosenPicture stride(const SMonsterBaseType* type) {
    if (type && type->PictureSlot(kStride) != 0) return {kStride, false};
    return {kStand, true};
}

SChosenPicture chooseMonsterPicture(const SMonsterBaseType* type, const SCreature& creature, int& frame) {
    const uint8_t motion = creature.state & SCreature::kMotion;
    if (creature.state & SCreature::kHit) return {kHurt, false};
    if (motion == SCreature::kMotion) {
        frame = (frame + 1) % 4;
        return frame < 2 ? SChosenPicture{kStand, false} : stride(type);
    }
    if (motion == kWindingUp && creature.displayTimer < kWindUpShown) return {kWindUp, false};
    if (motion == kStriking) return {kStrike, false};
    switch (frame) {
        case 0: return {kStand, false};
        case 2: return stride(type);
        default: return {kStep, false};
    }
}

// People show three poses from each side: d 0 from behind, 1 and 3 from the side (3 mirrored), 2
// from the front.
SChosenPicture choosePersonPicture(const SCreature& creature, int heading, int& frame) {
    if ((creature.state & SCreature::kMotion) == SCreature::kMotion) {
        if (creature.displayTimer % 4 == 0)
            frame = (frame + 1) % 4;
        else if (creature.displayTimer == 1)
            frame = 1;
    }
    const int pose = frame == 3 ? 1 : frame;
    const int side = ((FacingOf(creature) - HeadingQuarter(heading)) % 4 + 4) % 4;
    if (side == 3) return {pose + 3, true};
    return {pose + 3 * side, false};
}

}  // namespace

void SMonster::PlaceSprite(SMonsterContext& context, const SCreature& creature, SItemPileRecord& sprite) const {
    const bool person = m_kind == SMonsterBaseType::kKindPeople;
    sprite.m_picture = m_baseType ? m_baseType->PictureSlot(person ? kPersonFront : kStand) : 0;
    sprite.m_x = kMonsterSpriteCellMiddle;
    sprite.m_y = kMonsterSpriteCellMiddle;
    const int size = m_baseType ? m_baseType->m_size : 0;
    sprite.m_height = uint16_t(std::min(size * 65536 / 31, 0xFFFF));
    sprite.m_palette = context.map.Effects().IsParalyzed(creature.id) ? m_paralysedPaletteSlot : m_paletteSlot;
    SelectSprite(context, creature, sprite);
}

void SMonster::SelectSprite(SMonsterContext& context, const SCreature& creature, SItemPileRecord& sprite) const {
    int frame = (sprite.m_flags & kFrameBits) >> kFrameShift;
    const SChosenPicture chosen = m_kind == SMonsterBaseType::kKindPeople
                                      ? choosePersonPicture(creature, context.screen.PlayerHeading(), frame)
                                      : chooseMonsterPicture(m_baseType, creature, frame);
    sprite.m_flags = uint16_t((sprite.m_flags & ~kFrameBits) | (frame << kFrameShift));
    if (chosen.mirrored)
        sprite.m_flags |= SItemPileRecord::kMirrored;
    else
        sprite.m_flags &= uint16_t(~SItemPileRecord::kMirrored);
    sprite.m_picture = m_baseType ? m_baseType->PictureSlot(chosen.picture) : 0;
    context.screen.MarkPictureInUse(sprite.m_picture, kPictureInUse);
}
