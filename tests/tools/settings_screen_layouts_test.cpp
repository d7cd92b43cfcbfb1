#include "tools/sampledata/settings_screen_layouts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/files/settings.h"
#include "screens/addons/state_add_worlds.h"
#include "screens/settings/state_settings.h"
#include "tools/layout_expectations.h"
#include "tools/sampledata/interface_layout.h"

namespace settings_screen_layouts_test {

namespace {

using Settings = SStateSettings;
using Worlds = SStateAddWorlds;

template <size_t N>
void append(std::vector<uint16_t>& ids, const uint32_t (&more)[N], size_t count = N) {
    for (size_t i = 0; i < count; ++i) ids.push_back(uint16_t(more[i]));
}

// The controls the settings screen places in the screen mode.
std::vector<uint16_t> settingsControls(uint16_t mode) {
    std::vector<uint16_t> ids{Settings::kTitle,      Settings::kClose,     Settings::kSoundLabel,
                              Settings::kMusicLabel, Settings::kKeysLabel, Settings::kDefaultKeys};
    append(ids, Settings::kSoundCells);
    append(ids, Settings::kMusicCells);
    append(ids, Settings::kRowNames);
    append(ids, Settings::kRowPrevious);
    append(ids, Settings::kRowValues);
    append(ids, Settings::kRowNext);
    if (HasOrientationChoice(mode)) {
        ids.push_back(Settings::kOrientationLabel);
        append(ids, Settings::kOrientationButtons);
    }
    if (IsLargeScreenMode(mode))
        ids.insert(ids.end(), {Settings::kViewSizeLabel, Settings::kViewSizeUp, Settings::kViewSizeValue,
                               Settings::kViewSizeDown});
    return ids;
}

// The add-on worlds screen's controls, with a row per entry of a page. The enabled and disabled
// marks of a row share their place, as only one of them shows.
std::vector<uint16_t> worldsControls(uint16_t mode) {
    std::vector<uint16_t> ids{Worlds::kTitle,        Worlds::kBack,         Worlds::kDescription,
                              Worlds::kNameHeader,   Worlds::kTypeHeader,   Worlds::kEnableHeader,
                              Worlds::kDeleteHeader, Worlds::kPreviousPage, Worlds::kNextPage};
    const size_t rows = size_t(Worlds::RowsPerPage(mode));
    append(ids, Worlds::kNames, rows);
    append(ids, Worlds::kTypes, rows);
    append(ids, Worlds::kEnabledMarks, rows);
    append(ids, Worlds::kDeletes, rows);
    return ids;
}

// Both screens cover the screen in every mode; each control the screen places there has its row,
// inside the screen and clear of every other.
TEST(SettingsScreenLayoutsTest, everyScreenModeLaysOutBothScreensWithoutOverlaps) {
    for (const LayoutScreenMode& m : kLayoutScreenModes) {
        const std::vector<uint8_t> bytes = SLayoutRecord::Build(SampleLayout(m.squareOrLarge));
        const SLayoutRecord layout(bytes);
        for (auto [dialogId, ids] : {std::pair{uint16_t(Settings::kLayout), settingsControls(m.mode)},
                                     std::pair{uint16_t(Worlds::kLayout), worldsControls(m.mode)}}) {
            const std::string name = "mode " + std::to_string(m.mode) + " layout " + std::to_string(dialogId);
            uint32_t w = 0, h = 0;
            ASSERT_TRUE(layout.FindSize(m.mode, dialogId, w, h)) << name;
            EXPECT_EQ(w, m.screenW) << name;
            EXPECT_EQ(h, m.screenH) << name;
            ExpectControlsInside(layout, m.mode, dialogId, w, h, ids, name);
            ExpectNoOverlaps(layout, m.mode, dialogId, ids, name);
        }
    }
}

}  // namespace

}  // namespace settings_screen_layouts_test
