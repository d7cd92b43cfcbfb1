#include "tools/sampledata/loadsave_screen_layouts.h"

#include <algorithm>

#include "engine/draw/screen_type.h"
#include "engine/files/settings.h"
#include "game/saved_screens.h"
#include "screens/death/state_death.h"
#include "screens/loadsave/state_load_save.h"
#include "tools/sampledata/layout_rows.h"
#include "tools/sampledata/load_save_art.h"

namespace {

using LoadSave = SStateLoadSave;
using Death = SStateDeath;

// Font heights as the text service picks them: font 1 and font 2 on the screen type.
int font1Height(uint16_t mode) { return IsSmallScreenType(mode) ? 15 : mode == 11 ? 20 : 26; }
int font2Height(uint16_t mode) { return IsSmallScreenType(mode) ? 18 : 26; }
// The close and menu buttons as interface_art.cpp and inventory_art.cpp draw them.
int closeSize(bool largePictures) { return largePictures ? 36 : 24; }
SArtSize menuButtonSize(bool largePictures) { return largePictures ? SArtSize{60, 36} : SArtSize{32, 20}; }

SLayoutMode loadSaveLayout(uint16_t mode, int width, int height) {
    const bool largePictures = IsLargeScreenMode(mode);
    const int margin = IsSmallScreenType(mode) ? 4 : 8, close = closeSize(largePictures);
    const SArtSize button = LoadSaveButtonSize();
    const int titleBand = std::max(font2Height(mode) + 4, close);
    std::vector<SLayoutRow> rows;
    rows.push_back(ClampedRow(LoadSave::kTitle, margin + close, margin / 2, width - 2 * (margin + close), titleBand));
    rows.push_back(ClampedRow(LoadSave::kBack, width - margin - close, margin / 2, close, close));

    // A row holds the thumbnail inside the frame and two lines of the rows' font beside it.
    const int textFont = mode == 9 || mode == 10 || mode == 14 || mode == 15 ? font2Height(mode) : font1Height(mode);
    const int inset = 4, gap = 2;
    const int wanted = std::max(kSaveThumbHeight, 2 * (textFont + 1)) + 2 * inset + gap;
    const int top = margin / 2 + titleBand + 2;
    const int underRows = height - margin - button.height - margin;
    // Too short for the buttons under the rows, they stand in a column at the right; the thumbnail
    // then reaches over the frame's edges.
    const bool buttonsBelow = (underRows - top) / LoadSave::kSlots >= kSaveThumbHeight + 2 * inset + gap;
    const int rowsW = buttonsBelow ? width - 2 * margin : width - 3 * margin - button.width;
    const int rowH = std::min(wanted, ((buttonsBelow ? underRows : height - margin) - top) / LoadSave::kSlots);
    const int textX = margin + inset + kSaveThumbWidth + 6;
    for (int slot = 0; slot < LoadSave::kSlots; ++slot) {
        const int y = top + slot * rowH, frameH = rowH - gap;
        rows.push_back(ClampedRow(int(LoadSave::kFrames[slot]), margin, y, rowsW, frameH));
        rows.push_back(ClampedRow(int(LoadSave::kThumbnails[slot]), margin + inset, y + (frameH - kSaveThumbHeight) / 2,
                                  kSaveThumbWidth, kSaveThumbHeight));
        rows.push_back(ClampedRow(int(LoadSave::kTexts[slot]), textX, y + inset, margin + rowsW - inset - textX,
                                  frameH - 2 * inset));
    }
    if (buttonsBelow) {
        const int y = height - margin - button.height;
        rows.push_back(ClampedRow(LoadSave::kAction, margin, y, button.width, button.height));
        rows.push_back(ClampedRow(LoadSave::kRemove, width - margin - button.width, y, button.width, button.height));
    } else {
        const int x = width - margin - button.width;
        rows.push_back(ClampedRow(LoadSave::kAction, x, top, button.width, button.height));
        rows.push_back(ClampedRow(LoadSave::kRemove, x, top + button.height + margin, button.width, button.height));
    }
    return {mode, uint16_t(width), uint16_t(height), rows};
}

SLayoutMode deathLayout(uint16_t mode, int width, int height) {
    const bool largePictures = IsLargeScreenMode(mode);
    const int margin = IsSmallScreenType(mode) ? 4 : 8, gap = 2 * margin;
    const SArtSize left = DeathPictureSize(0, largePictures), middle = DeathPictureSize(1, largePictures);
    const SArtSize right = DeathPictureSize(2, largePictures), button = menuButtonSize(largePictures);
    // Room for the epitaph wrapped over four lines of font 2 on the narrowest screens.
    const int textH = 4 * (font2Height(mode) + 1);
    const int y = std::max((height - middle.height - textH - button.height - 2 * gap) / 2, margin);
    const int middleX = (width - middle.width) / 2;
    std::vector<SLayoutRow> rows{ClampedRow(int(Death::kPictures[0]), middleX - gap - left.width,
                                            y + (middle.height - left.height) / 2, left.width, left.height),
                                 ClampedRow(int(Death::kPictures[1]), middleX, y, middle.width, middle.height),
                                 ClampedRow(int(Death::kPictures[2]), middleX + middle.width + gap,
                                            y + (middle.height - right.height) / 2, right.width, right.height),
                                 ClampedRow(int(Death::kEpitaphElement), margin, y + middle.height + gap,
                                            width - 2 * margin, textH),
                                 ClampedRow(int(Death::kToMenu), (width - button.width) / 2,
                                            y + middle.height + textH + 2 * gap, button.width, button.height)};
    return {mode, uint16_t(width), uint16_t(height), rows};
}

}  // namespace

void AddLoadSaveScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height) {
    LayoutDialogOf(dialogs, uint16_t(LoadSave::kLayout)).modes.push_back(loadSaveLayout(mode, width, height));
    LayoutDialogOf(dialogs, uint16_t(Death::kLayout)).modes.push_back(deathLayout(mode, width, height));
}
