#pragma once
// The viewer's player: a cell and a heading, moved as the game moves the party. A step slides to
// the next cell over several frames and is refused by a wall or the map's edge; a quarter turn
// turns over several frames, so that the free-angle view is seen on the way; a nudge turns by one
// degree at once.
#include <cstdint>

class STinyWorld;

class SViewerWalk {
public:
    static constexpr int kFramesPerMove = 8;

    // From the world's start: its position rounded to its cell's middle and its heading.
    explicit SViewerWalk(const STinyWorld& world);

    // Each starts only when no move is under way; false when refused.
    bool Step(int direction);  // +1 forward, -1 back
    bool Turn(int quarters);   // +1 left (anticlockwise seen from above), -1 right
    void Nudge(int degrees);
    bool Moving() const { return m_framesLeft > 0; }
    // One frame of the move under way; writes the position and heading into the world's view.
    void Advance(STinyWorld& world);

private:
    const STinyWorld& m_world;
    int32_t m_x, m_y;                                     // 16.16 cells
    int32_t m_heading;                                    // 16.16 degrees, 0 to 360
    int32_t m_stepX = 0, m_stepY = 0, m_stepHeading = 0;  // per frame
    int m_framesLeft = 0;
};
