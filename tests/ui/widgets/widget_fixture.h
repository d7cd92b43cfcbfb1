#pragma once
// Widgets drawn into memory: a game object with a small screen in memory and the block font,
// screen type 7 unless a test changes it, and a dialog the widgets are attached to; the headless
// clock starts afresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_data.h"
#include "support/block_font.h"
#include "support/headless_fixture.h"
#include "support/memory_display.h"
#include "ui/dialog.h"

class WidgetTest : public HeadlessTest {
protected:
    static constexpr int kScreenW = 160, kScreenH = 120;
    static constexpr uint16_t kGround = 0x0841;  // the screen before drawing

    void SetUp() override {
        HeadlessTest::SetUp();
        game.m_screenMode = 7;
        game.m_display = std::make_unique<SDisplay>();
        DrawIntoMemory(*game.m_display, pixels, kScreenW, kScreenH);
        game.m_text = std::make_unique<SText>();
        game.m_text->SetDisplay(game.m_display.get());
        UseBlockFont(*game.m_text);
        dialog.Init(&game);
    }

    // Attaches the control to the dialog at the rectangle, placed and ready.
    template <class Ctrl>
    Ctrl& place(Ctrl& ctrl, int x, int y, int w, int h) {
        ctrl.Attach(&dialog);
        ctrl.SetRect(int16_t(x), int16_t(y), uint16_t(w), uint16_t(h));
        ctrl.m_flags = SCtrlFlags::kPlaced;
        return ctrl;
    }

    void clearScreen() { std::fill(pixels.begin(), pixels.end(), kGround); }
    uint16_t at(int x, int y) const { return pixels[size_t(y) * kScreenW + size_t(x)]; }
    // The smallest rectangle holding every pixel of the colour, as "x,y wxh", or "none".
    std::string boundsOf(uint16_t colour) const {
        int left = kScreenW, top = kScreenH, right = -1, bottom = -1;
        for (int y = 0; y < kScreenH; ++y) {
            for (int x = 0; x < kScreenW; ++x) {
                if (at(x, y) != colour) continue;
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
        if (right < 0) return "none";
        return std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(right - left + 1) + "x" +
               std::to_string(bottom - top + 1);
    }
    int countOf(uint16_t colour) const { return int(std::count(pixels.begin(), pixels.end(), colour)); }

    SGameData game;
    std::vector<uint16_t> pixels = std::vector<uint16_t>(size_t(kScreenW) * kScreenH, kGround);
    SDialog dialog;
};
