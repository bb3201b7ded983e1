// SPDX-License-Identifier: Apache-2.0
#pragma once
// One line of an automation script, parsed.
#include <cstddef>
#include <fstream>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace qvt::automation {

struct Action {
    enum class Verb {
        None,  // blank line or comment
        Select,
        Click,
        Type,
        Ip,
        Focus,
        DropDown,
        Key,
        Close,
        Answer,
        ChooseFile,
        Dump,
        State,
    };
    Verb verb = Verb::None;
    int id = -1;          // control id, -1 when none was given
    std::string text;     // TEXT, PATH, key name or answer word
    int position = -1;    // select ID #N
    bool byPosition = false;
    bool cancel = false;  // choose-file cancel / answer Cancel
};

// Parses one line; on a malformed line returns nullopt and sets `error`.
std::optional<Action> parseLine(std::string_view line, std::string& error);

// A script line is read whole into memory; anything longer is refused before it can fill it.
inline constexpr std::size_t kMaxScriptLine = std::size_t{1} << 20;

enum class LineRead { Line, End, TooLong };
// Reads the next line (its '\n' dropped; a last line without one counts) as it arrives. TooLong
// after maxLength bytes without a line end: the rest of that line is left unread.
LineRead readScriptLine(std::istream& in, std::string& line, std::size_t maxLength = kMaxScriptLine);

// A script text as the error line on standard error shows it: control characters (and bytes that are
// no UTF-8) written as \xNN, cut after at most maxBytes bytes with "..." added, so that no line
// floods the terminal or sends it escape sequences.
inline constexpr std::size_t kMaxEchoBytes = 200;
std::string echoText(std::string_view text, std::size_t maxBytes = kMaxEchoBytes);

// Opens the script file; false when it cannot be opened or is a folder.
bool openScriptFile(const std::string& path, std::ifstream& in);

}  // namespace qvt::automation
