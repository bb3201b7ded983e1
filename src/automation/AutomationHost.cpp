// SPDX-License-Identifier: Apache-2.0
#include "automation/AutomationHost.h"

#include "app/Application.h"
#include "automation/Json.h"
#include "ui/IpText.h"
#include "platform/Process.h"

namespace qvt::automation {

using namespace ui;

AutomationHost::AutomationHost(std::istream& script, std::ostream& out, dialogs::AppContext& context)
    : script_(script), out_(out), context_(context) {}

void AutomationHost::emit(const std::string& json) { out_ << json << '\n' << std::flush; }

void AutomationHost::fail(const std::string& reason) { throw ScriptError{lineNo_, reason, lineText_}; }

Answer AutomationHost::messageBox(Dialog*, std::string_view text, std::string_view caption, Icon icon,
                                  Buttons buttons) {
    return showBox(text, caption, icon, buttons, {});
}

Answer AutomationHost::messageBoxWithDetails(Dialog*, std::string_view text, std::string_view caption, Icon icon,
                                             Buttons buttons, const std::vector<std::string>& details) {
    return showBox(text, caption, icon, buttons, details);
}

Answer AutomationHost::showBox(std::string_view text, std::string_view caption, Icon icon, Buttons buttons,
                               const std::vector<std::string>& details) {
    Answer answer = Answer::Ok;
    if (buttons == Buttons::OkCancel) {
        if (answers_.empty()) fail("a message box asks for an answer and none is queued: " + std::string(text));
        answer = answers_.front() ? Answer::Ok : Answer::Cancel;
        answers_.pop_front();
    }
    const std::string_view shownCaption = caption.empty() ? kAppName : caption;
    // A box without details prints exactly as it always did.
    std::string detailsJson;
    if (!details.empty()) {
        detailsJson = ",\"details\":[";
        for (std::size_t i = 0; i < details.size(); ++i) detailsJson += (i ? "," : "") + jsonString(details[i]);
        detailsJson += "]";
    }
    emit("{\"event\":\"message\",\"caption\":" + jsonString(shownCaption) + ",\"icon\":" + jsonString(iconName(icon)) +
         ",\"buttons\":" + jsonString(buttons == Buttons::Ok ? "ok" : "okcancel") + ",\"text\":" + jsonString(text) +
         detailsJson + ",\"answer\":" + jsonString(answer == Answer::Ok ? "OK" : "Cancel") + "}");
    return answer;
}

std::optional<std::string> AutomationHost::openFile(Dialog*, const ui::FileRequest& request) {
    const std::string filter = request.filterText();
    return takeFile("{\"event\":\"file-dialog\",\"filter\":" + jsonString(filter), "file-open");
}

std::optional<std::string> AutomationHost::saveFile(Dialog*, const ui::FileRequest& request) {
    const std::string filter = request.filterText();
    const std::string& defaultName = request.defaultName;
    return takeFile("{\"event\":\"file-dialog\",\"mode\":\"save\",\"filter\":" + jsonString(filter) +
                        ",\"default\":" + jsonString(defaultName),
                    "file-save");
}

// `event` is the event's line up to its answer.
std::optional<std::string> AutomationHost::takeFile(const std::string& event, const char* kind) {
    if (files_.empty()) fail(std::string("a ") + kind + " dialog asks for a file and none is queued");
    std::optional<std::string> file = files_.front();
    files_.pop_front();
    emit(event + ",\"answer\":" + jsonString(file ? *file : std::string("Cancel")) + "}");
    return file;
}

ProcessOutcome AutomationHost::runProcess(Dialog*, const ProcessRequest& request) {
    const platform::ProcessResult r = platform::runProcessAndWait(request.program, request.arguments);
    ProcessOutcome outcome;
    outcome.started = r.started;
    outcome.crashed = r.crashed;
    outcome.exitCode = r.exitCode;
    return outcome;
}

bool AutomationHost::nextAction(Action& action) {
    while (!eof_) {
        std::string line;
        const LineRead read = readScriptLine(script_, line);
        if (read == LineRead::End) {
            eof_ = true;
            break;
        }
        ++lineNo_;
        if (read == LineRead::TooLong) {
            lineText_.clear();  // far too long to repeat
            throw ScriptError{lineNo_, "line longer than 1 MiB", {}, false};
        }
        lineText_ = line;
        std::string error;
        std::optional<Action> parsed = parseLine(line, error);
        if (!parsed) fail(error);
        if (parsed->verb == Action::Verb::None) continue;
        action = *parsed;
        return true;
    }
    return false;
}

Result AutomationHost::runModal(Dialog& dialog) {
    dialog.init();
    emit("{\"event\":\"open\",\"dialog\":" + jsonString(dialog.title()) + "}");
    Action action;
    while (!dialog.ended()) {
        if (!nextAction(action)) {
            // The end of the script closes every open dialog as Escape does: nothing is saved.
            dialog.pressKey(Key::Escape);
            if (!dialog.ended()) dialog.end(Result::Cancel);
            break;
        }
        perform(dialog, action);
    }
    emit("{\"event\":\"close\",\"dialog\":" + jsonString(dialog.title()) +
         ",\"result\":" + jsonString(dialog.result() == Result::Ok ? "ok" : "cancel") + "}");
    return dialog.result();
}

const Control& AutomationHost::usable(Dialog& dialog, int id) {
    if (!dialog.has(id)) fail("unknown control " + std::to_string(id));
    const Control& c = dialog.control(id);
    if (!c.visible) fail("control " + std::to_string(id) + " is hidden");
    if (!c.enabled) fail("control " + std::to_string(id) + " is disabled");
    return c;
}

void AutomationHost::perform(Dialog& dialog, const Action& a) {
    switch (a.verb) {
        case Action::Verb::None: return;
        case Action::Verb::Select: {
            const Control& c = usable(dialog, a.id);
            if (!c.isList()) fail("control " + std::to_string(a.id) + " is not a list");
            int pos = -1;
            if (a.byPosition) {
                pos = a.position < static_cast<int>(c.items.size()) ? a.position : -1;
            } else {
                for (std::size_t i = 0; i < c.items.size(); ++i)
                    if (c.items[i] == a.text) {
                        pos = static_cast<int>(i);
                        break;
                    }
            }
            if (pos < 0) fail("list " + std::to_string(a.id) + " has no such item");
            dialog.select(a.id, pos);
            dialog.notify(a.id, Event::SelChange);
            return;
        }
        case Action::Verb::Click: {
            const Control& c = usable(dialog, a.id);
            switch (c.kind) {
                case ControlKind::Button:
                case ControlKind::Check:
                case ControlKind::Check3:
                case ControlKind::Radio: break;
                case ControlKind::Picture:
                    if (!c.style.notify) fail("picture " + std::to_string(a.id) + " does not react to clicks");
                    break;
                default: fail("control " + std::to_string(a.id) + " cannot be clicked");
            }
            dialog.click(a.id);
            return;
        }
        case Action::Verb::Type: {
            const Control& c = usable(dialog, a.id);
            if (c.kind != ControlKind::Edit) fail("control " + std::to_string(a.id) + " is not an edit");
            if (c.style.readOnly) fail("edit " + std::to_string(a.id) + " is read-only");
            dialog.setTextQuiet(a.id, a.text);
            dialog.notify(a.id, Event::TextChanged);
            return;
        }
        case Action::Verb::Ip: {
            const Control& c = usable(dialog, a.id);
            if (c.kind != ControlKind::Ip) fail("control " + std::to_string(a.id) + " is not an IP-address control");
            std::array<int, 4> octets{-1, -1, -1, -1};
            if (!a.text.empty()) {
                const std::optional<std::array<int, 4>> parsed = ui::parseDottedOctets(a.text);
                if (!parsed) fail("A.B.C.D with octets 0 to 255 expected");
                octets = *parsed;
            }
            dialog.setOctets(a.id, octets);
            dialog.notify(a.id, Event::TextChanged);
            return;
        }
        case Action::Verb::Focus:
            usable(dialog, a.id);
            dialog.notify(a.id, Event::Focus);
            return;
        case Action::Verb::DropDown: {
            const Control& c = usable(dialog, a.id);
            if (c.kind != ControlKind::List) fail("control " + std::to_string(a.id) + " is not a drop-down list");
            dialog.notify(a.id, Event::DropDown);
            return;
        }
        case Action::Verb::Key:
            dialog.pressKey(a.text == "Enter" ? Key::Enter : a.text == "Escape" ? Key::Escape : Key::F1);
            return;
        case Action::Verb::Close: dialog.closeBox(); return;
        case Action::Verb::Answer: answers_.push_back(!a.cancel); return;
        case Action::Verb::ChooseFile:
            files_.push_back(a.cancel ? std::nullopt : std::optional<std::string>(a.text));
            return;
        case Action::Verb::Dump:
            if (a.id < 0) {
                emit(dumpDialog(dialog));
            } else {
                if (!dialog.has(a.id)) fail("unknown control " + std::to_string(a.id));
                emit(dumpControl(dialog, a.id));
            }
            return;
        case Action::Verb::State: emit(dumpState(context_.messaging())); return;
    }
}

int runAutomation(std::istream& script, std::ostream& out, std::ostream& err, dialogs::AppContext& context) {
    AutomationHost host(script, out, context);
    try {
        app::ConfigApp(host, context).initInstance();
    } catch (const ScriptError& e) {
        out.flush();
        err << "qvt-config: script line " << e.line << ": " << echoText(e.reason);
        if (e.showText) err << ": " << echoText(e.text);
        err << '\n';
        err.flush();
        return 2;
    }
    return 0;
}

}  // namespace qvt::automation
