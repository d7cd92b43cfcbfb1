#pragma once
// The codes with which a script run ends.

enum ScriptError : int {
    kScriptOk = 0,
    kScriptInvalidToken = 1,
    kScriptLvalueRequired = 4,
    kScriptBracketRequired = 5,
    kScriptUnexpectedStatementEnd = 6,
    kScriptUnexpectedClose = 7,
    kScriptUnexpectedBlockClose = 9,
    kScriptElseWithoutIf = 10,
    kScriptUnexpectedEnd = 11,
    kScriptNotAnObject = 12,
    kScriptMethodRequired = 13,
    kScriptRvalueRequired = 19,
    // A return statement: the script ended early, which counts as success.
    kScriptReturn = 20,
    // Brackets, calls or branches nested deeper than the interpreter follows.
    kScriptTooDeep = 21,
    // A script started while another one runs on the one interpreter.
    kScriptBusy = 22,
};
