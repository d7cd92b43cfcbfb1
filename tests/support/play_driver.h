#pragma once
// The headless play driver: the game started on the interface test rig with its real play screen,
// a world package written and opened with the room's map current, and the player standing in the
// room. Tests press, hold and release actions, tap, and run
// frames as the main game class runs them (the clock moves on by the frame interval, a held action
// repeats while the play screen is idle, then the frame tick); they read the play screen through
// the accessors below, the rig's sound log and its screen shots. The 3-D view is the play screen's
// own, built from the room's map.
#include <cstdint>
#include <string>
#include <vector>

#include "support/ui_rig.h"
#include "support/world_package.h"

class SStateGame;

class PlayDriver {
public:
    // Walls round a 5 x 5 floor, in the level writer's text; the player starts in its middle on
    // the start position, facing east.
    static const char* const kRoom;
    // The world package the room's map lies in, with its start position.
    static constexpr const char* kWorldFile = "BrimvaleRoom";
    static constexpr const char* kRoomMap = "base_room";
    static constexpr const char* kStartPosition = "base_start";
    static constexpr int kStartX = 3;
    static constexpr int kStartY = 3;

    // Starts the game in the screen mode with the play screen current and the game's generator
    // seeded, then runs one frame. False, with the reason, when any step fails.
    bool Start(uint32_t screenMode, std::string& error, uint32_t seed = 1);

    // Writes a world of that file name with the maps (drawn in the level writer's text with the
    // room's types: base_stone, base_brick, base_banner and base_position; surface sections named
    // base_sXXYY), opens it and travels to its start position. False, with the reason.
    bool OpenWorld(const char* fileName, const std::vector<TestMap>& maps, std::string& error);
    // A world of a 3 x 3 block of stone surface sections, base_s0000 to base_s0202, with the
    // position kMiddlePosition at cell (3, 3) of the middle one, where the player stands.
    static constexpr const char* kMiddlePosition = "base_middle";
    bool OpenStoneSurface(std::string& error);

    // An action pressed and let go at once: handed over and followed by a tick, as a key-down is.
    void Press(uint32_t action);
    // An action pressed and held: handed over now, then repeated by the frames while the play
    // screen is idle, until Release.
    void Hold(uint32_t action);
    void Release();
    // A stylus press and release at the point, each followed by a tick as the device's are.
    void Tap(int x, int y);
    // One frame of the main loop; answers what the current screen's tick answered.
    uint32_t Frame();
    void Frames(int count);
    // Runs frames until the play screen is not busy; false when it still is after `limit` frames.
    bool RunUntilIdle(int limit);

    SGameData& Game() { return m_rig.Game(); }
    UiRig& Rig() { return m_rig; }
    SStateGame& Play() const { return *m_play; }
    // The open dialog by kind: "" for none, else "map", "spellbook", "potions", "rest",
    // "ship travel", "mark recall", "message" or "other".
    std::string OpenDialogKind() const;
    std::vector<uint32_t> QueuedEventTypes() const;
    // The text of the open message box; empty without one.
    std::string OpenMessageText() const;
    // One line of what a frame left: place, heading, clock, sub-mode and the clocks fired.
    std::string TraceLine() const;

private:
    // The repeat the main class makes of a held action, when it is due; true when it took the
    // frame.
    bool repeatHeld(uint32_t now);
    void tickIfIdle();

    UiRig m_rig;
    SStateGame* m_play = nullptr;
    uint32_t m_held = 0;
    uint32_t m_lastRepeat = 0;
};

// A fixture with a fresh program folder and a driver started by the test.
class PlayDriverTest : public TempFolderTest {
protected:
    void TearDown() override {
        m_driver.reset();
        TempFolderTest::TearDown();
    }
    PlayDriver& Start(uint32_t screenMode = 7, uint32_t seed = 1) {
        m_driver.reset();
        m_driver = std::make_unique<PlayDriver>();
        std::string error;
        const bool started = m_driver->Start(screenMode, error, seed);
        EXPECT_TRUE(started) << error;
        return *m_driver;
    }

    std::unique_ptr<PlayDriver> m_driver;
};
