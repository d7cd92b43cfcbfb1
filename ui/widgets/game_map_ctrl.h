#pragma once
// SGameMapCtrl: the automap. It draws the cells of the play screen's grid around the player that
// the player has explored (floor, side and decoration pictures of the game's map picture table),
// markers for the automap marker objects on cell sides, the border of the current surface section
// and, in drag mode, the player's arrow in the player's cell. Drag mode shows the whole grid and
// scrolls it with the stylus. A map that forbids the automap shows a refusal instead. Outside drag
// mode the player's arrow stays at the centre and turns with the heading.
#include <cstdint>
#include <vector>

#include "ui/ctrl.h"
#include "ui/widgets/clipped_blit.h"

class SStateGame;
struct SPictureEntry;

class SGameMapCtrl : public SCtrl {
public:
    // The side marker pictures are this size on every screen.
    static constexpr int kMarkerSize = 10;

    SGameMapCtrl();

    // The cell size of the screen type, the cells shown beside the player's for the control's size
    // and where each side's marker sits.
    void Setup();
    // The player's cell at the middle of the control.
    void ComputeCenter();
    void SetDragMode() { m_dragMode = 1; }
    // In drag mode a press starts a drag that scrolls the map, and answers nothing; otherwise a
    // release inside answers the control's id.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    void Draw() override;

    struct SMarker {
        int32_t x, y;
        uint32_t picture;  // index into the game's marker table
    };

    uint32_t m_cell = 10;
    uint32_t m_halfX = 0;
    uint32_t m_halfY = 0;
    int32_t m_centerX = 0;
    int32_t m_centerY = 0;
    uint32_t m_dragMode = 0;
    // A marker for an object on side s (north, east, south, west) sits centred in the neighbour
    // cell on that side, offset this much from the cell.
    int32_t m_markerX[4] = {};
    int32_t m_markerY[4] = {};
    std::vector<SMarker> m_markers;  // collected while the cells are drawn
    uint32_t m_dragging = 0;
    int32_t m_lastX = 0;
    int32_t m_lastY = 0;

private:
    // The arrow picture after the four heading pictures, drawn turned by the heading.
    static constexpr int kTurningArrow = 4;

    void drawDenied();
    void drawCells(const SStateGame& play);
    void drawCell(const SStateGame& play, int cx, int cy, int x, int y, const SClipRect& clip);
    void collectMarkers(const SStateGame& play, int cx, int cy, int x, int y);
};
