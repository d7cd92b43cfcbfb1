#include "tools/sampledata/interface_layout.h"

#include <algorithm>

#include "engine/files/settings.h"
#include "tools/sampledata/creation_dialog_layouts.h"
#include "tools/sampledata/enchant_dialog_layouts.h"
#include "tools/sampledata/menu_screen_layouts.h"
#include "tools/sampledata/play_dialog_layouts.h"
#include "tools/sampledata/play_screen_layout.h"
#include "tools/sampledata/settings_screen_layouts.h"
#include "tools/sampledata/tool_dialog_layouts.h"

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

struct ModeScreen {
    uint16_t mode;
    int width, height;
    int fontHeight;  // of the font the loading caption selects (font 1, font 2 where large text)
};

constexpr ModeScreen kHandheldScreens[] = {{6, 320, 240, 15}, {7, 240, 320, 15}, {9, 640, 480, 26}, {10, 480, 640, 26}};
constexpr ModeScreen kSquareOrLargeScreens[] = {{8, 240, 240, 15},
                                                {11, 480, 480, 20},
                                                {14, 800, 480, 26},
                                                {15, 800, 584, 26},
                                                {16, 640, 240, 15}};

// The loading dialog and the main menu (layout 3) cover the screen: the first scene across the top with the
// emblem over it, the other two side by side below, and under them element 12 down to the bottom,
// at least tall enough for the caption at its middle and the bar's frame below that.
SLayoutMode loadingLayout(const ModeScreen& screen) {
    const bool large = IsLargeScreenMode(screen.mode);
    const int pictureW = large ? 240 : 120, pictureH = large ? 120 : 60;
    const int emblemW = large ? 240 : 120, emblemH = large ? 56 : 28;
    const int barH = 4 * screen.fontHeight + 24;
    const int above = screen.height - barH;
    const int sceneH = std::min(screen.width / 2, above - pictureH - 8);
    const int sideW = std::min(pictureW, (screen.width - 12) / 2);
    const int sideX = (screen.width - 2 * sideW - 4) / 2;
    auto row = [](int id, int x, int y, int w, int h) {
        return SLayoutRow{uint16_t(id), uint16_t(x), uint16_t(y), uint16_t(w), uint16_t(h)};
    };
    return {screen.mode,
            uint16_t(screen.width),
            uint16_t(screen.height),
            {row(10, 0, 0, screen.width, sceneH),
             row(11, (screen.width - emblemW) / 2, (sceneH - emblemH) / 2, emblemW, emblemH),
             row(12, 0, sceneH + pictureH + 8, screen.width, screen.height - sceneH - pictureH - 8),
             row(13, sideX, sceneH + 4, sideW, pictureH), row(14, sideX + sideW + 4, sceneH + 4, sideW, pictureH),
             row(15, screen.width / 2, screen.height - screen.fontHeight - 2, screen.width / 2 - 4,
                 screen.fontHeight)}};
}

// The map dialog (layout 8) covers the screen: the title and under it the day and the time across
// the top, the map below them, and along the bottom the selection text beside the three buttons
// (the two face buttons share a place, as only one of them shows at a time).
SLayoutMode mapDialogLayout(const ModeScreen& screen) {
    const bool large = IsLargeScreenMode(screen.mode);
    const int margin = large ? 8 : 4, button = large ? 36 : 24, titleH = screen.fontHeight + 4;
    const int lineH = screen.fontHeight;
    const int mapY = margin + titleH + lineH + 2, buttonsY = screen.height - margin - button;
    const int closeX = screen.width - margin - button, faceX = closeX - margin - button;
    auto row = [](int id, int x, int y, int w, int h) {
        return SLayoutRow{uint16_t(id), uint16_t(x), uint16_t(y), uint16_t(w), uint16_t(h)};
    };
    const int half = screen.width / 2;
    return {screen.mode,
            uint16_t(screen.width),
            uint16_t(screen.height),
            {row(44, 0, 0, screen.width, screen.height), row(45, margin, margin, screen.width - 2 * margin, titleH),
             row(47, 0, margin + titleH, half, lineH), row(51, half, margin + titleH, screen.width - half, lineH),
             row(46, margin, mapY, screen.width - 2 * margin, buttonsY - margin - mapY),
             row(52, margin, buttonsY + (button - lineH) / 2, faceX - 2 * margin, lineH),
             row(49, faceX, buttonsY, button, button), row(50, faceX, buttonsY, button, button),
             row(48, closeX, buttonsY, button, button)}};
}

}  // namespace

std::vector<SLayoutDialog> SampleLayout(bool squareOrLargeModes) {
    const std::span<const ViewArea> views = squareOrLargeModes ? std::span<const ViewArea>(kSquareOrLarge)
                                                               : std::span<const ViewArea>(kHandheld);
    const std::span<const ModeScreen> screens = squareOrLargeModes ? std::span<const ModeScreen>(kSquareOrLargeScreens)
                                                                   : std::span<const ModeScreen>(kHandheldScreens);
    SLayoutDialog playView{43, {}};
    SLayoutDialog loading{3, {}};
    SLayoutDialog map{8, {}};
    for (const ModeScreen& screen : screens) {
        loading.modes.push_back(loadingLayout(screen));
        map.modes.push_back(mapDialogLayout(screen));
        for (const ViewArea& area : views)
            if (area.mode == screen.mode)
                playView.modes.push_back(PlayScreenLayout(screen.mode, screen.width, screen.height, area.view));
    }
    std::vector<SLayoutDialog> dialogs{loading, map, playView};
    for (const ModeScreen& screen : screens) {
        AddCreationDialogModes(dialogs, screen.mode, screen.width, screen.height, screen.fontHeight);
        AddMenuScreenModes(dialogs, screen.mode, screen.width, screen.height);
        AddSettingsScreenModes(dialogs, screen.mode, screen.width, screen.height);
    }
    for (const ModeScreen& screen : screens)
        for (const ViewArea& area : views)
            if (area.mode == screen.mode) {
                AddPlayDialogModes(dialogs, screen.mode, screen.width, screen.height, area.view);
                AddToolDialogModes(dialogs, screen.mode, screen.width, screen.height, area.view);
            }
    std::vector<SScreenSize> sizes;
    for (const ModeScreen& screen : screens) sizes.push_back({screen.mode, screen.width, screen.height});
    for (SLayoutDialog& dialog : EnchantDialogLayouts(sizes)) dialogs.push_back(std::move(dialog));
    return dialogs;
}
