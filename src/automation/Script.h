#pragma once
// One line of an automation script, parsed.
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
std::optional<Action> ParseLine(std::string_view line, std::string& error);

}  // namespace qvt::automation
