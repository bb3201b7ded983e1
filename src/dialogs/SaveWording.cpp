// SPDX-License-Identifier: Apache-2.0
#include "dialogs/SaveWording.h"

#include <algorithm>
#include <cstddef>

#include "audio/GameCallAudio.h"
#include "dialogs/ControlIds.h"
#include "dialogs/DialogParts.h"
#include "dialogs/GameCallField.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/WapInternetDialog.h"
#include "platform/FileOps.h"
#include "settings/KeyTable.h"
#include "settings/SaveDiff.h"

namespace qvt::dialogs {

using settings::KeySlot;
using settings::ListRead;
using settings::SlotKind;
using ui::ControlKind;
using ui::LayoutNode;

namespace {

const std::string kArrow = " \xE2\x86\x92 ";

// A caption as a label: no mnemonic marks and no ":" at the end. A radio's caption that runs on to
// the field beside it ("Instant............Max Number:") is the radio's label before the dots
// (`before`) and the field's after them.
std::string cleanLabel(std::string_view text, bool before = true) {
    std::string out;
    for (char c : text)
        if (c != '&') out += c;
    if (const std::size_t dots = out.find("..."); dots != std::string::npos) {
        const std::size_t after = std::min(out.find_first_not_of('.', dots), out.size());
        out = before ? out.substr(0, dots) : out.substr(after);
    }
    out = platform::trim(out);
    while (!out.empty() && (out.back() == ':' || out.back() == ' ')) out.pop_back();
    return out;
}

// An item as words: the blanks that line items up in their list (" 5 Sec", "5  Sec") are no part of it.
std::string singleSpaced(const std::string& item) {
    std::string out;
    for (char c : platform::trim(item))
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    return out;
}

// A file key's name as words: "GameCall Hour" reads "Game Call Hour".
std::string keyWords(const std::string& key) {
    std::string out;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (i > 0 && key[i] >= 'A' && key[i] <= 'Z' && key[i - 1] >= 'a' && key[i - 1] <= 'z') out += ' ';
        out += key[i];
    }
    return out;
}

bool hasLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

bool isField(ControlKind kind) {
    return kind == ControlKind::List || kind == ControlKind::ListBox || kind == ControlKind::Edit ||
           kind == ControlKind::Ip;
}

void walk(const LayoutNode& node, const ui::DialogTemplate& t, std::vector<std::string>& groups,
          std::map<int, ControlPlace>& places) {
    const bool isGroup = node.kind == LayoutNode::Kind::Group;
    if (isGroup) {
        const ui::ControlSpec* spec = node.id != 0 ? t.find(node.id) : nullptr;
        groups.push_back(cleanLabel(node.text.empty() && spec ? spec->text : node.text));
    }
    // Within one row, column or grid a text names the field right after it; a text without letters
    // (the ":" between hour and minute) names the second field after the first.
    std::string before;
    std::string lastLabel;
    for (const LayoutNode& child : node.children) {
        if (child.kind == LayoutNode::Kind::Text) {
            before = child.text;
            continue;
        }
        const ui::ControlSpec* spec = child.kind == LayoutNode::Kind::Control ? t.find(child.id) : nullptr;
        if (!spec) {
            before.clear();
            walk(child, t, groups, places);
            continue;
        }
        if (isField(spec->kind)) {
            std::string label = cleanLabel(before, false);
            if (!hasLetter(label)) label = lastLabel.empty() ? std::string() : lastLabel + " (minutes)";
            if (!label.empty()) lastLabel = label;
            places[child.id] = {label, groups};
            before.clear();
        } else {
            places[child.id] = {cleanLabel(spec->text), groups};
            before = spec->text;  // a label, check box or radio names the field after it
        }
    }
    if (isGroup) groups.pop_back();
}

// How one changed key is shown.
struct Wording {
    std::string group;
    std::string label;
    std::string before;
    std::string after;
};

std::string quoted(const std::string& value) {
    return "\"" + value + "\"";
}
std::string shownEmpty(const std::string& value) {
    return value.empty() ? "(empty)" : value;
}

class Describer {
public:
    explicit Describer(SettingsDialog& dialog)
        : dialog_(dialog),
          editor_(WapInternetDialog::dialogTemplate()),
          places_(controlPlaces(dialog.tmpl())),
          editorPlaces_(controlPlaces(editor_)) {}

