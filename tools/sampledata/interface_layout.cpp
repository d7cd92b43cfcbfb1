#include "tools/sampledata/interface_layout.h"

#include "engine/files/settings.h"
#include "tools/sampledata/card_screen_layouts.h"
#include "tools/sampledata/conversation_screen_layouts.h"
#include "tools/sampledata/creation_dialog_layouts.h"
#include "tools/sampledata/enchant_dialog_layouts.h"
#include "tools/sampledata/inventory_screen_layout.h"
#include "tools/sampledata/loadsave_screen_layouts.h"
#include "tools/sampledata/menu_screen_layouts.h"
#include "tools/sampledata/new_game_screen_layouts.h"
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
constexpr ViewArea kSquareOrLarge[] = {{8, {550, 0, 0, 240, 160}},
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
    SLayoutDialog map{8, {}};
    for (const ModeScreen& screen : screens) {
        map.modes.push_back(mapDialogLayout(screen));
        for (const ViewArea& area : views)
            if (area.mode == screen.mode)
                playView.modes.push_back(PlayScreenLayout(screen.mode, screen.width, screen.height, area.view));
    }
    std::vector<SLayoutDialog> dialogs{map, playView};
    for (const ModeScreen& screen : screens) {
        AddCreationDialogModes(dialogs, screen.mode, screen.width, screen.height, screen.fontHeight);
        AddMenuScreenModes(dialogs, screen.mode, screen.width, screen.height, screen.fontHeight);
        AddNewGameScreenModes(dialogs, screen.mode, screen.width, screen.height, screen.fontHeight);
        AddSettingsScreenModes(dialogs, screen.mode, screen.width, screen.height);
        AddInventoryScreenModes(dialogs, screen.mode, screen.width, screen.height, screen.fontHeight);
        AddCardScreenModes(dialogs, screen.mode, screen.width, screen.height);
        AddLoadSaveScreenModes(dialogs, screen.mode, screen.width, screen.height);
        AddConversationScreenModes(dialogs, screen.mode, screen.width, screen.height, screen.fontHeight);
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
