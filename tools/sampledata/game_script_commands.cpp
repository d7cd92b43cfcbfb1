#include "tools/sampledata/game_script_commands.h"

#include "game/script/script_command_table.h"

const SScriptAssembler::Commands& GameScriptCommands() {
    static const SScriptAssembler::Commands commands = [] {
        SScriptAssembler::Commands named;
        for (uint32_t id = kFirstScriptCommand; id <= kLastScriptCommand; ++id)
            if (const SScriptCommandDef* command = FindScriptCommand(id)) named[command->name] = uint8_t(id);
        return named;
    }();
    return commands;
}
