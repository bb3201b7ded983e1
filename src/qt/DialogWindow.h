// SPDX-License-Identifier: Apache-2.0
#pragma once
// A Qt window that shows any dialog of the control model: widgets are built from the dialog's
// template, user actions are reported to the model, and after every report the whole model is read
// back into the widgets. The window never closes by itself: it closes when the model has ended.
#include <QDialog>
#include <QLabel>
#include <QString>
#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "qt/ControlBinders.h"
#include "qt/Widgets.h"
#include "ui/Dialog.h"

namespace qvt::qt {

// What the line beside the path list says about the volume of a card file path: the memory card's
// label (or folder name) and size, or "This PC (no memory card found)" on the system root.
QString describeVolume(const QString& cardFilePath, const ui::PathListInfo& paths);

class DialogWindow : public QDialog, private ControlEvents {
public:
    explicit DialogWindow(ui::Dialog& dialog, QWidget* parent = nullptr);
    ~DialogWindow() override;

    ui::Dialog& dialog() { return dialog_; }

    // Reads the whole model into the widgets (items, selection, checks, texts, octets, enabled,
    // visible, title) without echoing notifications.
    void refresh();

    // After the model changed outside a notification of this window (initialisation, a nested
    // dialog): refreshes and closes the window when the model has ended.
    void sync();

    // The widget of a laid-out control; nullptr when the control is not in the layout.
    QWidget* controlWidget(int id) const;

    // Fits the window into a screen's free area `area` (the frame included): as large as its content
    // wants where there is room, and never larger than the area, the content then scrolling; moved
    // inside the area. Done whenever the window is shown.
    void fitInto(const QRect& area);

    // The line beside the path list that names the chosen volume; nullptr without a path list.
    QLabel* targetLabel() const { return targetLabel_; }
    // The note shown while a settings window opened without a settings file; nullptr elsewhere.
    QLabel* firstOpenNote() const { return firstOpenNote_; }

    // Overridden so that Qt never closes the window on its own: only the model ends it.
    void accept() override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshControl(const ui::Control& control, QWidget* widget);
    void refreshTarget();
    void refreshFirstOpenNote();
    void resyncAfterSelection();

    // User actions, as the controls' binders report them.
    bool quiet() const override { return refreshing_ || finishing_; }
    void clicked(int id) override;
    void toggled(int id) override;
    void chosen(int id, int row) override;
    void rowSelected(int id, int row) override;
    bool droppingDown(int id) override;
    void textEdited(int id, const std::string& text) override;
    void octetsEdited(int id, const std::array<int, 4>& octets) override;
    void focused(int id) override;
    void reportFocusOf(QWidget* widget, int id) override;

    void userNotify(int id, ui::Event event);
    void userClick(int id);  // a click on a check box or radio: the dialog applies its own state change
    void userKey(ui::Key key);
    void afterModelChange();
    void finishIfEnded();

    ui::Dialog& dialog_;
    std::map<int, QWidget*> widgets_;       // laid-out controls by id
    std::map<QObject*, int> focusTargets_;  // widgets whose focus-in is reported, by control id
    std::vector<std::pair<QWidget*, int>> companions_;  // static texts shown and hidden with a control
    bool refreshing_ = false;
    bool finishing_ = false;
    bool resyncPending_ = false;   // a list's selection handler ran; the lists are read back once Qt is done
    int handledList_ = 0;          // that list and row
    int handledRow_ = -1;
    bool disabledReadOnly_ = false;  // disabled fields show their values read-only (the editor's review)
    int pathListId_ = 0;
    QWidget* content_ = nullptr;  // every control, in a scroll area that scrolls only on a small screen
    ContentScrollArea* scrollArea_ = nullptr;
    QLabel* targetLabel_ = nullptr;
    QLabel* firstOpenNote_ = nullptr;
};

}  // namespace qvt::qt
