#pragma once
// SStateGame: the play screen (screen 1), where the player walks the world. It keeps where the
// player stands and faces, the game clock, the grid of cells around the player with what the
// automap shows of it, the queues of world events and combat animations, the controls of the
// screen and the dialogs of play. Its frame (OnTick) paces the world by nine clocks; keys, taps and
// the answers of its dialogs arrive through OnKey, OnPen and OnCommand.
//
// The world's own work (movement, events, monsters, persons, weather, sound) is reached through the
// named operations in state_game_world.cpp; where that work is not built yet they do nothing, so
// that it can be filled in without any caller changing.
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/dialogue/dialog_topic_set.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_screen.h"
#include "data/player/player_outputs.h"
#include "data/player/player_world.h"
#include "game/saved_screens.h"
#include "game/script/script_play_screen.h"
#include "game/script/script_text_output.h"
#include "screens/play/acting_monster.h"
#include "screens/play/automap_cell.h"
#include "screens/play/combat_anim.h"
#include "screens/play/fog_distances.h"
#include "screens/play/game_event.h"
#include "screens/play/grid_sections.h"
#include "screens/play/hands_jolt.h"
#include "screens/play/monster_steps.h"
#include "screens/play/person.h"
#include "screens/play/play_clocks.h"
#include "screens/play/play_object_screen.h"
#include "screens/play/play_sub_mode.h"
#include "screens/play/rain_weather.h"
#include "screens/play/step_motion.h"
#include "screens/play/target_panels.h"
#include "screens/play/travel_fade.h"
#include "ui/dialogs/dialog_enchant_item.h"
#include "ui/dialogs/dialog_game_map.h"
#include "ui/dialogs/dialog_list.h"
#include "ui/dialogs/dialog_lockpick.h"
#include "ui/dialogs/dialog_mark_recall.h"
#include "ui/dialogs/dialog_potion.h"
#include "ui/dialogs/dialog_rest.h"
#include "ui/dialogs/dialog_ship_travel.h"
#include "ui/dialogs/dialog_spellbook.h"
#include "ui/state.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/compass_ctrl.h"
#include "ui/widgets/face_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/fill_color_ctrl.h"
#include "ui/widgets/game_map_ctrl.h"
#include "ui/widgets/hpsp_ctrl.h"

class SDialogMessage;
class SDialogTextCtrl;
class SItem;
class SItemList;
class SMap;
class SMapGrid;
class SMapObjectType;
class SModule;
class SNpcType;
class SScriptContext;
class SMonster;
class SString;
class SSpellType;
class SWorldGrid;
struct SSoundType;
struct SCellViewRecord;
struct SSideOverlayRecord;
struct SCreature;
struct SItemPileRecord;
struct SMapCell;
struct SMapCellShadow;
struct SPlacedObject;

