#include "tools/sampledata/menu_screen_layouts.h"

#include <algorithm>

#include "engine/draw/screen_type.h"
#include "engine/files/settings.h"
#include "screens/splash/splash_tracks.h"
#include "tools/sampledata/layout_rows.h"
#include "tools/sampledata/splash_art.h"

namespace {

// The menu's rows during a game, the most it ever shows.
constexpr int kMenuRows = 8;

void addSplashMode(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height) {
    const bool small = IsSmallScreenType(mode);
    const int logoW = small ? ShrinkSplashCoordinate(kSplashGridWidth) + 1 : kSplashGridWidth;
    const int logoH = small ? ShrinkSplashCoordinate(kSplashGridHeight) + 1 : kSplashGridHeight;
    const int logoY = height / 3 - logoH / 2;
    const int textW = SplashTextWidth(small);
    const int textY = logoY + logoH + (small ? 8 : 16);
    LayoutDialogOf(dialogs, 2)
        .modes.push_back({mode,
                          uint16_t(width),
                          uint16_t(height),
                          {ClampedRow(8, (width - logoW) / 2, logoY, logoW, logoH),
                           ClampedRow(9, (width - textW) / 2, textY, textW, SplashTextHeight(small))}});
}

// Layout 3 covers the screen: the first scene with the emblem over it and the other two scenes
// side by side below it, element 12 (the menu's list, or the loading caption at its middle with
// the bar's frame below) and the version text at the bottom right. The list is tall enough for
// every row a game in progress shows, each as high as the menu's font and its gap; on a tall or
// square screen it lies under the pictures across the width, on a wide one in a column at the
// right.
void addMenuMode(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height, int fontHeight) {
    const bool small = IsSmallScreenType(mode);
    const int menuFontHeight = small ? 18 : 26;  // font 2
    const int listH = std::max(kMenuRows * (menuFontHeight + (small ? 1 : 2)) + 4, 4 * fontHeight + 24);
    const int versionH = fontHeight + 2;
    const bool tall = height >= width;
    // The widest row, "Additional worlds", fits the column.
    const int listW = tall ? width : std::min(std::max(width / 2, small ? 160 : 300), width - 80);
    const int listX = width - listW;
    const int margin = small ? 4 : 8;
    const int listY = tall ? height - versionH - listH : std::max((height - versionH - listH) / 2, 0);

    const int picturesW = tall ? width : listX;
    const int picturesH = tall ? listY : height;
    // The menu keeps the scenes' proportions (twice as wide as high): where the room is low, an
    // element narrower than the room keeps a scene from reaching down over the list.
    const int sideH = std::min((picturesW - 12) / 4, picturesH / 3);
    const int sideW = std::min((picturesW - 12) / 2, 2 * sideH);
    const int sceneH = std::min(picturesW / 2, picturesH - sideH - 8);
    const int sceneW = std::min(picturesW, 2 * sceneH);
    // The emblem is drawn keyed, at its own size.
    const bool largePictures = IsLargeScreenMode(mode);
    const int emblemW = largePictures ? 240 : 120, emblemH = largePictures ? 56 : 28;
    LayoutDialogOf(dialogs, 3)
        .modes.push_back({mode,
                          uint16_t(width),
                          uint16_t(height),
                          {ClampedRow(10, (picturesW - sceneW) / 2, 0, sceneW, sceneH),
                           ClampedRow(11, (picturesW - emblemW) / 2, (sceneH - emblemH) / 2, emblemW, emblemH),
                           ClampedRow(12, listX + margin, listY, listW - 2 * margin, listH),
                           ClampedRow(13, picturesW / 2 - 2 - sideW, sceneH + 4, sideW, sideH),
                           ClampedRow(14, picturesW / 2 + 2, sceneH + 4, sideW, sideH),
                           ClampedRow(15, width - listW / 2, height - versionH, listW / 2 - 4, fontHeight)}});
}

}  // namespace

void AddMenuScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height, int fontHeight) {
    addSplashMode(dialogs, mode, width, height);
    addMenuMode(dialogs, mode, width, height, fontHeight);
}
