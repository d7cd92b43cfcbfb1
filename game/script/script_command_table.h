#pragma once
// The command table: the 155 built-in commands and event tests of the script language, with the
// kinds of target each one serves.
#include <cstdint>

// The kinds of target a command serves; a command of the world (kGlobal) ignores its target.
enum SScriptCommandKind : uint32_t {
    kCommandGlobal = 1,
    kCommandMapObject = 2,
    kCommandCreature = 4,
    kCommandPlayer = 8,
};

// Ids the script context answers itself; the others belong to the global, map-object, monster and
// player handlers.
enum SScriptCommandId : uint32_t {
    kFirstScriptCommand = 100,
    kCommandEvtStepOn = 221,
    kCommandEvtStepOff = 222,
    kCommandEvtItemChange = 223,
    kCommandEvtHit = 224,
    kCommandEvtSpell = 225,
    kCommandEvtUse = 226,
    kCommandEvtDie = 227,
    kCommandDefault = 229,
    kCommandEvtEquip = 243,
    kCommandEvtRemove = 245,
    kCommandEvtArrive = 247,
    kLastScriptCommand = 254,
};

// One row: the name and argument count are the compiled scripts' vocabulary, kept for reading a
// script; at run time only the kinds count (every call passes three values).
struct SScriptCommandDef {
    uint32_t id;
    const char* name;
    uint32_t argumentCount;
    uint32_t kinds;  // SScriptCommandKind bits
    const char* help;
};

// The row of the id; null for an id outside the table, which a damaged script can carry.
const SScriptCommandDef* FindScriptCommand(uint32_t id);
