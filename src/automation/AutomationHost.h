// SPDX-License-Identifier: Apache-2.0
#pragma once
// The headless front end: runs the dialogs from a script of user actions read line by line and
// reports what happens as JSON lines.
#include <deque>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "dialogs/AppContext.h"
#include "automation/Script.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace qvt::automation {

// Raised when the script asks for something a person could not do; ends the run with status 2.
struct ScriptError {
    int line;
    std::string reason;
    std::string text;
    bool showText = true;  // the line is repeated after the reason
};

class AutomationHost : public ui::Host {
public:
    AutomationHost(std::istream& script, std::ostream& out, dialogs::AppContext& context);

    ui::Answer messageBox(ui::Dialog* owner, std::string_view text, std::string_view caption, ui::Icon icon,
                          ui::Buttons buttons) override;
    std::optional<std::string> openFile(ui::Dialog* owner, const ui::FileRequest& request) override;
    ui::Answer messageBoxWithDetails(ui::Dialog* owner, std::string_view text, std::string_view caption, ui::Icon icon,
                                     ui::Buttons buttons, const std::vector<std::string>& details) override;
    ui::Answer showMessage(ui::Dialog* owner, const ui::Message& message) override;
    std::optional<std::string> saveFile(ui::Dialog* owner, const ui::FileRequest& request) override;
    ui::Result runModal(ui::Dialog& dialog) override;
    ui::ProcessOutcome runProcess(ui::Dialog* owner, const ui::ProcessRequest& request) override;

private:
    void emit(const std::string& json);
    ui::Answer showBox(const ui::Message& message);
    std::optional<std::string> takeFile(const std::string& event, const char* kind);
    bool nextAction(Action& action);  // false at the end of the script
    void perform(ui::Dialog& dialog, const Action& action);
    const ui::Control& usable(ui::Dialog& dialog, int id);
    [[noreturn]] void fail(const std::string& reason);

    std::istream& script_;
    std::ostream& out_;
    dialogs::AppContext& context_;
    int lineNo_ = 0;
    std::string lineText_;
    bool eof_ = false;
    std::deque<bool> answers_;                     // true = OK
    std::deque<std::optional<std::string>> files_;  // nullopt = cancel
};

// Runs the whole program headless; returns the exit status (0, or 2 after a script error).
int runAutomation(std::istream& script, std::ostream& out, std::ostream& err, dialogs::AppContext& context);

}  // namespace qvt::automation
