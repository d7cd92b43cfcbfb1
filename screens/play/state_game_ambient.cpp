// The sounds of the world around the player: the looping sounds of the objects within 7 cells,
// quieter with the distance, the rain's loop on the surface, the voices that an ambient-sound
// place gives now and then, and the fight counter that chooses the fight music.
#include <algorithm>
#include <cstdlib>

#include "data/map_objects/map_object_type.h"
#include "data/map_objects/passages/map_object_ambient_sound.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "engine/audio/volume.h"
#include "engine/base/random.h"
#include "engine/files/unix_time.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "screens/play/wall_clock.h"

namespace {

constexpr int kNearby = 7;
// A layer's loops sound this much below a sound played at the same place.
constexpr int kLayerOneQuieter = 5;
constexpr int kLayerTwoQuieter = 6;
constexpr uint32_t kVoicePauseSeconds = 10;
constexpr uint8_t kAmbientWallCode = 5;
// Monster turns of fight music after the last threat.
constexpr uint32_t kFightTurns = 4;

const char* ambientOf(const SMapObjectType* type, const SPlacedObject* object, const SMapCell& cell) {
    return type ? type->GetAmbientSound(object, cell) : nullptr;
}
const char* ambientOf(const SMapObjectType* type, const SPlacedObject* object, const SMapCellShadow& cell) {
    return type ? type->GetShadowAmbientSound(object, cell) : nullptr;
}

}  // namespace

void SStateGame::StopAmbientSounds(bool pauseMusic) {
    StopRainSound();
    if (pauseMusic) PauseMusic();
    if (SSound* sound = m_game->m_sound.get())
        for (const SAmbientLoop& loop : m_ambientLoops) sound->StopChannel(loop.channel);
    m_ambientLoops.clear();
}

// The loops that still sound after the refresh go on where they are instead of starting again at
// every step; only those no longer heard stop.
void SStateGame::RefreshArea() {
    m_previousLoops = std::move(m_ambientLoops);
    m_ambientLoops.clear();
    UpdateRainSound();
    UpdateFightState();
    UpdateMusic();
    m_voiceSource = {};
    if (m_grid != nullptr && m_currentMap != nullptr) {
        const int left = std::max(m_playerX - kNearby, 0), right = std::min(m_playerX + kNearby, kGridSize - 1);
        const int top = std::max(m_playerY - kNearby, 0), bottom = std::min(m_playerY + kNearby, kGridSize - 1);
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) scanAmbientCell(x, y);
    }
    if (SSound* sound = m_game->m_sound.get())
        for (const SAmbientLoop& gone : m_previousLoops) sound->StopChannel(gone.channel);
    m_previousLoops.clear();
}

void SStateGame::scanAmbientCell(int x, int y) {
    SMap* map = GetZoneMap(x, y);
    if (map == nullptr) return;
    const SMapCell& cell = m_grid->Cell(x, y);
    const SMapObjectType* centre = cell.centreType;
    if (centre != nullptr) {
        if (const char* name = ambientOf(centre, map->FindObject(cell.centreId), cell)) PlayLayerOneAmbient(name, x, y);
        const auto* voice = dynamic_cast<const SMapObjectAmbientSound*>(centre);
        // A later place replaces the one chosen before it half the time.
        if (voice != nullptr && voice->SoundsAt(IsDay()) &&
            (m_voiceSource.type == nullptr || (m_game->m_random && m_game->m_random->Next(100) >= 51)))
            m_voiceSource = {voice, x, y};
        if (centre->m_typeCode == kAmbientWallCode)
            for (const SMapCellSide& side : cell.sides)
                if (const char* name = ambientOf(side.wallType, map->FindObject(side.objectId), cell))
                    PlayLayerOneAmbient(name, x, y);
    }
    const SMapCellShadow& shadow = m_grid->Shadow(x, y);
    if (shadow.centreType == nullptr) return;
    if (const char* name = ambientOf(shadow.centreType, map->FindObject(shadow.centreId), shadow))
        PlayLayerTwoAmbient(name, x, y);
    if (shadow.centreType->m_typeCode == kAmbientWallCode)
        for (const SMapCellSide& side : shadow.sides)
            if (const char* name = ambientOf(side.wallType, map->FindObject(side.objectId), shadow))
                PlayLayerTwoAmbient(name, x, y);
}

void SStateGame::PlayLayerOneAmbient(const char* sound, int x, int y) { playAmbient(sound, x, y, kLayerOneQuieter); }
void SStateGame::PlayLayerTwoAmbient(const char* sound, int x, int y) { playAmbient(sound, x, y, kLayerTwoQuieter); }

void SStateGame::playAmbient(const char* name, int x, int y, int quieter) {
    SSoundType* sound = m_game->m_soundTable.FindSound(name);
    if (sound == nullptr) return;
    const int volume = std::max(SoundVolumeAt(x, y) - quieter, 1);
    if (FindAmbient(*sound, volume) != nullptr) return;
    const auto playing = std::find_if(m_previousLoops.begin(), m_previousLoops.end(), [&](const SAmbientLoop& loop) {
        return loop.sound == sound && loop.volume == volume;
    });
    if (playing != m_previousLoops.end()) {
        m_ambientLoops.push_back(*playing);
        m_previousLoops.erase(playing);
        return;
    }
    const int channel = m_game->m_sound ? m_game->m_sound->PlayLooped(*sound, volume) : 0;
    m_ambientLoops.push_back({channel, volume, sound});
}

const SStateGame::SAmbientLoop* SStateGame::FindAmbient(const SSoundType& sound, int volume) const {
    for (const SAmbientLoop& loop : m_ambientLoops)
        if (loop.sound == &sound && loop.volume == volume) return &loop;
    return nullptr;
}

void SStateGame::PlayAmbientVoice() {
    if (m_voiceSource.type == nullptr) return;
    const uint32_t now = GetUnixTime();
    if (SecondsSince(m_lastVoice, now) <= kVoicePauseSeconds) return;
    m_lastVoice = now;
    PlaySound(m_voiceSource.type->AmbientParam(), SoundVolumeAt(m_voiceSource.x, m_voiceSource.y));
}

void SStateGame::UpdateRainSound() {
    if (!OnSurface() || m_rain.intensity == 0) {
        StopRainSound();
        return;
    }
    const bool heavy = m_rain.intensity >= SRainWeather::kHeavy;
    if (m_rainChannel != 0 && heavy == m_heavyRain) return;
    StopRainSound();
    m_heavyRain = heavy;
    SSoundType* sound = m_game->m_soundTable.FindSound(heavy ? "bsnd_rainheavy" : "bsnd_rain");
    if (sound != nullptr && m_game->m_sound) m_rainChannel = m_game->m_sound->PlayLooped(*sound, kLoudestVolume);
}

void SStateGame::StopRainSound() {
    if (m_rainChannel == 0) return;
    if (m_game->m_sound) m_game->m_sound->StopChannel(m_rainChannel);
    m_rainChannel = 0;
}

void SStateGame::UpdateFightState() {
    for (int y = m_playerY - 1; y <= m_playerY + 1; ++y) {
        for (int x = m_playerX - 1; x <= m_playerX + 1; ++x) {
            const SMapCell* cell = GetCell(x, y);
            if (cell == nullptr) continue;
            for (uint8_t id : cell->creatures) {
                const SCreature* creature = FindCreatureAt(x, y, id);
                if (creature == nullptr || !creature->IsHostile()) continue;
                m_fightCounter = kFightTurns;
                return;
            }
        }
    }
    if (m_fightCounter != 0) --m_fightCounter;
}
