// Footsteps: the player's by the ground underfoot (bare feet by the parity of the cell), and the
// ground's own sound where a creature walks, quieter the further off it is.
#include <algorithm>
#include <cstdlib>

#include "data/maps/map.h"
#include "data/player/equipment_slot.h"
#include "game/game_data.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/state_game.h"

using namespace grid_rules;

namespace {

constexpr int kFirstFootstepVolume = 10;
constexpr int kSecondFootstepVolume = 6;

// A ground type's texts name its sounds: the first and second footstep, then its own sound.
const char* soundText(const char* text) { return text != nullptr && text[0] != '\0' ? text : nullptr; }
const char* firstStepSound(const SMapObjectType& type) { return soundText(type.m_param1); }
const char* secondStepSound(const SMapObjectType& type) { return soundText(type.m_param3); }
const char* ownSound(const SMapObjectType& type) { return soundText(type.m_param4); }

}  // namespace

// The overlay, else the floor, else the floor of the map the cell shows.
const SMapObjectType* SStateGame::groundTypeAt(int x, int y) const {
    const SMapCell* cell = GetCell(x, y);
    if (cell != nullptr && cell->floorOverlay != nullptr) return cell->floorOverlay;
    if (cell != nullptr && cell->floorType != nullptr) return cell->floorType;
    const SMap* map = GetZoneMap(x, y);
    return map != nullptr ? map->FloorType() : nullptr;
}

void SStateGame::PlayStepSound(bool second) {
    const SMapCell* cell = GetCell(m_playerX, m_playerY);
    if (cell == nullptr) return;
    // A rug or a bridge laid over the floor is walked on instead, while it shows.
    const SMapObjectType* source = groundTypeAt(m_playerX, m_playerY);
    if (HasCode(cell->centreType, kTextureDecorCode) && firstStepSound(*cell->centreType) != nullptr &&
        IsShown(FindObjectAt(m_playerX, m_playerY, cell->centreId)))
        source = cell->centreType;
    const bool even = (m_playerX + m_playerY) % 2 == 0;
    const bool barefoot = m_game->m_player.EquippedItem(kSlotBoots) == nullptr;
    const char* sound = nullptr;
    if (!HasCode(source, kAnimatedGroundCode) && barefoot)
        sound = even ? "bsnd_stepbarefoot-right" : "bsnd_stepbarefoot-left";
    else if (source != nullptr)
        sound = even ? secondStepSound(*source) : firstStepSound(*source);
    if (sound != nullptr) m_game->PlaySound(sound, second ? kSecondFootstepVolume : kFirstFootstepVolume);
}

void SStateGame::PlaySecondFootstep() { PlayStepSound(true); }

void SStateGame::PlayFloorSoundFrom(int x, int y) {
    const SMapObjectType* ground = groundTypeAt(m_playerX, m_playerY);
    const char* sound = ground != nullptr ? ownSound(*ground) : nullptr;
    if (sound == nullptr) return;
    const int distance = std::abs(x - m_playerX) + std::abs(y - m_playerY);
    m_game->PlaySound(sound, std::clamp(kFirstFootstepVolume - distance, 1, kFirstFootstepVolume));
}
