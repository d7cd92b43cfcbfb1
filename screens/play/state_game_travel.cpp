// Travel: to a named position, to coordinates, onto a cell of the current map, and the fade a
// travel with a transition shows before it arrives; and what every arrival does after it.
#include "data/maps/map.h"
#include "data/package/module.h"
#include "data/player/equipment_slot.h"
#include "engine/audio/volume.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "screens/play/state_game.h"
#include "ui/dialogs/dialog_message.h"

namespace {

constexpr int32_t kTravelQuarterTurn = 90;
constexpr uint32_t kLastQuarter = 3;
// A surface section lies this many cells into the grid, with its neighbours around it.
constexpr int32_t kSectionBorder = 7;
// The fade holds its last picture a moment before the new place shows.
constexpr uint32_t kFadeEndPauseMs = 100;

// The grid cell of a cell of the map: on the surface the section's cells lie 7 cells in, below
// ground the map fills the grid from its corner. False for a cell outside the map or the grid.
bool gridPlaceOf(const SMap& map, int32_t x, int32_t y, int32_t& gridX, int32_t& gridY) {
    if (x < 0 || y < 0 || x >= map.Width() || y >= map.Height()) return false;
    const int32_t border = map.IsSurface() ? kSectionBorder : 0;
    gridX = x + border;
    gridY = y + border;
    return SStateGame::IsOnGrid(gridX, gridY);
}

}  // namespace

void SStateGame::TravelToPosition(const char* position, uint32_t kind) {
    if (kind != 0) {
        QueueTravelByName(position, kind);
        return;
    }
    bool mapChanged = false;
    if (!PlaceAtPosition(position != nullptr ? position : "", mapChanged)) return;
    settleAfterTravel(mapChanged);
    SendArrivedEvent();
}

void SStateGame::TravelToCoords(const STravelTarget& target, uint32_t kind) {
    if (kind != 0) {
        QueueTravelToCoords(target.package.c_str(), target.map.c_str(), target.x, target.y, target.quarter, kind);
        return;
    }
    // Everything is checked before anything changes: a bad mark or script leaves the player be.
    SModule* package = m_game->m_packages.FindById(target.package.c_str());
    SMap* map = package != nullptr ? package->FindMap(target.map.c_str()) : nullptr;
    int32_t gridX = 0, gridY = 0;
    if (map == nullptr || target.quarter > kLastQuarter || !gridPlaceOf(*map, target.x, target.y, gridX, gridY)) return;
    const bool mapChanged = map != m_currentMap;
    m_game->m_packages.SetCurrent(package);
    package->SetCurrentMap(map);
    m_package = package;
    m_currentMap = map;
    EnterMap();
    m_heading = target.quarter * kTravelQuarterTurn;
    standAt(*map, gridX, gridY);
    FaceByCell();
    settleAfterTravel(mapChanged);
}

void SStateGame::placePlayer(int32_t x, int32_t y) {
    int32_t gridX = 0, gridY = 0;
    if (m_currentMap == nullptr || !gridPlaceOf(*m_currentMap, x, y, gridX, gridY)) return;
    standAt(*m_currentMap, gridX, gridY);
    settleAfterTravel(false);
}

void SStateGame::standAt(const SMap& map, int32_t gridX, int32_t gridY) {
    m_playerX = gridX;
    m_playerY = gridY;
    m_fractionX = m_fractionY = kCellCentre;
    const int32_t border = map.IsSurface() ? kSectionBorder : 0;
    m_cellX = uint8_t(gridX - border);
    m_cellY = uint8_t(gridY - border);
    // The cell left before the travel lies elsewhere, maybe on another map.
    m_previousX = m_previousY = -1;
    if (map.IsSurface() && m_package != nullptr) m_package->SetPosition(map, gridX, gridY, int32_t(FacingSide()));
}

void SStateGame::settleAfterTravel(bool mapChanged) {
    // The arrival may face another way: the compass shows it at once.
    m_compassBorder.SetDirty();
    m_compass.SetDirty();
    MarkExplored();
    UpdatePersonsInView();
    RefreshArea();
    m_fightCounter = 0;
    if (mapChanged)
        m_actingMonsters.clear();
    else
        RunMonsterPass();
    m_redrawRequest = 1;
    freeParalysedPlayer();
    ScanNearbyCells();
    Draw();
    ResetPenGate();
    m_moving = m_turning = 0;
    m_stepSoundCountdown = 0;
}

void SStateGame::freeParalysedPlayer() {
    SPlayer& player = m_game->m_player;
    if (!player.IsParalyzed()) return;
    QueueMessage("You're no longer paralyzed.", SDialogMessage::kOk, nullptr);
    player.RemoveTimedEffects(kEffectParalyze);
    ChooseHandSprites();
}

void SStateGame::startTravelFade(const STravelTarget& target, uint32_t kind) {
    if (kind == 0) {
        arrive(target);
        return;
    }
    // No caller asks for another kind; one that did would fade for ever.
    if (!STravelFade::IsKind(kind)) return;
    if (kind == STravelFade::kTeleport) m_game->PlaySound("bsnd_spellteleport", kLoudestVolume);
    const SPlayer& player = m_game->m_player;
    const STravelFade::SWalker walker{player.IsMale(), player.EquippedItem(kSlotBoots) != nullptr};
    if (const char* sound = STravelFade::SoundOf(kind, walker)) m_game->PlaySound(sound, kLoudestVolume);
    m_fadeTarget = target;
    m_fade.Start(kind, m_game->PlayView());
    m_subMode = SPlaySubMode::kTravelFade;
}

void SStateGame::StepTravelFade() {
    // The fade's last picture has been on the screen since the frame before: after a pause on it
    // the travel draws the place arrived at, and no frame shows the new sky over the old walls.
    if (m_fade.FramesLeft() == 0) {
        platform::Sleep(kFadeEndPauseMs);
        arrive(m_fadeTarget);
        m_subMode = SPlaySubMode::kFree;
        return;
    }
    m_fade.StepFog(m_game->PlayView());
    m_viewStale = 1;
}

void SStateGame::AdvanceTravelFade() {
    uint16_t colour = 0;
    if (m_fade.Cover(colour)) m_display->FillRect(m_viewX, m_viewY, m_viewW, m_viewH, colour);
    m_fade.CountFrame();
}

void SStateGame::arrive(const STravelTarget& target) {
    if (target.toCoords)
        TravelToCoords(target, 0);
    else
        TravelToPosition(target.position.c_str(), 0);
}
