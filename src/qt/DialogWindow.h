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
#include <functional>
#include <map>

#include "ui/Dialog.h"

class QBoxLayout;
class QGridLayout;
class QLayout;
class QListWidget;

namespace qvt::qt {

// Registers the compiled-in images (":/images/..."); safe to call more than once.
void LoadImages();

// The resource path of an image name of the templates: ":/images/<name>.png".
QString ImagePath(const std::string& name);

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

// The four-octet IP-address control: four small fields of 0-255, each may stay blank.
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

private:
    void focusChanged(QWidget* old, QWidget* now);
    bool owns(const QWidget* widget) const;

    std::array<QLineEdit*, 4> edits_{};
    QMetaObject::Connection focusConnection_;
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

    // Overridden so that Qt never closes the window on its own: only the model ends it.
    void accept() override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Built {
        QWidget* widget = nullptr;
        QLayout* layout = nullptr;
        bool stretch = false;
    };
    Built build(const ui::LayoutNode& node);
    QBoxLayout* buildBox(const ui::LayoutNode& node, bool vertical);
    QGridLayout* buildGrid(const ui::LayoutNode& node);
    QWidget* buildGroup(const ui::LayoutNode& node);
    QWidget* createControl(const ui::ControlSpec& spec);
    void refreshControl(const ui::Control& control, QWidget* widget);

    // User actions.
    void userNotify(int id, ui::Event event);
    void userKey(ui::Key key);
    void afterModelChange();
    void finishIfEnded();

    ui::Dialog& dialog_;
    std::map<int, QWidget*> widgets_;       // laid-out controls by id
    std::map<QObject*, int> focusTargets_;  // widgets whose focus-in is reported, by control id
    bool refreshing_ = false;
    bool finishing_ = false;
};

}  // namespace qvt::qt