    Wording describe(const settings::ValueChange& change) const {
        const KeySlot* slot = slotOf(change);
        if (!slot) return raw(change);
        switch (slot->kind) {
            case SlotKind::Model:
                return raw(change);
            case SlotKind::Param: {
                const int id = WapInternetDialog::kFields[static_cast<std::size_t>(slot->field)];
                const ControlPlace place = placeIn(editorPlaces_, id);
                const ui::ControlSpec* spec = editor_.find(id);
                Wording w{innermost(place), place.label.empty() ? slot->key : place.label, shownEmpty(change.before),
                          shownEmpty(change.after)};
                if (spec && spec->style.masked) w.before = w.after = {};
                return w;
            }
            case SlotKind::SmtpSsl:
                return {"Advanced Setup", "SMTP SSL", onOff(change.before), onOff(change.after)};
            case SlotKind::Edit:
            case SlotKind::TwoDigit: {
                Wording w = labelled(*slot, slot->id);
                w.before = shownEmpty(change.before);
                w.after = shownEmpty(change.after);
                const ui::ControlSpec* spec = dialog_.tmpl().find(slot->id);
                if (spec && spec->style.masked) w.before = w.after = {};
                return w;
            }
            case SlotKind::List:
            case SlotKind::MaxNumber: {
                Wording w = labelled(*slot, slot->id);
                w.before = listValue(*slot, change.before);
                w.after = listValue(*slot, change.after);
                return w;
            }
            case SlotKind::Radio: {
                // The radios' group box is their label; the group around it is where they sit.
                const ControlPlace place =
                    slot->radios.empty() ? ControlPlace{} : placeIn(places_, slot->radios.front());
                Wording w{place.groups.size() >= 2 ? place.groups[place.groups.size() - 2] : innermost(place),
                          place.groups.empty() ? slot->key : place.groups.back(), radioValue(*slot, change.before),
                          radioValue(*slot, change.after)};
                return w;
            }
            case SlotKind::DayMask: {
                Wording w =
                    dialog_.has(ids::kWorkDayBox) ? labelled(*slot, ids::kWorkDayBox) : Wording{{}, slot->key, {}, {}};
                w.before = daysValue(*slot, change.before);
                w.after = daysValue(*slot, change.after);
                return w;
            }
        }
        return raw(change);
    }

private:
    static ControlPlace placeIn(const std::map<int, ControlPlace>& places, int id) {
        const auto it = places.find(id);
        return it == places.end() ? ControlPlace{} : it->second;
    }
    static std::string innermost(const ControlPlace& place) {
        return place.groups.empty() ? std::string() : place.groups.back();
    }

