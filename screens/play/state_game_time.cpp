// The game clock: its queries, and passing time with everything that depends on it (the timed
// effects of the player and the creatures nearby, the prison sentence, the marks of a new day,
// the weather, and the sky where the time of day changed).
#include <algorithm>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/maps/placed_object.h"
#include "data/player/player.h"
#include "engine/base/minutes_per_day.h"
#include "game/game_data.h"
#include "screens/play/game_clock.h"
#include "screens/play/state_game.h"

namespace {

constexpr int kTimeNearby = 7;
// A prison sentence is served once this many minutes have passed since it began.
constexpr uint32_t kSentenceMinutes = 10;

// The hours whose start changes the sky: dawn and morning, evening and night.
bool changesSky(uint32_t hour) { return hour == 6 || hour == 8 || hour == 20 || hour == 22; }

}  // namespace

uint32_t SStateGame::GetDay() const { return ClockDay(m_minutes); }
uint32_t SStateGame::GetHour() const { return ClockHour(m_minutes); }
uint32_t SStateGame::GetMinuteOfHour() const { return ClockMinuteOfHour(m_minutes); }
const char* SStateGame::GetAmPm() const { return ClockAmPm(m_minutes); }
bool SStateGame::IsDay() const { return IsDayHour(GetHour()); }
uint32_t SStateGame::MinutesSince(uint32_t then) const { return ::MinutesSince(m_minutes, then); }
uint32_t SStateGame::DaysSince(uint32_t then) const { return MinutesSince(then) / kMinutesPerDay; }
void SStateGame::FormatTime(SString& out) const { FormatClockTime(out, m_minutes); }
void SStateGame::FormatDayTime(SString& out) const { FormatClockDayTime(out, m_minutes); }

void SStateGame::TickMinute() {
    const uint32_t day = GetDay();
    ++m_minutes;
    SPlayer& player = m_game->m_player;
    if (player.PoisonTotal() != 0) player.ApplyPoisonDamage();
    player.WearBoots();
    player.PassTimeEffects(1);
    PassCreatureTime(1);
    HourlyChecks();
    UpdateWeather(false);
    if (GetDay() != day) m_game->m_packages.ClearObjectMarks();
}

void SStateGame::PassTime(uint32_t days, uint32_t hours, uint32_t minutes) {
    const uint32_t day = GetDay();
    const uint32_t elapsed = (hours + days * 24) * 60 + minutes;
    m_minutes += elapsed;
    m_game->m_player.PassTimeEffects(int32_t(std::min<uint32_t>(elapsed, INT32_MAX)));
    PassCreatureTime(elapsed);
    if (GetDay() != day) m_game->m_packages.ClearObjectMarks();
    UpdateWeather(true);
    ShowTimeOfDay();
}

void SStateGame::PassHours(uint32_t hours) {
    const uint32_t day = GetDay();
    const bool wasDay = IsDay();
    const uint32_t elapsed = hours * 60;
    m_minutes += elapsed;
    m_game->m_player.PassTimeEffects(int32_t(std::min<uint32_t>(elapsed, INT32_MAX)));
    PassCreatureTime(elapsed);
    const bool newDay = GetDay() != day;
    if (newDay) m_game->m_packages.ClearObjectMarks();
    UpdateWeather(true);
    if (!newDay && IsDay() == wasDay) return;
    ShowTimeOfDay();
}

void SStateGame::ShowTimeOfDay() {
    UpdateSkyAndFog(true);
    RebuildAllCellViews();
    // The townsfolk put back for the day are in view at once: a use reaches one before the player
    // takes a step.
    UpdatePersonsInView();
}

void SStateGame::PassCreatureTime(uint32_t minutes) {
    if (m_currentMap == nullptr || m_grid == nullptr) return;
    const int left = std::max(m_playerX - kTimeNearby, 0), right = std::min(m_playerX + kTimeNearby, kGridSize - 1);
    const int top = std::max(m_playerY - kTimeNearby, 0), bottom = std::min(m_playerY + kTimeNearby, kGridSize - 1);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            SMap* map = GetZoneMap(x, y);
            if (map == nullptr) continue;
            for (uint8_t id : m_grid->Cell(x, y).creatures) {
                const SCreature* creature = map->FindCreature(id);
                if (creature == nullptr || creature->IsPerson()) continue;
                const SPlacedObject* owner = map->FindObject(creature->ownerId);
                if (owner != nullptr && (owner->flags & SPlacedObject::kVisible) == 0) continue;
                map->PassCreatureEffects(id, minutes, *m_grid);
            }
        }
    }
}

void SStateGame::HourlyChecks() {
    if (m_inPrison != 0 && m_minutes >= m_prisonStart + kSentenceMinutes) ServeSentence();
    if (GetMinuteOfHour() != 0) return;
    const uint32_t hour = GetHour();
    if (hour == 0) m_game->m_packages.ClearObjectMarks();
    if (!changesSky(hour)) return;
    ShowTimeOfDay();
}
