// SPDX-License-Identifier: Apache-2.0
// Any script text is read line by line within the bound and parsed without harm; a parsed action
// written back in the script syntax parses to the same action; JSON text made of any bytes is
// valid UTF-8.
#include <QStringDecoder>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "automation/Json.h"
#include "automation/Script.h"

namespace {

using namespace qvt::automation;

void require(bool condition) {
    if (!condition) std::abort();
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// The action in the script syntax, or "" for those without a fixed spelling here.
std::string writtenText(const Action& a) {
    const std::string id = std::to_string(a.id);
    switch (a.verb) {
        case Action::Verb::Select:
            return "select " + id + " " + (a.byPosition ? "#" + std::to_string(a.position) : quoted(a.text));
        case Action::Verb::Click: return "click " + id;
        case Action::Verb::Type: return "type " + id + " " + quoted(a.text);
        case Action::Verb::Ip: return "ip " + id + " " + quoted(a.text);
        case Action::Verb::ChooseFile: return a.cancel ? "choose-file cancel" : "choose-file " + quoted(a.text);
        case Action::Verb::Answer: return a.cancel ? "answer Cancel" : "answer OK";
        case Action::Verb::Dump: return a.id < 0 ? "dump" : "dump " + id;
        default: return "";
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    std::string line;
    for (LineRead read; (read = readScriptLine(in, line, 256)) != LineRead::End;) {
        if (read == LineRead::TooLong) {
            require(line.size() == 256);
            break;
        }
        std::string error;
        const std::optional<Action> action = parseLine(line, error);
        require(action.has_value() || !error.empty());
        if (!action) continue;
        const std::string again = writtenText(*action);
        if (again.empty()) continue;
        const std::optional<Action> reparsed = parseLine(again, error);
        require(reparsed && reparsed->verb == action->verb && reparsed->id == action->id &&
              reparsed->text == action->text && reparsed->position == action->position &&
              reparsed->byPosition == action->byPosition && reparsed->cancel == action->cancel);
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = decoder(QByteArray::fromStdString(jsonString(bytes)));
    require(!decoder.hasError());
    return 0;
}
