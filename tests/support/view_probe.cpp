#include "support/view_probe.h"

#include <algorithm>
#include <utility>

#include "game/game_data.h"
#include "render/render.h"
#include "render/view_descriptor.h"
#include "screens/play/state_game.h"
#include "support/play_driver.h"
#include "support/png_writer.h"

namespace {

constexpr int kRedrawFrameLimit = 200;
constexpr int32_t kCellSide = SRender::kCellSize;

// The two ends of a cell's side, in world units within the cell, left to right seen from inside.
struct SSideEnds {
    int32_t ax, ay, bx, by;
};
constexpr SSideEnds kSideEnds[4] = {{0, 0, kCellSide, 0},
                                    {kCellSide, 0, kCellSide, kCellSide},
                                    {kCellSide, kCellSide, 0, kCellSide},
                                    {0, kCellSide, 0, 0}};

}  // namespace

int ViewShot::Count(const ViewArea& area, std::initializer_list<uint16_t> colours) const {
    int count = 0;
    for (int y = std::max(0, area.top); y < std::min(height, area.bottom); ++y)
        for (int x = std::max(0, area.left); x < std::min(width, area.right); ++x)
            if (std::find(colours.begin(), colours.end(), At(x, y)) != colours.end()) ++count;
    return count;
}

ViewShot ViewShot::Top(int rows) const {
    ViewShot top = *this;
    top.height = std::min(rows, height);
    top.pixels.resize(size_t(top.height) * size_t(width));
    return top;
}

void ViewShot::Keep(const std::string& name) const { WriteShot(name, pixels, width, height, width); }

ViewDifference Difference(const ViewShot& before, const ViewShot& after) {
    ViewDifference difference;
    ViewArea& bounds = difference.bounds;
    bounds = {after.width, after.height, 0, 0};
    for (int y = 0; y < std::min(before.height, after.height); ++y)
        for (int x = 0; x < std::min(before.width, after.width); ++x) {
            if (before.At(x, y) == after.At(x, y)) continue;
            ++difference.count;
            bounds = {std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                      std::max(bounds.bottom, y + 1)};
        }
    if (difference.count == 0) bounds = {};
    return difference;
}

int CountTurnedDark(const ViewShot& before, const ViewShot& after, int brightest) {
    int count = 0;
    for (size_t i = 0; i < std::min(before.pixels.size(), after.pixels.size()); ++i) {
        if (after.pixels[i] == before.pixels[i]) continue;
        uint8_t red = 0, green = 0, blue = 0;
        Rgb565ToRgb(after.pixels[i], red, green, blue);
        if (red <= brightest && green <= brightest && blue <= brightest) ++count;
    }
    return count;
}

ViewArea FaceArea(PlayDriver& driver, int x, int y, int side, int32_t bottom, int32_t top) {
    return FaceArea(*driver.Game().m_render, x, y, side, bottom, top);
}

ViewArea FaceArea(SRender& render, int x, int y, int side, int32_t bottom, int32_t top) {
    const int32_t cx = x - render.Camera().eyeCellX, cy = y - render.Camera().eyeCellY;
    const SSideEnds& ends = kSideEnds[side];
    ViewArea area{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    for (const auto& [ox, oy] : {std::pair{ends.ax, ends.ay}, std::pair{ends.bx, ends.by}})
        for (const int32_t height : {bottom, top}) {
            const SRenderVertex point = render.CellCornerToView(cx, cy, ox, height, oy);
            if (point.z <= 0) return {};
            const SRenderVertex screen = render.Project(point);
            area.left = std::min(area.left, screen.x >> 4);
            area.right = std::max(area.right, (screen.x >> 4) + 1);
            area.top = std::min(area.top, screen.y >> 4);
            area.bottom = std::max(area.bottom, (screen.y >> 4) + 1);
        }
    return area;
}

ViewShot ShootView(PlayDriver& driver) {
    return CutView(driver.Game().PlayView(), driver.Rig().Capture(), driver.Rig().Width());
}

ViewShot CutView(const SViewDescriptor& view, const std::vector<uint16_t>& screen, int screenWidth) {
    ViewShot shot;
    shot.width = view.m_viewWidth;
    shot.height = view.m_viewHeight;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x)
            shot.pixels.push_back(screen[size_t(view.m_viewY + y) * size_t(screenWidth) + size_t(view.m_viewX + x)]);
    return shot;
}

ViewShot RedrawView(PlayDriver& driver) {
    driver.Play().m_redrawRequest = 1;
    driver.Frame();
    driver.RunUntilIdle(kRedrawFrameLimit);
    return ShootView(driver);
}
