#pragma once
// The inventory's status line: the gold, shortened ("10K", "1M"), and the pack's weight against
// what the player can carry, in the layout of the screen type.
#include <cstdint>

class SString;

// The weights are in hundredths and are shown with one decimal; the text is before the rewriting
// into the small digits.
void FormatInventoryStatus(uint32_t screenType, uint32_t gold, uint32_t weight, uint32_t capacity, SString& out);

// What closing the inventory says of the load: nothing while the pack is within the capacity.
enum class SLoadWarning { kNone, kTooMuch, kWayTooMuch };
SLoadWarning LoadWarningFor(uint32_t weight, uint32_t capacity);
const char* LoadWarningText(SLoadWarning warning);
