// SPDX-License-Identifier: Apache-2.0
#pragma once
// A Qt window that shows any dialog of the control model: widgets are built from the dialog's
// template, user actions are reported to the model, and after every report the whole model is read
// back into the widgets. The window never closes by itself: it closes when the model has ended.
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "ui/Dialog.h"

class QBoxLayout;
class QGridLayout;
class QLayout;
class QListWidget;

namespace qvt::qt {

// Registers the compiled-in images (":/images/..."); safe to call more than once.
void loadImages();

// The resource path of an image name of the templates: ":/images/<name>.png".
QString imagePath(const std::string& name);

// An image of the templates for a screen of this pixel ratio: the @2x drawing on dense screens,
// so that pictures stay sharp; its logical size is the same.
QPixmap loadImage(const std::string& name, qreal devicePixelRatio);

// What the line beside the path list says about the volume of a card file path: the memory card's
// label (or folder name) and size, or "This PC (no memory card found)" on the system root.
QString describeVolume(const QString& cardFilePath, const ui::PathListInfo& paths);

// Shows a line edit read-only at full contrast, on the window's background, or as an ordinary field.
void showReadOnly(QLineEdit* edit, bool readOnly);

// A drop-down list that lets its owner run the drop-down notification before the items are shown,
// because the handler may change them.
class ModelComboBox : public QComboBox {
public:
    explicit ModelComboBox(QWidget* parent = nullptr) : QComboBox(parent) {}
    void showPopup() override;
    std::function<bool()> beforePopup;  // false: do not open (the window is closing)
};

// A picture that reports clicks (on mouse release inside it, like a button).
class PictureLabel : public QLabel {
public:
    explicit PictureLabel(QWidget* parent = nullptr) : QLabel(parent) {}
    std::function<void()> onClicked;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// The four-octet IP-address control: four small fields of 0-255, each may stay blank. It types like
// the platform's control: ".", "," or a blank moves on to the next field, a third digit moves on by
// itself, Backspace at the start of a field goes back, and a pasted dotted address fills all four.
class IpAddressEdit : public QFrame {
public:
    explicit IpAddressEdit(QWidget* parent = nullptr);
    ~IpAddressEdit() override;

    std::array<int, 4> octets() const;  // -1 = blank octet
    void setOctets(const std::array<int, 4>& octets);
    QLineEdit* octetEdit(int index) const { return edits_[static_cast<std::size_t>(index)]; }
    void setReadOnly(bool readOnly);

    std::function<void()> onEdited;   // the user changed an octet
    std::function<void()> onFocused;  // the keyboard focus entered the control from outside

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int indexOf(const QObject* edit) const;
    void moveTo(int index, bool atEnd);
    void focusChanged(QWidget* old, QWidget* now);
    bool owns(const QWidget* widget) const;

    std::array<QLineEdit*, 4> edits_{};
    QMetaObject::Connection focusConnection_;
    bool justAdvanced_ = false;  // a full octet moved the cursor on; a separator typed next is absorbed
};

class DialogWindow : public QDialog {
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
    struct Built {
        QWidget* widget = nullptr;
        QLayout* layout = nullptr;
        bool stretch = false;
        QWidget* named = nullptr;  // the field a text before it names, when it is inside `layout`
    };
    Built build(const ui::LayoutNode& node);
    QBoxLayout* buildBox(const ui::LayoutNode& node, bool vertical);
    QGridLayout* buildGrid(const ui::LayoutNode& node);
    QWidget* buildGroup(const ui::LayoutNode& node);
    QWidget* createControl(const ui::ControlSpec& spec);
    void refreshControl(const ui::Control& control, QWidget* widget);
    void nameFields(const std::vector<QWidget*>& cells);
    void refreshTarget();
    void refreshFirstOpenNote();
    void resyncAfterSelection();

    // User actions.
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
    bool footerMarked_ = false;
    QLabel* targetLabel_ = nullptr;
    QLabel* firstOpenNote_ = nullptr;
};

}  // namespace qvt::qt
