#pragma once
// What the sample layout tests share: the screen modes of both layout records with their screens
// and 3-D views, and the check that a dialog has each of its controls, inside itself.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/layout_record.h"

struct LayoutScreenMode {
    uint16_t mode;
    bool squareOrLarge;  // in the second record
    uint32_t screenW, screenH, viewW, viewH;
};

inline const LayoutScreenMode kLayoutScreenModes[] = {{6, false, 320, 240, 320, 200}, {7, false, 240, 320, 240, 240},
                                                      {9, false, 640, 480, 640, 400}, {10, false, 480, 640, 480, 480},
                                                      {8, true, 240, 240, 240, 160},  {11, true, 480, 480, 480, 380},
                                                      {14, true, 800, 480, 640, 480}, {15, true, 800, 584, 640, 584},
                                                      {16, true, 640, 240, 480, 240}};

// Every control has a row with an area, inside the dialog's w x h.
inline void ExpectControlsInside(const SLayoutRecord& layout, uint16_t mode, uint16_t dialogId, uint32_t w, uint32_t h,
                                 const std::vector<uint16_t>& controls, const std::string& name) {
    for (uint16_t id : controls) {
        const auto row = layout.FindCtrl(mode, dialogId, id);
        ASSERT_TRUE(row) << name << " control " << id;
        EXPECT_GT(row->width * row->height, 0) << name << " control " << id;
        EXPECT_LE(row->x + row->width, w) << name << " control " << id;
        EXPECT_LE(row->y + row->height, h) << name << " control " << id;
    }
}

// No two of the controls share a pixel.
inline void ExpectNoOverlaps(const SLayoutRecord& layout, uint16_t mode, uint16_t dialogId,
                             const std::vector<uint16_t>& ids, const std::string& name) {
    for (size_t i = 0; i < ids.size(); ++i)
        for (size_t j = i + 1; j < ids.size(); ++j) {
            const auto a = layout.FindCtrl(mode, dialogId, ids[i]), b = layout.FindCtrl(mode, dialogId, ids[j]);
            if (!a || !b) continue;
            const bool apart = a->x + a->width <= b->x || b->x + b->width <= a->x || a->y + a->height <= b->y ||
                               b->y + b->height <= a->y;
            EXPECT_TRUE(apart) << name << ": controls " << ids[i] << " and " << ids[j] << " overlap";
        }
}
