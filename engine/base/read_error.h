#pragma once
// SReadError: what went wrong reading bytes from outside the program (a package, a saved game, a
// picture record) and where, so that every such failure reaches the player worded one way.
#include <cstdint>
#include <optional>
#include <string>

struct SReadError {
    std::string file;                // the path the file was opened by; empty when unknown
    std::optional<uint16_t> record;  // the record's id
    std::string contents;            // what the record holds, e.g. "the spell table"; may be empty
    std::optional<uint32_t> offset;  // where in the record the fault lies
    std::string what;                // what is wrong there, e.g. "cut short"; empty while nothing is

    bool Failed() const { return !what.empty(); }
    // One sentence without the full stop, naming what is known of the place first:
    // "/games/Brimvale.pdb: record 4027 (the sound table) at byte 4: cut short".
    std::string Message() const;
};
