#pragma once
// SScriptContext: the one state every script runs against: the event that started it, the object,
// creature or person it belongs to, where that stands, and where its messages go. It owns the
// dispatch of the interpreter's command calls to the handler of the call's target (the world, a map
// object's type, a creature's monster or the player), the cells a script changed, the text markers
// and the tests that dialogue conditions make of the conversation's partner.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "data/dialogue/dialog_world.h"
#include "data/effects/disease.h"
#include "data/player/player_outputs.h"
#include "engine/base/string.h"
#include "game/script/cell_event.h"
#include "script/script_command_sink.h"
#include "script/script_output.h"

class SDialogListCtrl;
class SGlobalTable;
class SItem;
class SItemDatabase;
class SMap;
class SMapObjectType;
class SMapObjectTypeTable;
class SModuleList;
class SMonster;
class SMonsterTable;
class SNpcTable;
class SNpcType;
class SPlayer;
class SRandom;
class SScript;
class SScriptConversation;
class SScriptPlayScreen;
class SScriptTable;
class SScriptTextOutput;
class SSoundTable;
class SSpellTable;
struct SCreature;
struct SMapCell;
struct SMonsterContext;
struct SPlacedObject;

// The tables and the player the context reads and dispatches to; all of them outlive it.
struct SScriptWorld {
    SPlayer* player = nullptr;
    const SNpcTable* npcs = nullptr;
    const SMonsterTable* monsters = nullptr;
    SMapObjectTypeTable* mapObjectTypes = nullptr;
    SGlobalTable* globals = nullptr;
    SScriptTable* scripts = nullptr;
    const SSpellTable* spells = nullptr;
    const SItemDatabase* items = nullptr;
    const SDiseaseTable* diseases = nullptr;
    SRandom* random = nullptr;
    SSoundTable* sounds = nullptr;
    // The open packages, whose maps scripts name.
    SModuleList* packages = nullptr;
};

// The screen whose text a script's messages join.
enum class SScriptOutputMode : uint32_t { PlayScreen = 1, Conversation = 2, Scene = 3 };

// The script event bits; conversations run as kEventUse.
enum SScriptEvent : uint32_t {
    kEventStepOn = 1,
    kEventStepOff = 2,
    kEventItemChange = 4,
    kEventHit = 8,
    kEventSpell = 16,
    kEventUse = 32,
    kEventDeath = 64,
    kEventEquip = 128,
    kEventRemove = 256,
    kEventArrive = 512,
};

// What a target name found. A placed object that a creature of its map belongs to is the
// creature's; every other placed object is a map object.
struct SScriptTarget {
    enum class Kind : uint32_t { MapObject = 4, CreatureObject = 8, Player = 16 };

    Kind kind = Kind::MapObject;
    SPlacedObject* object = nullptr;
    SCreature* creature = nullptr;
    SMap* map = nullptr;
    SGridPlace place;
};

class SScriptContext : public SScriptCommandSink, public SScriptOutput, public SMessageOutput {
public:
    // The monster whose base type stands in for a creature's missing monster.
    static constexpr const char* kDefaultMonsterType = "bres_cyclops";
    // The portrait of a partner without one of its own.
    static constexpr const char* kUnknownFace = "bres_headunknown";

    SScriptContext();
    ~SScriptContext() override;
    SScriptContext(const SScriptContext&) = delete;
    SScriptContext& operator=(const SScriptContext&) = delete;

    // Binds the context to the world and, both ways, to the interpreter, and makes the handler of
    // map objects whose type the world lacks.
    void Init(const SScriptWorld& world, SScript& interpreter);
    // Null while the game shows no play screen: then targets stand nowhere on the grid and
    // commands on creatures and the player give nothing.
    void AttachPlayScreen(SScriptPlayScreen* screen) { m_playScreen = screen; }
    void SetTextOutput(SScriptOutputMode mode, SScriptTextOutput* output);
    // The open conversation, which scripts in its output mode end, list choices in and move on;
    // null while none is open.
    void AttachConversation(SScriptConversation* conversation) { m_conversation = conversation; }

    // Set-ups, one before each script run: each also clears the answer, and drops a choice list
    // never shown and the result of an earlier choice.
    // A creature's script: the creature's object is the source, its cell the place.
    void SetupForCreature(uint32_t event, SPlacedObject* source, SMap* map, SCreature* creature,
                          SScriptOutputMode mode);
    // A map object's script; the person behind a character object (type code 12) is the partner.
    void SetupForObjectNpc(uint32_t event, SPlacedObject* source, SMap* map, SMapCell* cell, SMapObjectType* type,
                           const SGridPlace& place, SScriptOutputMode mode);
    void SetupForScene();
    void SetupForConversation(SNpcType* npc);

