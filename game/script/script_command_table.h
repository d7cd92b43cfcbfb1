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
    kCommandGetGlobal = 100,
    kCommandSetGlobal = 101,
    kCommandIsDaylight = 117,
    kCommandIsNight = 118,
    kCommandGetTime = 119,
    kCommandGetDay = 120,
    kCommandGetHour = 121,
    kCommandGetMinute = 122,
    kCommandGetDayDiff = 123,
    kCommandGetHourDiff = 124,
    kCommandGetMinuteDiff = 125,
    kCommandGetDamage = 127,
    kCommandSetDamage = 128,
    kCommandIsSpell = 129,
    kCommandIsWeapon = 130,
    kCommandItemValue = 142,
    kCommandIsCurrentMap = 168,
    kCommandIsCurrentWorld = 169,
    kCommandAddObjectToList = 170,
    kCommandShowObjectList = 171,
    kCommandGetObjectListResult = 172,
    kCommandMessage = 187,
    kCommandRandom = 188,
    kCommandTalkNpc = 189,
    kCommandSetMapFog = 190,
    kCommandResetMapFog = 191,
    kCommandGetWeatherCloud = 202,
    kCommandSetWeatherCloud = 203,
    kCommandGetWeatherRain = 204,
    kCommandSetWeatherRain = 205,
    kCommandRemoveMonsterTypes = 206,
    kCommandCreateMonsterObj = 207,
    kCommandCreateMonsterPos = 208,
    kCommandCreateMonsterDir = 209,
    kCommandAttractMonsters = 217,
    kCommandCalmMonsters = 218,
    kCommandPlaySound = 211,
    kCommandPlayMusic = 212,
    kCommandPlayScene = 219,
    kCommandEvtStepOn = 221,
    kCommandEvtStepOff = 222,
    kCommandEvtItemChange = 223,
    kCommandEvtHit = 224,
    kCommandEvtSpell = 225,
    kCommandEvtUse = 226,
    kCommandEvtDie = 227,
    kCommandDefault = 229,
    kCommandQuestionYesNo = 230,
    kCommandQuestionOkCancel = 231,
    kCommandAnswer = 232,
    kCommandGoodbye = 233,
    kCommandCreateObjectList = 238,
    kCommandEvtEquip = 243,
    kCommandPassTime = 244,
    kCommandEvtRemove = 245,
    kCommandEvtArrive = 247,
    kCommandGoNext = 248,
    kCommandPassTimeTo = 249,
    kCommandGoFirst = 250,
    kCommandGetGlobalStr = 252,
    kCommandSetGlobalStr = 253,
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
