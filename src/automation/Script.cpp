// SPDX-License-Identifier: Apache-2.0
#include "automation/Script.h"

#include <cctype>
#include <filesystem>
#include <vector>

namespace qvt::automation {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

bool isBlankLine(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool tokenize(std::string_view line, std::vector<Token>& tokens, std::string& error) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (isBlankLine(line[i])) {
            ++i;
            continue;
        }
        Token t;
        if (line[i] == '"') {
            t.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
                    t.text += line[i++];
                    continue;
                }
                t.text += c;
            }
            if (!closed) {
                error = "unterminated text";
                return false;
            }
            if (i < line.size() && !isBlankLine(line[i])) {
                error = "text must be followed by a blank";
                return false;
            }
        } else {
            while (i < line.size() && !isBlankLine(line[i])) t.text += line[i++];
        }
        tokens.push_back(std::move(t));
    }
    return true;
}

std::optional<int> parseId(const Token& t) {
    if (t.quoted || t.text.empty() || t.text.size() > 9) return std::nullopt;
    int v = 0;
    for (char c : t.text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace

std::optional<Action> parseLine(std::string_view line, std::string& error) {
    std::vector<Token> tokens;
    if (!tokenize(line, tokens, error)) return std::nullopt;
    Action a;
    if (tokens.empty() || (!tokens[0].quoted && tokens[0].text[0] == '#')) return a;
    const std::string verb = tokens[0].quoted ? std::string() : tokens[0].text;
    const std::size_t n = tokens.size();

    auto needId = [&](std::size_t expected) -> bool {
        if (n != expected) {
            error = "wrong number of arguments for " + verb;
            return false;
        }
        auto id = parseId(tokens[1]);
        if (!id) {
            error = "control id expected";
            return false;
        }
        a.id = *id;
        return true;
    };
    auto needText = [&](std::size_t index) -> bool {
        if (!tokens[index].quoted) {
            error = "text between double quotes expected";
            return false;
        }
        a.text = tokens[index].text;
        return true;
    };

    if (verb == "select") {
        a.verb = Action::Verb::Select;
        if (!needId(3)) return std::nullopt;
        if (!tokens[2].quoted && tokens[2].text.size() > 1 && tokens[2].text[0] == '#') {
            Token num{tokens[2].text.substr(1), false};
            auto pos = parseId(num);
            if (!pos) {
                error = "position expected after #";
                return std::nullopt;
            }
            a.byPosition = true;
            a.position = *pos;
            return a;
        }
        if (!needText(2)) return std::nullopt;
        return a;
    }
    if (verb == "click" || verb == "focus" || verb == "dropdown") {
        a.verb = verb == "click" ? Action::Verb::Click
                 : verb == "focus" ? Action::Verb::Focus
                                   : Action::Verb::DropDown;
        if (!needId(2)) return std::nullopt;
        return a;
    }
    if (verb == "type" || verb == "ip") {
        a.verb = verb == "type" ? Action::Verb::Type : Action::Verb::Ip;
        if (!needId(3) || !needText(2)) return std::nullopt;
        return a;
    }
    if (verb == "key") {
        a.verb = Action::Verb::Key;
        if (n != 2 || tokens[1].quoted ||
            (tokens[1].text != "Enter" && tokens[1].text != "Escape" && tokens[1].text != "F1")) {
            error = "key Enter, key Escape or key F1 expected";
            return std::nullopt;
        }
        a.text = tokens[1].text;
        return a;
    }
    if (verb == "close" || verb == "state") {
        a.verb = verb == "close" ? Action::Verb::Close : Action::Verb::State;
        if (n != 1) {
            error = verb + " takes no argument";
            return std::nullopt;
        }
        return a;
    }
    if (verb == "answer") {
        a.verb = Action::Verb::Answer;
        if (n != 2 || tokens[1].quoted || (tokens[1].text != "OK" && tokens[1].text != "Cancel")) {
            error = "answer OK or answer Cancel expected";
            return std::nullopt;
        }
        a.cancel = tokens[1].text == "Cancel";
        return a;
    }
    if (verb == "choose-file") {
        a.verb = Action::Verb::ChooseFile;
        if (n != 2) {
            error = "choose-file \"PATH\" or choose-file cancel expected";
            return std::nullopt;
        }
        if (!tokens[1].quoted && tokens[1].text == "cancel") {
            a.cancel = true;
            return a;
        }
        if (!needText(1)) return std::nullopt;
        return a;
    }
    if (verb == "dump") {
        a.verb = Action::Verb::Dump;
        if (n == 1) return a;
        if (!needId(2)) return std::nullopt;
        return a;
    }
    error = "unknown action \"" + (tokens[0].quoted ? tokens[0].text : verb) + "\"";
    return std::nullopt;
}

LineRead readScriptLine(std::istream& in, std::string& line, std::size_t maxLength) {
    line.clear();
    std::istream::sentry ok(in, true);  // keeps leading blanks; fails at the end of a stream
    std::streambuf* buf = in.rdbuf();
    if (!ok || !buf) return LineRead::End;
    using Traits = std::istream::traits_type;
    for (bool any = false;;) {
        const Traits::int_type c = buf->sbumpc();
        if (Traits::eq_int_type(c, Traits::eof())) {
            in.setstate(std::ios::eofbit);
            return any ? LineRead::Line : LineRead::End;
        }
        any = true;
        if (Traits::to_char_type(c) == '\n') return LineRead::Line;
        if (line.size() >= maxLength) return LineRead::TooLong;
        line.push_back(Traits::to_char_type(c));
    }
}

namespace {

// The length of the well-formed UTF-8 sequence at `at` that is no control character, or 0.
std::size_t printableUtf8At(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u) return 0;
        code = (code << 6) | (byte(at + i) & 0x3Fu);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool invalid = code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF);
    const bool c1Control = code >= 0x80 && code <= 0x9F;
    return overlong || invalid || c1Control ? 0 : length;
}

}  // namespace

std::string echoText(std::string_view text, std::size_t maxBytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t taken = 1;
        std::string piece;
        if (c >= 0x20 && c < 0x7F) {
            piece = std::string(1, static_cast<char>(c));
        } else if (const std::size_t n = c >= 0x80 ? printableUtf8At(text, i) : 0; n > 0) {
            taken = n;
            piece = std::string(text.substr(i, n));
        } else {
            piece = {'\\', 'x', kHex[c >> 4], kHex[c & 0xFu]};
        }
        if (out.size() + piece.size() > maxBytes) return out + "...";
        out += piece;
        i += taken;
    }
    return out;
}

bool openScriptFile(const std::string& path, std::ifstream& in) {
    // A folder opens like a file on some systems and then reads as an empty script.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    in.open(path);
    return in.is_open();
}

}  // namespace qvt::automation
