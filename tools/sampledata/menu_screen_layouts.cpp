#include "tools/sampledata/menu_screen_layouts.h"

#include "engine/draw/screen_type.h"
#include "screens/splash/splash_tracks.h"
#include "tools/sampledata/layout_rows.h"
#include "tools/sampledata/splash_art.h"

void AddMenuScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height) {
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
