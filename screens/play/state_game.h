#pragma once
// SStateGame: the play screen (screen 1). So far it holds what the rest of the game asks of it:
// whether it is busy, whether it has been entered since the last new game or load, where the player
// stands and faces, the game clock, the grid of cells around the player with what the automap
// shows of it, and the services its dialogs call.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/script/script_play_screen.h"
#include "game/script/script_text_output.h"
#include "screens/play/automap_cell.h"
#include "screens/play/grid_sections.h"
#include "ui/state.h"
#include "ui/widgets/hpsp_ctrl.h"

class SMap;
class SMapGrid;
class SModule;
class SString;
struct SMapCell;
struct SPlacedObject;

class SStateGame : public SState, public SScriptPlayScreen, public SScriptTextOutput {
public:
    static constexpr int kGridSize = 35;
    static constexpr int32_t kCellCentre = 0x8000;  // the 16.16 fraction of a player standing still

    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    // Busy while a step or turn is animated or a dialog is open: held keys and a held stylus are
    // repeated only while the play screen is not busy.
    bool IsBusy() const { return m_moving != 0 || m_turning != 0 || m_child != nullptr; }

    // The grid cell, null outside the grid or while there is no grid.
    SMapCell* GetCell(int x, int y) const;
    // The map whose cells the grid cell shows: on the surface the section of its zone, elsewhere the
    // current map. Null outside the grid or where no section is loaded.
    SMap* GetZoneMap(int x, int y) const;
    // The placed object of that id on the map the grid cell shows; null for id 0 or none.
    SPlacedObject* FindObjectAt(int x, int y, uint8_t id) const;
    // Whether the player has seen the grid cell, as the map it shows keeps it; false outside.
    bool IsCellExplored(int x, int y) const;
    // Null outside the grid.
    const SAutomapCell* GetAutomapCell(int x, int y) const;
    SAutomapCell* GetAutomapCell(int x, int y);
    // The clock on a 12-hour face: "7:05 pm"; hours 0 and 12 show as 12.
    void FormatTime(SString& out) const;

    uint32_t m_moving = 0;
    uint32_t m_turning = 0;
    uint32_t m_entered = 0;
    uint32_t m_heading = 0;  // degrees counter-clockwise from north (90 west), 0 to 359
    // The player's grid cell and where inside it the player stands (16.16).
    int32_t m_playerX = 0;
    int32_t m_playerY = 0;
    int32_t m_fractionX = kCellCentre;
    int32_t m_fractionY = kCellCentre;
    uint32_t m_minutes = 0;        // the game clock; minute 0 is the first minute of day 1
    uint32_t m_sectionBorder = 0;  // the automap outlines the current surface section
    SMap* m_currentMap = nullptr;
    // On the surface, the sections around the current one by slot (grid_sections.h); the current
    // section is in slot 4. Empty slots have no section.
    std::array<SMap*, kSectionSlots> m_sectionMaps{};
    // The cells of the grid (Cell and Shadow by column and row).
    SMapGrid* m_grid = nullptr;

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

    // What scripts ask of the play screen. The cells a script changed are only written down in
    // m_cellChanges until the screen builds cells; monsters and the player's requests need
    // services the screen does not offer yet.
    SModule* CurrentWorld() const override { return m_package; }
    SMap* CurrentMap() const override { return m_currentMap; }
    uint32_t GameMinutes() const override { return m_minutes; }
    // "Day 3, 7:05 pm".
    void FormatDayTime(SString& out) const override;
    // The cell's centre before its sides, the grid's cells before their second layer.
    bool LocateObject(const SMap& map, const SPlacedObject& object, SGridPlace& place) const override;
    void QueueMessage(const char* text, uint32_t buttons) override { QueueMessage(text, buttons, nullptr); }
    void ApplyCellChanges(std::vector<SCellEvent>& changes) override;
    SMapGrid* Grid() override { return m_grid; }
    SMonsterScreen* MonsterScreen() override { return nullptr; }
    SPlayerWorld* PlayerWorld() override { return nullptr; }
    // A script's line joins the message the log shows; kept in m_appendedMessages until the screen
    // has its log.
    void ShowText(const char* text, uint32_t colour) override { m_appendedMessages.push_back({text, colour}); }

    SModule* m_package = nullptr;  // the world package the player is in
    // The player's cell on the current map's own coordinates (on the surface, the section's).
    uint8_t m_cellX = 0;
    uint8_t m_cellY = 0;
    SHPSPCtrl m_hpBar;
    uint32_t m_ambientStops = 0;
    bool m_musicPaused = false;
    std::vector<QueuedMessage> m_queuedMessages;
    std::vector<QueuedTravel> m_queuedTravels;
    std::vector<std::string> m_positionTravels;
    std::vector<SCellEvent> m_cellChanges;
    std::vector<std::pair<std::string, uint32_t>> m_appendedMessages;

private:
    std::array<SAutomapCell, kGridSize * kGridSize> m_automap{};
};
