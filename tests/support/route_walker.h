#pragma once
// The player walked as a person plays: one key per step or quarter turn, along a shortest way over
// the cells of the world grid that are floor (not walls, nor stairs, plates or holes that lead
// elsewhere, unless the walk ends there), planned again round whatever stopped a step (a
// thin wall, a closed door, someone standing there) and after every crossing into the next surface
// section. What a walk meets that walking cannot answer (a message, a screen handed over) ends it.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>

class SStateGame;

class RouteWalker {
public:
    struct Hands {
        std::function<void(uint32_t action)> act;  // one action pressed and let go
        // Frames until the play screen is idle: "" when it is current and in free play, else what
        // stands in front of it.
        std::function<std::string()> settle;
    };

    RouteWalker(SStateGame& play, Hands hands) : m_play(play), m_hands(std::move(hands)) {}

    // Walks to cell (x, y) of the named map: the current one, or another surface section of the
    // block. "" on arrival, else why the walk ended.
    std::string WalkTo(const std::string& map, int x, int y);
    // Turns to face the neighbouring cell (x, y) of the current map; "" when done.
    std::string Face(int x, int y);

private:
    using Cell = std::pair<int, int>;
    using Edge = std::pair<Cell, Cell>;

    // The grid cell next to the player on a shortest way towards the goal, or towards the
    // reachable cell nearest to it when the goal lies outside the grid; false when there is none.
    bool nextStep(int goalX, int goalY, Cell& next) const;
    bool passable(const Cell& from, const Cell& to, const Cell& goal) const;
    int origin() const;
    int facing() const;
    std::string turnTo(int side);
    // Where the player stands in the cells of the whole surface block; false off the surface.
    bool worldPlace(const std::string& map, int x, int y, int& worldX, int& worldY) const;

    SStateGame& m_play;
    Hands m_hands;
    std::set<Edge> m_blocked;
};
