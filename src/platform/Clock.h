#pragma once
// The PC's local date and time, or a fixed moment given on the command line.
#include <optional>
#include <string_view>

namespace qvt::platform {

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Parses "YYYY-MM-DD HH:MM:SS"; nullopt when the text has another shape.
std::optional<DateTime> ParseDateTime(std::string_view text);

class Clock {
public:
    Clock() = default;
    explicit Clock(DateTime fixed) : fixed_(fixed) {}
    DateTime now() const;

private:
    std::optional<DateTime> fixed_;
};

}  // namespace qvt::platform
