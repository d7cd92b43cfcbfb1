#pragma once
// Feldmar2: the game's main class on the device framework. It picks the screen mode from the
// screen, creates the game object, paces the frames, repeats held keys and a held stylus, turns
// keys into the game's actions and hands everything to the game object.
#include <cstdint>
#include <memory>

#include "framework/game.h"

class SGameData;

// Action codes the keys are bound to.
enum Action : uint16_t {
    kActionForward = 1000,
    kActionBack = 1002,
    kActionTurnLeft = 1004,
    kActionTurnRight = 1006,
    kActionAttack = 3000,
    kActionSpellBook = 3001,
    kActionStrafeLeft = 3004,
    kActionStrafeRight = 3005,
    kActionUse = 3006,
    // The dialogs' refuse key (Cancel, No); no device button sends it, Escape does on a desktop.
    kActionRefuse = 3007,
};

struct SScreenChoice {
    bool supported = false;
    uint32_t screenMode = 0;
    uint32_t height = 0;  // as stored: 584 for an 800x600 screen
    bool landscapeNative = false;
    bool keyboard = false;
    uint32_t frameInterval = 40;  // milliseconds
};

// The screen mode and flags for a screen size and the stored orientation ("StartMode").
SScreenChoice ChooseScreenMode(uint32_t width, uint32_t height, uint32_t startMode);

// How the screen's panel lies on a handheld of that size, in quarter turns: the landscape screens
// that also show the portrait modes are portrait panels turned by 3, as the landscape phones
// report theirs, so that the framework turns a portrait picture to fit them.
int PanelOrientation(uint32_t width, uint32_t height);

class Feldmar2 : public HAL::Game {
public:
    static constexpr uint32_t kAppId = 0x0B45AA23;
    static constexpr uint32_t kRepeatMs = 30;

    Feldmar2();
    ~Feldmar2() override;

    bool OnInitialize() override;
    // Closing the window while a game runs writes the auto-save, as quitting does.
    void OnShutdown() override;
    bool OnFrame() override;
    void OnSuspend() override;
    void OnResume() override;
    void OnKeyDown(uint32_t virtualKey) override;
    void OnKeyUp(uint32_t virtualKey) override;
    void OnStylusDown(int32_t x, int32_t y) override;
    void OnStylusMove(int32_t x, int32_t y) override;
    void OnStylusUp(int32_t x, int32_t y) override;
    // Ends the program through QuitNow, which writes the auto-save first while a game runs.
    void Quit();

    // The action of a key, or 0 when it is bound to none.
    uint32_t MapKey(uint32_t virtualKey) const;
    // The game object is made by OnInitialize; tests may hand in one of their own instead.
    void AdoptGame(std::unique_ptr<SGameData> game);
    SGameData* Game() const { return m_game.get(); }

    platform::Window* m_windowCopy = nullptr;
    uint32_t m_screenWidth = 0;
    uint32_t m_screenHeight = 0;
    uint8_t m_landscapeNative = 0;
    uint8_t m_keyboard = 0;
    uint8_t m_fastPace = 0;
    uint32_t m_lastFrame = 0;
    int32_t m_lastStylusX = 0;
    int32_t m_lastStylusY = 0;
    uint8_t m_stylusHeld = 0;
    uint32_t m_lastStylusRepeat = 0;
    uint16_t m_heldAction = 0;
    uint32_t m_lastKeyRepeat = 0;

private:
    uint32_t frameInterval() const { return m_fastPace ? 30 : 40; }
    bool playScreenIdle() const;
    // On a keyboard, the action of the first bound key held down, then of the first arrow held
    // down; 0 when none is.
    uint32_t heldKeyboardAction() const;
    // Runs a frame tick at once when the play screen is current and has no dialog open, so that
    // input shows without waiting for the next paced frame.
    void tickIdlePlayScreen();
    // Frame steps 3 and 4: the held input's repeat, or the normal frame tick; false when the
    // repeat took the frame (no sleep after it).
    bool runFrame(uint32_t now);
    void stylus(int32_t x, int32_t y, uint32_t pressed, uint32_t moved);

    std::unique_ptr<SGameData> m_game;
};

// The one main game class, once it has initialised; null before.
Feldmar2* TheApp();
