#include "framework/log.h"

#include <cstdarg>
#include <cstdio>

namespace HAL {

void Log(const char* format, ...) {
    char message[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
}

}  // namespace HAL
