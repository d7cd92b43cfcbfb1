#include "support/route_walker.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <map>

#include "data/map_objects/map_object_type.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/package/module.h"
#include "game/feldmar2.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"

namespace {

constexpr int kGridCells = 35;
constexpr int kLongestWalk = 600;  // steps, turns and bumps together
// A step stopped this often is tried again from a fresh plan: townspeople move on.
constexpr int kBumpsBeforeForgetting = 12;

// The world side of a step from one cell to its neighbour; -1 when they are not neighbours.
int sideOf(int dx, int dy) {
    for (int side = 0; side < 4; ++side)
        if (play_tables::kSideDx[side] == dx && play_tables::kSideDy[side] == dy) return side;
    return -1;
}

// "base_s0303" as (3, 3); false for a map that is no surface section.
bool sectionOf(const std::string& map, int& x, int& y) {
    const std::string prefix = "base_s";
    if (map.size() != prefix.size() + 4 || map.compare(0, prefix.size(), prefix) != 0) return false;
    for (size_t i = prefix.size(); i < map.size(); ++i)
        if (map[i] < '0' || map[i] > '9') return false;
    x = std::atoi(map.substr(prefix.size(), 2).c_str());
    y = std::atoi(map.substr(prefix.size() + 2, 2).c_str());
    return true;
}

// Whether a walk may pass over the cell: not over stairs, plates, holes and the like, which would
// take the player somewhere else. Doors are passed once open; positions and ground are floor.
bool onlyFloor(const SMapCell& cell) {
    using namespace grid_rules;
    for (uint8_t floorCode :
         {kPositionCode, kDoorCode, kSlidingDoorCode, kTextureCode, kTextureDecorCode, kAnimatedGroundCode})
        if (HasCode(cell.centreType, floorCode)) return true;
    return cell.centreType == nullptr;
}

}  // namespace

// On the surface the current section's cell (0, 0) lies 7 cells into the grid, whose rim holds the
// neighbouring sections' edges; below ground a map's cells are the grid's own.
int RouteWalker::origin() const { return m_play.m_currentMap && m_play.m_currentMap->IsSurface() ? 7 : 0; }

int RouteWalker::facing() const { return int(play_tables::kSideByQuarter[m_play.FacingSide()]); }

std::string RouteWalker::turnTo(int side) {
    for (int turn = 0; turn < 4 && facing() != side; ++turn) {
        // A quarter to the right when that is the short way round, else to the left.
        const bool right = (side - facing() + 4) % 4 == 1;
        m_hands.act(right ? kActionTurnRight : kActionTurnLeft);
        if (std::string why = m_hands.settle(); !why.empty()) return why;
    }
    return facing() == side ? "" : "the player would not turn";
}

std::string RouteWalker::Face(int x, int y) {
    const int side = sideOf(x + origin() - m_play.m_playerX, y + origin() - m_play.m_playerY);
    if (side < 0) return "(" + std::to_string(x) + ", " + std::to_string(y) + ") is not next to the player";
    return turnTo(side);
}

bool RouteWalker::worldPlace(const std::string& map, int x, int y, int& worldX, int& worldY) const {
    int sx = 0, sy = 0;
    if (!sectionOf(map, sx, sy)) return false;
    worldX = sx * SModule::kMapCells + x;
    worldY = sy * SModule::kMapCells + y;
    return true;
}

bool RouteWalker::passable(const Cell& from, const Cell& to, const Cell& goal) const {
    if (to.first < 0 || to.second < 0 || to.first >= kGridCells || to.second >= kGridCells) return false;
    const SMapCell* cell = m_play.GetCell(to.first, to.second);
    if (cell == nullptr || m_play.IsWallAt(to.first, to.second)) return false;
    if (to != goal && !onlyFloor(*cell)) return false;
    return m_blocked.count({from, to}) == 0;
}

bool RouteWalker::nextStep(int goalX, int goalY, Cell& next) const {
    const Cell start{m_play.m_playerX, m_play.m_playerY};
    std::map<Cell, Cell> cameFrom{{start, start}};
    std::deque<Cell> open{start};
    Cell best = start;
    auto distance = [&](const Cell& c) { return std::abs(c.first - goalX) + std::abs(c.second - goalY); };
    while (!open.empty()) {
        const Cell cell = open.front();
        open.pop_front();
        if (distance(cell) < distance(best)) best = cell;
        if (distance(cell) == 0) break;
        for (int side = 0; side < 4; ++side) {
            const Cell to{cell.first + play_tables::kSideDx[side], cell.second + play_tables::kSideDy[side]};
            if (cameFrom.count(to) || !passable(cell, to, {goalX, goalY})) continue;
            cameFrom[to] = cell;
            open.push_back(to);
        }
    }
    if (best == start) return false;
    while (cameFrom[best] != start) best = cameFrom[best];
    next = best;
    return true;
}

std::string RouteWalker::WalkTo(const std::string& map, int x, int y) {
    int bumps = 0;
    for (int move = 0; move < kLongestWalk; ++move) {
        const std::string here = m_play.m_currentMap ? m_play.m_currentMap->Name() : "";
        int goalX = x + origin(), goalY = y + origin();
        if (here != map) {
            int targetX = 0, targetY = 0, hereX = 0, hereY = 0;
            if (!worldPlace(map, x, y, targetX, targetY) || !worldPlace(here, 0, 0, hereX, hereY))
                return "no walk leads from " + here + " to " + map;
            goalX = targetX - hereX + origin();
            goalY = targetY - hereY + origin();
        } else if (m_play.m_playerX == goalX && m_play.m_playerY == goalY) {
            return "";
        }
        Cell next;
        if (!nextStep(goalX, goalY, next)) {
            if (m_blocked.empty()) return "no way from " + here + " to the goal";
            m_blocked.clear();
            continue;
        }
        const Cell from{m_play.m_playerX, m_play.m_playerY};
        if (std::string why = turnTo(sideOf(next.first - from.first, next.second - from.second)); !why.empty())
            return why;
        m_hands.act(kActionForward);
        if (std::string why = m_hands.settle(); !why.empty()) return why;
        const bool moved = Cell{m_play.m_playerX, m_play.m_playerY} != from ||
                           (m_play.m_currentMap ? m_play.m_currentMap->Name() : "") != here;
        if (moved) continue;
        m_blocked.insert({from, next});
        if (++bumps % kBumpsBeforeForgetting == 0) m_blocked.clear();
    }
    return "the walk to " + map + " took too long";
}
