#pragma once
// The interface test rig: the game object started headless (SGameData::Init) in a chosen screen mode
// on the sample interface package, with a recording play screen current and the 3-D view placed
// by the layout. Tests open dialogs over the play screen, send actions and taps through the game
// object's own input entries with the frame counter moving on, advance the headless clock, read
// the screen back, read the sound log, check that the screen equals a full repaint, and write the
// screen as a PNG for a person to look at. The play screen's driver builds on the same pieces.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/game_data.h"
#include "support/recording_play_screen.h"
#include "support/sound_log.h"
#include "support/temp_folder.h"

class SDialog;

class UiRig {
public:
    UiRig();
    ~UiRig();

    // Writes the sample interface package into the program folder (the one $BRIMVALE_HOME names),
    // opens a device screen of the mode's size and starts the game in the mode, then enters the
    // recording play screen (or, without `recording`, the game's own) and draws the first frame.
    // False, with the reason, when any step fails.
    bool Start(uint32_t screenMode, std::string& error, bool recording = true);

    SGameData& Game() { return *m_game; }
    // Only when started with the recording play screen.
    RecordingPlayScreen& PlayScreen() { return *m_playScreen; }
    SoundLog& Sounds() { return m_sounds; }
    int Width() const;
    int Height() const;
    // The main loop's pace in the screen mode: a frame every 30 ms on the large screens, else 40.
    uint32_t FrameInterval() const;

    // Opens a dialog, whose own opening routine has run, as the current screen's child.
    void OpenDialog(SDialog& dialog);

    // Each sends one event through the game object and runs a frame after it, as the device would.
    // Stylus positions are made even, as the main game class makes them.
    void Key(uint32_t action);
    void PenDown(int x, int y);
    void PenMove(int x, int y);
    void PenUp(int x, int y);
    void Tap(int x, int y);
    // Opens the display's scene, as the main loop does before it hands on an input event, so that
    // what presents frames while it handles the event (a loader, a text reveal) reaches the screen.
    void BeginScene();
    // One frame of the main loop: the clock moves on by the mode's frame interval, the current
    // screen gets its tick, and the frame is presented.
    void Frame();
    void Frames(int count);
    // Moves the headless clock on without a frame.
    void AdvanceClock(uint32_t milliseconds);

    // The last presented frame, the drawing size of the screen mode, rows packed.
    std::vector<uint16_t> Capture() const;
    uint16_t Pixel(int x, int y) const;
    // Whether the screen as it stands equals what a full repaint of the current state draws. The
    // screen is painted over first, so that a place the repaint leaves out shows too.
    ::testing::AssertionResult MatchesFullRepaint();
    // The screen as NAME.png in the folder $BRIMVALE_SHOTS names; nothing without it.
    bool Shot(const std::string& name) const;

private:
    void present();

    std::unique_ptr<SGameData> m_game;
    RecordingPlayScreen* m_playScreen = nullptr;
    SoundLog m_sounds;
};

// A fixture with a fresh program folder and a rig started by the test.
class UiRigTest : public TempFolderTest {
protected:
    void TearDown() override {
        m_rig.reset();
        TempFolderTest::TearDown();
    }
    // Starts a fresh rig in the screen mode; the previous one, if any, is dropped first.
    UiRig& Start(uint32_t screenMode) {
        m_rig.reset();
        m_rig = std::make_unique<UiRig>();
        std::string error;
        const bool started = m_rig->Start(screenMode, error);
        EXPECT_TRUE(started) << error;
        return *m_rig;
    }

    std::unique_ptr<UiRig> m_rig;
};
