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

// Which remembered folder a file dialog starts in: the one the user last chose a file from, or the
// user's documents.
enum class StartFolder { LastChosen, Documents };

// What a dialog asks of a file dialog.
struct FileRequest {
    std::string title = {};  // "" leaves the front end's own
    std::vector<FileFilter> filters = {};
    StartFolder startFolder = StartFolder::LastChosen;
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
