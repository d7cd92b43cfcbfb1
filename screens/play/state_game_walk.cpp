// A step under way, one movement tick at a time: the walk into the next cell (on the surface across
// the edge of the middle section, where the grid moves on by a section), the bump and its turn
// back, the hands' bob, and what the end of a step brings.
#include "data/maps/map.h"
#include "data/package/module.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/state_game.h"

using namespace grid_rules;

namespace {

constexpr int32_t kCellWhole = 0x10000;
// Below ground the second footstep of a cell follows the first after two movement ticks.
constexpr uint32_t kSecondFootstepTicks = 2;

// The cell a fraction that reached an edge of its cell has moved into: +1 or -1, 0 inside.
int32_t cellsCrossed(int32_t fraction, int32_t step) {
    if (step > 0 && fraction == kCellWhole) return 1;
    if (step < 0 && fraction == 0) return -1;
    return 0;
}

}  // namespace

void SStateGame::AdvanceWalk() {
    if (m_moving == 0) return;
    const SStepMotion::STick tick = m_step.Tick();
    if (tick.moves) {
        m_fractionX += m_step.StepX();
        m_fractionY += m_step.StepY();
    }
    const bool over = tick.moves && m_fractionX == kCellCentre && m_fractionY == kCellCentre;
    const bool walking = m_step.IsWalking();
    if (over) {
        m_moving = 0;
        m_step.Stop();
    } else {
        crossCell(cellsCrossed(m_fractionX, m_step.StepX()), cellsCrossed(m_fractionY, m_step.StepY()));
    }
    // The hands' bob runs its whole course in a step, also when the step takes half the ticks.
    if (walking)
        for (int k = m_fast != 0 ? 2 : 1; k > 0; --k) JoltHands();
    if (over && !tick.bumpTick) endStep();
}

void SStateGame::TurnBumpAround() {
    if (m_moving != 0) m_step.TurnBumpAround();
}

void SStateGame::crossCell(int32_t dx, int32_t dy) {
    if (dx == 0 && dy == 0) return;
    const bool surface = OnSurface();
    if (surface) shiftSection(dx, dy);
    m_playerX += dx;
    m_playerY += dy;
    if (dx != 0) m_fractionX = dx > 0 ? 0 : kCellWhole;
    if (dy != 0) m_fractionY = dy > 0 ? 0 : kCellWhole;
    const int32_t border = surface ? kFirstMiddleCell : 0;
    m_cellX = uint8_t(m_playerX - border);
    m_cellY = uint8_t(m_playerY - border);
    PlayStepSound(false);
    if (!surface) m_stepSoundCountdown = kSecondFootstepTicks;
}

// Leaving the middle section, the section beyond becomes the middle one: the grid is filled around
// it once and the player stands just outside it, about to step in. Without a section there the
// player walks on inside the grid.
void SStateGame::shiftSection(int32_t dx, int32_t dy) {
    const bool leaves = (dx > 0 && m_playerX == kLastMiddleCell) || (dx < 0 && m_playerX == kFirstMiddleCell) ||
                        (dy > 0 && m_playerY == kLastMiddleCell) || (dy < 0 && m_playerY == kFirstMiddleCell);
    SMap* next = leaves && m_package != nullptr ? m_package->FindNeighbourMap(dx, dy) : nullptr;
    if (next == nullptr) return;
    RemovePersons(false);
    m_package->SetCurrentMap(next);
    // The player enters the new middle section on its near edge.
    if (dx != 0) m_playerX = dx > 0 ? kFirstMiddleCell : kLastMiddleCell;
    if (dy != 0) m_playerY = dy > 0 ? kFirstMiddleCell : kLastMiddleCell;
    EnterMap();
    m_playerX -= dx;
    m_playerY -= dy;
    // The cell the step left moved with the grid, so that it still hears the player step off.
    m_previousX -= dx * SMap::kSectionCells;
    m_previousY -= dy * SMap::kSectionCells;
    UpdatePersonsInView();
    if (m_game->m_scriptContext) m_game->m_scriptContext->QueueCellEvent(m_currentMap, {m_playerX, m_playerY});
}

void SStateGame::endStep() {
    MarkExplored();
    SendStepOffEvent();
    const SMapCell* cell = GetCell(m_playerX, m_playerY);
    if (cell != nullptr && ShowsOtherwiseFromInside(cell->centreType)) BuildCellView(m_playerX, m_playerY);
    SendStepOnEvent();
    if (OnSurface()) m_package->SetPosition(*m_currentMap, m_playerX, m_playerY, int32_t(m_heading));
    RunMonsterPass();
    UpdatePersonsInView();
    RefreshArea();
}
