// SPDX-License-Identifier: Apache-2.0
#pragma once
// The PC's local date and time, or a fixed moment given on the command line.
#include <optional>
#include <string_view>

namespace qvt::platform {

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Parses "YYYY-MM-DD HH:MM:SS"; nullopt when the text has another shape or names no real moment
// (see isValidDateTime).
std::optional<DateTime> parseDateTime(std::string_view text);

// Days of a month in the Gregorian calendar; 0 for a month outside 1..12.
int daysInMonth(int year, int month);
// A real moment: year 1 to 9999, an existing day of the month, 00:00:00 to 23:59:59.
bool isValidDateTime(const DateTime& t);

class Clock {
public:
    Clock() = default;
    explicit Clock(DateTime fixed) : fixed_(fixed) {}
    DateTime now() const;

private:
    std::optional<DateTime> fixed_;
};

}  // namespace qvt::platform
