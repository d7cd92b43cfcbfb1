// The player's hands in a fight: at rest as the equipment shows them, a weapon stroke with the off
// hand following or striking on its own clock, a bow drawn and loosed, a weapon thrown, and the
// gesture of a spell cast from the book or from an item.
#include <algorithm>

#include "data/effects/effect.h"
#include "data/items/equip_picture.h"
#include "data/items/fps_item.h"
#include "data/items/item_database.h"
#include "data/player/equipment_slot.h"
#include "data/spells/spell_table.h"
#include "data/spells/spell_type.h"
#include "engine/audio/volume.h"
#include "engine/base/random.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "render/render.h"
#include "render/view_descriptor.h"
#include "screens/play/hand_items.h"
#include "screens/play/hand_picture.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"

namespace {

using play_tables::kSideDx;
using play_tables::kSideDy;

constexpr const char* kFist = "bres_fpsfist";
constexpr const char* kThrow = "bres_fpsthrow";
constexpr const char* kGestures[3] = {"bres_fpscastself", "bres_fpscasttouch", "bres_fpscastother"};
constexpr uint32_t kStrokeClock = 40;
constexpr uint32_t kDrawnBowClock = 120;  // the drawn bow is held a little
constexpr uint32_t kShieldDelay = 80;
constexpr int32_t kStrokesLungeStep = 2000;
constexpr int kLastOutFrame = 4;  // a single-frame stroke turns back after it
constexpr int kBowLoosed = 2;

uint16_t percentStrokes(int32_t value) { return uint16_t(std::clamp(value, 0, 200)); }

}  // namespace

const SFpsItem* SStateGame::handPicture(const SItem* item) const {
    if (item == nullptr || item->m_type == nullptr) return nullptr;
    const SEquipPicture* equipment = m_game->m_items.FindEquipPicture(item->m_type->m_equipName.Text());
    return equipment ? m_game->m_items.FindFpsItem(equipment->m_spriteName.Text()) : nullptr;
}

uint16_t SStateGame::itemPalette(const SItem* item) const {
    if (item == nullptr || item->m_type == nullptr || item->m_type->m_paletteName.IsEmpty()) return 0;
    return uint16_t(m_game->m_cache.FindPaletteSlot(item->m_type->m_paletteName.Text()));
}

void SStateGame::UpdateHandSprites(bool skipOffHand, bool skipWeapon) {
    if (m_game == nullptr) return;
    SFpsBlock& fps = m_game->PlayView().m_fps;
    const SPlayer& player = m_game->m_player;
    const bool paralysed = player.IsParalyzed();
    const SItem* weapon = player.EquippedItem(kSlotMainHand);
    // The hand shows its rest frame: in the paralysed colours, or placed by its offsets.
    auto show = [&](const SItem* item, uint16_t& picture, uint16_t& palette, uint16_t& across, uint16_t& up,
                    int32_t base) -> const SFpsItem* {
        picture = palette = 0;
        if (!paralysed) across = up = 0;
        const bool bare = item == nullptr || hand_items::IsThrown(item);
        const SFpsItem* record = bare ? m_game->m_items.FindFpsItem(kFist) : handPicture(item);
        if (record == nullptr) return nullptr;
        const SHandPicture hand(record);
        picture = hand.Frame(hand.RestFrame());
        palette = bare ? uint16_t(0) : itemPalette(item);
        if (paralysed) {
            if (const char* name = hand.ParalysedPalette()) palette = uint16_t(m_game->m_cache.FindPaletteSlot(name));
        } else {
            across = percentStrokes(base - hand.HorizontalOffset());
            up = percentStrokes(base - hand.VerticalOffset());
        }
        return record;
    };
    if (!skipWeapon)
        show(weapon, fps.m_firstPicture, fps.m_firstPalette, fps.m_firstWidthPercent, fps.m_firstHeightPercent, 96);
    if (!skipOffHand) {
        fps.m_secondWithFirst = 0;
        if (hand_items::FiresAmmunition(weapon)) {
            fps.m_secondPicture = fps.m_secondPalette = 0;
            if (!paralysed) fps.m_secondWidthPercent = fps.m_secondHeightPercent = 0;
        } else {
            const SItem* off = player.EquippedItem(kSlotSecondHand);
            show(off, fps.m_secondPicture, fps.m_secondPalette, fps.m_secondWidthPercent, fps.m_secondHeightPercent,
                 100);
            fps.m_secondMirrored = off == nullptr || hand_items::IsShield(off) ? 1 : 0;
        }
    }
    if (m_game->m_render) m_game->m_render->UpdateProjection();
    m_viewStale = 1;
}

