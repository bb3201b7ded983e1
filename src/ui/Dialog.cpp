// SPDX-License-Identifier: Apache-2.0
#include "ui/Dialog.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace qvt::ui {

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::List: return "list";
        case ControlKind::ListBox: return "listbox";
        case ControlKind::Check: return "check";
        case ControlKind::Check3: return "check3";
        case ControlKind::Radio: return "radio";
        case ControlKind::Edit: return "edit";
        case ControlKind::Ip: return "ip";
        case ControlKind::Button: return "button";
        case ControlKind::Picture: return "picture";
        case ControlKind::Label: return "label";
        case ControlKind::Group: return "group";
    }
    return "label";
}

const char* iconName(Icon icon) {
    switch (icon) {
        case Icon::None: return "none";
        case Icon::Information: return "information";
        case Icon::Warning: return "warning";
        case Icon::Error: return "error";
        case Icon::Question: return "question";
    }
    return "none";
}

int compareNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

Dialog::Dialog(Host& host, DialogTemplate tmpl) : host_(host), tmpl_(std::move(tmpl)), title_(tmpl_.title) {}

void Dialog::init() {
    controls_.clear();
    for (const ControlSpec& spec : tmpl_.controls) {
        Control c;
        c.id = spec.id;
        c.kind = spec.kind;
        c.style = spec.style;
        c.text = spec.text;
        c.image = spec.image;
        c.enabled = !spec.style.disabled;
        c.visible = !spec.style.hidden;
        controls_[spec.id] = std::move(c);
        // Template items go through the list's own insertion, so sorted lists sort them.
        for (const std::string& item : spec.items) addItem(spec.id, item);
    }
    onInit();
}

void Dialog::notify(int id, Event event) {
    if (!has(id) || ended()) return;
    // Buttons 1 and 2 are the dialog's OK and Cancel, whatever their captions say.
    if (event == Event::Clicked && id == 1 && control(id).kind == ControlKind::Button) {
        onOK();
        return;
    }
    if (event == Event::Clicked && id == 2 && control(id).kind == ControlKind::Button) {
        onCancel();
        return;
    }
    onNotify(id, event);
}

void Dialog::click(int id) {
    if (!has(id) || ended()) return;
    Control& c = ctl(id);
    if (c.style.autoCheck) {
        switch (c.kind) {
            case ControlKind::Check: c.check = c.check == 1 ? 0 : 1; break;
            case ControlKind::Check3: c.check = (c.check + 1) % 3; break;
            case ControlKind::Radio: c.check = 1; break;  // a radio is only ever switched on by a click
            default: break;
        }
    }
    notify(id, Event::Clicked);
}

void Dialog::pressKey(Key key) {
    switch (key) {
        case Key::Enter: {
            // Enter presses the default button; a dialog's OK handler is the default button's.
            for (const auto& [id, c] : controls_) {
                if (c.kind == ControlKind::Button && c.style.defaultButton && c.enabled) {
                    notify(id, Event::Clicked);
                    return;
                }
            }
            onOK();
            return;
        }
        case Key::Escape: onCancel(); return;
        case Key::F1: onHelp(); return;
    }
}

void Dialog::closeBox() { onClose(); }

const Control& Dialog::control(int id) const {
    auto it = controls_.find(id);
    if (it == controls_.end()) {
        std::fprintf(stderr, "internal error: dialog %d has no control %d\n", tmpl_.resourceId, id);
        std::abort();
    }
    return it->second;
}

Control& Dialog::ctl(int id) { return const_cast<Control&>(static_cast<const Dialog*>(this)->control(id)); }

Answer Dialog::message(std::string_view text, std::string_view caption, Icon icon, Buttons buttons) {
    return host_.messageBox(this, text, caption, icon, buttons);
}

Answer Dialog::message(std::string_view text, std::string_view caption, Icon icon, Buttons buttons,
                       const std::vector<std::string>& details) {
    if (details.empty()) return host_.messageBox(this, text, caption, icon, buttons);
    return host_.messageBoxWithDetails(this, text, caption, icon, buttons, details);
}

Answer Dialog::message(const Message& message) { return host_.showMessage(this, message); }

int Dialog::count(int id) const { return static_cast<int>(control(id).items.size()); }
int Dialog::sel(int id) const { return control(id).sel; }

