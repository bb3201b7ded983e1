// SPDX-License-Identifier: Apache-2.0
#include "qt/QtHost.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>

#include "platform/Process.h"
#include "qt/DialogWindow.h"

namespace qvt::qt {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon toQtIcon(ui::Icon icon) {
    switch (icon) {
        case ui::Icon::Information:
            return QMessageBox::Information;
        case ui::Icon::Warning:
            return QMessageBox::Warning;
        case ui::Icon::Error:
            return QMessageBox::Critical;
        case ui::Icon::Question:
            return QMessageBox::Question;
        case ui::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Takes a window off the host's list when its modal run ends, however it ends.
class WindowEntry {
public:
    WindowEntry(std::vector<DialogWindow*>& windows, DialogWindow* window) : windows_(windows), window_(window) {
        windows_.push_back(window_);
    }
    ~WindowEntry() { windows_.erase(std::remove(windows_.begin(), windows_.end(), window_), windows_.end()); }
    WindowEntry(const WindowEntry&) = delete;
    WindowEntry& operator=(const WindowEntry&) = delete;

private:
    std::vector<DialogWindow*>& windows_;
    DialogWindow* window_;
};

// After a modal box or window closes, the window that opened it is the active one again, with the
// keyboard focus where it was: otherwise, when that window hides right after (a dialog that ends on
// its confirmation), no window is active and mnemonics do nothing until a click.
class FocusReturn {
public:
    explicit FocusReturn(QWidget* opener)
        : opener_(opener ? opener->window() : nullptr), focus_(QApplication::focusWidget()) {}
    ~FocusReturn() {
        QWidget* window = opener_;
        if (!window || !window->isVisible()) return;
        window->activateWindow();
        // Focus coming back with the window is no move of the user's: the window reports none.
        if (focus_ && focus_->window() == window && focus_->isVisible() && focus_->isEnabled())
            focus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> opener_;
    QPointer<QWidget> focus_;
};

}  // namespace

QStringList convertFileFilter(std::string_view windowsFilter) {
    QStringList filters;
    const QStringList parts = Q(windowsFilter).split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // As on the platform, the first empty field ("||") ends the list.
        const QString description = parts[i].trimmed();
        if (description.isEmpty() || parts[i + 1].trimmed().isEmpty()) break;
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        patterns.removeAll(QString());
        if (patterns.isEmpty()) continue;
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

FileDialogRequest describeFileDialog(const ui::FileRequest& request) {
    FileDialogRequest shown;
    shown.title = Q(request.title);
    for (const ui::FileFilter& filter : request.filters) {
        if (filter.shownAs.empty()) {
            shown.filters << convertFileFilter(ui::FileRequest{.filters = {filter}}.filterText());
            continue;
        }
        QStringList patterns;
        for (const std::string& p : filter.patterns) patterns << Q(p);
        shown.filters << QStringLiteral("%1 (%2)").arg(Q(filter.shownAs), patterns.join(QLatin1Char(' ')));
    }
    return shown;
}

// ---------------------------------------------------------------------------------------------------
DialogWindow* QtHost::windowOf(const ui::Dialog* dialog) const {
    if (!dialog) return nullptr;
    for (DialogWindow* w : windows_)
        if (&w->dialog() == dialog) return w;
    return nullptr;
}

QWidget* QtHost::parentFor(const ui::Dialog* owner) const {
    if (DialogWindow* w = windowOf(owner); w && w->isVisible()) return w;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if ((*it)->isVisible() && !(*it)->dialog().ended()) return *it;
    // A window shown outside a modal run of this host (tests drive such windows directly).
    if (auto* active = dynamic_cast<DialogWindow*>(QApplication::activeWindow());
        active && active->isVisible() && !active->dialog().ended())
        return active;
    return nullptr;
}

ui::Answer QtHost::messageBox(ui::Dialog* owner, std::string_view text, std::string_view caption, ui::Icon icon,
                              ui::Buttons buttons) {
    const QString title = caption.empty() ? Q(ui::kAppName) : Q(caption);
    QWidget* parent = parentFor(owner);
    const FocusReturn focus(parent);
    return showMessageBox(parent, Q(text), title, icon, buttons);
}

ui::Answer QtHost::showMessageBox(QWidget* parent, const QString& text, const QString& caption, ui::Icon icon,
                                  ui::Buttons buttons) {
    return showMessageBoxWithDetails(parent, text, caption, icon, buttons, {});
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, const QString& caption,
                                            ui::Icon icon, ui::Buttons buttons, const QString& details,
                                            const QString& explanation) {
    const bool withCancel = buttons == ui::Buttons::OkCancel;
    auto box = std::make_unique<QMessageBox>(
        toQtIcon(icon), caption, text, withCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::Ok);
    if (!explanation.isEmpty()) {
        box->setInformativeText(explanation);
        // System error texts and paths are no markup.
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
            label->setTextFormat(Qt::PlainText);
    }
    if (!details.isEmpty()) {
        box->setDetailedText(details);
        // Details are paths and "[Section] Key: old → new" lines: room for them on one line each.
        if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
            grid->addItem(new QSpacerItem(520, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                          grid->columnCount());
    }
    return box;
}

ui::Answer QtHost::messageBoxWithDetails(ui::Dialog* owner, std::string_view text, std::string_view caption,
                                         ui::Icon icon, ui::Buttons buttons, const std::vector<std::string>& details) {
    const QString title = caption.empty() ? Q(ui::kAppName) : Q(caption);
    QStringList lines;
    for (const std::string& line : details) lines << Q(line);
    QWidget* parent = parentFor(owner);
    const FocusReturn focus(parent);
    return showMessageBoxWithDetails(parent, Q(text), title, icon, buttons, lines.join(QLatin1Char('\n')));
}

ui::Answer QtHost::showMessageBoxWithDetails(QWidget* parent, const QString& text, const QString& caption,
                                             ui::Icon icon, ui::Buttons buttons, const QString& details) {
    const std::unique_ptr<QMessageBox> box = makeMessageBox(parent, text, caption, icon, buttons, details);
    const int answer = box->exec();
    if (buttons != ui::Buttons::OkCancel) return ui::Answer::Ok;
    return answer == QMessageBox::Ok ? ui::Answer::Ok : ui::Answer::Cancel;
}

ui::Answer QtHost::showMessage(ui::Dialog* owner, const ui::Message& message) {
    const QString title = message.caption.empty() ? Q(ui::kAppName) : Q(message.caption);
    QStringList lines;
    for (const std::string& line : message.detailsShown.empty() ? message.details : message.detailsShown)
        lines << Q(line);
    const QString details = lines.join(QLatin1Char('\n'));
    if (message.explanation.empty())
        return showMessageBoxWithDetails(parentFor(owner), Q(message.text), title, message.icon, message.buttons,
                                         details);
    return showExplainedMessageBox(parentFor(owner), Q(message.text), title, message.icon, message.buttons,
                                   Q(message.explanation), details);
}

ui::Answer QtHost::showExplainedMessageBox(QWidget* parent, const QString& text, const QString& caption,
                                           ui::Icon icon, ui::Buttons buttons, const QString& explanation,
                                           const QString& details) {
    const std::unique_ptr<QMessageBox> box = makeMessageBox(parent, text, caption, icon, buttons, details, explanation);
    const int answer = box->exec();
    if (buttons != ui::Buttons::OkCancel) return ui::Answer::Ok;
    return answer == QMessageBox::Ok ? ui::Answer::Ok : ui::Answer::Cancel;
}

std::optional<std::string> QtHost::saveFile(ui::Dialog* owner, const ui::FileRequest& request) {
    const QString folder = folderFor(request.startFolder);
    const QString defaultName = Q(request.defaultName);
    const QString defaultPath = folder.isEmpty() ? defaultName : QDir(folder).filePath(defaultName);
    QWidget* parent = parentFor(owner);
    const FocusReturn focus(parent);
    const std::optional<QString> chosen = showSaveFileDialog(parent, describeFileDialog(request).filters, defaultPath);
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    rememberFolder(request.startFolder, *chosen);
    return chosen->toStdString();
}

std::optional<QString> QtHost::showSaveFileDialog(QWidget* parent, const QStringList& filters,
                                                  const QString& defaultPath) {
    // The dialog itself asks before an existing file is replaced.
    const QString file = QFileDialog::getSaveFileName(parent, QString(), defaultPath, filters.join(QStringLiteral(";;")));
    if (file.isEmpty()) return std::nullopt;
    return file;
}

std::optional<std::string> QtHost::openFile(ui::Dialog* owner, const ui::FileRequest& request) {
    FileDialogRequest shown = describeFileDialog(request);
    shown.directory = folderFor(request.startFolder);
    QWidget* parent = parentFor(owner);
    const FocusReturn focus(parent);
    const std::optional<QString> chosen = showOpenFileDialog(parent, shown);
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    rememberFolder(request.startFolder, *chosen);
    return chosen->toStdString();
}

void QtHost::rememberFolder(ui::StartFolder folder, const QString& chosenFile) {
    const QString dir = QFileInfo(chosenFile).absolutePath();
    if (!QDir(dir).exists()) return;
    (folder == ui::StartFolder::Sounds ? lastSoundFolder_ : lastSettingsFolder_) = dir;
}

QString QtHost::folderFor(ui::StartFolder folder) const {
    const bool sounds = folder == ui::StartFolder::Sounds;
    const QString& last = sounds ? lastSoundFolder_ : lastSettingsFolder_;
    if (!last.isEmpty() && QDir(last).exists()) return last;
    QString standard = QStandardPaths::writableLocation(sounds ? QStandardPaths::MusicLocation
                                                                     : QStandardPaths::DocumentsLocation);
    if (!standard.isEmpty() && QDir(standard).exists()) return standard;
    return QDir::homePath();
}

std::optional<QString> QtHost::showOpenFileDialog(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    // The caller checks the file itself; a name typed for a missing file is passed on as it is.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
    if (!request.directory.isEmpty()) dialog.setDirectory(request.directory);
    if (!request.filters.isEmpty()) dialog.setNameFilters(request.filters);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.front();
}

ui::Result QtHost::runModal(ui::Dialog& dialog) {
    QWidget* opener = parentFor(nullptr);
    const FocusReturn focus(opener);
    DialogWindow window(dialog, opener);
    const WindowEntry entry(windows_, &window);
    dialog.init();  // its own initialisation may already show boxes, or end it
    if (dialog.ended()) return dialog.result();
    // A dialog that ended while it opened this one (the selection after OK) leaves the screen.
    for (DialogWindow* w : windows_)
        if (w != &window && w->dialog().ended() && w->isVisible()) w->hide();
    window.refresh();
    QTimer::singleShot(0, &window, [this, &window] { modalWindowStarted(window); });
    window.exec();
    return dialog.result();
}

ui::ProcessOutcome QtHost::runProcess(ui::Dialog* owner, const ui::ProcessRequest& request) {
    ui::ProcessOutcome outcome;
    QProcess process;
    platform::setCommand(process, request.program, request.arguments);
    process.start();
    if (!process.waitForStarted(-1)) return outcome;
    outcome.started = true;

    QWidget* opener = parentFor(owner);
    const FocusReturn focus(opener);
    QProgressDialog progress(opener);
    progress.setWindowTitle(Q(request.title));
    progress.setLabelText(Q(request.title));
    progress.setCancelButtonText(QStringLiteral("Cancel"));
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(0);
    // Wide enough for its title to show whole beside the title bar's icon and buttons.
    const QFontMetrics titleFont(QApplication::font("QMdiSubWindowTitleBar"));
    progress.setMinimumWidth(std::max(progress.sizeHint().width(), titleFont.horizontalAdvance(Q(request.title)) + 180));
    progress.setWindowModality(Qt::ApplicationModal);
    const bool measured = request.durationSeconds > 0;
    progress.setRange(0, measured ? 1000 : 0);  // 0..0: a busy bar without an end
    progress.setValue(0);

    bool cancelled = false;
    QEventLoop loop;
    std::string outBuffer;
    std::string errBuffer;
    auto consume = [&](std::string& buffer, const QByteArray& bytes) {
        buffer.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        std::size_t start = 0;
        for (std::size_t end; (end = buffer.find_first_of("\r\n", start)) != std::string::npos; start = end + 1) {
            if (!measured || !request.progressOf) continue;
            if (const std::optional<double> t =
                    request.progressOf(std::string_view(buffer).substr(start, end - start))) {
                const double share = *t / request.durationSeconds;
                progress.setValue(std::clamp(static_cast<int>(share * 1000), 0, 999));
            }
        }
        buffer.erase(0, start);
        if (buffer.size() > 65536) buffer.clear();  // a line that never ends is no progress report
    };
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop,
                     [&] { consume(outBuffer, process.readAllStandardOutput()); });
    QObject::connect(&process, &QProcess::readyReadStandardError, &loop,
                     [&] { consume(errBuffer, process.readAllStandardError()); });
    QObject::connect(&process, &QProcess::finished, &loop, [&] { loop.quit(); });
    auto cancel = [&] {
        if (cancelled) return;
        cancelled = true;
        platform::stopProcess(process);
    };
    // A signal to end the program stops the tool too; the caller then tidies up and ends.
    QTimer interruptPoll;
    QObject::connect(&interruptPoll, &QTimer::timeout, &loop, [&] {
        if (platform::InterruptGuard::requested()) platform::stopProcess(process);
    });
    interruptPoll.start(50);
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, cancel);
    QObject::connect(&progress, &QDialog::rejected, &loop, cancel);  // Esc closes the window
    progress.show();
    QTimer::singleShot(0, &progress, [this, &progress] { progressStarted(progress); });
    if (process.state() != QProcess::NotRunning) loop.exec();
    progress.hide();

    outcome.cancelled = cancelled;
    outcome.exitCode = process.exitCode();
    outcome.crashed = !cancelled && process.exitStatus() == QProcess::CrashExit;
    return outcome;
}

}  // namespace qvt::qt