    // The key's slot in the dialog's file: the one in use where several name the same key.
    const KeySlot* slotOf(const settings::ValueChange& change) const {
        const KeySlot* found = nullptr;
        auto same = [](const std::string& a, const std::string& b) {
            return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                       auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
                       return lower(x) == lower(y);
                   });
        };
        for (const KeySlot& slot : dialog_.keyTable().keys) {
            if (!same(slot.section, change.section) || !same(slot.key, change.key)) continue;
            if (!slot.used || slot.used()) return &slot;
            if (!found) found = &slot;
        }
        return found;
    }

    // A key with no control of its own is shown as the file spells it.
    static Wording raw(const settings::ValueChange& change) {
        return {"Other keys in the file", "[" + change.section + "] " + change.key, shownEmpty(change.before),
                shownEmpty(change.after)};
    }

    // The control's label; one of one letter ("H:", "M:") says too little, and the key's name is used.
    Wording labelled(const KeySlot& slot, int id) const {
        const ControlPlace place = placeIn(places_, id);
        std::string label = place.label;
        if (label.size() < 2 || label[label.size() - 2] == ' ') label = keyWords(slot.key);  // "H", "Set Clock Y"
        return {innermost(place), label, {}, {}};
    }

    // The item the list shows for a stored number, as the file reader chooses it; a value that chooses
    // none shows as it stands in the file.
    std::string listValue(const KeySlot& slot, const std::string& stored) const {
        const std::string value = platform::trim(stored);
        if (value.empty()) return "(blank)";
        if (!dialog_.has(slot.id)) return quoted(stored);
        if (!platform::isAllDigits(value) || value.size() > 6) return quoted(stored);
        const int number = platform::atoI(value);
        const std::vector<std::string>& items = dialog_.control(slot.id).items;
        int position = -1;
        if (slot.kind == SlotKind::MaxNumber)
            position = std::min(number, 100);
        else if (slot.listRead == ListRead::InRange)
            position = number >= slot.lo && number <= slot.hi ? number : -1;
        else
            position = number - slot.base;
        if (position < 0 || position >= static_cast<int>(items.size())) return quoted(stored);
        return singleSpaced(items[static_cast<std::size_t>(position)]);
    }

    std::string radioValue(const KeySlot& slot, const std::string& stored) const {
        const std::string value = platform::trim(stored);
        if (value.empty()) return "(none)";
        std::vector<int> distinct;
        for (int id : slot.radios)
            if (distinct.empty() || distinct.back() != id) distinct.push_back(id);
        if (!platform::isAllDigits(value) || value.size() > 2) return quoted(stored);
        const int position = platform::atoI(value);
        if (position >= static_cast<int>(distinct.size()) || !dialog_.has(distinct[static_cast<std::size_t>(position)]))
            return quoted(stored);
        return cleanLabel(dialog_.control(distinct[static_cast<std::size_t>(position)]).text);
    }

    std::string daysValue(const KeySlot& slot, const std::string& stored) const {
        const std::string value = platform::trim(stored);
        if (value.empty()) return "(none)";
        if (!platform::isAllDigits(value) || value.size() > 3 || platform::atoI(value) > 127) return quoted(stored);
        const int mask = platform::atoI(value);
        if (mask == 127) return "every day";
        std::string days;
        for (std::size_t i = 0; i < slot.dayBoxes.size() && i < std::size(settings::kDayWeights); ++i)
            if ((mask & settings::kDayWeights[i]) && dialog_.has(slot.dayBoxes[i]))
                days += (days.empty() ? "" : ", ") + cleanLabel(dialog_.control(slot.dayBoxes[i]).text);
        return days.empty() ? "(none)" : days;
    }

    static std::string onOff(const std::string& stored) {
        const std::string value = platform::trim(stored);
        if (value.empty()) return "(empty)";
        if (value == "0") return "off";
        if (value == "1") return "on";
        return quoted(stored);
    }

    SettingsDialog& dialog_;
    ui::DialogTemplate editor_;  // the parameter editor, where the messaging parameters are edited
    std::map<int, ControlPlace> places_;
    std::map<int, ControlPlace> editorPlaces_;
};

}  // namespace

std::map<int, ControlPlace> controlPlaces(const ui::DialogTemplate& t) {
    std::map<int, ControlPlace> places;
    std::vector<std::string> groups;
    walk(t.layout, t, groups, places);
    return places;
}

std::vector<std::string> describeSave(SettingsDialog& dialog, const settings::SavePreview& preview) {
    std::vector<std::string> lines{settings::kWritePrefix + preview.cardPath};
    if (std::string state = settings::targetLine(preview); !state.empty()) lines.push_back(std::move(state));

    // The changes under their groups, the groups in the order their first change comes.
    const Describer describer(dialog);
    std::vector<std::pair<std::string, std::vector<std::string>>> groups;
    for (const settings::ValueChange& change : preview.changes) {
        const Wording w = describer.describe(change);
        const std::string shown =
            w.before.empty() && w.after.empty() ? w.label + ": changed" : w.label + ": " + w.before + kArrow + w.after;
        const std::string group = w.group.empty() ? "Other settings" : w.group;
        auto it = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == group; });
        if (it == groups.end()) it = groups.insert(groups.end(), {group, {}});
        it->second.push_back(shown);
    }
    for (const auto& [group, changes] : groups) {
        lines.push_back(group);
        for (const std::string& change : changes) lines.push_back("  " + change);
    }

    // The sound goes onto the card with the save when Game Call is on and a sound is chosen.
    if (dialog.part<GameCallPart>() && dialog.sel(ids::kGameCall) == 1 && !preview.cardRoot.empty()) {
        const std::string& source = dialog.text(ids::kAudioField);
        if (!source.empty() && source != kChooseAudioPlaceholder)
            lines.push_back("Game Call sound: " + source + kArrow +
                            (audio::pictureFolderOf(preview.cardRoot) / audio::kGameCallSoundName).string() +
                            " (converted)");
    }
    for (const std::string& path : preview.deletions) lines.push_back(settings::kDeletePrefix + path);
    return lines;
}

}  // namespace qvt::dialogs
