#include "screens/play/game_clock.h"

#include "data/rules/day_hours.h"
#include "engine/base/minutes_per_day.h"
#include "engine/base/string.h"

namespace {

constexpr uint32_t kDayHours = 16;
constexpr uint32_t kNoonHour = 12;

uint32_t twelveHour(uint32_t hour) { return hour % kNoonHour == 0 ? kNoonHour : hour % kNoonHour; }

}  // namespace

uint32_t ClockDay(uint32_t minutes) { return minutes / kMinutesPerDay + 1; }
uint32_t ClockHour(uint32_t minutes) { return minutes % kMinutesPerDay / 60; }
uint32_t ClockMinuteOfHour(uint32_t minutes) { return minutes % 60; }
const char* ClockAmPm(uint32_t minutes) { return ClockHour(minutes) < kNoonHour ? "am" : "pm"; }
// Unsigned, the hours before 6:00 wrap round to large numbers and fall out with the evening's.
bool IsDayHour(uint32_t hour) { return hour - kFirstDayHour < kDayHours; }
uint32_t MinutesSince(uint32_t now, uint32_t earlier) { return earlier > now ? 0 : now - earlier; }

void FormatClockTime(SString& out, uint32_t minutes) {
    out.Format("%u:%02u %s", twelveHour(ClockHour(minutes)), ClockMinuteOfHour(minutes), ClockAmPm(minutes));
}

void FormatClockDayTime(SString& out, uint32_t minutes) {
    out.Format("Day %u, %u:%02u %s", ClockDay(minutes), twelveHour(ClockHour(minutes)), ClockMinuteOfHour(minutes),
               ClockAmPm(minutes));
}
