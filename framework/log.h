#pragma once

namespace HAL {

// Diagnostics of the framework. The messages are formatted and dropped: nothing is shown to the
// player and nothing is written, but a debugger can stop here.
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace HAL
