#include "ui/widgets/clipped_blit.h"

#include <algorithm>

#include "engine/packages/resource_cache.h"
#include "ui/picture_sets.h"

void BlitClipped(SDisplay& display, const SPictureEntry* picture, int x, int y, const SClipRect& clip, bool keyed) {
    if (picture == nullptr) return;
    const int left = std::max(x, clip.left), top = std::max(y, clip.top);
    const int right = std::min(x + PictureWidth(picture), clip.right);
    const int bottom = std::min(y + PictureHeight(picture), clip.bottom);
    if (left >= right || top >= bottom) return;
    if (keyed)
        display.BlitKeyedRect(*picture, left, top, left - x, top - y, right - left, bottom - top);
    else
        display.BlitOpaqueRect(*picture, left, top, left - x, top - y, right - left, bottom - top);
}
