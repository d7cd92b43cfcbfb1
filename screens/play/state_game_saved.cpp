// What a saved game keeps of the play screen, and the reset before a new game or a load.
#include <algorithm>

#include "engine/base/archive.h"
#include "screens/play/state_game.h"
#include "screens/play/world_record.h"

namespace {

// A new game starts on the afternoon of day 1, facing east.
constexpr uint32_t kStartMinutes = 14 * 60 + 40;
constexpr uint32_t kEast = 270;

// Reads the record and checks every value; false for a record cut short or out of range.
bool readRecord(SArchive& archive, int version, SWorldRecord& record, std::string& fault) {
    record.Serialize(archive, version);
    if (archive.Failed()) return false;
    fault = record.Fault();
    return fault.empty();
}

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
    m_rain = {};
    m_skyOverride.clear();
    m_weatherRoll = 0;
    m_thunder = m_farThunder = m_lastThunder = 0;
    m_inPrison = m_prisonStart = 0;
    m_prisonName.clear();
    // The panels may name creatures of the maps that go with the old world.
    m_lookTargets = {};
    m_targetSlot = 0;
    m_redrawRequest = m_redrawPending = 0;
    // Nothing may name a creature, a placed object, a type or a map of the old world: the tables
    // and the maps went with it. Its grid, with the types its cells point at, goes too.
    m_package = nullptr;
    m_currentMap = nullptr;
    m_sectionMaps.fill(nullptr);
    ClearGrid();
    m_animatedGround.clear();
    m_cellChanges.clear();
    m_lockTarget = nullptr;
    m_persons.clear();
    m_nearbyPerson = {};
    m_stealTarget = {};
    closeChild();
    m_subMode = SPlaySubMode::kFree;
    m_genericTopics.Clear();
    m_events.clear();
    m_combatAnims.clear();
    m_currentStroke = {};
    m_hitValues = {};
    ClearActingMonsters();
    m_monsterPassRequest = 0;
    m_fade = {};
    m_fadeTarget = {};
    m_travelQuestion = {};
    m_doorChoice = {};
    m_fightCounter = 0;
    m_positionTravels.clear();
    // The loops of the old world's objects would sound on in the new one.
    StopAmbientSounds(false);
    m_voiceSource = {};
    m_lastVoice = 0;
}

void SStateGame::ViewThumbnail(std::span<uint16_t, kSaveThumbWidth * kSaveThumbHeight> pixels) const {
    std::copy(m_thumbnail.begin(), m_thumbnail.end(), pixels.begin());
}

void SStateGame::SerializeForSave(SArchive& archive, int version) {
    SWorldRecord record;
    record.heading = m_heading;
    record.x = m_playerX;
    record.y = m_playerY;
    record.previousX = m_previousX;
    record.previousY = m_previousY;
    record.facing = FacingSide();
    record.minutes = m_minutes;
    record.weatherRoll = m_weatherRoll;
    record.skyOverride = m_skyOverride;
    record.rainIntensity = m_rain.intensity;
    record.rainTarget = m_rain.target;
    record.rainCountdown = m_rain.countdown;
    record.rainDirection = m_rain.direction;
    record.subMode = uint32_t(m_subMode);
    record.inPrison = m_inPrison;
    record.prisonStart = m_prisonStart;
    record.prisonName = m_prisonName;
    record.Serialize(archive, version);
}

bool SStateGame::CheckSaved(SArchive& archive, int version, std::string& fault) const {
    SWorldRecord record;
    return readRecord(archive, version, record, fault);
}

// The facing side follows from the heading; a saved game always resumes in free play with nothing
// queued, whatever dialog was open when it was saved.
bool SStateGame::SerializeForLoad(SArchive& archive, int version) {
    SWorldRecord record;
    std::string fault;
    if (!readRecord(archive, version, record, fault)) return false;
    m_heading = record.heading;
    m_targetHeading = 0;
    m_playerX = record.x;
    m_playerY = record.y;
    m_previousX = record.previousX;
    m_previousY = record.previousY;
    m_minutes = record.minutes;
    m_weatherRoll = record.weatherRoll;
    m_skyOverride = record.skyOverride;
    m_rain.intensity = record.rainIntensity;
    m_rain.target = record.rainTarget;
    m_rain.countdown = record.rainCountdown;
    m_rain.direction = record.rainDirection;
    m_subMode = SPlaySubMode::kFree;
    m_events.clear();
    m_inPrison = record.inPrison;
    m_prisonStart = record.prisonStart;
    m_prisonName = record.prisonName;
    return true;
}