void SStateGame::ChooseHandSprites() { UpdateHandSprites(false, false); }

uint32_t SStateGame::Attack() {
    if (IsBusy()) return 0;
    constexpr uint16_t kNoFighting = 0x4;
    if (m_currentMap != nullptr && (m_currentMap->Flags() & kNoFighting) != 0) {
        QueueMessage("Attack is forbidden on this map.", SPlayerScreen::kOkButton, nullptr);
        return 0;
    }
    QueueAttack();
    TickMinute();
    return 0;
}

void SStateGame::QueueAttack() {
    SPlayer& player = m_game->m_player;
    auto anim = std::make_unique<SCombatAnim>();
    anim->side = int8_t(FacingSide());
    if (player.IsParalyzed()) {
        anim->kind = SCombatAnim::kParalysedLunge;
        QueueCombatAnim(std::move(anim));
        return;
    }
    anim->kind = SCombatAnim::kStroke;
    SItem* weapon = player.EquippedItem(kSlotMainHand);
    anim->item = weapon;
    if (hand_items::FiresAmmunition(weapon)) {
        // No arrows, no shot: a spent quiver leaves the pack and the bow stays still.
        SItem* quiver = player.EquippedItem(kSlotAmmunition);
        if (quiver != nullptr && quiver->m_amount == 0) {
            player.DeleteItemIfUsedUp(quiver);
            quiver = nullptr;
        }
        if (quiver == nullptr) {
            QueueMessage("You need to select a quiver.", SPlayerScreen::kOkButton, nullptr);
            QueueCombatAnim(std::move(anim));
            return;
        }
        anim->firesAmmunition = 1;
        anim->picture2 = handPicture(quiver);
        anim->palette2 = itemPalette(quiver);
    } else if (hand_items::IsThrown(weapon)) {
        if (weapon->m_amount == 0) {
            player.DeleteItemIfUsedUp(weapon);
            anim->item = nullptr;
            QueueCombatAnim(std::move(anim));
            return;
        }
        anim->thrown = 1;
    }
    anim->handActive = 1;

    if (weapon == nullptr) {
        anim->picture = m_game->m_items.FindFpsItem(kFist);
        anim->fullSequence = 1;
    } else if (anim->thrown != 0) {
        anim->picture = m_game->m_items.FindFpsItem(kThrow);
    } else {
        anim->picture = handPicture(weapon);
        anim->palette = itemPalette(weapon);
        if (anim->firesAmmunition == 0) {
            const SHandPicture hand(anim->picture);
            const bool either = hand.EitherWay() && m_game->m_random->Next(100) < 50;
            anim->fullSequence = hand.StrikeFrame() == SHandPicture::kNoStrikeFrame || either ? 1 : 0;
            if (anim->fullSequence == 0) anim->frame = int8_t(hand.StrikeFrame());
        }
    }
    if (anim->firesAmmunition != 0) {
        QueueCombatAnim(std::move(anim));
        return;
    }

    SItem* off = player.EquippedItem(kSlotSecondHand);
    anim->thrownItem = off;
    if (off == nullptr) {
        anim->picture2 = m_game->m_items.FindFpsItem(kFist);
        anim->offHandMode = SCombatAnim::kOffHandFollows;
        anim->offHandIsShield = 1;
    } else {
        anim->picture2 = handPicture(off);
        anim->palette2 = itemPalette(off);
        const bool shield = hand_items::IsShield(off);
        anim->offHandIsShield = shield ? 1 : 0;
        if (shield && anim->thrown == 0) {
            anim->offHandMode = SCombatAnim::kOffHandOwnClock;
            anim->secondStep = platform::TickCount() + kShieldDelay;
            const SHandPicture hand(anim->picture2);
            if (hand.StrikeFrame() == SHandPicture::kNoStrikeFrame)
                anim->offHandFullSequence = 1;
            else if (hand.EitherWay() && anim->fullSequence == 0)
                anim->offHandFullSequence = m_game->m_random->Next(100) < 50 ? 1 : 0;
            if (anim->offHandFullSequence == 0) anim->offHandFrame = int8_t(hand.StrikeFrame());
        } else {
            anim->offHandMode = SCombatAnim::kOffHandFollows;
        }
    }
    QueueCombatAnim(std::move(anim));
}

