#pragma once
// The game clock: one count of minutes since the game began. These say what it shows: the day
// (day 1 is the first), the hour on a 24-hour day, day or night, and the time as the map dialog
// and the slot list write it.
#include <cstdint>

class SString;

uint32_t ClockDay(uint32_t minutes);
uint32_t ClockHour(uint32_t minutes);
uint32_t ClockMinuteOfHour(uint32_t minutes);
// "am" before noon, else "pm".
const char* ClockAmPm(uint32_t minutes);
// Day runs from 6:00 to 21:59; the rest is night.
bool IsDayHour(uint32_t hour);
// Minutes from `earlier` to `now`; 0 when `earlier` lies after `now`.
uint32_t MinutesSince(uint32_t now, uint32_t earlier);
// "7:05 pm": hours 0 and 12 show as 12.
void FormatClockTime(SString& out, uint32_t minutes);
// "Day 3, 7:05 pm".
void FormatClockDayTime(SString& out, uint32_t minutes);
