#pragma once
// A play screen for interface tests: it draws a stand-in for the 3-D view (sky over ground, in the
// view rectangle the layout gives) on a dark screen, as the real one draws the view first and its
// dialogs over it, and writes down every command that reaches it. It has no controls and runs no
// world: events go to its dialog and controls as the dialog base routes them.
#include <cstdint>
#include <vector>

#include "engine/draw/display.h"
#include "engine/draw/picture.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"

class RecordingPlayScreen : public SStateGame {
public:
    static constexpr uint16_t kScreenColour = 0x2104;
    static constexpr uint16_t kSkyColour = 0x4C1F;
    static constexpr uint16_t kGroundColour = 0x3A06;

    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override {
        SState::Enter(p1, p2, p3, p4);
        m_entered = 1;
        m_game->m_gameRunning = true;
        SetPos(0, 0);
        m_w = m_display->m_width;
        m_h = m_display->m_height;
        // The view and the screen around it are painted here, not by the dialog base.
        NoBackground();
    }
    void Draw() override {
        if (IsDirty()) {
            const SViewDescriptor& view = m_game->PlayView();
            m_display->FillRect(0, 0, m_w, m_h, kScreenColour);
            const int skyH = view.m_viewHeight / 2;
            m_display->FillRect(view.m_viewX, view.m_viewY, view.m_viewWidth, skyH, kSkyColour);
            m_display->FillRect(view.m_viewX, view.m_viewY + skyH, view.m_viewWidth, view.m_viewHeight - skyH,
                                kGroundColour);
        }
        SDialog::Draw();
    }
    void Resume() override { SState::Resume(); }
    uint32_t OnKey(uint32_t key) override { return SDialog::OnKey(key); }
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override {
        return SDialog::OnPen(x, y, down, drag);
    }
    uint32_t OnTick(uint32_t arg) override { return SDialog::OnTick(arg); }
    uint32_t OnCommand(uint32_t id) override {
        m_commands.push_back(id);
        return 0;
    }

    std::vector<uint32_t> m_commands;
};