bool SStateGame::advanceStroke(SCombatAnim& anim, uint32_t now) {
    if (anim.handActive != 0) {
        const bool drawn = anim.firesAmmunition != 0 && anim.frame == 1;
        if (anim.lastStep == 0 || now - anim.lastStep >= (drawn ? kDrawnBowClock : kStrokeClock)) {
            anim.lastStep = std::max(now, 1u);
            weaponFrame(anim);
        }
    }
    if (anim.offHandMode == SCombatAnim::kOffHandOwnClock && int32_t(now - anim.secondStep) >= int32_t(kStrokeClock)) {
        anim.secondStep = now;
        advanceOffHand(anim, now);
    }
    return anim.handActive == 0 && anim.offHandMode == SCombatAnim::kOffHandIdle;
}

void SStateGame::weaponFrame(SCombatAnim& anim) {
    SFpsBlock& fps = m_game->PlayView().m_fps;
    const SHandPicture hand(anim.picture);
    const int count = hand.FrameCount();
    const bool single = anim.fullSequence == 0 && anim.thrown == 0 && anim.firesAmmunition == 0;
    if (anim.returning == 0 && ((anim.fullSequence != 0 && anim.frame == 3) || (single && anim.frame > kLastOutFrame)))
        ResolveHitAhead(anim);
    if (anim.returning == 0 &&
        ((anim.fullSequence != 0 && anim.frame >= count + 1) || (anim.fullSequence == 0 && anim.frame > kLastOutFrame)))
        anim.returning = 1;
    const bool home = anim.fullSequence != 0 ? anim.frame == hand.RestFrame() || anim.frame <= 0 : anim.frame <= 1;
    if (anim.returning != 0 && home) {
        UpdateHandSprites(true, false);
        anim.handActive = 0;
        if (anim.offHandMode == SCombatAnim::kOffHandFollows) {
            UpdateHandSprites(false, true);
            anim.offHandMode = SCombatAnim::kOffHandIdle;
        }
        m_fractionX = m_fractionY = kCellCentre;
        m_viewStale = 1;
        return;
    }
    const int f = anim.frame;
    if (single) {
        if (anim.returning == 0) {
            fps.m_firstHeightPercent = percentStrokes(f * 100 / 6);
            fps.m_firstWidthPercent = percentStrokes(f * 65 / 6 + 26);
        } else {
            const int k = hand.HorizontalOffset();
            fps.m_firstHeightPercent = percentStrokes(f * 20 / 6 + 80);
            fps.m_firstWidthPercent = percentStrokes(std::min(f * k / 6 - k + 95, 85));
        }
    } else {
        fps.m_firstHeightPercent = anim.returning != 0 && anim.item != nullptr ? 80 : 100;
        fps.m_firstWidthPercent = anim.firesAmmunition != 0 ? 80 : 96;
    }
    if (f < count) {
        fps.m_firstPicture = anim.fullSequence != 0 || anim.thrown != 0 ? hand.Frame(f)
                                                                        : hand.Frame(hand.StrikeFrame());
        fps.m_firstPalette = anim.palette;
    }
    if (anim.thrown == 0 && anim.firesAmmunition == 0) {
        m_fractionX = kCellCentre + kSideDx[anim.side] * f * kStrokesLungeStep;
        m_fractionY = kCellCentre + kSideDy[anim.side] * f * kStrokesLungeStep;
    }
    if (anim.firesAmmunition != 0 && anim.returning == 0) {
        if (f == 0) {
            if (const char* sound = hand.Sound()) PlaySound(sound, kLoudestVolume);
            const SHandPicture missile(anim.picture2);
            fps.m_secondWithFirst = 1;
            fps.m_secondPicture = missile.Frame(0);
            fps.m_secondPalette = anim.palette2;
            fps.m_secondWidthPercent = fps.m_secondHeightPercent = missile.HoldOffset();
        } else if (f == kBowLoosed) {
            QueuePlayerMissile(anim);
            fps.m_secondWithFirst = 0;
            fps.m_secondPicture = fps.m_secondPalette = 0;
        }
    } else if (anim.thrown != 0 && anim.returning == 0 && f == 0) {
        if (const char* sound = hand.Sound()) PlaySound(sound, kLoudestVolume);
        QueuePlayerMissile(anim);
    }
    if (anim.offHandMode == SCombatAnim::kOffHandFollows) {
        const int n = std::max(count, 1);
        const SHandPicture offHand(anim.picture2);
        if (anim.thrownItem == nullptr) {
            fps.m_secondHeightPercent = percentStrokes(std::min((100 - offHand.VerticalOffset()) - 50 * f / n, 100));
            fps.m_secondWidthPercent = percentStrokes((100 - offHand.HorizontalOffset()) - 20 * f / n);
        } else {
            fps.m_secondHeightPercent = percentStrokes(std::min(80 - 10 * f / n, 100));
            fps.m_secondWidthPercent = percentStrokes((anim.offHandIsShield != 0 ? 100 : 70) - 5 * f / n);
        }
        fps.m_secondMirrored = anim.offHandIsShield;
        fps.m_secondPicture = offHand.Frame(0);
        fps.m_secondPalette = anim.palette2;
    }
    anim.frame = int8_t(f + (anim.returning != 0 ? -1 : 1));
    if (m_game->m_render) m_game->m_render->UpdateProjection();
    m_viewStale = 1;
}

