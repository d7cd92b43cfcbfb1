#pragma once
// Shared between the headless back end's files only.

namespace platform::headless {

// Removes every pretend piece of hardware (part of Reset).
void ResetHardware();

}  // namespace platform::headless
