#pragma once
#include <cstdint>

// Local time (not UTC) in whole seconds since 1 January 1970.
uint32_t GetUnixTime();
// Local time in seconds since 1 January 1904, as database headers date themselves.
uint32_t GetPalmTime();

constexpr uint32_t kPalmEpochOffset = 2'082'844'800;  // seconds from 1904 to 1970

// A word the caller sets and the moment it was last refreshed.
class STimeStamp {
public:
    STimeStamp() : m_time(GetUnixTime()) {}
    void Set(uint32_t value) { m_value = value; }
    uint32_t Value() const { return m_value; }
    uint32_t Time() const { return m_time; }
    uint32_t Refresh() { return m_time = GetUnixTime(); }

private:
    uint32_t m_value = 0;
    uint32_t m_time;
};
