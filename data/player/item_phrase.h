#pragma once
// The phrase that names a number of items of one type in the player's messages: "a potion of
// Healing", "3 scrolls of Fireball", "100<coin>".
#include <cstdint>

#include "engine/base/string.h"

class SItemType;

// The fonts draw this character as a coin.
constexpr char kCoinSign = 9;

// Appends the phrase for `count` items of the type, with the type's display name.
void FormatItemPhrase(const SItemType& type, uint32_t count, SString& out);
