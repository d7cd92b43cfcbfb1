// The combat queue's records that fly, bloom and jolt: missiles and spell missiles from cell to
// cell, spell effects over the portrait and in a cell, the jolt of a blow the player takes, the
// lunge of a paralysed attack and the shield rising against a monster's blow. Each steps on its
// own millisecond clock, so that the fight runs at the same speed whatever the frame rate.
#include <algorithm>
#include <cstdlib>

#include "data/items/fps_item.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/player/equipment_slot.h"
#include "data/spells/spell_effect.h"
#include "data/spells/spell_type.h"
#include "engine/audio/volume.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "render/render.h"
#include "render/view_descriptor.h"
#include "screens/play/hand_picture.h"
#include "screens/play/monster_traits.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"

namespace {

using play_tables::kSideDx;
using play_tables::kSideDy;

constexpr uint32_t kFastClock = 40;
constexpr uint32_t kEffectClock = 80;
constexpr int32_t kCombatAnimsCell = 65536;
constexpr int32_t kHalfCell = 32768;
constexpr int kMostCells = 7;
constexpr uint16_t kMissileSize = 4000;
constexpr int32_t kDrift = 1000;
constexpr int kLungeFrames = 5;
constexpr int32_t kLungeStep = 2000;
constexpr uint32_t kCombatAnimsFightTurns = 4;

// Whether the record's clock allows a step now; the step's tick is kept when it does. Elapsed time
// is the unsigned difference, so that the tick counter's wrap does no harm.
bool due(uint32_t& stamp, uint32_t clock, uint32_t now) {
    if (stamp != 0 && now - stamp < clock) return false;
    stamp = std::max(now, 1u);
    return true;
}

uint16_t spritePosition(int32_t value) { return uint16_t(std::clamp(value, 0, 0xFFFF)); }

// The side looking back at the one a missile flew along, as the player's hit routine counts it.
int32_t attackSideOf(int side) { return ((side % 2) * 2 + 6 - side) % 4; }

}  // namespace

bool SStateGame::AdvanceCombatAnim(SCombatAnim& anim) {
    const uint32_t now = platform::TickCount();
    switch (anim.kind) {
        case SCombatAnim::kStroke: return advanceStroke(anim, now);
        case SCombatAnim::kMissile: return due(anim.secondStep, kFastClock, now) && advanceMissile(anim);
        case SCombatAnim::kGesture: return due(anim.lastStep, kFastClock, now) && advanceGesture(anim);
        case SCombatAnim::kSelfEffect: return due(anim.lastStep, kEffectClock, now) && advanceSelfEffect(anim);
        case SCombatAnim::kCellEffect: return due(anim.lastStep, kEffectClock, now) && advanceCellEffect(anim);
        case SCombatAnim::kSpellMissile: return due(anim.lastStep, kFastClock, now) && advanceSpellMissile(anim);
        case SCombatAnim::kHurt: return due(anim.lastStep, kFastClock, now) && advanceHurt(anim);
        case SCombatAnim::kParalysedLunge: return due(anim.lastStep, kFastClock, now) && advanceLunge(anim);
        case SCombatAnim::kShieldRaise: return due(anim.lastStep, kFastClock, now) && advanceShieldRaise(anim);
        default: return false;
    }
}

SCellViewRecord* SStateGame::spriteCell(const SCombatAnim& anim) const { return GetRenderCell(anim.cellX, anim.cellY); }

void SStateGame::drawInCell(const SCombatAnim& anim, const SFpsItem* picture, int frame, uint16_t palette) {
    SCellViewRecord* view = spriteCell(anim);
    if (view == nullptr) return;
    const uint16_t slot = SHandPicture(picture).Frame(frame);
    view->m_spritePicture = slot;
    view->m_spritePalette = slot != 0 ? palette : uint16_t(0);
    view->m_spriteX = spritePosition(anim.subX);
    view->m_spriteY = spritePosition(anim.subY);
    view->m_spriteHeight = anim.spriteSize;
    m_viewStale = 1;
}

bool SStateGame::attackerStands(const SCombatAnim& anim) const {
    return anim.attacker != nullptr && anim.attackerMap != nullptr &&
           anim.attackerMap->FindCreature(anim.attackerId) == anim.attacker && anim.attacker->monster != nullptr;
}

