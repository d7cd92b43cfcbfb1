#pragma once
// SGameWorldMapCtrl: the current world package's world map picture, which the stylus drags, with
// the player's place on it and a marker on one map of its 21-pixel grid of maps. A press on it
// tells the owner first (with the control's id), so that the owner can read the pressed point.
#include <cstdint>

#include "ui/ctrl.h"

struct SPictureEntry;

class SGameWorldMapCtrl : public SCtrl {
public:
    // Each map of the world takes this many pixels of the world map picture on each axis.
    static constexpr int kMapPixels = 21;

    SGameWorldMapCtrl();

    // Takes the world map picture and the two marker pictures; a picture smaller than the control
    // is centred, a larger one starts at its top left.
    void Setup();
    // The map cell to mark; a negative cell marks none.
    void SetMarker(int32_t cellX, int32_t cellY);
    bool HasMarker() const { return m_markCellX >= 0 && m_markCellY >= 0; }
    // Always 0: a press inside goes to the owner's OnCommand directly.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    void Draw() override;

    int32_t m_scrollX = 0;  // where the picture's top left lies inside the control
    int32_t m_scrollY = 0;
    const SPictureEntry* m_map = nullptr;
    int32_t m_mapW = 0;
    int32_t m_mapH = 0;
    const SPictureEntry* m_here = nullptr;  // the player's place
    int32_t m_hereW = 0;
    int32_t m_hereH = 0;
    const SPictureEntry* m_mark = nullptr;  // the marked map
    int32_t m_markW = 0;
    int32_t m_markH = 0;
    uint32_t m_dragging = 0;
    int32_t m_lastX = 0;  // the last pressed or dragged point
    int32_t m_lastY = 0;
    int32_t m_markCellX = -1;
    int32_t m_markCellY = -1;
};
