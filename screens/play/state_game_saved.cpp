// What a saved game keeps of the play screen, and the reset before a new game or a load.
#include <algorithm>

#include "engine/base/archive.h"
#include "engine/base/minutes_per_day.h"
#include "engine/base/string.h"
#include "screens/play/state_game.h"

namespace {

// A new game starts on the afternoon of day 1, facing east.
constexpr uint32_t kStartMinutes = 14 * 60 + 40;
constexpr uint32_t kEast = 270;

constexpr uint8_t kWorldTag = 'W';

// The cell the last step left: a grid cell, or -1, -1 before the first step.
bool isPreviousCell(int32_t x, int32_t y) { return (x == -1 && y == -1) || SStateGame::IsOnGrid(x, y); }

}  // namespace

void SStateGame::ResetWorld() {
    m_heading = kEast;
    m_targetHeading = 0;
    m_fractionX = m_fractionY = kCellCentre;
    m_previousX = m_previousY = -1;
    m_playerX = m_playerY = 0;
    m_cellX = m_cellY = 0;
    m_turning = m_moving = 0;
    m_turnStep = 0;
    m_stepSoundCountdown = 0;
    m_minutes = kStartMinutes;
    m_rainIntensity = 0;
    m_skyOverride.clear();
    m_cloud = 0;
    m_weatherRoll = 0;
    m_thunder = 0;
    // The panels may name creatures of the maps that go with the old world.
    m_lookTargets = {};
    m_targetSlot = 0;
    m_redrawRequest = m_redrawPending = 0;
    m_package = nullptr;
    m_currentMap = nullptr;
    m_sectionMaps.fill(nullptr);
    m_lockTarget = nullptr;
    closeChild();
    m_subMode = SPlaySubMode::kFree;
    m_genericTopics.Clear();
    m_events.clear();
    m_combatAnims.clear();
    m_actingMonsters.clear();
    m_monsterPassRequest = 0;
    m_fade = {};
    m_fadeTarget = {};
    m_travelQuestion = {};
    m_doorChoice = {};
    m_fightCounter = 0;
    m_positionTravels.clear();
}

void SStateGame::ViewThumbnail(std::span<uint16_t, kSaveThumbWidth * kSaveThumbHeight> pixels) const {
    std::copy(m_thumbnail.begin(), m_thumbnail.end(), pixels.begin());
}

void SStateGame::FormatDayTime(SString& out) const {
    SString time;
    FormatTime(time);
    out.Format("Day %u, %s", m_minutes / kMinutesPerDay + 1, time.Text());
}

// The record holds where the player stands and looks and the clock; the weather and the prison
// sentence join it with their own code.
void SStateGame::SerializeForSave(SArchive& archive, int) {
    archive.SerializeTag(kWorldTag);
    uint32_t facing = FacingSide();
    archive.SerializeU32(m_heading);
    archive.SerializeI32(m_playerX);
    archive.SerializeI32(m_playerY);
    archive.SerializeI32(m_previousX);
    archive.SerializeI32(m_previousY);
    archive.SerializeU32(facing);
    archive.SerializeU32(m_minutes);
}

// A record without its tag is read all the same from its first aligned word; the facing side
// follows from the heading and is not taken from the file.
bool SStateGame::SerializeForLoad(SArchive& archive, int) {
    archive.SerializeTag(kWorldTag);
    uint32_t heading = 0, facing = 0, minutes = 0;
    int32_t x = 0, y = 0, previousX = 0, previousY = 0;
    archive.SerializeU32(heading);
    archive.SerializeI32(x);
    archive.SerializeI32(y);
    archive.SerializeI32(previousX);
    archive.SerializeI32(previousY);
    archive.SerializeU32(facing);
    archive.SerializeU32(minutes);
    if (archive.Failed() || heading >= 360 || !IsOnGrid(x, y) || !isPreviousCell(previousX, previousY)) return false;
    m_heading = heading;
    m_targetHeading = 0;
    m_playerX = x;
    m_playerY = y;
    m_previousX = previousX;
    m_previousY = previousY;
    m_minutes = minutes;
    m_subMode = SPlaySubMode::kFree;
    return true;
}