// Half a cell a frame; true when the flight entered a cell that ends it.
bool SStateGame::flyOn(SCombatAnim& anim, bool& middle) {
    anim.subX += kSideDx[anim.side] * kHalfCell;
    anim.subY += kSideDy[anim.side] * kHalfCell;
    int dx = 0, dy = 0;
    if (anim.subX <= 0 && kSideDx[anim.side] < 0) dx = -1;
    if (anim.subX >= kCombatAnimsCell) dx = 1;
    if (anim.subY <= 0 && kSideDy[anim.side] < 0) dy = -1;
    if (anim.subY >= kCombatAnimsCell) dy = 1;
    middle = dx == 0 && dy == 0;
    if (middle) return false;
    anim.subX -= dx * kCombatAnimsCell;
    anim.subY -= dy * kCombatAnimsCell;
    const int x = anim.cellX + dx, y = anim.cellY + dy;
    ++anim.cellsTravelled;
    // A cell that no map fills stops a missile as the grid's edge does.
    if (!IsOnGrid(x, y) || GetZoneMap(x, y) == nullptr || anim.cellsTravelled > kMostCells) return true;
    anim.cellX = uint16_t(x);
    anim.cellY = uint16_t(y);
    return false;
}

bool SStateGame::advanceMissile(SCombatAnim& anim) {
    if (anim.cellX >= kGridSize || anim.cellY >= kGridSize) return true;
    if (SCellViewRecord* view = spriteCell(anim)) view->m_spritePicture = 0;
    m_viewStale = 1;
    if (anim.hit != 0) {
        if (anim.byPlayer != 0) {
            const int32_t penalty = OnSurface() ? (IsNight() ? 50 : 0) + m_rain.intensity / 20 : 0;
            ResolveHitAt(anim.cellX, anim.cellY, penalty, anim);
        } else if (attackerStands(anim)) {
            if (anim.cellX == m_playerX && anim.cellY == m_playerY) {
                if (std::optional<SMonsterContext> rules = monsterContext(*anim.attackerMap))
                    m_game->m_player.TakeHit(*rules, *anim.attacker, attackSideOf(anim.side), true);
            } else if (SMap* map = GetZoneMap(anim.cellX, anim.cellY)) {
                MissileHitsCreature(*map, anim.cellX, anim.cellY, *anim.attacker);
            }
        }
        return true;
    }
    bool middle = false;
    if (flyOn(anim, middle)) return true;
    if (middle) {
        int wallSide = -1;
        const bool blocks = CellBlocksMissile(anim.cellX, anim.cellY, anim.side, wallSide, false);
        if (anim.byPlayer == 0) {
            if (blocks || (anim.cellX == m_playerX && anim.cellY == m_playerY)) {
                anim.hit = 1;
                return false;
            }
        } else {
            if (blocks) anim.hit = 1;
        }
    }
    if (anim.byPlayer != 0) {
        const int drift = (anim.side + 3) % 4;
        anim.subX += kSideDx[drift] * kDrift;
        anim.subY += kSideDy[drift] * kDrift;
    }
    drawInCell(anim, anim.picture2, anim.firesAmmunition != 0 ? 1 : 0, anim.palette2);
    return false;
}

bool SStateGame::advanceSpellMissile(SCombatAnim& anim) {
    if (anim.cellX >= kGridSize || anim.cellY >= kGridSize) return true;
    if (SCellViewRecord* view = spriteCell(anim)) view->m_spritePicture = 0;
    m_viewStale = 1;
    if (anim.hit != 0) return true;
    bool middle = false;
    if (flyOn(anim, middle)) return true;
    if (middle) {
        int wallSide = -1;
        const bool blocks = CellBlocksMissile(anim.cellX, anim.cellY, anim.side, wallSide, true);
        const bool atPlayer = anim.cellX == m_playerX && anim.cellY == m_playerY;
        if (anim.byPlayer == 0 && (blocks || atPlayer)) {
            if (attackerStands(anim))
                QueueMonsterSpell(anim.cellX, anim.cellY, anim.side, *anim.spell, anim.strength, true, *anim.attacker,
                                  *anim.attackerMap);
            anim.hit = 1;
            return false;
        }
        if (anim.byPlayer != 0 && blocks) {
            CastSpell(*anim.spell, anim.strength, true, anim.cellX, anim.cellY, anim.side);
            anim.hit = 1;
            return false;
        }
    }
    const SFrameHolder* frames = anim.effectAnim;
    const int count = frames ? int(frames->m_frameSlots.size()) : 0;
    constexpr uint8_t kLooping = 1;
    if (anim.effectAnim != nullptr && anim.effectAnim->m_value == kLooping && count > 1) {
        anim.frame = int8_t((anim.frame + 1) % count);
    }
    if (SCellViewRecord* view = spriteCell(anim); view != nullptr && count > 0) {
        view->m_spritePicture = uint16_t(frames->m_frameSlots[size_t(std::min<int>(anim.frame, count - 1))]);
        view->m_spritePalette = anim.effectPalette;
        view->m_spriteX = spritePosition(anim.subX);
        view->m_spriteY = spritePosition(anim.subY);
        view->m_spriteHeight = kMissileSize;
    }
    return false;
}

