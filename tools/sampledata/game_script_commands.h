#pragma once
// The game's script commands by name, for the assembler's text front end.
#include "tools/sampledata/script_assembler.h"

const SScriptAssembler::Commands& GameScriptCommands();
