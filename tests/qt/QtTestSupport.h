// SPDX-License-Identifier: Apache-2.0
#pragma once
// Driving real windows on the offscreen platform: a host whose boxes and file dialogs answer from a
// script, and user actions sent as real input events.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QRadioButton>
#include <QWidget>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "qt/DialogWindow.h"
#include "qt/QtHost.h"

namespace qvt::test {

class ScriptedHost : public qt::QtHost {
public:
    struct Box {
        std::string text;
        std::string caption;
        ui::Icon icon = ui::Icon::None;
        ui::Buttons buttons = ui::Buttons::Ok;
        bool parentVisible = false;  // the box had a visible window as its owner
        std::string details;         // the detailed text, "" for a box without
        std::string explanation;     // the informative text under the text, "" for a box without
    };
    std::vector<Box> boxes;
    std::deque<ui::Answer> answers;  // used in order; Ok when empty
    std::vector<QStringList> fileFilters;
    std::vector<qt::FileDialogRequest> fileDialogs;
    std::deque<std::optional<QString>> files;  // used in order; cancel when empty
    std::vector<QString> saveDefaults;         // the default path of each file-save dialog
    // Drives each modal window once it is up; windows are counted from 0 in the order they open.
    std::function<void(qt::DialogWindow&, int)> onWindow;
    int windowsOpened = 0;
    std::function<void(QProgressDialog&)> onProgress;

    using QtHost::parentFor;
    using QtHost::folderFor;

protected:
    ui::Answer showMessageBox(QWidget* parent, const QString& text, const QString& caption, ui::Icon icon,
                              ui::Buttons buttons) override {
        boxes.push_back({text.toStdString(), caption.toStdString(), icon, buttons, parent && parent->isVisible(), {}, {}});
        if (answers.empty()) return ui::Answer::Ok;
        const ui::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    ui::Answer showMessageBoxWithDetails(QWidget* parent, const QString& text, const QString& caption, ui::Icon icon,
                                         ui::Buttons buttons, const QString& details) override {
        const ui::Answer a = showMessageBox(parent, text, caption, icon, buttons);
        boxes.back().details = details.toStdString();
        return a;
    }
    ui::Answer showExplainedMessageBox(QWidget* parent, const QString& text, const QString& caption, ui::Icon icon,
                                       ui::Buttons buttons, const QString& explanation,
                                       const QString& details) override {
        const ui::Answer a = showMessageBoxWithDetails(parent, text, caption, icon, buttons, details);
        boxes.back().explanation = explanation.toStdString();
        return a;
    }
    std::optional<QString> showSaveFileDialog(QWidget* parent, const QStringList& filters,
                                              const QString& defaultPath) override {
        saveDefaults.push_back(defaultPath);
        return showOpenFileDialog(parent, qt::FileDialogRequest{QString(), filters, QString()});
    }
    std::optional<QString> showOpenFileDialog(QWidget* /*parent*/, const qt::FileDialogRequest& request) override {
        fileFilters.push_back(request.filters);
        fileDialogs.push_back(request);
        if (files.empty()) return std::nullopt;
        // Taken apart rather than copied whole: GCC 12 at -O3 warns of the copied optional.
        const bool chosen = files.front().has_value();
        const QString path = chosen ? *files.front() : QString();
        files.pop_front();
        if (!chosen) return std::nullopt;
        return path;
    }
    void modalWindowStarted(qt::DialogWindow& window) override {
        const int index = windowsOpened++;
        if (onWindow) onWindow(window, index);
    }
    void progressStarted(QProgressDialog& progress) override {
        if (onProgress) onProgress(progress);
    }
};

inline void sendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A left click, as press and release: in the middle of the widget, or on the box of a check box or
// radio (a stretched one does not take clicks right of its text).
inline void clickWidget(QWidget* widget) {
    QPoint at = widget->rect().center();
    if (dynamic_cast<QCheckBox*>(widget) || dynamic_cast<QRadioButton*>(widget)) at.setX(6);
    sendMouse(widget, QEvent::MouseButtonPress, at);
    sendMouse(widget, QEvent::MouseButtonRelease, at);
}

// Shows the window and makes it the active one, so that keyboard focus moves as for a person.
inline void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    for (int i = 0; i < 50 && !window->isActiveWindow(); ++i) QApplication::processEvents();
}

// Runs the layouts still waiting: new items in a list ask its panel, then the window, for a new layout,
// one after the other, so a picture taken at once would show the lists at their old widths.
inline void settleLayouts() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
    }
}

// A key press and release sent where the keyboard focus is (the window when nothing has it); unused
// keys travel up to the window as they would for a person.
inline void pressKeyOn(QWidget* window, int key, const QString& text = {}) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

inline void typeText(QWidget* widget, const QString& text) {
    widget->setFocus(Qt::TabFocusReason);
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// Opens the drop-down with a click (the drop-down notification runs first), moves to the item with
// this text and presses Enter in the list, as a person choosing an item does. False when the list
// did not open or has no such item.
inline bool chooseInCombo(QComboBox* combo, const QString& text) {
    clickWidget(combo);
    QAbstractItemView* view = combo->view();
    if (!view->isVisible()) return false;
    const int row = combo->findText(text, Qt::MatchExactly);
    if (row < 0) {
        combo->hidePopup();
        return false;
    }
    view->setCurrentIndex(view->model()->index(row, combo->modelColumn(), combo->rootModelIndex()));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(view, &press);
    return true;
}

// The widget of control `id`, when it is of type T (dynamic_cast: some widgets have no meta-object of
// their own).
template <typename T = QWidget>
T* widgetOf(QWidget* window, int id) {
    return dynamic_cast<T*>(window->findChild<QWidget*>(QStringLiteral("c%1").arg(id)));
}

}  // namespace qvt::test
