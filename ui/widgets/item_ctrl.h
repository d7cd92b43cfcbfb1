#pragma once
// SItemCtrl: one item's picture with its count, or the empty slot where there is none, and a mark
// over it; the repair, alchemy and lock-picking dialogs show the item they work on with it.
#include <cstdint>

#include "ui/ctrl.h"

struct SPaletteEntry;
struct SPictureEntry;

class SItemCtrl : public SCtrl {
public:
    void SetItem(const SPictureEntry* picture, const SPaletteEntry* palette, uint32_t count);

    void Draw() override;

    const SPictureEntry* m_picture = nullptr;
    const SPaletteEntry* m_palette = nullptr;
    int32_t m_cellW = 50;
    int32_t m_cellH = 50;
    uint32_t m_count = 0;
    uint32_t m_bgColor = 0;
    uint32_t m_marked = 0;

private:
    void drawCount(int left, int top, int right, int bottom);
};
