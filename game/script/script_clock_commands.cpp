// The commands of the game clock: the time and date, the time since a moment, and passing time.
#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

#include "engine/base/c_string.h"
#include "engine/base/minutes_per_day.h"
#include "game/script/script_command_table.h"
#include "game/script/script_context.h"
#include "game/script/script_play_screen.h"

namespace {

constexpr uint32_t kFirstDaylightHour = 6;
constexpr uint32_t kLastDaylightHour = 21;

// A time of day written as hours and minutes, "930" for 9:30; whole hours are written alone.
constexpr uint32_t kLargestWholeHour = 99;
constexpr uint32_t kHoursFactor = 100;
constexpr uint32_t kNoon = 1200;
constexpr uint32_t kFirstRefusedTime = 1300;
constexpr size_t kShortestTimeText = 3;

SScriptValue numberClockCommands(int64_t value) { return SScriptValue(int32_t(value)); }

// The minute of day of a time text: "5pm", "930am", "1130pm"; without "am" the time is after noon.
// Nothing for a text too short or a time past 12:59.
std::optional<uint32_t> minuteOfDayOf(const char* text) {
    if (text == nullptr || std::strlen(text) < kShortestTimeText) return std::nullopt;
    uint32_t time = uint32_t(SScriptValue(text).Number());
    if (time <= kLargestWholeHour) time *= kHoursFactor;
    // Unsigned, so a negative reading is refused too.
    if (time >= kFirstRefusedTime) return std::nullopt;
    const bool morning = StrICmp(text + std::strlen(text) - 2, "am") == 0;
    if (morning && time >= kNoon) time -= kNoon;
    if (!morning && time < kNoon) time += kNoon;
    return time / kHoursFactor * kMinutesPerHour + time % kHoursFactor;
}

}  // namespace

std::optional<uint32_t> SScriptContext::minutesSince(int64_t then) const {
    const uint32_t now = m_playScreen ? m_playScreen->GameMinutes() : 0;
    if (then > int64_t(now)) return std::nullopt;
    return uint32_t(int64_t(now) - then);
}

bool SScriptContext::runClockCommand(uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                                     const SScriptValue& arg3, std::optional<SScriptValue>& result) {
    const uint32_t now = m_playScreen ? m_playScreen->GameMinutes() : 0;
    const uint32_t hour = now % kMinutesPerDay / kMinutesPerHour;
    switch (id) {
        case kCommandIsDaylight:
            result = numberClockCommands(hour >= kFirstDaylightHour && hour <= kLastDaylightHour);
            break;
        case kCommandIsNight:
            result = numberClockCommands(hour < kFirstDaylightHour || hour > kLastDaylightHour);
            break;
        case kCommandGetTime: result = numberClockCommands(now); break;
        case kCommandGetDay: result = numberClockCommands(now / kMinutesPerDay + 1); break;
        case kCommandGetHour: result = numberClockCommands(hour); break;
        case kCommandGetMinute: result = numberClockCommands(now % kMinutesPerHour); break;
        case kCommandGetDayDiff:
            result = numberClockCommands(minutesSince(arg1.Number()).value_or(0) / kMinutesPerDay);
            break;
        case kCommandGetHourDiff:
            result = numberClockCommands(minutesSince(arg1.Number()).value_or(0) / kMinutesPerHour);
            break;
        case kCommandGetMinuteDiff: result = numberClockCommands(minutesSince(arg1.Number()).value_or(0)); break;
        case kCommandPassTime:
            passTime(int64_t(arg1.Number()) * kMinutesPerDay + int64_t(arg2.Number()) * kMinutesPerHour +
                     arg3.Number());
            break;
        case kCommandPassTimeTo: PassTimeTo(arg1.Text()); break;
        default: return false;
    }
    return true;
}

void SScriptContext::PassTimeTo(const char* text) {
    const std::optional<uint32_t> target = minuteOfDayOf(text);
    if (!target || m_playScreen == nullptr) return;
    const uint32_t minuteOfDay = m_playScreen->GameMinutes() % kMinutesPerDay;
    if (minuteOfDay < *target) passTime(*target - minuteOfDay);
    if (minuteOfDay > *target) passTime(kMinutesPerDay - (minuteOfDay - *target));
}

void SScriptContext::passTime(int64_t minutes) {
    // The clock never runs backwards, and stops at its end rather than wrap round to the start.
    if (m_playScreen == nullptr || minutes <= 0) return;
    const int64_t room = int64_t(std::numeric_limits<uint32_t>::max()) - m_playScreen->GameMinutes();
    if (room > 0) m_playScreen->PassTime(uint32_t(std::min(minutes, room)));
}
