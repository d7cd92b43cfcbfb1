#include "screens/play/state_game.h"

#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/maps/placed_object.h"
#include "engine/base/string.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "render/render.h"
#include "screens/play/grid_sections.h"
#include "screens/play/world_grid.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/widgets/dialog_text_ctrl.h"

namespace {

// A cell that refers to an object in none of its places.
constexpr int kNoSide = -2;

// Where the cell refers to the object: -1 its centre, 0 to 3 a side, kNoSide nowhere.
template <typename Cell>
int placeOf(const Cell& cell, uint8_t id) {
    if (cell.centreId == id) return -1;
    for (int side = 0; side < 4; ++side)
        if (cell.sides[side].objectId == id) return side;
    return kNoSide;
}

}  // namespace

SStateGame::SStateGame() = default;
SStateGame::~SStateGame() = default;

void SStateGame::Init(SGameData* game) {
    SState::Init(game);
    m_thumbnail.assign(size_t(kSaveThumbWidth) * kSaveThumbHeight, 0);
    AllocGrid();
    ResetWorld();
    takeViewRectangle();
    for (SDialog* dialog : embeddedDialogs()) dialog->Init(game);
    game->m_saveNames.SetPlayScreen(this);
    game->m_mapObjectTypes.SetScreen(&m_objectScreen);
}

void SStateGame::LoadDoorAndDropResources() {
    const SMapObjectType* door = m_game->m_mapObjectTypes.Find("bres_doormain");
    if (door == nullptr) return;
    for (int i = 0; i < 3; ++i) m_doorPictures[size_t(i)] = door->PictureId(i);
}

void SStateGame::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_entered = 1;
    m_game->m_gameRunning = true;
    m_game->m_screenChanged = 1;
    m_game->ComputeViewport();
    takeViewRectangle();
    BuildView();
    for (SDialog* dialog : embeddedDialogs()) dialog->m_parent = this;
    if (m_game->m_render && m_game->m_random)
        m_game->m_render->ResetRain(m_rain.intensity, rainColour(), *m_game->m_random);
    if (p1 != 0) {
        // A new game begins dry, for the longest spell a roll gives.
        m_rain = {};
        m_rain.countdown = SRainWeather::kDrySpell;
        StopRainSound();
        m_thunder = 0;
        TravelToStartPosition();
        UpdateSkyAndFog(true);
    } else {
        EnterMap();
        MarkExplored();
        UpdatePersonsInView();
        RefreshArea();
    }
    m_redrawPending = 1;
    // The clocks count from the entry, so that the time spent elsewhere does not fire them all.
    m_clocks.Restart(platform::TickCount());
    ChooseHandSprites();
    SetDirty();
    Draw();
    m_fast = IsLargeScreenMode(int(m_game->m_screenMode)) || m_game->m_screenMode == 16;
    m_game->m_screenChanged = 0;
    ResetPenGate();
}

void SStateGame::Leave() {
    // Whatever dialog was open is gone with the screen (death, a load): it comes back in free play.
    closeChild();
    m_subMode = SPlaySubMode::kFree;
    SState::Leave();
}

void SStateGame::Resume() {
    m_genericTopics.Clear();
    m_game->ComputeViewport();
    takeViewRectangle();
    BuildView();
    for (SButtonCtrl& button : m_moveButtons) button.Release();
    m_redrawRequest = 1;
    ApplyPendingCellChanges();
    RefreshArea();
    ChooseHandSprites();
    SState::Resume();
}

bool SStateGame::IsBusy() const {
    return m_moving != 0 || m_turning != 0 || m_redrawPending != 0 || m_child != nullptr || !m_combatAnims.empty() ||
           !m_events.empty() || !m_actingMonsters.empty() || m_monsterPassRequest != 0 || IsAnyMonsterBusyNear() ||
           m_subMode != SPlaySubMode::kFree;
}

SMapCell* SStateGame::GetCell(int x, int y) const {
    return m_grid != nullptr && IsOnGrid(x, y) ? &m_grid->Cell(x, y) : nullptr;
}

SMapCellShadow* SStateGame::GetShadowCell(int x, int y) const {
    return m_grid != nullptr && IsOnGrid(x, y) ? &m_grid->Shadow(x, y) : nullptr;
}

SMapCell* SStateGame::GetFacingCell(int side, SFacingCell& facing) const {
    constexpr int kStepX[4] = {0, 1, 0, -1}, kStepY[4] = {-1, 0, 1, 0};
    const uint32_t faced = side < 0 ? FacingSide() : uint32_t(side) % 4;
    facing.x = m_playerX + kStepX[faced];
    facing.y = m_playerY + kStepY[faced];
    facing.oppositeSide = (faced + 2) % 4;
    facing.map = GetZoneMap(facing.x, facing.y);
    return GetCell(facing.x, facing.y);
}

