// SPDX-License-Identifier: Apache-2.0
#pragma once
// The widgets of the Qt window that Qt has no ready-made class for, and the image helpers the window's
// pictures share.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QPixmap>
#include <QString>
#include <array>
#include <functional>
#include <string>

namespace qvt::qt {

// The model's UTF-8 text as Qt text.
inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Registers the compiled-in images (":/images/..."); safe to call more than once.
void loadImages();

// The resource path of an image name of the templates: ":/images/<name>.png".
QString imagePath(const std::string& name);

// An image of the templates for a screen of this pixel ratio: the @2x drawing on dense screens,
// so that pictures stay sharp; its logical size is the same.
QPixmap loadImage(const std::string& name, qreal devicePixelRatio);

// Tells Qt's accessibility how this program's controls are spoken: a radio button as a radio button,
// a picture that reacts to a click as a button. Safe to call more than once.
void installAccessibility();

// Shows `image` on `label` at the screen's density; nothing happens when it shows it already.
void showImage(QLabel* label, const std::string& image);

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
    // A banner: the picture at its own size on the left, then its right-hand part again, mirrored
    // back and forth, so the picture reaches the far edge of a wider window without a seam.
    void continueToTheRight(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
    bool continued_ = false;
};

// The scroll area a window's content sits in: as large as the content wants to be (a plain scroll area
// caps that), and it scrolls only where the screen is smaller than the content. It takes no focus
// itself, and Tab keeps the focused field in view.
class ContentScrollArea : public QScrollArea {
public:
    explicit ContentScrollArea(QWidget* parent = nullptr);
    void setContent(QWidget* content);
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
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

}  // namespace qvt::qt