void SStateGame::advanceOffHand(SCombatAnim& anim, uint32_t) {
    SFpsBlock& fps = m_game->PlayView().m_fps;
    const SHandPicture hand(anim.picture2);
    const int n = std::max(hand.FrameCount(), 1);
    const int f = anim.offHandFrame;
    if (anim.offHandReturning == 0 && f > hand.FrameCount() + 1) {
        anim.offHandFrame = int8_t(f - 2);
        anim.offHandReturning = 1;
        return;
    }
    if (anim.offHandReturning != 0 && (f == hand.RestFrame() || f <= 0)) {
        UpdateHandSprites(false, true);
        anim.offHandMode = SCombatAnim::kOffHandIdle;
        return;
    }
    if (anim.offHandFullSequence == 0) {
        fps.m_secondHeightPercent = percentStrokes(std::min(f, n) * 60 / n + 40);
        fps.m_secondWidthPercent = percentStrokes(std::min(f, n) * 20 / n + 80);
        fps.m_secondPicture = hand.Frame(hand.StrikeFrame());
    } else {
        fps.m_secondHeightPercent = anim.offHandReturning != 0 && anim.thrownItem != nullptr ? 80 : 100;
        fps.m_secondWidthPercent = percentStrokes(100 - hand.HorizontalOffset());
        fps.m_secondPicture = hand.Frame(f);
    }
    fps.m_secondPalette = anim.palette2;
    anim.offHandFrame = int8_t(f + (anim.offHandReturning != 0 ? -1 : 1));
    if (m_game->m_render) m_game->m_render->UpdateProjection();
    m_viewStale = 1;
}

void SStateGame::QueuePlayerMissile(const SCombatAnim& stroke) {
    SPlayer& player = m_game->m_player;
    SItem* item = stroke.firesAmmunition != 0 ? player.EquippedItem(kSlotAmmunition) : stroke.item;
    if (item == nullptr) return;
    auto anim = std::make_unique<SCombatAnim>();
    anim->kind = SCombatAnim::kMissile;
    anim->cellX = uint16_t(m_playerX);
    anim->cellY = uint16_t(m_playerY);
    anim->side = stroke.side;
    anim->firesAmmunition = stroke.firesAmmunition;
    anim->thrown = stroke.thrown;
    anim->spriteSize = stroke.firesAmmunition != 0 ? 4000 : 8000;
    const int32_t aside = stroke.firesAmmunition != 0 ? 20384 : 32767;
    const int across = (anim->side + 1) % 4;
    anim->subX = kCellCentre + aside * kSideDx[across];
    anim->subY = kCellCentre + aside * kSideDy[across];
    if (item->m_amount != 0) --item->m_amount;
    anim->thrownItem = item;
    anim->picture2 = handPicture(item);
    anim->palette2 = itemPalette(item);
    m_currentStroke = stroke;
    QueueCombatAnim(std::move(anim));
}

