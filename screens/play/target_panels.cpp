#include "screens/play/target_panels.h"

namespace {

// Both boxes rest on the view's bottom edge, the two-line box one pixel higher.
STargetPanelBox box(int32_t viewBottom, int32_t height, int32_t gap) {
    STargetPanelBox b;
    b.height = height;
    b.top = viewBottom - height - gap;
    b.innerHeight = height - 4;
    b.textTop = b.top + 9;
    return b;
}

STargetPanel panel(int32_t left, int32_t width, int32_t viewBottom, int32_t fontHeight, int32_t iconWidth) {
    STargetPanel p;
    p.left = left;
    p.width = width;
    p.textLeft = left + 2 + iconWidth + 3;
    p.textWidth = width - iconWidth - 6;
    p.oneLine = box(viewBottom, fontHeight + 10, 1);
    p.twoLines = box(viewBottom, 2 * fontHeight + 11, 2);
    return p;
}

}  // namespace

STargetPanels LayoutTargetPanels(int32_t x, int32_t y, int32_t w, int32_t h, int32_t fontHeight, int32_t iconWidth) {
    const int32_t width = w * 9 / 20, bottom = y + h;
    return {panel(x + 2, width, bottom, fontHeight, iconWidth),
            panel(x + w - width - 2, width, bottom, fontHeight, iconWidth)};
}
