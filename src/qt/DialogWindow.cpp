// SPDX-License-Identifier: Apache-2.0
#include "qt/DialogWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "qt/LayoutBuilder.h"

namespace qvt::qt {

using ui::ControlKind;
using ui::Event;

QString describeVolume(const QString& cardFilePath, const ui::PathListInfo& paths) {
    if (cardFilePath.trimmed().isEmpty()) return {};
    // The card file lives in "<volume>/<card folder>/": the volume is what comes before that folder.
    QString normal = QDir::fromNativeSeparators(cardFilePath);
    const QString cardDir = QStringLiteral("/%1/").arg(Q(paths.cardDir));
    const qsizetype gsm = normal.lastIndexOf(cardDir, -1, Qt::CaseInsensitive);
    const QString volume = QDir::cleanPath(gsm >= 0 ? normal.left(gsm + 1) : normal);
    if (!paths.systemRoot.empty() && volume == QDir::cleanPath(QString::fromStdString(paths.systemRoot.string())))
        return QStringLiteral("This PC (no memory card found)");
    const QStorageInfo info(volume);
    QString name = info.isValid() ? info.name() : QString();
    if (name.isEmpty()) name = QDir(volume).dirName();
    if (name.isEmpty()) name = volume;
    if (!info.isValid() || !info.isReady() || !QDir(volume).exists())
        return QStringLiteral("Memory card \u201C%1\u201D (not present)").arg(name);
    return QStringLiteral("Memory card \u201C%1\u201D, %2").arg(name, QLocale().formattedDataSize(info.bytesTotal()));
}

// ---------------------------------------------------------------------------------------------------
DialogWindow::DialogWindow(ui::Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    loadImages();
    installAccessibility();
    setObjectName(QStringLiteral("dialog%1").arg(dialog_.tmpl().resourceId));
    setWindowTitle(Q(dialog_.title()));
    const std::string icon = dialog_.tmpl().icon.empty() ? std::string("app") : dialog_.tmpl().icon;
    setWindowIcon(QIcon(imagePath(icon)));
    disabledReadOnly_ = dialog_.tmpl().disabledFieldsReadOnly;

    BuiltLayout built = LayoutBuilder(dialog_.tmpl(), *this).build(this);
    widgets_ = std::move(built.widgets);
    companions_ = std::move(built.companions);
    pathListId_ = built.pathListId;
    targetLabel_ = built.targetLabel;
    firstOpenNote_ = built.firstOpenNote;
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("content"));
    content_->setLayout(built.layout);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    scrollArea_ = new ContentScrollArea;
    outer->addWidget(scrollArea_);
}