void Dialog::select(int id, int pos) {
    Control& c = ctl(id);
    c.sel = (pos >= 0 && pos < static_cast<int>(c.items.size())) ? pos : -1;
}

std::string Dialog::itemText(int id, int pos) const {
    const Control& c = control(id);
    if (pos < 0 || pos >= static_cast<int>(c.items.size())) return {};
    return c.items[static_cast<std::size_t>(pos)];
}

std::string Dialog::selText(int id) const { return itemText(id, sel(id)); }

int Dialog::addItem(int id, std::string text) {
    Control& c = ctl(id);
    if (!c.style.sorted) return appendItem(id, std::move(text));
    auto pos = std::upper_bound(c.items.begin(), c.items.end(), text,
                                [](const std::string& a, const std::string& b) { return compareNoCase(a, b) < 0; });
    const int index = static_cast<int>(pos - c.items.begin());
    c.items.insert(pos, std::move(text));
    if (c.sel >= index) ++c.sel;
    return index;
}

int Dialog::appendItem(int id, std::string text) {
    Control& c = ctl(id);
    c.items.push_back(std::move(text));
    return static_cast<int>(c.items.size()) - 1;
}

void Dialog::removeItem(int id, int pos) {
    Control& c = ctl(id);
    if (pos < 0 || pos >= static_cast<int>(c.items.size())) return;
    c.items.erase(c.items.begin() + pos);
    if (c.sel == pos)
        c.sel = -1;
    else if (c.sel > pos)
        --c.sel;
}

void Dialog::resetItems(int id) {
    Control& c = ctl(id);
    c.items.clear();
    c.sel = -1;
}

int Dialog::findExact(int id, std::string_view text) const {
    const Control& c = control(id);
    for (std::size_t i = 0; i < c.items.size(); ++i)
        if (compareNoCase(c.items[i], text) == 0) return static_cast<int>(i);
    return -1;
}

int Dialog::check(int id) const { return control(id).check; }
void Dialog::setCheck(int id, int state) { ctl(id).check = state; }

const std::string& Dialog::text(int id) const { return control(id).text; }

void Dialog::setText(int id, std::string text) {
    Control& c = ctl(id);
    c.text = std::move(text);
    if (c.kind == ControlKind::Edit) notify(id, Event::TextChanged);
}

void Dialog::setTextQuiet(int id, std::string text) { ctl(id).text = std::move(text); }

std::array<int, 4> Dialog::octets(int id) const { return control(id).octets; }

void Dialog::setOctets(int id, std::array<int, 4> octets) {
    for (int& o : octets)
        if (o < -1 || o > 255) o = -1;
    ctl(id).octets = octets;
}

bool Dialog::ipBlank(int id) const {
    for (int o : control(id).octets)
        if (o >= 0) return false;
    return true;
}

bool Dialog::enabled(int id) const { return control(id).enabled; }
void Dialog::setEnabled(int id, bool enabled) { ctl(id).enabled = enabled; }
bool Dialog::visible(int id) const { return control(id).visible; }
void Dialog::setVisible(int id, bool visible) { ctl(id).visible = visible; }
const std::string& Dialog::toolTip(int id) const { return control(id).toolTip; }
void Dialog::setToolTip(int id, std::string text) { ctl(id).toolTip = std::move(text); }

}  // namespace qvt::ui

namespace qvt::ui {

int ListBox::count() const { return dialog_->count(id_); }
int ListBox::sel() const { return dialog_->sel(id_); }
void ListBox::select(int pos) { dialog_->select(id_, pos); }
std::string ListBox::itemText(int pos) const { return dialog_->itemText(id_, pos); }
std::string ListBox::selText() const { return dialog_->selText(id_); }
int ListBox::add(std::string text) { return dialog_->addItem(id_, std::move(text)); }
int ListBox::append(std::string text) { return dialog_->appendItem(id_, std::move(text)); }
void ListBox::remove(int pos) { dialog_->removeItem(id_, pos); }
void ListBox::reset() { dialog_->resetItems(id_); }
int ListBox::findExact(std::string_view text) const { return dialog_->findExact(id_, text); }

int ListBox::find(std::string_view text) const {
    for (int i = 0; i < count(); ++i)
        if (itemText(i) == text) return i;
    return -1;
}

}  // namespace qvt::ui