bool SStateGame::MapToGrid(const SMap& map, int x, int y, int& gridX, int& gridY) const {
    if (m_currentMap == nullptr || !m_currentMap->IsSurface()) {
        gridX = x;
        gridY = y;
        return true;
    }
    for (int i = 0; i < kSectionSlots; ++i) {
        const SSectionSlot& slot = SectionSlot(i);
        if (m_sectionMaps[size_t(i)] != &map || x < slot.x || y < slot.y || x >= slot.x + slot.w ||
            y >= slot.y + slot.h)
            continue;
        gridX = x - slot.x + slot.gx;
        gridY = y - slot.y + slot.gy;
        return true;
    }
    return false;
}

SMap* SStateGame::GetZoneMap(int x, int y) const {
    if (!IsOnGrid(x, y) || m_currentMap == nullptr) return nullptr;
    return m_currentMap->IsSurface() ? m_sectionMaps[size_t(SectionSlotAt(x, y))] : m_currentMap;
}

SPlacedObject* SStateGame::FindObjectAt(int x, int y, uint8_t id) const {
    SMap* map = GetZoneMap(x, y);
    return map != nullptr ? map->FindObject(id) : nullptr;
}

SCreature* SStateGame::FindCreatureAt(int x, int y, uint8_t id) const {
    SMap* map = GetZoneMap(x, y);
    return map != nullptr ? map->FindCreature(id) : nullptr;
}

SItemList* SStateGame::FindItemListAt(int x, int y, uint8_t id) const {
    SMap* map = GetZoneMap(x, y);
    return map != nullptr ? map->FindContainer(id) : nullptr;
}

bool SStateGame::IsCellExplored(int x, int y) const {
    SMap* map = nullptr;
    int localX = 0, localY = 0;
    return gridToLocal(x, y, map, localX, localY) && map->IsExplored(localX, localY);
}

const SAutomapCell* SStateGame::GetAutomapCell(int x, int y) const {
    return IsOnGrid(x, y) ? &m_automap[size_t(y * kGridSize + x)] : nullptr;
}

SAutomapCell* SStateGame::GetAutomapCell(int x, int y) {
    return IsOnGrid(x, y) ? &m_automap[size_t(y * kGridSize + x)] : nullptr;
}

bool SStateGame::LocateObject(const SMap& map, const SPlacedObject& object, SGridPlace& place) const {
    if (m_grid == nullptr || object.id == 0) return false;
    for (int layer = 1; layer <= 2; ++layer) {
        for (int y = 0; y < kGridSize; ++y) {
            for (int x = 0; x < kGridSize; ++x) {
                if (GetZoneMap(x, y) != &map) continue;
                const int side = layer == 1 ? placeOf(m_grid->Cell(x, y), object.id)
                                            : placeOf(m_grid->Shadow(x, y), object.id);
                if (side == kNoSide) continue;
                place = {x, y, side, layer};
                return true;
            }
        }
    }
    return false;
}

SStateGame* SStateGame::Of(const SGameData& game) { return dynamic_cast<SStateGame*>(game.Screen(kPlayScreen)); }

void SStateGame::OpenMarkRecall(uint32_t markMode) {
    m_markRecall.Open(markMode);
    openEmbedded(m_markRecall, SPlaySubMode::kMarkRecall);
}

void SStateGame::OpenRestDialog() {
    m_rest.Open(nullptr);
    openEmbedded(m_rest, SPlaySubMode::kResting);
}

void SStateGame::OpenShipTravel(const char* text, const char* destination) {
    m_shipTravel.Open(text, destination);
    openEmbedded(m_shipTravel, SPlaySubMode::kShipTravel);
}

std::array<SDialog*, 8> SStateGame::embeddedDialogs() {
    return {&m_mapDialog, &m_spellbook, &m_potions, &m_rest, &m_shipTravel, &m_markRecall, &m_enchanting, &m_lockpick};
}

void SStateGame::openEmbedded(SDialog& dialog, SPlaySubMode mode) {
    dialog.m_parent = this;
    SetChild(&dialog);
    m_subMode = mode;
}

void SStateGame::closeChild() {
    ResetOpen();
    m_messageBox.reset();
    m_messageText.reset();
    m_choiceBox.reset();
    m_choiceList.reset();
}
