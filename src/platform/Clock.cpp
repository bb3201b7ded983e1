#include "platform/Clock.h"

#include <cctype>
#include <ctime>

namespace qvt::platform {

std::optional<DateTime> ParseDateTime(std::string_view text) {
    // Fixed shape: 4-2-2 2:2:2 digits.
    static constexpr std::string_view shape = "dddd-dd-dd dd:dd:dd";
    if (text.size() != shape.size()) return std::nullopt;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        if ((shape[i] == 'd') != digit) return std::nullopt;
        if (shape[i] != 'd' && text[i] != shape[i]) return std::nullopt;
    }
    auto num = [&](std::size_t pos, std::size_t len) {
        int v = 0;
        for (std::size_t i = pos; i < pos + len; ++i) v = v * 10 + (text[i] - '0');
        return v;
    };
    return DateTime{num(0, 4), num(5, 2), num(8, 2), num(11, 2), num(14, 2), num(17, 2)};
}

DateTime Clock::now() const {
    if (fixed_) return *fixed_;
    std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace qvt::platform
