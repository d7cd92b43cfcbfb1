#pragma once
// What the settings screen's nine key rows offer. On keyboards a row is an action and its word the
// key bound to it, chosen from the row's own keys; on other devices a row is a hardware button and
// its word the action it triggers, one of the same ten actions for every row.
#include <cstdint>
#include <span>

struct SKeyChoice {
    uint32_t code;  // what the binding word holds
    const char* name;
};

inline constexpr int kKeyRows = 9;

// The choices of a row in the order the row steps through them, "none" first; empty past row 8.
std::span<const SKeyChoice> RowChoices(int row, bool keyboard);
// Where the code stands among the choices: 0, the "none" choice, when it is not there, so that a
// word no row knows shows and steps as "none".
int FindChoice(std::span<const SKeyChoice> choices, uint32_t code);
// "Forward:" and the other actions on keyboards, "Up arrow:" and the other buttons elsewhere.
const char* RowLabel(int row, bool keyboard);
