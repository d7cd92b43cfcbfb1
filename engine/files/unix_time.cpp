#include "engine/files/unix_time.h"

#include "platform/clock.h"

uint32_t GetUnixTime() { return uint32_t(platform::LocalTimeSeconds()); }

uint32_t GetPalmTime() { return GetUnixTime() + kPalmEpochOffset; }
