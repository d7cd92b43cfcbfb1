#pragma once
// Whole frames of the 3-D view, shared by their benchmark and the test that checks each frame
// covers its view: (a) an open field under the sky at heading 45, fog from 2 cells and a far view
// of 7, on the free-angle path; (b) a dungeon corridor at facing 0; (c) the sample yard's street of
// objects, sprites, item piles and roofs at facing 0. Each at the screen sizes the game runs in.
#include <memory>
#include <string>
#include <vector>

#include "render/render.h"
#include "tools/sampledata/tiny_world.h"

namespace view_frames {

const char* const kField = R"(sky on
fog 2
far 7
fogcolour 9CF3
view 800 600
ceiling sky
cell . floor=grass
cell , floor=grass blend=dirt mask=mask
cell s floor=sand
grid
...............
..,,,......s...
..,,,......s...
.......,.......
...ss..........
...ss.....,,...
...............
.....,,........
...............
...............
...............
)";

const char* const kCorridor = R"(sky off
fog 2
far 7
fogcolour 0841
view 800 600
ceiling ceiling
cell # wall=brick upper=upper
cell . floor=stone
cell , floor=stone blend=moss mask=mask
cell p floor=pitside pit
grid
#######
###.###
###.###
###,###
###p###
###.###
###,###
###.###
###.###
###.###
#######
)";

struct ViewFrame {
    const char* name;
    const char* world;
    double x, y;
    int heading;
};

inline const ViewFrame kViewFrames[] = {
    {"OpenFieldHeading45", kField, 7.5, 9.5, 45},
    {"CorridorFacing0", kCorridor, 3.5, 9.5, 0},
    {"StreetFacing0", kSampleYard, 7.5, 22.5, 0},
};

struct ViewSize {
    int width, height;
};
constexpr ViewSize kViewSizes[] = {{800, 600}, {480, 640}, {240, 320}};

// A frame's world loaded and its view set to the size, drawing into pixels of its own.
struct Scene {
    STinyWorld world;
    std::vector<uint16_t> pixels;
    SRasterTarget target;
    std::unique_ptr<SRender> render = std::make_unique<SRender>();

    Scene(const ViewFrame& frame, ViewSize size) : pixels(size_t(size.width) * size.height) {
        std::string error;
        world.Load(frame.world, error);
        SViewDescriptor& view = world.View();
        view.m_viewWidth = view.m_screenWidth = size.width;
        view.m_viewHeight = view.m_screenHeight = size.height;
        view.m_positionX = int32_t(frame.x * 65536);
        view.m_positionY = int32_t(frame.y * 65536);
        view.m_heading = frame.heading << 16;
        target.Set(pixels.data(), size.width, size.height, size.width, 0);
        render->SetView(&world.View());
        render->SetSurface(&target);
    }
};

}  // namespace view_frames