    int CallCommand(const char* target, uint8_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                    const SScriptValue& arg3, std::optional<SScriptValue>& result) override;
    // "(this)" (any case) the source, "player" (any case) the player, any other name the first placed
    // object of that name in the world played; nothing when the name finds nothing.
    std::optional<SScriptTarget> ResolveTarget(const char* name) const;
    // Queues the cell unless it is queued already.
    void QueueCellEvent(SMap* map, const SGridPlace& place);
    const std::vector<SCellEvent>& CellEvents() const { return m_cellEvents; }
    // The command `default`: the source's own reaction to the event, as if it had no script.
    void RunDefault();
    // Runs the script the source names, then has the play screen build the changed cells again,
    // also when no script ran.
    void RunObjectScript();

    // Replaces the twelve text markers in one pass: a marker inside a value put in is left as it is.
    void SubstituteText(SString& text) const;
    // The text, its markers substituted, on the screen of the output mode; `highlight` picks the
    // script colour on the play screen's log.
    void ShowMessage(const char* text, bool highlight);
    // The player's and the world's messages, highlighted.
    void ShowMessage(const char* text) override { ShowMessage(text, true); }
    // "Script error!" and the other boxes the interpreter queues, on the play screen.
    void QueueMessage(const char* text, uint32_t buttons) override;

    // The picture name of the partner's portrait; null for a character object with no portrait.
    const char* GetPartnerFace() const;
    // The items of a blow, read by `isweapon` and by the struck monster.
    void SetHitWeapons(SItem* first, SItem* second);
    void SetSpell(const char* name, int32_t value);

    // Tests of the context's creature; false without one.
    bool CreatureIs(SCreatureTest test) const;
    bool CreatureIsMonster(const char* name) const;
    // The same tests of the creature that belongs to the named object of the world played.
    bool NamedObjectIs(const char* name, SCreatureTest test) const;
    // A creature belongs to the named object, whose kClosed marks it dead.
    bool NamedObjectIsDead(const char* name) const;
    // The named object's state byte read as signed; 0 without the object.
    int32_t GetNamedObjectState(const char* name) const;
    bool IsCurrentMap(const char* name) const;
    bool IsCurrentWorld(const char* name) const;
    // Whole hours or days from the game time the global holds to now; 0 for a missing global or a
    // time ahead.
    int32_t GetHourDiffOfGlobal(const char* name) const;
    int32_t GetDayDiffOfGlobal(const char* name) const;
    // Waits until the time of day the text gives ("5pm", "930am", "1130pm"; pm without "am"), the
    // next day when that time has passed today; a text shorter than 3 or a time past 12:59 waits
    // not at all.
    void PassTimeTo(const char* text);

