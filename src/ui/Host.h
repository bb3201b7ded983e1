// SPDX-License-Identifier: Apache-2.0
#pragma once
// What a dialog asks of its front end: message boxes, the file-open dialog, nested modal dialogs and
// waiting for an external process. The Qt front end shows real windows; the automation front end
// answers from its script.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Process.h"

namespace qvt::ui {

class Dialog;

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };
enum class Result { Ok, Cancel };

const char* iconName(Icon icon);

// The caption shown when a box has none of its own.
inline constexpr std::string_view kAppName = "QVT CONFIG";
// The caption of the program's tips, warnings and questions.
inline constexpr std::string_view kTipsCaption = "QVT Tips";

// One entry of a file dialog's type list: "Settings File(*.TXT)" with its patterns. `shownAs`, where
// set, is the plainer name a front end with its own file dialog shows instead ("Audio files").
struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;
    std::string shownAs;
};

// Which remembered folder a file dialog starts in. Each kind of file keeps its own: the folder the user
// last chose a file of that kind in, at first the user's music folder for sounds and the documents
// folder for settings files.
enum class StartFolder { Sounds, SettingsFiles };

// What a dialog asks of a file dialog.
struct FileRequest {
    std::string title = {};  // "" leaves the front end's own
    std::vector<FileFilter> filters = {};
    StartFolder startFolder = StartFolder::SettingsFiles;
    std::string defaultName = {};  // the name a save dialog offers

    // The filters as the platform's file dialogs spell them: "description|pattern;pattern|...||".
    std::string filterText() const {
        std::string text;
        for (const FileFilter& f : filters) {
            text += f.description + '|';
            for (std::size_t i = 0; i < f.patterns.size(); ++i) text += (i ? ";" : "") + f.patterns[i];
            text += '|';
        }
        return text + '|';
    }
};

// A message box with everything it may carry beyond its text. `explanation` says why it happened or
// what to do, shown under the text ("" none). `details` are lines the user may open; `detailsShown`,
// when not empty, is how a person's window words those same details, while `details` stay as the
// record tools read.
struct Message {
    std::string text;
    std::string caption;  // "" the application's name
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    std::string explanation = {};
    std::vector<std::string> details = {};
    std::vector<std::string> detailsShown = {};
};

using platform::ProcessOutcome;
using platform::ProcessRequest;

class Host {
public:
    virtual ~Host() = default;

    // A modal message box. `caption` empty means the application's name.
    virtual Answer messageBox(Dialog* owner, std::string_view text, std::string_view caption, Icon icon,
                              Buttons buttons) = 0;

    // The file-open dialog; nullopt when the user cancelled.
    virtual std::optional<std::string> openFile(Dialog* owner, const FileRequest& request) = 0;

    // A message box that carries details beyond its text, one line each, which the user may open.
    // A front end without a place for them shows the box alone.
    virtual Answer messageBoxWithDetails(Dialog* owner, std::string_view text, std::string_view caption, Icon icon,
                                         Buttons buttons, const std::vector<std::string>& /*details*/) {
        return messageBox(owner, text, caption, icon, buttons);
    }

    // The whole message. A front end without a place for the explanation or the shown details
    // shows the box as the two calls above do.
    virtual Answer showMessage(Dialog* owner, const Message& message) {
        if (message.details.empty())
            return messageBox(owner, message.text, message.caption, message.icon, message.buttons);
        return messageBoxWithDetails(owner, message.text, message.caption, message.icon, message.buttons,
                                     message.details);
    }

    // The file-save dialog, offering the request's default name (in its start folder where the front
    // end has one); nullopt when the user cancelled or the front end cannot ask.
    virtual std::optional<std::string> saveFile(Dialog* /*owner*/, const FileRequest& /*request*/) {
        return std::nullopt;
    }

    // Runs a dialog modally: initialises it, lets the user work until it ends, returns its result.
    virtual Result runModal(Dialog& dialog) = 0;

    // Runs a process to its end while the user waits (and may cancel, where the front end offers it).
    virtual ProcessOutcome runProcess(Dialog* owner, const ProcessRequest& request) = 0;
};

}  // namespace qvt::ui