DialogWindow::~DialogWindow() {
    for (auto& [object, id] : focusTargets_) object->removeEventFilter(this);
    // The widgets report to this window: they go while it is still whole, and report nothing on the way.
    finishing_ = true;
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QWidget* DialogWindow::controlWidget(int id) const {
    auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------------------------------------------
void DialogWindow::clicked(int id) {
    userNotify(id, Event::Clicked);
}

void DialogWindow::toggled(int id) {
    userClick(id);
}

void DialogWindow::chosen(int id, int row) {
    dialog_.select(id, row);
    userNotify(id, Event::SelChange);
}

void DialogWindow::rowSelected(int id, int row) {
    // Qt selects the row once more after the handler has returned from the same click or key; that is
    // the choice already handled, not a new one.
    if (resyncPending_ && handledList_ == id && handledRow_ == row) return;
    handledList_ = id;
    handledRow_ = row;
    dialog_.select(id, row);
    userNotify(id, Event::SelChange);
    resyncAfterSelection();
}

bool DialogWindow::droppingDown(int id) {
    userNotify(id, Event::DropDown);
    return !finishing_;
}

void DialogWindow::textEdited(int id, const std::string& text) {
    dialog_.setTextQuiet(id, text);
    userNotify(id, Event::TextChanged);
}

void DialogWindow::octetsEdited(int id, const std::array<int, 4>& octets) {
    dialog_.setOctets(id, octets);
    userNotify(id, Event::TextChanged);
}

void DialogWindow::focused(int id) {
    userNotify(id, Event::Focus);
}

void DialogWindow::reportFocusOf(QWidget* widget, int id) {
    focusTargets_[widget] = id;
    widget->installEventFilter(this);
}

// ---------------------------------------------------------------------------------------------------
void DialogWindow::refresh() {
    refreshing_ = true;
    setWindowTitle(Q(dialog_.title()));
    for (const auto& [id, widget] : widgets_) {
        if (!dialog_.has(id)) continue;  // the model has not been initialised yet
        refreshControl(dialog_.control(id), widget);
    }
    for (const auto& [text, id] : companions_)
        if (dialog_.has(id) && text->isHidden() == dialog_.visible(id)) text->setVisible(dialog_.visible(id));
    // The content goes into its scroll area once it shows the model, so that it is measured with the
    // model's items in place.
    if (!scrollArea_->widget()) scrollArea_->setContent(content_);
    refreshTarget();
    refreshFirstOpenNote();
    refreshing_ = false;
}

void DialogWindow::refreshTarget() {
    if (!targetLabel_ || !dialog_.has(pathListId_)) return;
    const QString text = describeVolume(Q(dialog_.selText(pathListId_)), dialog_.pathListInfo().value_or(ui::PathListInfo{}));
    if (targetLabel_->text() != text) targetLabel_->setText(text);
}

void DialogWindow::refreshFirstOpenNote() {
    if (!firstOpenNote_) return;
    // A window that read no file opens with every drop-down blank; the first value set ends the note.
    bool blank = true;
    for (const auto& [id, c] : dialog_.controls())
        if (c.kind == ControlKind::List && id != pathListId_ && c.sel >= 0) blank = false;
    // The dialog may know more than "nothing was read": a kept card file is noted whatever is shown.
    const ui::FooterNote footer = dialog_.footerNote();
    const QString note = Q(footer.text);
    const bool show = blank || footer.always;
    if (firstOpenNote_->text() != note) firstOpenNote_->setText(note);
    if (firstOpenNote_->isHidden() == show) firstOpenNote_->setVisible(show);
}

// A list box reports its new row from inside Qt's own click or key handling, which goes on selecting
// after the handler has returned (and the handler may have run a nested window that changed the
// lists). The lists are read back from the dialog once Qt is done with the event.
void DialogWindow::resyncAfterSelection() {
    if (resyncPending_ || finishing_) return;
    resyncPending_ = true;
    QTimer::singleShot(0, this, [this] {
        resyncPending_ = false;
        if (!finishing_) refresh();
    });
}

void DialogWindow::refreshControl(const ui::Control& c, QWidget* widget) {
    if (widget == nullptr) return;  // every control gets its widget when the window is built
    const QSignalBlocker blocker(widget);
    const ControlBinder& binder = binderFor(c.kind);
    binder.refresh(c, widget);
    bool enabled = c.enabled;
    // Shown, selectable and copyable, but not for typing; the dialog hears nothing from it.
    if (disabledReadOnly_ && binder.showReadOnly(widget, c.style.readOnly || !c.enabled)) enabled = true;
    if (widget->isEnabled() != enabled) widget->setEnabled(enabled);
    if (widget->isHidden() == c.visible) widget->setVisible(c.visible);
    // A caption that names its own control names it for a screen reader too, as it changes.
    if (widget->property("qvtNamedByCaption").toBool()) {
        const QString name = spokenCaption(Q(c.text));
        if (widget->accessibleName() != name) widget->setAccessibleName(name);
    }
    // The model's tool tip, where it gives one; a tip the window set itself (the "+" button's) stays.
    const QString tip = Q(c.toolTip);
    if (widget->property("qvtModelToolTip").toString() != tip) {
        widget->setProperty("qvtModelToolTip", tip);
        widget->setToolTip(tip);
    }
}

void DialogWindow::sync() {
    refresh();
    finishIfEnded();
}

// ---------------------------------------------------------------------------------------------------
void DialogWindow::userNotify(int id, Event event) {
    if (refreshing_ || finishing_) return;
    if (dialog_.has(id) && !dialog_.enabled(id)) return;  // a field shown read-only in place of disabled
    dialog_.notify(id, event);
    afterModelChange();
}

void DialogWindow::userClick(int id) {
    if (refreshing_ || finishing_) return;
    if (dialog_.has(id) && !dialog_.enabled(id)) return;  // as in userNotify: a disabled control reports nothing
    dialog_.click(id);
    afterModelChange();
}

void DialogWindow::userKey(ui::Key key) {
    if (finishing_) return;
    dialog_.pressKey(key);
    afterModelChange();
}

void DialogWindow::afterModelChange() {
    if (finishing_) return;
    refresh();
    finishIfEnded();
}

void DialogWindow::finishIfEnded() {
    if (!dialog_.ended() || finishing_) return;
    finishing_ = true;
    QDialog::done(dialog_.result() == ui::Result::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void DialogWindow::accept() {
    finishIfEnded();
}
void DialogWindow::reject() {
    finishIfEnded();
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // As in native dialogs, Enter on a focused push button presses that button.
            if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) {
                for (const auto& [id, widget] : widgets_) {
                    if (widget == button) {
                        userNotify(id, Event::Clicked);
                        return;
                    }
                }
            }
            userKey(ui::Key::Enter);
            return;
        case Qt::Key_Escape:
            userKey(ui::Key::Escape);
            return;
        case Qt::Key_F1:
            userKey(ui::Key::F1);
            return;
        default:
            QWidget::keyPressEvent(event);  // NOLINT(bugprone-parent-virtual-call): QDialog would close the window itself
    }
}

void DialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The window opens inside the screen's free area (not under a task bar, not past an edge).
    if (const QScreen* screen = this->screen()) fitInto(screen->availableGeometry());
}

void DialogWindow::fitInto(const QRect& screenArea) {
    if (!scrollArea_->widget()) scrollArea_->setContent(content_);  // shown before its first refresh
    if (isMaximized() || isFullScreen()) return;
    // At a fractional scale the area's logical size is rounded up; a pixel less keeps the window inside.
    QRect area = screenArea;
    if (const qreal ratio = devicePixelRatioF(); ratio != std::floor(ratio) && area.width() > 1 && area.height() > 1)
        area.adjust(0, 0, -1, -1);
    const QSize extra = frameGeometry().size() - size();  // title bar and borders
    const QSize room = (area.size() - extra).expandedTo(QSize(1, 1));
    // The content's own minimum where the screen has room for it; on a smaller screen it scrolls.
    setMinimumSize(content_->minimumSizeHint().boundedTo(room));
    const QSize wanted = testAttribute(Qt::WA_Resized) ? size() : sizeHint();
    const QSize client = wanted.expandedTo(minimumSize()).boundedTo(room);
    if (client != size()) resize(client);
    const QRect frame = frameGeometry();
    QRect placed = frame;
    placed.moveLeft(std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() - placed.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() - placed.height() + 1)));
    if (placed.topLeft() != frame.topLeft()) move(placed.topLeft());
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (finishing_) {
        event->accept();
        return;
    }
    event->ignore();
    dialog_.closeBox();
    afterModelChange();
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        auto it = focusTargets_.find(watched);
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Focus coming back from a closed drop-down or a reactivated window is not the user moving to
        // the control; reporting it would also run a handler again after each of its own message boxes.
        if (it != focusTargets_.end() && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            userNotify(it->second, Event::Focus);
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qvt::qt