    uint32_t Event() const { return m_event; }
    SScriptOutputMode OutputMode() const { return m_outputMode; }
    SPlacedObject* Source() const { return m_source; }
    SCreature* Creature() const { return m_creature; }
    SNpcType* Npc() const { return m_npc; }
    SMap* Map() const { return m_map; }
    SMapCell* Cell() const { return m_cell; }
    const SGridPlace& Place() const { return m_place; }
    SMapObjectType* Type() const { return m_type; }
    // The last question's answer: 1 Ok or Yes, 2 any other button, which the play screen writes.
    int32_t Answer() const { return m_answer; }
    void SetAnswer(int32_t answer) { m_answer = answer; }
    // The key of the row the player chose from the script's choice list; empty after Cancel. The
    // play screen and the conversation write it before the script runs again; every set-up clears
    // it, so that no later script reads an old choice.
    const SString& ListResult() const { return m_listResult; }
    void SetListResult(const char* key) { m_listResult.Assign(key); }
    int32_t Damage() const { return m_damage; }
    void SetDamage(int32_t damage) { m_damage = damage; }
    const SString& SpellName() const { return m_spellName; }
    int32_t SpellValue() const { return m_spellValue; }
    const SString& WeaponName(int index) const { return m_weaponNames[index & 1]; }

private:
    // The world's commands (script_global_commands.cpp), whatever the target.
    int RunGlobalCommand(uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2, const SScriptValue& arg3,
                         std::optional<SScriptValue>& result);
    // The clock's commands (script_clock_commands.cpp); false for any other id.
    bool runClockCommand(uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2, const SScriptValue& arg3,
                         std::optional<SScriptValue>& result);
    // The play screen's world requests and weather (script_world_commands.cpp); false for any other
    // id.
    bool runWorldCommand(uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                         std::optional<SScriptValue>& result);
    // Choice lists and the conversation's commands (script_choice_commands.cpp); false for any other
    // id.
    bool runChoiceCommand(uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                          std::optional<SScriptValue>& result);
    // The conversation that runs the script; null when the script's messages go elsewhere.
    SScriptConversation* conversation() const;
    // Fog and the creatures that scripts make and remove (script_map_commands.cpp); false for any
    // other id.
    bool runMapCommand(uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2, const SScriptValue& arg3);
    // The map of that name in the open packages when scripts may change its fog; null otherwise.
    SMap* fogMap(const char* name) const;
    // The play screen draws the fog anew when the map is the one it shows.
    void fogChanged(const SMap& map);
    SMonster* findMonster(const char* name) const;
    // On the current map, at a place, at the named object's cell, or at a distance from the player
    // towards a compass point.
    void createMonsterAt(const char* name, int32_t x, int32_t y);
    void createMonsterAtObject(const char* name, const char* objectName);
    void createMonsterAhead(const char* name, const char* direction, int32_t distance);
    // The creatures of the monster that scripts made on the current map, off the grid and the map.
    void removeMonsters(const char* name);
    // A creature of the monster on the map at (x, y), shown on the grid at once; nothing for a place
    // off the map.
    void addCreature(SMap& map, SMonster& monster, int64_t x, int64_t y, bool scripted);
    // Queues the grid cell where the creature stands, for the play screen to build again.
    void queueCreatureCell(SMap& map, const SCreature& creature);
    // The creature's cell on the grid; nothing without a grid or off it.
    std::optional<SGridPlace> gridPlaceOf(const SMap& map, const SCreature& creature) const;
    // Moves the clock on; a wait of no minutes or less does nothing.
    void passTime(int64_t minutes);
    // A question box on the play screen, whose answer runs the script again; other screens ask none.
    void askQuestion(const char* text, uint32_t buttons);
    int RunObjectCommand(const SScriptTarget& target, uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                         const SScriptValue& arg3, std::optional<SScriptValue>& result);
    int RunCreatureCommand(const SScriptTarget& target, uint32_t id, const SScriptValue& arg1,
                           std::optional<SScriptValue>& result);
    // The state of a new script: the event and output mode, no answer, nothing it belongs to.
    void startScript(uint32_t event, SScriptOutputMode mode);
    // The type of the object's name, else the stand-in handler.
    SMapObjectType& handlerOf(const SPlacedObject& object) const;
    // The creature's monster, else the stand-in made from kDefaultMonsterType.
    SMonster& monsterOf(const SCreature& creature);
    // What the monster rules act on for a creature of the map; null without a play screen.
    std::optional<SMonsterContext> monsterContext(SMap& map);
    bool creaturePasses(const SMap& map, const SCreature& creature, SCreatureTest test) const;
    // The game minutes from then up to now; nothing for a time ahead.
    std::optional<uint32_t> minutesSince(int64_t then) const;
    // The same from the time the global holds; nothing for a missing global.
    std::optional<uint32_t> minutesSinceGlobal(const char* name) const;

    SScriptWorld m_world;
    SScript* m_script = nullptr;
    SScriptPlayScreen* m_playScreen = nullptr;
    SScriptConversation* m_conversation = nullptr;
    std::array<SScriptTextOutput*, 3> m_outputs{};

    uint32_t m_event = 0;
    SPlacedObject* m_source = nullptr;
    SGridPlace m_place;
    SMapObjectType* m_type = nullptr;
    SCreature* m_creature = nullptr;
    SNpcType* m_npc = nullptr;
    SMap* m_map = nullptr;
    SMapCell* m_cell = nullptr;
    SScriptOutputMode m_outputMode = SScriptOutputMode::PlayScreen;
    std::unique_ptr<SMapObjectType> m_defaultHandler;
    std::unique_ptr<SMonster> m_defaultMonster;

    int32_t m_answer = 0;
    // Set by a choice list on the play screen, which the context holds until the script shows it;
    // the flag stays up, so that the script run again after the choice reads the result.
    bool m_listOpen = false;
    std::unique_ptr<SDialogListCtrl> m_list;
    SString m_listResult;
    int32_t m_damage = 0;
    SString m_spellName;
    int32_t m_spellValue = 0;
    SString m_weaponNames[2];
    SItem* m_weapons[2] = {nullptr, nullptr};
    std::vector<SCellEvent> m_cellEvents;
};
