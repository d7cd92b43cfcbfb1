#include "ui/fill_around.h"

#include <algorithm>
#include <vector>

#include "engine/draw/display.h"

namespace {

// Fills the part of `box` that lies inside `area`.
void fillPart(SDisplay& display, const SScreenBox& area, const SScreenBox& box, uint16_t colour) {
    const SScreenBox part{std::max(area.left, box.left), std::max(area.top, box.top), std::min(area.right, box.right),
                          std::min(area.bottom, box.bottom)};
    if (!part.Empty()) display.FillRect(part.left, part.top, part.right - part.left, part.bottom - part.top, colour);
}

}  // namespace

void FillAround(SDisplay& display, const SScreenBox& area, std::span<const SScreenBox> holes, uint16_t colour) {
    // Bands between the holes' top and bottom edges, inside each of which a hole covers every row
    // or none; in a band, the stretches between the holes it meets, left to right.
    // Kept between calls: the item grid clears every cell around its picture on each redraw, and
    // two allocations a cell would cost more than the clearing.
    static thread_local std::vector<int> edges;
    static thread_local std::vector<SScreenBox> met;
    edges.assign({area.top, area.bottom});
    for (const SScreenBox& hole : holes) {
        if (hole.Empty()) continue;
        edges.push_back(std::clamp(hole.top, area.top, area.bottom));
        edges.push_back(std::clamp(hole.bottom, area.top, area.bottom));
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        const int top = edges[i], bottom = edges[i + 1];
        met.clear();
        for (const SScreenBox& hole : holes)
            if (!hole.Empty() && hole.top <= top && hole.bottom >= bottom) met.push_back(hole);
        std::sort(met.begin(), met.end(), [](const SScreenBox& a, const SScreenBox& b) { return a.left < b.left; });
        int left = area.left;
        for (const SScreenBox& hole : met) {
            fillPart(display, area, {left, top, hole.left, bottom}, colour);
            left = std::max(left, hole.right);
        }
        fillPart(display, area, {left, top, area.right, bottom}, colour);
    }
}
