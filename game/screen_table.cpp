// Screen switching and the routing of ticks, keys and stylus events to the current screen.
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/state_game.h"
#include "ui/state.h"

void SGameData::SetScreen(ScreenId id, std::unique_ptr<SState> screen) {
    if (id >= kScreenTableSize) return;
    // Map objects must never ask a play screen that is going away; the new one binds itself in Init.
    if (id == kPlayScreen) m_mapObjectTypes.SetScreen(nullptr);
    m_screens[id] = std::move(screen);
    // The script context must never keep a play screen that was replaced.
    if (id == kPlayScreen) bindPlayScreenToScripts();
}

void SGameData::bindPlayScreenToScripts() {
    SStateGame* play = SStateGame::Of(*this);
    // The player's blows and bars go to the play screen there is, never to one replaced.
    m_player.AttachScreen(play);
    if (m_scriptContext == nullptr) return;
    m_scriptContext->AttachPlayScreen(play);
    m_scriptContext->SetTextOutput(SScriptOutputMode::PlayScreen, play);
}

void SGameData::SwitchState(ScreenId id) {
    SState* old = m_currentScreen;
    uintptr_t words[4] = {};
    if (old) {
        // The words go over as the old screen held them when it answered, whatever Leave does.
        std::copy(std::begin(old->m_param), std::end(old->m_param), words);
        if (old->m_keep)
            m_stateStack.Append(old);
        else
            old->Leave();
    }

    SState* next = nullptr;
    if (id == kGoBack)
        next = m_stateStack.RemoveAt(m_stateStack.Count() - 1);
    else if (id != kStay)
        next = Screen(id);
    // Nothing to go back to, or an id without a screen: stay where we are.
    if (next == nullptr) next = old;
    if (next == nullptr) return;
    m_currentScreen = next;

    if (next->m_keep) {
        next->m_keep = 0;
        next->Resume();
    } else {
        next->Enter(words[0], words[1], words[2], words[3]);
    }
}

uint32_t SGameData::OnTimer() {
    ++m_frameCounter;
    if (!m_display || !m_currentScreen) return 0;
    const uint32_t answer = m_currentScreen->OnTick(m_frameCounter);
    if (answer != kStay) SwitchState(ScreenId(answer));
    return answer;
}

void SGameData::OnKey(uint32_t action) {
    if (!m_display || !m_currentScreen) return;
    const uint32_t answer = m_currentScreen->OnKey(action);
    if (answer != kStay) SwitchState(ScreenId(answer));
}

void SGameData::OnStylus(int32_t x, int32_t y, uint32_t pressed, uint32_t moved) {
    if (!m_display || !m_currentScreen) return;
    // The position is the screen's; the drawing reaches the screen turned by the framework, so the
    // position is turned back the same number of quarter turns.
    const int32_t width = m_display->m_width, height = m_display->m_height;
    const int32_t screenX = x, screenY = y;
    switch (m_display->m_turns) {
        case 1: x = screenY, y = height - screenX; break;
        case 2: x = width - screenX, y = height - screenY; break;
        case 3: x = width - screenY, y = screenX; break;
        default: break;
    }
    const uint32_t answer = m_currentScreen->OnPen(x, y, pressed, moved);
    if (answer != kStay) SwitchState(ScreenId(answer));
}

void SGameData::PopAllStates() {
    while (m_stateStack.Count() > 0) m_stateStack.RemoveAt(m_stateStack.Count() - 1)->Leave();
}

void SGameData::PopStatesAboveFirst() {
    while (m_stateStack.Count() > 1) m_stateStack.RemoveAt(m_stateStack.Count() - 1)->Leave();
}