bool SStateGame::advanceSelfEffect(SCombatAnim& anim) {
    const int count = anim.effectAnim ? int(anim.effectAnim->m_frameSlots.size()) : 0;
    if (anim.frame == 0 && anim.returning == 0) {
        anim.returning = 1;  // the first frame's sound is played
        if (anim.spell != nullptr && !anim.spell->m_castSound.IsEmpty())
            PlaySound(anim.spell->m_castSound.Text(), kLoudestVolume);
    }
    if (anim.frame >= count) {
        m_portrait.ClearOverlay();
        m_portrait.SetDirty();
        return true;
    }
    m_portrait.SetOverlay(anim.effectAnim->m_frameSlots[size_t(anim.frame)], anim.effectPalette);
    m_portrait.SetDirty();
    ++anim.frame;
    return false;
}

bool SStateGame::advanceCellEffect(SCombatAnim& anim) {
    const int count = anim.effectAnim ? int(anim.effectAnim->m_frameSlots.size()) : 0;
    if (anim.returning == 0) {
        anim.returning = 1;
        const int distance = std::abs(anim.cellX - m_playerX) + std::abs(anim.cellY - m_playerY);
        if (anim.spell != nullptr && !anim.spell->m_castSound.IsEmpty())
            PlaySound(anim.spell->m_castSound.Text(), std::max(kLoudestVolume - distance, 1));
    }
    SCellViewRecord* view = spriteCell(anim);
    if (view != nullptr) view->m_spritePicture = 0;
    m_viewStale = 1;
    if (anim.frame >= count) return true;
    if (view != nullptr) {
        view->m_spritePicture = uint16_t(anim.effectAnim->m_frameSlots[size_t(anim.frame)]);
        view->m_spritePalette = anim.effectPalette;
        view->m_spriteX = spritePosition(anim.subX);
        view->m_spriteY = spritePosition(anim.subY);
        view->m_spriteHeight = anim.spriteSize;
    }
    ++anim.frame;
    return false;
}

bool SStateGame::advanceHurt(SCombatAnim& anim) {
    const int frames = m_fast != 0 ? 4 : 6;
    const int32_t step = m_fast != 0 ? 200 : 400;
    if (anim.frame == 0 && anim.returning == 0)
        PlaySound(anim.poison != 0 ? "bsnd_hitpoison" : "bsnd_hitclub", kLoudestVolume);
    if (anim.frame < frames) {
        if (anim.poison == 0 && anim.side >= 0) {
            const int32_t size = step * (anim.frame == 0 ? 10 : 1) * (anim.returning != 0 ? 1 : -1);
            m_fractionX += kSideDx[anim.side] * size;
            m_fractionY += kSideDy[anim.side] * size;
            if (anim.frame == frames / 2) anim.returning = 1;
            m_viewStale = 1;
        }
        // The overlay's drawing mode is the damage: none for a harmless blow.
        if (anim.amount != 0)
            m_portrait.SetInterfaceOverlay(m_game->InterfacePicture(SInterfaceRole::kHurtPictures, anim.poison),
                                           anim.amount);
        ++anim.frame;
        return false;
    }
    if (anim.amount != 0) m_portrait.ClearOverlay();
    if (anim.poison == 0) {
        m_fractionX = kCellCentre;
        m_fractionY = kCellCentre;
        m_viewStale = 1;
    }
    return true;
}

bool SStateGame::advanceLunge(SCombatAnim& anim) {
    if (anim.frame < kLungeFrames) {
        const int g = anim.frame < 3 ? anim.frame : kLungeFrames - anim.frame;
        m_fractionX = kCellCentre + kSideDx[anim.side] * g * kLungeStep;
        m_fractionY = kCellCentre + kSideDy[anim.side] * g * kLungeStep;
        m_viewStale = 1;
        ++anim.frame;
        return false;
    }
    UpdateHandSprites(false, false);
    m_fractionX = kCellCentre;
    m_fractionY = kCellCentre;
    m_monsterPassRequest = 1;
    return true;
}

bool SStateGame::advanceShieldRaise(SCombatAnim& anim) {
    if (anim.startDelay > 0) {
        --anim.startDelay;
        return false;
    }
    const bool fast = m_fast != 0;
    const int a = fast ? 3 : 6, b = fast ? 5 : 10, c = fast ? 8 : 18, end = fast ? 12 : 26;
    const bool still = anim.frame < a || (anim.frame >= b && anim.frame <= c);
    if (!still) {
        SFpsBlock& fps = m_game->PlayView().m_fps;
        const int32_t sign = anim.frame < c ? 2 : -1;  // up by the step, down by half of it
        fps.m_secondWidthPercent = uint16_t(std::clamp(fps.m_secondWidthPercent + sign * anim.stepX / 2, 0, 200));
        fps.m_secondHeightPercent = uint16_t(std::clamp(fps.m_secondHeightPercent + sign * anim.stepY / 2, 0, 200));
        if (m_game->m_render) m_game->m_render->UpdateProjection();
        m_viewStale = 1;
    }
    ++anim.frame;
    if (anim.frame < end) return false;
    UpdateHandSprites(false, true);
    return true;
}

