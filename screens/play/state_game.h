#pragma once
// SStateGame: the play screen (screen 1). So far it holds what the rest of the game asks of it:
// whether it is busy, whether it has been entered since the last new game or load, where the
// player faces, and the services its dialogs call.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/state.h"
#include "ui/widgets/hpsp_ctrl.h"

class SMap;
class SModule;

class SStateGame : public SState {
public:
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    // Busy while a step or turn is animated or a dialog is open: held keys and a held stylus are
    // repeated only while the play screen is not busy.
    bool IsBusy() const { return m_moving != 0 || m_turning != 0 || m_child != nullptr; }

    uint32_t m_moving = 0;
    uint32_t m_turning = 0;
    uint32_t m_entered = 0;
    uint32_t m_heading = 0;  // degrees counter-clockwise from north (90 west), 0 to 359

    // The services the dialogs call. Until the play screen does their work, each request is only
    // written down below, where tests read it, and the position fields are set by tests.
    struct QueuedMessage {
        std::string text;
        uint32_t buttons = 0;
        std::string sound;  // empty for none
    };
    struct QueuedTravel {
        std::string package;
        std::string map;
        uint8_t x = 0;
        uint8_t y = 0;
        uint8_t direction = 0;
        uint32_t transition = 0;
    };
    // The game's play screen; null while another kind of screen holds its place.
    static SStateGame* Of(const SGameData& game);
    // Stops the rain and the looping ambient sounds; with pauseMusic, the music too.
    void StopAmbientSounds(bool pauseMusic);
    // A message box shown when the play screen works off its queue; sound may be null.
    void QueueMessage(const char* text, uint32_t buttons, const char* sound);
    void QueueTravelToCoords(const char* package, const char* map, uint8_t x, uint8_t y, uint8_t direction,
                             uint32_t transition);
    // Moves the player to the named position object.
    void TravelToPosition(const char* position, uint32_t flag);

    SModule* m_package = nullptr;  // the world package the player is in
    SMap* m_map = nullptr;         // the map section the player stands on
    uint8_t m_cellX = 0;           // the player's cell on that map
    uint8_t m_cellY = 0;
    SHPSPCtrl m_hpBar;
    uint32_t m_ambientStops = 0;
    bool m_musicPaused = false;
    std::vector<QueuedMessage> m_queuedMessages;
    std::vector<QueuedTravel> m_queuedTravels;
    std::vector<std::string> m_positionTravels;
};
