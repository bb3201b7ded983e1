// SPDX-License-Identifier: Apache-2.0
#pragma once
// The Qt front end's answers to what a dialog asks: real message boxes, the file-open dialog, nested
// modal windows and a progress window while an external program runs.
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Dialog.h"
#include "ui/Host.h"

class QMessageBox;
class QProgressDialog;
class QWidget;

namespace qvt::qt {

class DialogWindow;

// "Audio File(*.mp3,*.wav,*.aac)|*.mp3;*.wav;*.aac||" becomes the Qt filter list
// {"Audio File(*.mp3,*.wav,*.aac) (*.mp3 *.wav *.aac)"}; the first empty field ends the list.
QStringList convertFileFilter(std::string_view windowsFilter);

// What the file-open dialog shows for a dialog's filter text: a title, the name filters, and the
// folder it starts in.
struct FileDialogRequest {
    QString title;
    QStringList filters;
    QString directory;
};

// A dialog's file request as the Qt file dialog shows it: the request's title (the platform's own
// when it has none) and its filters, each under its plainer name where it has one.
FileDialogRequest describeFileDialog(const ui::FileRequest& request);


// The message box as the host shows it: plain text, OK (and Cancel) with OK the default; `details`
// become its detailed text and `explanation` its informative text under the text, when not empty.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, const QString& caption,
                                            ui::Icon icon, ui::Buttons buttons, const QString& details = {},
                                            const QString& explanation = {});

class QtHost : public ui::Host {
public:
    QtHost() = default;
    ~QtHost() override = default;

    ui::Answer messageBox(ui::Dialog* owner, std::string_view text, std::string_view caption, ui::Icon icon,
                          ui::Buttons buttons) override;
    std::optional<std::string> openFile(ui::Dialog* owner, const ui::FileRequest& request) override;
    ui::Answer messageBoxWithDetails(ui::Dialog* owner, std::string_view text, std::string_view caption, ui::Icon icon,
                                     ui::Buttons buttons, const std::vector<std::string>& details) override;
    // The details as the message words them for a person; the explanation under the text.
    ui::Answer showMessage(ui::Dialog* owner, const ui::Message& message) override;
    // Offers `defaultName` in the user's documents folder.
    std::optional<std::string> saveFile(ui::Dialog* owner, const ui::FileRequest& request) override;
    ui::Result runModal(ui::Dialog& dialog) override;
    ui::ProcessOutcome runProcess(ui::Dialog* owner, const ui::ProcessRequest& request) override;

    // The window that shows `dialog` while it runs modally here; nullptr otherwise.
    DialogWindow* windowOf(const ui::Dialog* dialog) const;

protected:
    // The places where a person answers. Tests override them to answer from a script while the
    // dialogs' windows stay real.
    virtual ui::Answer showMessageBox(QWidget* parent, const QString& text, const QString& caption, ui::Icon icon,
                                      ui::Buttons buttons);
    virtual std::optional<QString> showOpenFileDialog(QWidget* parent, const FileDialogRequest& request);
    // A box whose details (one line each) open under "Show Details...".
    virtual ui::Answer showMessageBoxWithDetails(QWidget* parent, const QString& text, const QString& caption,
                                                 ui::Icon icon, ui::Buttons buttons, const QString& details);
    // A box that says why under its text; its details (one line each, may be empty) as above.
    virtual ui::Answer showExplainedMessageBox(QWidget* parent, const QString& text, const QString& caption,
                                               ui::Icon icon, ui::Buttons buttons, const QString& explanation,
                                               const QString& details);
    virtual std::optional<QString> showSaveFileDialog(QWidget* parent, const QStringList& filters,
                                                      const QString& defaultPath);

    // Called from inside the window's modal loop, once it is up.
    virtual void modalWindowStarted(DialogWindow& /*window*/) {}
    // Called once the progress window of a running process is up.
    virtual void progressStarted(QProgressDialog& /*progress*/) {}

    // The window to own a box or a nested window: the owner's when it is visible, else the innermost
    // visible window whose dialog still runs.
    QWidget* parentFor(const ui::Dialog* owner) const;

    // The folder the next file dialog for this kind of file starts in: the last one a file of the
    // kind was chosen in while it still exists, else the user's Music (sounds) or Documents
    // (settings files) folder, else the home folder.
    QString folderFor(ui::StartFolder folder) const;
    // Remembers the folder of a file the user chose, for the next dialog of the same kind.
    void rememberFolder(ui::StartFolder folder, const QString& chosenFile);

private:
    std::vector<DialogWindow*> windows_;  // modal windows from the outermost in
    QString lastSoundFolder_;
    QString lastSettingsFolder_;
};

}  // namespace qvt::qt
