// SPDX-License-Identifier: Apache-2.0
#pragma once
// Dotted IP-address text ("A.B.C.D"), read the same way wherever a person or a file supplies it:
// by the window's IP control when text is pasted, by the parameter editor and by the scripts.
#include <array>
#include <optional>
#include <string_view>

namespace qvt::ui {

// Four octets of at most three digits and at most 255, separated by exactly three points. An octet
// without digits ("1..2.3", "1.2.3.") is -1, a blank octet. Anything else (another character, a
// fourth point, a fourth digit, 256) is nullopt.
std::optional<std::array<int, 4>> parseDottedOctets(std::string_view text);

}  // namespace qvt::ui
