// SPDX-License-Identifier: Apache-2.0
#include "automation/Json.h"

#include <cstdio>

namespace qvt::automation {

using ui::Control;
using ui::ControlKind;

namespace {

// Length of the well-formed UTF-8 sequence at text[i], 0 when there is none (a stray continuation
// byte, an overlong form, a surrogate, a code point above U+10FFFF, or a sequence cut short).
std::size_t utf8SequenceAt(std::string_view text, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char c = b(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size() || b(1) < low || b(1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((b(k) & 0xC0) != 0x80) return 0;
    return length;
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else if (c < 0x80) {
                    out += static_cast<char>(c);
                } else if (const std::size_t n = utf8SequenceAt(text, i); n > 0) {
                    out += text.substr(i, n);
                    i += n - 1;
                } else {
                    // Not UTF-8 (a card value in an 8-bit code page, a path): the byte as Latin-1.
                    out += static_cast<char>(0xC0 | (c >> 6));
                    out += static_cast<char>(0x80 | (c & 0x3F));
                }
        }
    }
    return out + "\"";
}

static std::string ipText(const Control& c) {
    bool blank = true;
    for (int o : c.octets) blank = blank && o < 0;
    if (blank) return {};
    std::string text;
    for (std::size_t i = 0; i < c.octets.size(); ++i) {
        if (i) text += '.';
        if (c.octets[i] >= 0) text += std::to_string(c.octets[i]);
    }
    return text;
}

// The keys that apply to the control's kind, without the surrounding braces.
static std::string controlFields(const Control& c) {
    std::string s = "\"kind\":" + jsonString(ui::kindName(c.kind));
    switch (c.kind) {
        case ControlKind::List:
        case ControlKind::ListBox: {
            const std::string item = c.sel >= 0 ? c.items[static_cast<std::size_t>(c.sel)] : std::string();
            s += ",\"sel\":" + std::to_string(c.sel) + ",\"item\":" + jsonString(item) +
                 ",\"count\":" + std::to_string(c.items.size());
            break;
        }
        case ControlKind::Check:
        case ControlKind::Check3:
        case ControlKind::Radio: s += ",\"check\":" + std::to_string(c.check); break;
        case ControlKind::Ip: s += ",\"text\":" + jsonString(ipText(c)); break;
        case ControlKind::Edit:
        case ControlKind::Button:
        case ControlKind::Label: s += ",\"text\":" + jsonString(c.text); break;
        case ControlKind::Picture:
        case ControlKind::Group: break;
    }
    s += std::string(",\"enabled\":") + (c.enabled ? "true" : "false");
    s += std::string(",\"visible\":") + (c.visible ? "true" : "false");
    if (!c.toolTip.empty()) s += ",\"tooltip\":" + jsonString(c.toolTip);
    return s;
}

std::string dumpDialog(const ui::Dialog& dialog) {
    std::string s = "{\"event\":\"dump\",\"dialog\":" + jsonString(dialog.title()) + ",\"controls\":{";
    bool first = true;
    for (const auto& [id, c] : dialog.controls()) {
        if (!first) s += ',';
        first = false;
        s += "\"" + std::to_string(id) + "\":{" + controlFields(c) + "}";
    }
    return s + "}}";
}

std::string dumpControl(const ui::Dialog& dialog, int id) {
    const Control& c = dialog.control(id);
    std::string s = "{\"event\":\"dump\",\"dialog\":" + jsonString(dialog.title()) + ",\"id\":" + std::to_string(id) +
                    "," + controlFields(c);
    if (c.isList()) {
        s += ",\"items\":[";
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            if (i) s += ',';
            s += jsonString(c.items[i]);
        }
        s += "]";
    }
    return s + "}";
}

std::string dumpState(const operators::MessagingState& state) {
    std::string s = "{\"event\":\"state\",\"countryName\":" + jsonString(state.countryName) +
                    ",\"operatorName\":" + jsonString(state.operatorName) + ",\"params\":{";
    for (int i = 0; i < operators::OperatorParams::kFieldCount; ++i) {
        if (i) s += ',';
        s += jsonString(operators::OperatorParams::fieldName(i)) + ":" + jsonString(state.params.field(i));
    }
    s += "},\"smtpSsl\":" + jsonString(state.smtpSsl) + ",\"editorMode\":" + std::to_string(state.editorMode) +
         ",\"smtpEdited\":" + std::to_string(state.smtpEdited) + "}";
    return s;
}

}  // namespace qvt::automation
