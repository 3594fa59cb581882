#pragma once
// The panel's calendar clock: seconds counted from 1970-01-01 00:00 of the
// panel's own local time (no time zones), broken down into a date and time.
#include <cstdint>

namespace balsar::runtime {

struct CivilTime {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    static CivilTime FromSeconds(int64_t seconds);
    int64_t ToSeconds() const;
    bool operator==(const CivilTime& other) const = default;
};

} // namespace balsar::runtime