SCombatAnim* SStateGame::FindPendingAttack(int side) const {
    for (const auto& anim : m_combatAnims)
        if (anim->kind == SCombatAnim::kShieldRaise && (side == -1 || anim->side == side)) return anim.get();
    return nullptr;
}

void SStateGame::QueueShieldRaise(int delay, int side) {
    auto anim = std::make_unique<SCombatAnim>();
    anim->kind = SCombatAnim::kShieldRaise;
    anim->side = int8_t(side);
    const bool fast = m_fast != 0;
    anim->startDelay = uint8_t(std::clamp(delay * (fast ? 2 : 1), 0, 255));
    const SFpsBlock& fps = m_game->PlayView().m_fps;
    const int32_t parts = fast ? 2 : 4;
    anim->stepX = (100 - int32_t(fps.m_secondWidthPercent)) / parts;
    anim->stepY = (100 - int32_t(fps.m_secondHeightPercent)) / parts;
    anim->picture = handPicture(m_game->m_player.EquippedItem(kSlotSecondHand));
    QueueCombatAnim(std::move(anim));
}

void SStateGame::QueueHitFromSide(int32_t side, int32_t damage) {
    auto anim = std::make_unique<SCombatAnim>();
    anim->kind = SCombatAnim::kHurt;
    anim->side = int8_t(side >= 0 && side < 4 ? side : -1);
    anim->amount = uint32_t(std::max(0, damage));
    QueueCombatAnim(std::move(anim));
    refreshBars();
    m_hpBar.SetDirty();
    if (const SCombatAnim* raise = FindPendingAttack(side < 0 ? -1 : side)) {
        if (const char* sound = SHandPicture(raise->picture).Sound()) PlaySound(sound, kLoudestVolume);
    }
    m_fightCounter = kCombatAnimsFightTurns;
    UpdateMusic();
}

void SStateGame::QueuePoisonHurt(int32_t amount) {
    auto anim = std::make_unique<SCombatAnim>();
    anim->kind = SCombatAnim::kHurt;
    anim->poison = 1;
    anim->side = -1;
    anim->lastStep = 1;
    anim->amount = uint32_t(std::max(0, amount));
    QueueCombatAnim(std::move(anim));
    refreshBars();
    m_hpBar.SetDirty();
}

void SStateGame::SetHpBar(int32_t percent) {
    m_hpBar.SetPercent(uint32_t(std::clamp(percent, 0, 100)));
    m_hpBar.SetDirty();
}

void SStateGame::SetManaBar(int32_t percent) {
    m_manaBar.SetPercent(uint32_t(std::clamp(percent, 0, 100)));
    m_manaBar.SetDirty();
}

void SStateGame::QueueMonsterAttackAnim(int x, int y, int side, SMap& map, SCreature& creature, const SFpsItem& missile,
                                        uint16_t palette) {
    auto anim = std::make_unique<SCombatAnim>();
    anim->kind = SCombatAnim::kMissile;
    anim->byPlayer = 0;
    anim->cellX = uint16_t(x);
    anim->cellY = uint16_t(y);
    anim->side = int8_t(side & 3);
    anim->spriteSize = kMissileSize;
    anim->subX = anim->subY = kHalfCell;
    anim->picture2 = &missile;
    anim->palette2 = palette;
    anim->attacker = &creature;
    anim->attackerId = creature.id;
    anim->attackerMap = &map;
    // Two creatures in one cell shoot from its left and its right.
    const SMapCell* cell = GetCell(x, y);
    const int across = (anim->side + 1) % 4;
    const int32_t apart = monster_traits::IsWide(creature.monster) ? 16000 : 10000;
    if (cell != nullptr && cell->creatures[0] != 0 && cell->creatures[1] != 0) {
        const int32_t sign = cell->creatures[0] == creature.id ? 1 : -1;
        anim->subX += sign * apart * kSideDx[across];
        anim->subY += sign * apart * kSideDy[across];
        const std::string suffixed = std::string(missile.m_name.Text()) + (sign > 0 ? "left" : "right");
        if (const SFpsItem* own = m_game->m_items.FindFpsItem(suffixed.c_str())) anim->picture2 = own;
    }
    QueueCombatAnim(std::move(anim));
}