class SStateGame : public SState,
                   public SScriptPlayScreen,
                   public SScriptTextOutput,
                   public SSavedPlayScreen,
                   public SMonsterScreen,
                   public SPlayerWorld,
                   public SPlayerScreen {
public:
    static constexpr int kGridSize = 35;
    static constexpr int32_t kCellCentre = 0x8000;  // the 16.16 fraction of a player standing still
    static constexpr uint32_t kLayout = 43;
    static constexpr uint32_t kViewRow = 550;

    // The screen's own controls and the commands they send.
    enum Command : uint32_t {
        kPortrait = 36,
        kAutomap = 535,
        kTurnLeft = 536,
        kForward = 537,
        kTurnRight = 538,
        kStrafeLeft = 539,
        kBack = 540,
        kStrafeRight = 541,
        kAttack = 542,
        kSpellBook = 543,
        kPotions = 546,
        kRest = 547,
    };
    // The commands the embedded dialogs close with.
    enum DialogCommand : uint32_t {
        kRestOver = 5,
        kEnchantChooserClosed = 26,
        kMapClosed = 48,
        kTrapSprung = 103,
        kLockPickingClosed = 104,
        kCast = 218,
        kSpellBookClosed = 219,
        kDrink = 224,
        kPotionsClosed = 225,
        kShipArrived = 228,
        kMarkRecallClosed = 232,
        kEnchantingClosed = 279,
    };

    SStateGame();
    ~SStateGame() override;

    void Init(SGameData* game) override;
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    void Leave() override;
    void Resume() override;
    void Draw() override;
    uint32_t OnCommand(uint32_t id) override;
    uint32_t OnKey(uint32_t key) override;
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    uint32_t OnTick(uint32_t arg) override;

    // Removes every control and places each one by its row of layout 43 that the screen mode has.
    void BuildView();
    // What a saved game keeps of the play screen (state_game_saved.cpp). The reset gives the
    // starting values of a new game: the afternoon of day 1, facing east, in free play, with
    // nothing queued and no map.
    void ResetWorld() override;
    void ViewThumbnail(std::span<uint16_t, kSaveThumbWidth * kSaveThumbHeight> pixels) const override;
    // "Day 3, 7:05 pm"; day 1 is the first.
    void FormatDayTime(SString& out) const override;
    void SerializeForSave(SArchive& archive, int version) override;
    // A record that is cut short or holds a value out of its range changes nothing.
    bool SerializeForLoad(SArchive& archive, int version) override;
    bool CheckSaved(SArchive& archive, int version, std::string& fault) const override;
    // The door picture, looked up once the world packages are open. The world data keeps no named
    // item lists, so there are no random-drop tables to look up beside it.
    void LoadDoorAndDropResources() override;

    // Keys, taps and held-key repeats wait while this is true: while the player turns or moves, a
    // redraw is pending, a dialog is open, animations or events are queued, monsters act or their
    // pass is pending, a creature within 6 cells winds up or strikes, or the screen is not in free
    // play.
    bool IsBusy() const;

    static bool IsOnGrid(int x, int y) { return x >= 0 && y >= 0 && x < kGridSize && y < kGridSize; }
    // The grid cell, null outside the grid or while there is no grid.
    SMapCell* GetCell(int x, int y) const;
    SMapCellShadow* GetShadowCell(int x, int y) const;
    // Whether the cell is the player's; with the player off the grid only a null cell is.
    bool IsPlayerCell(const SMapCell* cell) const { return cell == GetCell(m_playerX, m_playerY); }
    // The cell beside the player's on the side (-1: the side faced), its place, the side of it that
    // looks back at the player and the map it shows; null off the grid.
    struct SFacingCell {
        int x = 0, y = 0;
        uint32_t oppositeSide = 0;
        SMap* map = nullptr;
    };
    SMapCell* GetFacingCell(int side, SFacingCell& facing) const;
    // The grid place of the map's cell (x, y): below ground the same place, on the surface where
    // the slot showing that part of the map puts it. False when no slot of the grid shows it.
    bool MapToGrid(const SMap& map, int x, int y, int& gridX, int& gridY) const;
    // The map whose cells the grid cell shows: on the surface the section of its zone, elsewhere the
    // current map. Null outside the grid or where no section is loaded.
    SMap* GetZoneMap(int x, int y) const;
    // The placed object of that id on the map the grid cell shows; null for id 0 or none.
    SPlacedObject* FindObjectAt(int x, int y, uint8_t id) const;
    // Likewise the creature and the item container of that id; null where no map is.
    SCreature* FindCreatureAt(int x, int y, uint8_t id) const;
    SItemList* FindItemListAt(int x, int y, uint8_t id) const;
    // Whether the player has seen the grid cell, as the map it shows keeps it; false outside.
    bool IsCellExplored(int x, int y) const;
    // Marks the player's cell and the cone of cells in front of the player as seen.
    void MarkExplored();

    // The grid and its life (state_game_grid.cpp). The screen's own grid, or null while the screen
    // works on another one (a test's).
    SWorldGrid* OwnGrid() const;
    // Every cell and record of the own grid emptied.
    void ClearGrid();
    // The animated grounds (type code 3) of the game's map-object types, each with its frame.
    void CollectAnimatedGround();
    // Fills the grid from the current map: below ground the whole map, on the surface the nine
    // sections around the current one.
    void FillGrid();
    // The cell's view record; null off the grid or without the own grid.
    SCellViewRecord* GetRenderCell(int x, int y) const;
    // The type at the place on the grid where a cell refers to the object; null where none does.
    SMapObjectType* GetObjectTypeAt(const SMap& map, const SPlacedObject& object) const;
    // The grid place of the map's creature that the object owns; false when it has none or its
    // place is not on the grid.
    bool LocateCreatureOfObject(const SMap& map, const SPlacedObject& object, int& x, int& y) const;

    // Creatures and piles on the grid (state_game_grid_places.cpp). Positions are the map's own.
    void RemoveCreatureFromCell(SMap& map, SCreature& creature) override;
    // The cell at grid (x, y) when a creature may stand there: not blocked, a place free.
    SMapCell* GetCellForCreature(const SMap& map, int x, int y) const;
    // Into the cell, or when that is the player's or full into a free neighbour of the same map,
    // tried from a random one round the eight. True without placing for a map off the grid.
    bool PlaceCreatureNear(SMap& map, SCreature& creature, int x, int y);
    // False, the list sent nowhere, when the cell is off the grid or has a pile.
    bool PlaceItemPile(SMap& map, SItemList& list, int x, int y);
    // A new pile of the current map at grid (x, y); null in a cell no map shows or when the map
    // has no free container id.
    SItemList* NewItemPileAt(int x, int y);

    // Tests of grid cells (state_game_cell_tests.cpp); false off the grid.
    bool IsWallAt(int x, int y) const;     // the floor is a wall type
    bool IsSolidWall(int x, int y) const;  // a present wall in the centre
    bool IsOpenTextureDecor(int x, int y) const;
    // While a cell is being built: whether walls stand east and west of it.
    bool CheckWallsEastWest() const;
    // Whether the cell's ground is animated ground (type code 3) of the value asked; a value of 0
    // takes the first one found. `goOn` lets an entry that does not match pass to the next.
    bool IsGroundCode3(int x, int y, bool goOn, uint16_t& value) const;
    bool IsCellBlocked(const SMap& map, const SMapCell& cell) const;

    // The view records (state_game_cells.cpp, state_game_cell_sides.cpp).
    void BuildCellView(int x, int y);
    void BuildSecondLayerView(int x, int y);
    void BuildCellSide(int x, int y, int side);
    void BuildSecondLayerSide(int x, int y, int side);
    // The variant of a wall cell by which of its eight neighbours belong to the same wall.
    uint16_t WallVariant(int x, int y, bool secondLayer) const;
    // The floor record of the cell from its two floors and how its neighbours share them.
    void BuildGroundRecord(int x, int y);
    // Which of the eight neighbours show the cell's floor (upper) or floor overlay, corners only
    // beside both their edges.
    uint8_t GroundNeighbourMask(bool upper, int x, int y) const;
    // Numbers the creatures and piles on the grid in row order, for their display records.
    void RenumberGrid();
    // The numbers the next creature and the next pile get, the counter moving on past them.
    uint16_t NextCreatureNumber() { return m_nextCreatureNumber++; }
    uint16_t NextPileNumber() { return m_nextPileNumber++; }
    void ResetCreatureNumbers() { m_nextCreatureNumber = 1; }
    void ResetPileNumbers() { m_nextPileNumber = 1; }
    void RebuildAllCellViews();
    // One changed cell of a script: the whole cell, or the side of the neighbour it shows.
    void ApplyCellChange(const SCellEvent& change);
    // Around the player, further ahead than behind: the animated records built again, the light
    // spread from bright cells.
    void UpdateNearbyCells(bool rebuildAnimated, bool spreadLight);
    // Null outside the grid.
    const SAutomapCell* GetAutomapCell(int x, int y) const;
    SAutomapCell* GetAutomapCell(int x, int y);
    // The clock and the calendar (state_game_time.cpp, game_clock.h): minutes since the game began.
    uint32_t GetClock() const { return m_minutes; }
    uint32_t GetDay() const;
    uint32_t GetHour() const;
    uint32_t GetMinuteOfHour() const;
    const char* GetAmPm() const;
    bool IsDay() const;
    bool IsNight() const { return !IsDay(); }
    // Since the clock stood at `then`; 0 when `then` lies ahead.
    uint32_t MinutesSince(uint32_t then) const;
    uint32_t HoursSince(uint32_t then) const { return MinutesSince(then) / 60; }
    uint32_t DaysSince(uint32_t then) const;
    // The clock on a 12-hour face: "7:05 pm"; hours 0 and 12 show as 12.
    void FormatTime(SString& out) const;
    // Passing time: one minute after a step, an attack or a cast, with all that depends on it;
    // a span at once (scripts); whole hours (resting, prison, the card game, the inn).
    void TickMinute();
    void PassTime(uint32_t days, uint32_t hours, uint32_t minutes);
    void PassHours(uint32_t hours);
    // The sky, the fog and the townsfolk as the hour has them (home for the night, back by day),
    // every cell's view built again and the persons in view found again.
    void ShowTimeOfDay();
    // The timed effects of the creatures within 7 cells but persons and those hidden with their
    // owner object.
    void PassCreatureTime(uint32_t minutes);
    // What the clock reaching a minute brings: the end of a prison sentence, and at full hours the
    // marks of a new day and the skies of morning and evening.
    void HourlyChecks();

    // The weather (state_game_weather.cpp): a new day's roll (a roll 0..99 of the generator), or
    // one minute's drift of the rain with its thunder.
    void UpdateWeather(bool newRoll);
    void RollWeather(int32_t roll);
    // Hands the rain to the renderer: its count only, or with reset every streak anew.
    void ApplyRain(bool reset);
    // A script's sky by name (null: the hour's sky) with its weather roll, held to 0..100.
    void SetSkyOverride(const char* sky, int32_t roll);
    int32_t GetRainIntensity() const { return m_rain.intensity; }
    int32_t GetWeatherRoll() const { return int32_t(m_weatherRoll); }

    // The sounds of the world (state_game_ambient.cpp, state_game_music.cpp).
    // The looping sounds, the rain and the music chosen again for the player's surroundings.
    void RefreshArea();
    void UpdateRainSound();
    void StopRainSound();
    // The looping sound of a first- or second-layer object in grid cell (x, y), quieter with the
    // distance; one channel serves every object of the same sound and volume.
    void PlayLayerOneAmbient(const char* sound, int x, int y);
    void PlayLayerTwoAmbient(const char* sound, int x, int y);
    // The fight counter: 4 while a hostile creature stands next to the player, then one less a
    // monster turn.
    void UpdateFightState();
    // The play screen's piece: fight, dungeon, or the surface's by day or night.
    void UpdateMusic();
    void StopMusic();
    void PauseMusic();
    struct SAmbientLoop {
        int channel = 0;
        int volume = 0;
        SSoundType* sound = nullptr;
    };
    // The loop of that sound at that volume; null when none plays.
    const SAmbientLoop* FindAmbient(const SSoundType& sound, int volume) const;
    const std::vector<SAmbientLoop>& AmbientLoops() const { return m_ambientLoops; }
    int RainChannel() const { return m_rainChannel; }
    bool HeavyRainPlays() const { return m_heavyRain; }
    // The side of a cell the player faces: 0 north, 1 east, 2 south, 3 west.
    uint32_t FacingSide() const { return ((360 - m_heading % 360) % 360) / 90; }

    // The game's play screen; null while another kind of screen holds its place.
    static SStateGame* Of(const SGameData& game);

    // Services the rest of the game calls.
    // Stops the rain and the looping ambient sounds; with pauseMusic, the music too.
    void StopAmbientSounds(bool pauseMusic);
    // The world event queue (state_game_events.cpp). Each call queues one event behind the others
    // unless it says otherwise; the frame handles them in turn in free play. Travel kinds are the
    // transitions 1 to 7 (travel_fade.h); 0 travels at once.
    void QueueTravelTo(const char* position, uint32_t kind);
    // Yes travels to the position (ahead of whatever was queued meanwhile); No steps back when
    // asked to.
    void QueueQuestion(const char* position, const char* question, uint32_t kind, bool stepBack);
    // A heading quarter: 0 north, 1 west, 2 south, 3 east; larger ones count round.
    void QueueTurn(uint32_t quarter);
    // A cell of the current map, in its own coordinates.
    void QueuePlace(int32_t x, int32_t y);
    void QueueTravelByName(const char* position, uint32_t kind);
    void QueueTravelToCoords(const char* package, const char* map, int32_t x, int32_t y, uint32_t quarter,
                             uint32_t kind);
    // Ahead of every queued event.
    void QueueTravelFirst(const char* position, uint32_t kind);
    void QueuePrison(const char* town);
    void QueueStepBack();
    // A message box; sound may be null, which opens it with a click.
    void QueueMessage(const char* text, uint32_t buttons, const char* sound) override;
    // A paragraph after the last queued event when that is a message; otherwise a new message.
    // firstLine marks a paragraph that opens a happening's lines.
    void AppendMessage(const char* text, bool firstLine);
    // The door's question, with Disarm, Pick and Open as allowed beside Cancel.
    void QueueDoorChoice(const char* text, const SDoorChoice& door, bool disarm, bool pick, bool open);
    void AskRest();
    // Not queued while another creature-information request waits.
    void QueueCreatureInfo(SMap& map, const SCreature& creature, uint8_t knowledge);
    // Mark, recall, town portal, recharge or enchant, with its argument; any other type is dropped.
    void QueueSimpleEvent(uint32_t type, uint8_t flag);
    void QueueShipTravel(const char* destination, const char* text);
    // A Yes/No question shown at once, ahead of the queue; its answer comes as the rest question's.
    void AskNow(const char* text);
    // Shows a message box at once (sub-mode 2), ahead of the queue; its answer comes back through
    // OnCommand.
    void ShowMessage(const char* text, uint32_t buttons);
    // Takes the first event (the last with takeLast) off the queue and handles it; answers the
    // screen to switch to.
    uint32_t HandleEvent(bool takeLast);
    // Whether a message, or a creature's information, waits in the queue.
    bool HasPendingMessage() const;
    bool HasPendingEvent20() const;
    // Empties the event queue, as a world reset does.
    void ClearEvents() { m_events.clear(); }
    // Moves the player to the named position object, through a fade for a non-zero kind
    // (state_game_travel.cpp).
    void TravelToPosition(const char* position, uint32_t kind);
    // Moves the player to a cell of a map of a world package; nothing changes when the package,
    // the map, the cell or the heading quarter does not exist.
    void TravelToCoords(const STravelTarget& target, uint32_t kind);
    // Movement (state_game_movement.cpp, state_game_walk.cpp, state_game_step_events.cpp,
    // state_game_footsteps.cpp). Sides are 0 north, 1 east, 2 south, 3 west.
    // Starts a step to the side: a walk, or a bump where the way is blocked; a step into what leads
    // somewhere uses it instead. Answers the screen the use switches to, else 0. A side outside
    // 0..3, a place off the grid or a sprung trap underfoot start nothing.
    uint32_t MoveTo(int side);
    // A step against the side of the last step.
    void StepBack();
    // Turns to the heading quarter: 0 north, 1 west, 2 south, 3 east; larger ones count round.
    void StartTurnToSide(uint32_t quarter);
    // Which things of a cell an object event reaches.
    enum EventReach : uint32_t {
        kWhereCentre = 1,
        kWhereSide = 2,  // the object mounted on the given side of a wall
        kWhereFirstCreature = 4,
        kWhereSecondCreature = 8,
        kWhereAll = 15,
    };
    // Tells the thing in grid cell (x, y) of the event (a script event bit); `side` is the side of
    // the cell the player faces, -1 for none. With `found` nothing is told: it says whether
    // anything would hear. Answers the screen the thing's reaction switches to, else 0.
    uint32_t SendObjectEvent(uint32_t event, uint32_t where, int x, int y, int side, bool* found = nullptr);
    // The cell the last step left hears the player step off, the player's cell the step on.
    void SendStepOffEvent();
    void SendStepOnEvent();
    // The first (volume 10) or second (volume 6) footstep in the player's cell.
    void PlayStepSound(bool second);
    // The ground underfoot sounds where a creature at grid (x, y) walks, fainter with distance.
    void PlayFloorSoundFrom(int x, int y);
    // The way the step under way goes, tick by tick.
    const SStepMotion& Step() const { return m_step; }

    void QueueCombatAnim(std::unique_ptr<SCombatAnim> anim) { m_combatAnims.push_back(std::move(anim)); }
    // The embedded dialogs that world events open.
    void OpenMarkRecall(uint32_t markMode);
    void OpenRestDialog();
    void OpenShipTravel(const char* text, const char* destination);

    SPlaySubMode SubMode() const { return m_subMode; }
    const SPlayClocks& Clocks() const { return m_clocks; }
    const std::deque<std::unique_ptr<SGameEvent>>& Events() const { return m_events; }
    size_t CombatAnimCount() const { return m_combatAnims.size(); }
    const STargetPanels& TargetPanels() const { return m_targetPanels; }
    uint16_t DoorPictureId(int i) const { return m_doorPictures[size_t(i)]; }

    // Sky, fog, the pictures the grid needs, the creatures' poses, the target panels and the hands'
    // bob (state_game_sky.cpp, type_pictures.cpp, state_game_creatures.cpp,
    // state_game_look.cpp, state_game_jolt.cpp).
    // Sky, fog and view distance: on the surface by the thunder, a script's sky or the hour and the
    // weather; below ground by the map's fog and ceiling. With refresh the persons leave the grid
    // for the night (or go back to their places) and the grid is numbered again.
    void UpdateSkyAndFog(bool refresh);
    // Loads the pictures of the map-object and monster types the grid uses and frees the others.
    void RefreshTypePictures();
    // Before a map is entered: no type is marked as in use but the fire animations.
    void ClearTypeMarks();
    // The creatures within 7 cells: with countDown their poses run out (a wound-up blow strikes),
    // with advance those that walk show their next frame.
    void AnimateCreatures(bool countDown, bool advance);
    // The townspeople within 7 cells (state_game_persons.cpp): found again after every move and on
    // entering a map, and walked about on the persons' clock.
    void UpdatePersonsInView();
    // Takes the persons off the grid; with forget, out of both person lists too.
    void RemovePersons(bool forget);
    void RestorePersonPlaces();
    void TickPersons();
    // The person stops and faces the player for a while.
    void TurnPersonToPlayer(SCreature& creature);
    // The record of the person in view; null for a creature that is none.
    SPerson* FindPerson(const SCreature& creature) const;
    // The record's creature, looked up on its map; null once it has left it or is no person.
    SCreature* CreatureOf(const SPerson& person) const;
    const std::vector<std::unique_ptr<SPerson>>& Persons() const { return m_persons; }
    const SNearbyPerson& NearbyPerson() const { return m_nearbyPerson; }
    // The nearby person's creature; null for none.
    SCreature* NearbyPersonCreature() const;
    // Stealing from a person (state_game_stealing.cpp). The persons on show within 2 cells of the
    // player on both axes.
    int CountPersonsNear() const;
    // In percent, for the person asked about: 100, or 60 below the person's steal difficulty, less 5
    // for each of the persons around.
    int StealChance(int peopleAround) const;
    // The steal question about the person, with the chance in words.
    void AskSteal(SMap& map, SCreature& creature);
    // The player tries: an item of the person's goods on success, a crime when caught.
    void Steal();
    // The player's own actions (state_game_actions.cpp, state_game_rest.cpp, state_game_talk.cpp,
    // state_game_containers.cpp, state_game_doors.cpp, state_game_prison.cpp). A refused action
    // says why in a message with Ok and lets no time pass.
    // Uses what lies on the side (-1: the side faced) with the hand (0 left, 1 right): a person in
    // the half of the player's own cell ahead, else the neighbouring cell, where the right hand
    // reaches both creatures and the left only the first. Answers the screen to switch to.
    uint32_t Interact(int side, uint32_t hand);
    void OpenSpellBook();
    void OpenPotions();
    // The potion chosen in the potion dialog.
    void DrinkPotion();
    // Asks whether to rest here, unless something forbids it; Yes starts the rest.
    void TryRest();
    void StartRest();
    void OpenMapDialog();
    // The person behind a building or shop object, by the object's first text. `silent` in: a
    // refusal plays no sound; out: cleared once the conversation starts.
    void TalkToObjectNpc(SMap* map, SPlacedObject* object, SMapObjectType& type, bool& silent);
    // Hands (0, person, object, map) to the interior screen when the person keeps a building the
    // world has, else to the conversation, and keeps the play screen to come back to.
    uint32_t TalkToPerson(SMap* map, SNpcType& person, SPlacedObject* object);
    // The inventory on the pile of the player's cell, a new one when the cell has none and allows
    // piles, else on the bag alone.
    uint32_t OpenFloorPile();
    uint32_t OpenPile(SMap& map, SItemList& pile);
    // The placed object's container; none when the map lacks it.
    uint32_t OpenContainer(SMap& map, SPlacedObject& object);
    // The inventory closed on a container: the object the script context targets hears it.
    void NotifyContainerClosed(SMap* map);
    // The view's 80 x 50 thumbnail, kept for the saved game: every drawn view makes it anew.
    void MakeThumbnail();
    const std::vector<uint16_t>& Thumbnail() const { return m_thumbnail; }
    // The door question's answers.
    void OpenDoorFromChoice();
    void DisarmTrap();
    void OpenLockpick();
    // The lock-picking dialog set the trap of its door off.
    void SpringDoorTrap();
    // The trap of the object's type casts its spell at the player, as strong as the object's trap.
    void SpringTrap(SPlacedObject& object, const SMapObjectType& type);
    // Through a fall into the prison of the town (empty: the current map's), or of a neighbouring
    // section's town on the surface.
    void SendToPrison(const char* town);
    // The sentence is over: out of prison, days passed, attributes and skills lowered.
    void ServeSentence();
    bool IsInPrison() const { return m_inPrison != 0; }
    void SetPrison();
    void ClearPrison();
    // The player's cell on the map it lies on.
    int32_t MapX() const;
    int32_t MapY() const;
    // The cells of the line across the direction of the side through (x, y) whose ground is the
    // animated ground of that value.
    int CountGroundAcross(int x, int y, int side, uint16_t value) const;
    // The screen an object's or a creature's reaction asked for while an event was told.
    uint32_t m_pendingScreen = 0;
    // The embedded lock-picking dialog works on m_lockTarget.
    SDialogLockpick m_lockpick;
    SPlayObjectScreen m_objectScreen{*this};

    // What the player faces, into the two target panels.
    void UpdateLookTarget();
    const std::array<SLookTarget, 2>& LookTargets() const { return m_lookTargets; }
    // The label's text wrapped at its panel's text width, cut after the second line.
    void SetLabelText(SLookTarget& label, const char* text) const;
    // A walking step bobs the hands: StartJolt at the step's start, JoltHands on each walking tick.
    void StartJolt();
    void JoltHands();
    std::string m_skyOverride;   // a script's sky by name; empty for the hour's sky
    uint32_t m_weatherRoll = 0;  // 0 to 99 (a script's 100): which of the hour's skies the weather shows
    uint32_t m_thunder = 0;      // a storm's flash shows the thunder sky
    uint32_t m_farThunder = 0;   // the flash's thunder sounds from afar as it ends
    uint32_t m_lastThunder = 0;  // the wall-clock second of the last thunder
    SRainWeather m_rain;
    // The prison sentence that runs while the player is in prison.
    uint32_t m_inPrison = 0;
    uint32_t m_prisonStart = 0;
    std::string m_prisonName;
    SFogDistances m_fog;        // in cells; the renderer's are 336 times these
    uint32_t m_targetSlot = 0;  // which creature of the cell ahead the player picks out, 0 or 1

    // Where and how the player stands.
    uint32_t m_moving = 0;
    uint32_t m_turning = 0;
    int32_t m_targetHeading = 0;
    int32_t m_turnStep = 0;  // degrees per movement tick, + left, - right
    uint32_t m_heading = 0;  // degrees counter-clockwise from north (90 west), 0 to 359
    // The player's grid cell and where inside it the player stands (16.16).
    int32_t m_playerX = 0;
    int32_t m_playerY = 0;
    int32_t m_fractionX = kCellCentre;
    int32_t m_fractionY = kCellCentre;
    int32_t m_previousX = -1;  // the cell the last step left
    int32_t m_previousY = -1;
    uint32_t m_stepSoundCountdown = 0;  // movement ticks until the second footstep
    uint32_t m_stepSide = 0;            // the side of the last step, which a step back reverses
    uint32_t m_activeHand = 0;          // 0 left, 1 right: the hand the use action acts with
    uint32_t m_minutes = 0;             // the game clock; minute 0 is the first minute of day 1
    // Set on the first Enter after a new game or a load: the main menu offers to continue.
    uint32_t m_entered = 0;
    uint32_t m_fast = 0;  // the screen modes that show fewer frames turn and step in larger steps

    // The view asks the frame to draw it again: a request clears with the nearby-cell scan, a
    // pending redraw with the look target.
    uint32_t m_redrawRequest = 0;
    uint32_t m_redrawPending = 0;
    uint32_t m_skyDrift = 0;  // the sky turns slowly
    int32_t m_skyAngle = 0;   // 16.16 degrees

    uint32_t m_sectionBorder = 0;  // the automap outlines the current surface section
    SMap* m_currentMap = nullptr;
    // On the surface, the sections around the current one by slot (grid_sections.h); the current
    // section is in slot 4. Empty slots have no section.
    std::array<SMap*, kSectionSlots> m_sectionMaps{};
    // The cells of the grid (Cell and Shadow by column and row).
    SMapGrid* m_grid = nullptr;
    SModule* m_package = nullptr;  // the world package the player is in
    // The player's cell on the current map's own coordinates (on the surface, the section's).
    uint8_t m_cellX = 0;
    uint8_t m_cellY = 0;

    // The monsters whose turn is under way, and a pass over them that the frame is asked to run.
    std::vector<std::unique_ptr<SActingMonster>> m_actingMonsters;
    uint32_t m_monsterPassRequest = 0;
    uint32_t m_forceCreatureFrame = 0;

    // The positions the player was sent to, written down until the grid places the player there.
    std::vector<std::string> m_positionTravels;
    // Monster turns of fight music left: while it runs, there might be immediate threat.
    uint32_t m_fightCounter = 0;
    // What the open travel and door questions ask about, kept for their answers.
    struct STravelQuestion {
        std::string position;
        uint32_t kind = 0;
        bool stepBack = false;
    };
    STravelQuestion m_travelQuestion;
    SDoorChoice m_doorChoice;
    // The placed door the lock-picking dialog works on; null while no lock is picked.
    SPlacedObject* m_lockTarget = nullptr;

    // What scripts ask of the play screen. The cells a script changed are built again at once;
    // monsters and the player's requests need services the screen does not offer yet.
    SModule* CurrentWorld() const override { return m_package; }
    SMap* CurrentMap() const override { return m_currentMap; }
    uint32_t GameMinutes() const override { return m_minutes; }
    void PassTime(uint32_t minutes) override { PassTime(0, 0, minutes); }
    // The cell's centre before its sides, the grid's cells before their second layer.
    bool LocateObject(const SMap& map, const SPlacedObject& object, SGridPlace& place) const override;
    void QueueMessage(const char* text, uint32_t buttons) override { QueueMessage(text, buttons, nullptr); }
    void ApplyCellChanges(std::vector<SCellEvent>& changes) override;
    void QueueChoiceMenu(std::unique_ptr<SDialogListCtrl> list) override;
    void QueueScene(const char* name) override;
    void QueueTalkNpc(const char* name) override;
    bool SetMonstersHostile(int32_t distance, bool hostile) override;
    int32_t WeatherCloud() const override;
    int32_t WeatherRain() const override;
    void SetWeatherCloud(const char* sky, int32_t cloud) override;
    void SetWeatherRain(int32_t rain) override;
    void RefreshFog() override;
    SMapGrid* Grid() override { return m_grid; }
    SMonsterScreen* MonsterScreen() override { return this; }
    SPlayerWorld* PlayerWorld() override { return this; }
    // The player's script commands that move the player (state_game_player_world.cpp).
    void QueueWorldEvent(const SWorldEvent& event) override;
    void QueueMoveQuestion(const char* objectId, const char* question, int32_t moveKind) override;
    int32_t ParseMoveKind(const char* text) const override;
    int32_t PlayerGridX() const override { return m_playerX; }
    int32_t PlayerGridY() const override { return m_playerY; }
    uint8_t CurrentMapFlags() const override;
    bool IsInJail() const override { return IsInPrison(); }
    void ClearJail() override { ClearPrison(); }
    // What the monster rules ask of the play screen (state_game_monsters.cpp); the parts of their
    // turns that are not built yet answer nothing.
    int PlayerX() const override { return m_playerX; }
    int PlayerY() const override { return m_playerY; }
    int PlayerHeading() const override { return int(m_heading); }
    int SoundVolumeAt(int x, int y) const override;
    void PlaySound(const char* name, int volume) override;
    void ShowMessageBox(const char* text) override { QueueMessage(text, 0, nullptr); }
    void RedrawView() override { m_redrawRequest = 1; }
    bool WarnsOfPeacefulTargets() const override;
    bool ChoseAreaAttack(const SCreature& creature) const override;
    int RemoveActiveMonster(const SCreature& creature) override;
    const char* PendingAttackSound(int side) const override;
    bool OnSurface() const override;
    int RainIntensity() const override { return m_rain.intensity; }
    void LaunchMissile(SMap& map, SCreature& creature, const SFpsItem& missile, uint16_t paletteSlot) override;
    void CastMonsterSpell(SMap& map, SCreature& creature, const SSpellType& spell, int chance) override;
    void QueueStealQuestion(SMap& map, SCreature& creature) override;
    void TalkToCreature(SMap& map, SCreature& creature) override;
    void ShowCreatureInfo(SMap& map, SCreature& creature) override;
    void MarkPictureInUse(uint16_t slot, uint8_t mark) override;
    // The mark a creature's picture in that cache slot was last given on screen; 0 for none.
    uint8_t PictureUseMark(uint16_t slot) const;
    // The option that guards against harming peaceful creatures with spells: on until turned off.
    bool m_warnOfPeaceful = true;
    // The monster rules' view of the game for a creature of the map; none while the game lacks a part.
    std::optional<SMonsterContext> monsterContext(SMap& map);

    // Monster turns (state_game_monster_turns.cpp, state_game_creature_moves.cpp). After the
    // player's actions the creatures within 7 cells act: each decides what it does, picks a cell
    // and then walks or attacks frame by frame; the player acts again once none is left. With a
    // step, below ground, the walkers move along with the player's step to (x, y).
    void StartMonsterTurn(bool withStep, int x, int y);
    void MonsterTurnTick();
    void DecideAction(SActingMonster& record, int px, int py);
    void ChooseStep(SActingMonster& record, int px, int py);
    void StartWalk(SActingMonster& record);
    // True when the walk is over.
    bool StepMonster(SActingMonster& record);
    // Inside the grid, a creature bound to an object stays in its section, and the cell is one the
    // creature may enter with a place free.
    bool CanStepTo(const SActingMonster& record, int fromX, int fromY, int toX, int toY) const;
    // From grid (x, y) one cell on, into another section's map when the cell lies there. False,
    // the creature staying where it was, when that map has no free creature id.
    bool MoveCreature(SActingMonster& record, int x, int y, int dx, int dy);
    // Which place of the cell the creature takes and whether it shares it; full when two others
    // hold or will hold it.
    struct SOccupancy {
        uint8_t slot = 0;
        bool shared = false;
    };
    bool CellOccupancy(int x, int y, SOccupancy& occupancy, const SCreature* creature) const;
    // Whether a walker may step into the cell, coming across the side.
    bool CanCreatureEnter(const SCreature& creature, int side, int x, int y) const;
    // Where inside the cell a creature stands, as the player sees it.
    monster_steps::SSubCell GetSlotOffset(int x, int y, bool large, bool shared, bool second) const;
    SActingMonster* FindActiveMonster(const SCreature& creature) const;
    SActingMonster* FindActingRecordOfCreature(const SMap& map, uint8_t id) const;
    void DeleteActingRecord(const SCreature& creature);
    void ClearActingMonsters();
    // A creature but a person within 6 cells winds up or strikes.
    bool IsAnyMonsterBusyNear() const;
    // A hostile creature on show within 7 cells.
    bool AnyHostileNear() const;
    // Every creature within 7 cells takes its place in its cell and the sprite of its pose.
    void ScanRadius7();
    const std::vector<std::unique_ptr<SActingMonster>>& ActingMonsters() const { return m_actingMonsters; }
    // Set while the monsters walk along with the player's step.
    uint32_t m_stepReaction = 0;
    // Frames before another attack may start.
    int32_t m_attackPause = 0;
    // The acting creature the view follows, with where it stood.
    struct SChosenMonster {
        SCreature* creature = nullptr;
        int x = 0, y = 0;
    } m_chosenMonster;

    // The combat queue (state_game_combat_anims.cpp, state_game_strokes.cpp). Each creator makes,
    // fills and appends one record.
    void QueueAttack();
    void QueuePlayerMissile(const SCombatAnim& stroke);
    // A monster's missile from grid (x, y) towards the side.
    void QueueMonsterAttackAnim(int x, int y, int side, SMap& map, SCreature& creature, const SFpsItem& missile,
                                uint16_t palette);
    // The gesture of a spell cast from the book at the strength.
    void CastAnimation(const SSpellType& spell, int32_t strength);
    void QueueItemCast(SItem& item);
    // The named spell effect over the portrait; without one, only the sound.
    void QueueSelfEffect(const char* animation, const char* sound);
    void CastSpellOnPlayer(const SSpellType& spell, int32_t strength);
    void QueuePoisonHurt(int32_t amount) override;
    // A blow from the side (-1 none) that cost the player that many hit points.
    void QueueHitFromSide(int32_t side, int32_t damage) override;
    void QueueDamage(int32_t damage) override { QueueHitFromSide(-1, damage); }
    void QueueShieldRaise(int delay, int side);
    // The first shield raise from the side (any side for -1); null when none is queued.
    SCombatAnim* FindPendingAttack(int side) const;
    // The hands at rest as the equipment and the paralysis show them.
    void UpdateHandSprites(bool skipOffHand, bool skipWeapon);
    const std::vector<std::unique_ptr<SCombatAnim>>& CombatAnims() const { return m_combatAnims; }
    // The player's screen as the player's rules see it.
    void SetHpBar(int32_t percent) override;
    void SetManaBar(int32_t percent) override;
    void UpdateHands() override { UpdateHandSprites(false, false); }
    void CalmMonsters(int32_t cells) override { SetMonstersHostile(cells, false); }
    void QueueSimpleEvent(SPlayerEvent event, int32_t value) override {
        QueueSimpleEvent(uint32_t(event), uint8_t(value));
    }
    void QueueSpellMissile(const SSpellType& spell, int32_t value) override;

    // Combat resolution (state_game_hits.cpp, state_game_spells.cpp, state_game_missiles.cpp).
    // The player's blow or missile arrives at grid (x, y), weakened by `penalty` percent.
    void ResolveHit(SMap& map, int x, int y, int side, int penalty);
    // The stroke's blow lands on the cell faced; the missile's on (x, y).
    void ResolveHitAhead(const SCombatAnim& stroke);
    void ResolveHitAt(int x, int y, int penalty, const SCombatAnim& missile);
    void SpellHitsCell(const SSpellType& spell, int32_t strength, SMap& map, int x, int y, int side, bool area);
    void SpellHitsArea(const SSpellType& spell, int32_t strength, SMap& map, int x, int y);
    void SpellHitsAreaCell(const SSpellType& spell, int32_t strength, SMap& map, int x, int y);
    // The player's spell leaves the player: on the player, on the cell ahead or as a missile.
    void CastSpell(const SSpellType& spell, int32_t strength, bool adjacent, int x, int y, int side);
    // A monster's spell leaves the creature at grid (x, y).
    void QueueMonsterSpell(int x, int y, int side, const SSpellType& spell, int32_t strength, bool adjacent,
                           SCreature& caster, SMap& map);
    // The attacker's missile strikes the creature in grid cell (x, y).
    void MissileHitsCreature(SMap& map, int x, int y, SCreature& attacker);
    // Whether the cell stops a missile (or a spell), and which wall side took it (-1 none).
    bool CellBlocksMissile(int x, int y, int side, int& wallSide, bool spell) const;
    // From (x, y) along the side for up to 7 cells: true where it stops at something (or, toPlayer,
    // at the player); (outX, outY) is the last cell reached.
    bool FindMissileTarget(int x, int y, int side, int& outX, int& outY, bool toPlayer) const;
    // The side of the wall cell ahead whose object faces back along the side; -1 for none.
    int FacingWallSide(int side, int x, int y) const;
    // The spell book's or the item's spell, paid for and cast.
    void BeginCast(const SSpellType& spell, SItem* item);
    // The stroke that lands, whose pictures the blow's sounds come from.
    SCombatAnim m_currentStroke;
    // What the struck creature's rules read of the blow or the spell.
    SMonsterEventValues m_hitValues;
    // By picture slot of the resource cache, the mark of the creature pictures shown.
    std::vector<uint8_t> m_pictureUseMarks;
    // The display numbers the next creature and the next pile put on the grid get; RenumberGrid
    // starts both, and a pile laid down in play takes the next after the grid's.
    uint16_t m_nextCreatureNumber = 1;
    uint16_t m_nextPileNumber = 1;
    // The player cast the spell that lands (rather than a monster).
    uint32_t m_playerCast = 0;

    // A script's line joins the message being put together; the highlight colour opens a happening.
    void ShowText(const char* text, uint32_t colour) override { AppendMessage(text, colour == kHighlightColour); }
    // Changed cells waiting to be built again.
    std::vector<SCellEvent> m_cellChanges;

    // The controls, placed by BuildView.
    SFillColorCtrl m_viewSideFill;
    SBorderCtrl m_viewSideBorder;
    SFillBmpCtrl m_panel;
    SBorderCtrl m_panelBorder;
    SFillBmpCtrl m_secondPanel;
    SBorderCtrl m_secondPanelBorder;
    SGameMapCtrl m_automapCtrl;
    SFaceCtrl m_portrait;
    SHPSPCtrl m_hpBar;
    SHPSPCtrl m_manaBar;
    SButtonCtrl m_actionButtons[4];  // attack, spell book, potions, rest
    SBorderCtrl m_compassBorder;
    SCompassCtrl m_compass;
    SButtonCtrl m_moveButtons[6];  // turn left, forward, turn right, strafe left, back, strafe right

    // The embedded dialogs: each lives as long as the screen and closes by a command.
    SDialogGameMap m_mapDialog;
    SDialogSpellbook m_spellbook;
    SDialogPotion m_potions;
    SDialogRest m_rest;
    SDialogShipTravel m_shipTravel;
    SDialogMarkRecall m_markRecall;
    SDialogEnchantItem m_enchanting;

protected:
    // The world's work the frame and the input call, in state_game_world.cpp.
    void AllocGrid();
    void TravelToStartPosition();
    // The grid's part of a travel to a named position: the position object found in the current
    // world, its map entered, the player on its cell and facing as the cell says. False, changing
    // nothing, for an unknown name.
    bool PlaceAtPosition(const char* position, bool& mapChanged);
    // Where the player's cell is a travel's arrival (stairs, a ladder), the heading it gives.
    void FaceByCell();
    // The object in the centre of the player's cell hears that the player arrived.
    void SendArrivedEvent();
    // The person keeps a building: talk opens the interior screen rather than the conversation.
    bool KeepsBuilding(const SNpcType& person) const;
    // Sets the grid up around the player on the current map: sections, pictures, sky and fog, the
    // numbers of creatures and piles and every cell's view records.
    void EnterMap();
    void ApplyPendingCellChanges();
    void ChooseHandSprites();
    // Now and then, while an object near the player gives off voices, one of them.
    void PlayAmbientVoice();
    // The thunder's flash ends a wall-clock second after it began, with the far thunder's sound.
    void PlayPendingThunder();
    void PlaySecondFootstep();
    void AdvanceWalk();
    void RunMonsterPass();
    void RunMonsterRound();
    void AnimateGround();
    // The doors within 6 cells move on.
    void TickDoors();
    void ScanNearbyCells();
    // A travel fade's frame: before the view is drawn its fog steps on, or, once its last picture
    // has been shown, the travel arrives; after it the picture is covered and the frame counted.
    void StepTravelFade();
    void AdvanceTravelFade();
    void TurnBumpAround();
    // Below ground the monsters see the player step towards grid (x, y); clearing m_moving holds
    // the player back.
    void ReactToPlayerStep(int x, int y);
    // A person in the cell the player walks into makes room.
    void MovePersonAside(SMap& map, SCreature& person);
    // The cell a step leaves, built again as seen from beside it.
    void RebuildLeftCellView();
    uint32_t Attack();
    // The hand whose sprite lies at the screen point: 0 the left (off) hand, 1 the right (weapon)
    // hand, -1 where no hand sprite is.
    int HandAt(int32_t x, int32_t y) const;
    void CastChosenSpell();
    void ResumeScript(uint32_t answer);
    void AnswerTravelQuestion(uint32_t answer);
    // The chosen row's key, empty when the menu was cancelled, reaches the waiting script.
    void AnswerChoice(const std::string& key);
    // Open, Disarm or Pick; Cancel leaves the door as it is.
    void AnswerDoorQuestion(uint32_t answer);
    void AnswerStealQuestion(uint32_t answer);
    // Advances one combat animation; true when it has finished.
    bool AdvanceCombatAnim(SCombatAnim& anim);

private:
    // The input and the frame, in state_game_input.cpp and state_game_frame.cpp.
    uint32_t handleMovementKey(uint32_t key);
    uint32_t handleAnswer(uint32_t answer);
    uint32_t handleDialogClosed(uint32_t id);
    std::array<SDialog*, 8> embeddedDialogs();
    void openEmbedded(SDialog& dialog, SPlaySubMode mode);
    void closeChild();
    bool penOnView(int32_t x, int32_t y) const;
    uint32_t penInView(int32_t x, int32_t y);
    void pressMoveButton(uint32_t id);
    void releaseMoveButtons();
    void advanceTurn();
    void viewWork(bool turnOrStepEnded);
    void advanceSkyDrift();
    void advanceRain(uint32_t now);
    void RunCombatRound();
    // The world events (state_game_events.cpp and state_game_travel.cpp).
    // A new event of the type at the end of the queue, for the caller to fill.
    SGameEvent& queueEvent(uint32_t type);
    uint32_t handle(SGameEvent& event);
    void showMessage(SGameEvent& event);
    void showChoiceMenu(SGameEvent& event);
    // A message with the buttons, shown at once in the sub-mode.
    void ask(const char* text, uint32_t buttons, SPlaySubMode mode);
    void startTurn(int32_t targetHeading, int32_t sign);
    uint32_t talkTo(const std::string& name);
    uint32_t StartScene(const SGameEvent& event);
    void showCreatureInfo(const SCreatureRef& target, uint32_t knowledge);
    void openTownPortal();
    // The play screen's own message for a refusal, with Ok.
    void refuse(const char* text) { QueueMessage(text, 0, nullptr); }
    void placePlayer(int32_t x, int32_t y);
    // The player on the grid cell, in the middle of it, with no step behind; on the surface the
    // world package records the world position.
    void standAt(const SMap& map, int32_t gridX, int32_t gridY);
    // A travel of kind 0 arrives at once.
    void startTravelFade(const STravelTarget& target, uint32_t kind);
    void arrive(const STravelTarget& target);
    // What follows every arrival: the automap, the persons, the sound, the monsters and the view.
    void settleAfterTravel(bool mapChanged);
    void freeParalysedPlayer();
    // The inventory screen with the words (view, container, object, map), the play screen kept.
    uint32_t openInventoryOn(uintptr_t view, SItemList* container, SPlacedObject* object, SMap* map);
    // Movement's parts.
    bool isHeldByTrap() const;
    bool isStepBlocked(int side, int tx, int ty, bool& use);
    bool crowdBlocks(SMap& map, int x, int y);
    bool isOpenPassage(int x, int y) const;
    bool walksOntoFlowingGround(int side, int tx, int ty) const;
    void crossCell(int32_t dx, int32_t dy);
    void shiftSection(int32_t dx, int32_t dy);
    void endStep();
    uint32_t tellCreature(uint32_t event, SMap& map, SCreature& creature, SPlacedObject* owner);
    uint32_t tellObject(uint32_t event, SMap& map, SMapCell& cell, SMapObjectType& type, SPlacedObject* object,
                        const SGridPlace& place);
    void finishObjectEvent(SScriptContext& context);
    const SMapObjectType* groundTypeAt(int x, int y) const;
    // The view and the controls, in state_game_view.cpp.
    void takeViewRectangle();
    void layoutTargetPanels();
    void placeButtons();
    void refreshBars();
    bool viewChanges() const;
    void renderView();
    void drawSidePanels();
    bool sidePanelsShown() const;
    uint16_t rainColour() const;
    // The look target and its panels, and the creatures' animation.
    // The creature in the grid cell's first (0) or second place; null outside the grid or empty.
    SCreature* creatureInSlot(int x, int y, int slot) const;
    // Whether the creature is on show: its owner object is absent or visible.
    bool creatureShows(int x, int y, const SCreature& creature) const;
    void showCreature(SLookTarget& label, const SCreature& creature) const;
    // A look along `side` ends at the grid cell: a wall (whose character names itself in the first
    // panel) or a closed door.
    bool lookStopsAt(int x, int y, uint32_t side);
    void DrawTargetPanels();
    void drawTargetPanel(const STargetPanel& panel, const SLookTarget& target);
    void animateCreature(SMap& map, SCreature& creature, SItemPileRecord& sprite, bool countDown, bool advance);
    // The townspeople's moves (state_game_persons.cpp).
    void choosePersonMove(SPerson& person, SCreature& creature);
    void startPersonWalk(SPerson& person, SCreature& creature);
    void stepPerson(SPerson& person, SCreature& creature);
    // Faces the side, by way of the side between when the turn is a half turn.
    void turnPersonTo(SPerson& person, const SCreature& creature, int side);
    // Whether a person may walk from its cell into the neighbour on the side.
    bool personMayEnter(const SPerson& person, int x, int y) const;
    SItemPileRecord* spriteOf(const SCreature& creature) const;
    // The combat queue's handlers, one per kind; each answers whether its record has finished.
    bool advanceStroke(SCombatAnim& anim, uint32_t now);
    void weaponFrame(SCombatAnim& anim);
    void advanceOffHand(SCombatAnim& anim, uint32_t now);
    void spendSpellItem(SCombatAnim& anim);
    // Half a cell on; true when the flight entered a cell that ends it, `middle` when it reached the
    // middle of a cell.
    bool flyOn(SCombatAnim& anim, bool& middle);
    // The item's first-person picture and palette; null and 0 without.
    const SFpsItem* handPicture(const SItem* item) const;
    uint16_t itemPalette(const SItem* item) const;
    bool advanceMissile(SCombatAnim& anim);
    bool advanceGesture(SCombatAnim& anim);
    bool advanceSelfEffect(SCombatAnim& anim);
    bool advanceCellEffect(SCombatAnim& anim);
    bool advanceSpellMissile(SCombatAnim& anim);
    bool advanceHurt(SCombatAnim& anim);
    bool advanceLunge(SCombatAnim& anim);
    bool advanceShieldRaise(SCombatAnim& anim);
    // Whether the attacker of a monster's record still stands on its map.
    bool attackerStands(const SCombatAnim& anim) const;
    void endMonsterTurn();
    void attackNow(SActingMonster& record);
    void pickDrawnMonster();
    // A record in the cell draws itself into the cell's sprite slot; null clears it.
    void drawInCell(const SCombatAnim& anim, const SFpsItem* picture, int frame, uint16_t palette);
    SCellViewRecord* spriteCell(const SCombatAnim& anim) const;
    // The record that shows the spell's strike animation in a cell, or null without one.
    std::unique_ptr<SCombatAnim> cellEffect(const SSpellType& spell, int x, int y, int32_t subX, int32_t subY,
                                            uint16_t size);
    // The sounds of a stroke that struck home.
    void playStrokeSounds();
    void recordHitItems(int32_t damage);
    // The creature of the cell's selected place; null for none.
    SCreature* selectedCreature(int x, int y, int& slot);
    void spellOnCreature(const SSpellType& spell, int32_t strength, SMap& map, SCreature& creature, int x, int y,
                         int slot);
    // The grid cell of the map's creature; false when its section is not on the grid.
    bool locateCreature(const SMap& map, const SCreature& creature, int& x, int& y) const;
    // The side a creature at grid (x, y) attacks along: towards the player, along the row first.
    int attackSide(const SCreature& creature, int x, int y) const;

    SPlaySubMode m_subMode = SPlaySubMode::kUnset;
    SPlayClocks m_clocks;
    std::deque<std::unique_ptr<SGameEvent>> m_events;
    // The travel whose fade is under way, and where it goes.
    STravelFade m_fade;
    STravelTarget m_fadeTarget;
    std::vector<std::unique_ptr<SCombatAnim>> m_combatAnims;
    // A message box the frame opened, with its text; the screen deletes both when it is answered.
    std::unique_ptr<SDialogMessage> m_messageBox;
    std::unique_ptr<SDialogTextCtrl> m_messageText;
    uint32_t m_messageButtons = 0;
    // A script's choice menu while it is shown, with its list; deleted when it is answered.
    std::unique_ptr<SDialogList> m_choiceBox;
    std::unique_ptr<SDialogListCtrl> m_choiceList;
    // The townspeople in view, and the one within reach.
    std::vector<std::unique_ptr<SPerson>> m_persons;
    SNearbyPerson m_nearbyPerson;
    // The person the steal question asks about, while it is open: its creature's number on the map.
    struct SStealTarget {
        SMap* map = nullptr;
        uint8_t id = 0;
        int chance = 0;
    } m_stealTarget;
    // Its creature, looked up; null when there is none.
    SCreature* stealTargetCreature() const;
    // The generic person's topics, for talk with creatures that have no person type.
    SDialogTopicSet m_genericTopics;
    std::vector<uint16_t> m_thumbnail;
    int32_t m_viewX = 0, m_viewY = 0, m_viewW = 0, m_viewH = 0;
    STargetPanels m_targetPanels;
    std::array<SLookTarget, 2> m_lookTargets;
    SHandsJolt m_jolt;
    SStepMotion m_step;
    std::array<uint16_t, 3> m_doorPictures{};
    uint32_t m_lastRainTick = 0;
    std::vector<SAmbientLoop> m_ambientLoops;
    // While the area is refreshed, the loops that played before it, for those still heard to go on.
    std::vector<SAmbientLoop> m_previousLoops;
    int m_rainChannel = 0;  // the rain's loop; 0 while none plays
    bool m_heavyRain = false;
    // The object whose voices the frame plays now and then, and the wall-clock second of the last.
    struct SVoiceSource {
        const SMapObjectType* type = nullptr;
        int x = 0, y = 0;
    };
    SVoiceSource m_voiceSource;
    uint32_t m_lastVoice = 0;
    void playAmbient(const char* name, int x, int y, int quieter);
    void scanAmbientCell(int x, int y);
    void thunder(uint32_t now);
    uint32_t m_viewStale = 0;  // the view has changed since it was last drawn
    std::array<SAutomapCell, kGridSize * kGridSize> m_automap{};

    // The grid the screen owns, which m_grid points at unless a test gave another.
    std::unique_ptr<SWorldGrid> m_worldGrid;
    struct SAnimatedGround {
        SMapObjectType* type = nullptr;
        int frame = 0;
    };
    std::vector<SAnimatedGround> m_animatedGround;
    // The cell being built, for the types that ask about its neighbours.
    int m_buildX = -1, m_buildY = -1;
    // The map a grid cell shows and the cell's place on it; false where no map is.
    bool gridToLocal(int x, int y, SMap*& map, int& localX, int& localY) const;
    void setExplored(int x, int y);
    static void clearSideColumn(SSideOverlayRecord& record, int side);
    void fillPileDisplay(const SItemList& pile);
    bool isCentrePresent(int x, int y, const SMapCell& cell) const;
    void nearbyWindow(int& left, int& top, int& right, int& bottom) const;
    void rebuildAnimatedCell(int x, int y);
    void spreadLightIn(int left, int top, int right, int bottom);
    bool lightPasses(int x, int y, int dx, int dy) const;
    void buildSideFrom(int x, int y, int side, bool secondLayer);
    void fillSurface();
    void placeOnStart(SMap& map, const SPlacedObject& position);
};
