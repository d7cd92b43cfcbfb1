#include "tools/sampledata/interface_layout.h"

namespace {

struct ViewArea {
    uint16_t mode;
    SLayoutRow view;  // dialog 43, control 550: where the 3-D view lies
};

// The view leaves a band below (or beside, on wide screens) for the play screen's controls.
constexpr ViewArea kHandheld[] = {{6, {550, 0, 0, 320, 200}},
                                  {7, {550, 0, 0, 240, 240}},
                                  {9, {550, 0, 0, 640, 400}},
                                  {10, {550, 0, 0, 480, 480}}};
constexpr ViewArea kSquareOrLarge[] = {{8, {550, 0, 0, 240, 180}},
                                       {11, {550, 0, 0, 480, 380}},
                                       {14, {550, 0, 0, 640, 480}},
                                       {15, {550, 0, 0, 640, 584}},
                                       {16, {550, 0, 0, 480, 240}}};

}  // namespace

std::vector<SLayoutDialog> SampleLayout(bool squareOrLargeModes) {
    SLayoutDialog playView{43, {}};
    for (const ViewArea& area :
         squareOrLargeModes ? std::span<const ViewArea>(kSquareOrLarge) : std::span<const ViewArea>(kHandheld))
        playView.modes.push_back({area.mode, 0, 0, {area.view}});
    return {playView};
}