void SStateGame::CastAnimation(const SSpellType& spell, int32_t strength) {
    auto anim = std::make_unique<SCombatAnim>();
    anim->kind = SCombatAnim::kGesture;
    anim->spell = &spell;
    anim->strength = strength;
    const int gesture = std::clamp<int>(spell.m_targetKind, kTargetSelf, kTargetRanged) - 1;
    anim->picture2 = m_game->m_items.FindFpsItem(kGestures[gesture]);
    anim->picture = anim->picture2;
    SItem* weapon = m_game->m_player.EquippedItem(kSlotMainHand);
    if (hand_items::IsStaff(weapon)) {
        anim->wieldedPicture = 1;
        anim->item = weapon;
        anim->picture = handPicture(weapon);
        anim->palette = itemPalette(weapon);
    }
    QueueCombatAnim(std::move(anim));
}

void SStateGame::QueueItemCast(SItem& item) {
    const SEffectList* effects = item.Effects();
    const SEffect* effect = effects != nullptr && effects->Count() > 0 ? effects->Get(0) : nullptr;
    const SSpellType* spell = effect ? m_game->m_spells.FindSpell(effect->m_target.Text()) : nullptr;
    if (spell == nullptr) return;
    if (m_game->m_player.IsParalyzed() && spell->m_targetKind != kTargetSelf) {
        auto lunge = std::make_unique<SCombatAnim>();
        lunge->kind = SCombatAnim::kParalysedLunge;
        lunge->side = int8_t(FacingSide());
        QueueCombatAnim(std::move(lunge));
        return;
    }
    CastAnimation(*spell, effect->m_baseMagnitude);
    SCombatAnim& anim = *m_combatAnims.back();
    anim.item = &item;
    const uint8_t subtype = item.m_type ? item.m_type->m_subtype : 0;
    if (subtype == kMagicWand || subtype == kMagicEmptyWand) {
        anim.itemPicture = 1;
        anim.wieldedPicture = 0;
        anim.picture = handPicture(&item);
        anim.palette = itemPalette(&item);
    }
}

bool SStateGame::advanceGesture(SCombatAnim& anim) {
    const int lift = m_fast != 0 ? 3 : 5;
    const bool ownPicture = anim.itemPicture != 0 || anim.wieldedPicture != 0;
    if (anim.frame == 0 && anim.returning == 0 && anim.spell != nullptr && !anim.spell->m_castSound.IsEmpty() &&
        anim.offHandFrame == 0) {
        anim.offHandFrame = 1;  // the casting sound is played
        PlaySound(anim.spell->m_castSound.Text(), kLoudestVolume);
    }
    if (anim.returning == 0 && anim.frame > lift + (ownPicture ? 3 : 2)) {
        anim.returning = 1;
        if (anim.spell != nullptr) CastSpell(*anim.spell, anim.strength, false, 0, 0, int(FacingSide()));
        spendSpellItem(anim);
    }
    if (anim.returning != 0 && anim.frame <= 0) {
        UpdateHandSprites(false, false);
        return true;
    }
    SFpsBlock& fps = m_game->PlayView().m_fps;
    const SHandPicture hand(anim.picture);
    const int last = std::max(hand.FrameCount() - 1, 0);
    fps.m_secondPicture = SHandPicture(anim.picture2).Frame(0);
    if (!ownPicture)
        fps.m_firstPicture = hand.Frame(1);
    else
        fps.m_firstPicture = hand.Frame(anim.returning != 0 ? 0 : std::min<int>(anim.frame, last));
    const uint16_t up = percentStrokes(std::min<int>(anim.frame, lift) * (100 / lift));
    fps.m_firstHeightPercent = fps.m_secondHeightPercent = up;
    fps.m_firstWidthPercent = fps.m_secondWidthPercent = 96;
    fps.m_firstPalette = fps.m_secondPalette = 0;
    fps.m_secondWithFirst = fps.m_secondMirrored = 0;
    anim.frame = int8_t(anim.frame + (anim.returning != 0 ? -1 : 1));
    if (m_game->m_render) m_game->m_render->UpdateProjection();
    m_viewStale = 1;
    return false;
}

// A wand spends a charge; a scroll is read away.
void SStateGame::spendSpellItem(SCombatAnim& anim) {
    if (anim.wieldedPicture != 0 || anim.item == nullptr || anim.item->m_type == nullptr) return;
    if (!hand_items::IsClass(anim.item, kItemMagic)) return;
    const uint8_t subtype = anim.item->m_type->m_subtype;
    if (subtype == kMagicWand) {
        if (anim.item->m_amount != 0) --anim.item->m_amount;
    } else if (subtype == kMagicScroll || subtype == kMagicBlankScroll) {
        m_game->m_player.RemoveOwnedItem(anim.item);
        anim.item = nullptr;
    }
}
