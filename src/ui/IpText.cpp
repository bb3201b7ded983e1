// SPDX-License-Identifier: Apache-2.0
#include "ui/IpText.h"

namespace qvt::ui {

std::optional<std::array<int, 4>> parseDottedOctets(std::string_view text) {
    std::array<int, 4> octets{-1, -1, -1, -1};
    std::size_t part = 0;
    int digits = 0;
    int value = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '.') {
            if (part > 3) return std::nullopt;
            octets[part++] = digits > 0 ? value : -1;
            digits = 0;
            value = 0;
            continue;
        }
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        if (++digits > 3) return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 255) return std::nullopt;
    }
    if (part != 4) return std::nullopt;
    return octets;
}

}  // namespace qvt::ui
