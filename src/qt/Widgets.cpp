// SPDX-License-Identifier: Apache-2.0
#include "qt/Widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QValidator>
#include <algorithm>
#include <optional>

#include "ui/IpText.h"

// The images are compiled into this library; a static library must register them itself.
static void initImageResources() {
    Q_INIT_RESOURCE(resources);
}

namespace qvt::qt {

void loadImages() {
    static const bool loaded = (initImageResources(), true);
    (void)loaded;
}

namespace {

// One octet: blank or 0..255, at most three digits.
class OctetValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        if (input.isEmpty()) return Acceptable;
        if (input.size() > 3) return Invalid;
        for (QChar c : input)
            if (!c.isDigit() || c.unicode() > 127) return Invalid;
        return input.toInt() <= 255 ? Acceptable : Invalid;
    }
};

// A radio button as assistive technology should know it: its own role, checkable, pressed to choose.
class RadioAccessible : public QAccessibleWidget {
public:
    explicit RadioAccessible(QRadioButton* radio) : QAccessibleWidget(radio, QAccessible::RadioButton) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = radio()->isChecked();
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return radio()->text().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override {
        if (action == pressAction())
            radio()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QRadioButton* radio() const { return static_cast<QRadioButton*>(widget()); }
};

// A picture that does something when clicked (the banner opens the About box) is a button.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureLabel* picture) : QAccessibleWidget(picture, QAccessible::Button) {}
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override {
        auto* picture = static_cast<PictureLabel*>(widget());
        if (action == pressAction() && picture->onClicked && picture->isEnabled())
            picture->onClicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A drop-down list as assistive technology should know it: named by its label, whatever it shows. (Qt
// names a drop-down on Linux by its current item, so that a list of hours becomes "10".)
class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view() && combo()->view()->isVisible();
        return s;
    }
    QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox"))
        if (auto* combo = qobject_cast<QComboBox*>(object); combo && !combo->isEditable()) return new ComboAccessible(combo);
    if (className == QLatin1String("QRadioButton"))
        if (auto* radio = qobject_cast<QRadioButton*>(object)) return new RadioAccessible(radio);
    if (className == QLatin1String("QLabel"))
        if (auto* picture = dynamic_cast<PictureLabel*>(object); picture && picture->onClicked)
            return new PictureButtonAccessible(picture);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    (void)installed;
}

QString imagePath(const std::string& name) {
    return QStringLiteral(":/images/%1.png").arg(QString::fromStdString(name));
}

QPixmap loadImage(const std::string& name, qreal devicePixelRatio) {
    loadImages();
    const QString dense = QStringLiteral(":/images/%1@2x.png").arg(QString::fromStdString(name));
    if (devicePixelRatio > 1.0 && QFile::exists(dense)) {
        QPixmap pixmap(dense);
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
    }
    return QPixmap(imagePath(name));
}

void showImage(QLabel* label, const std::string& image) {
    const QString path = imagePath(image);
    if (label->property("qvtImage").toString() == path) return;
    label->setProperty("qvtImage", path);
    label->setPixmap(loadImage(image, qApp->devicePixelRatio()));
}

void showReadOnly(QLineEdit* edit, bool readOnly) {
    if (edit->isReadOnly() == readOnly && edit->property("qvtReadOnlyLook").toBool() == readOnly) return;
    edit->setReadOnly(readOnly);
    edit->setProperty("qvtReadOnlyLook", readOnly);
    QPalette palette = edit->parentWidget() ? edit->parentWidget()->palette() : QApplication::palette();
    if (readOnly) {
        // The window's own background says "not for typing"; the text keeps its full contrast.
        palette.setColor(QPalette::Base, palette.color(QPalette::Active, QPalette::Window));
        palette.setColor(QPalette::Inactive, QPalette::Base, palette.color(QPalette::Inactive, QPalette::Window));
    }
    edit->setPalette(palette);
}

// ---------------------------------------------------------------------------------------------------
void ModelComboBox::showPopup() {
    if (beforePopup && !beforePopup()) return;
    if (!isVisible() || !isEnabled()) return;  // the handler may have hidden or disabled the list
    QComboBox::showPopup();
}

void PictureLabel::continueToTheRight(bool on) {
    continued_ = on;
    setSizePolicy(on ? QSizePolicy::Expanding : QSizePolicy::Preferred, sizePolicy().verticalPolicy());
    update();
}

void PictureLabel::paintEvent(QPaintEvent* event) {
    const QPixmap shown = pixmap();
    if (!continued_ || shown.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QSizeF size = shown.deviceIndependentSize();
    const qreal top = std::max<qreal>(0, (height() - size.height()) / 2);
    painter.drawPixmap(QPointF(0, top), shown);
    // The part that repeats: the right-hand 40 %, which holds only scenery. Drawn mirrored and plain in
    // turn, each piece meets the one before it at the same column, so no seam shows.
    constexpr qreal kRepeated = 0.4;
    const qreal part = size.width() * kRepeated;
    const QRectF source(shown.width() * (1 - kRepeated), 0, shown.width() * kRepeated, shown.height());
    bool mirrored = true;
    for (qreal x = size.width(); x < width(); x += part, mirrored = !mirrored) {
        painter.save();
        painter.translate(mirrored ? x + part : x, top);
        if (mirrored) painter.scale(-1, 1);
        painter.drawPixmap(QRectF(0, 0, part, size.height()), shown, source);
        painter.restore();
    }
}

void PictureLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    QLabel::mousePressEvent(event);
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && onClicked) {
        onClicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------------------------------------------
ContentScrollArea::ContentScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
}

void ContentScrollArea::setContent(QWidget* content) {
    setWidget(content);
    content->installEventFilter(this);
}

QSize ContentScrollArea::sizeHint() const {
    const int frame = 2 * frameWidth();
    return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
}

bool ContentScrollArea::eventFilter(QObject* watched, QEvent* event) {
    // The content's layout changed: the window's layout asks this area for its size again.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------
IpAddressEdit::IpAddressEdit(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::NoFocus);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(0);
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setTextFormat(Qt::PlainText);
            row->addWidget(dot);
        }
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("octet%1").arg(i));
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(3);
        edit->setValidator(new OctetValidator(edit));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 6);
        row->addWidget(edit);
        edits_[i] = edit;
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            // A full octet moves on to the next field, as the platform's control does.
            if (text.size() == 3 && i + 1 < edits_.size() && edits_[i]->cursorPosition() == 3) {
                moveTo(static_cast<int>(i) + 1, false);
                justAdvanced_ = true;
            }
            if (onEdited) onEdited();
        });
    }
    setFocusProxy(edits_[0]);
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget* old, QWidget* now) { focusChanged(old, now); });
}

IpAddressEdit::~IpAddressEdit() {
    disconnect(focusConnection_);
}

int IpAddressEdit::indexOf(const QObject* edit) const {
    for (std::size_t i = 0; i < edits_.size(); ++i)
        if (edits_[i] == edit) return static_cast<int>(i);
    return -1;
}

void IpAddressEdit::moveTo(int index, bool atEnd) {
    QLineEdit* edit = edits_[static_cast<std::size_t>(index)];
    edit->setFocus(Qt::OtherFocusReason);
    if (atEnd) {
        edit->deselect();
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
    } else {
        edit->selectAll();  // typing replaces what the field held
    }
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
    const int i = indexOf(watched);
    if (i < 0 || event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
    const bool afterAdvance = justAdvanced_;
    justAdvanced_ = false;
    auto* key = static_cast<QKeyEvent*>(event);
    QLineEdit* edit = edits_[static_cast<std::size_t>(i)];
    if (key->matches(QKeySequence::Paste)) {
        const QString text = QApplication::clipboard()->text().trimmed();
        const std::optional<std::array<int, 4>> octets = ui::parseDottedOctets(text.toStdString());
        if (edit->isReadOnly() || !octets) return false;  // digits alone paste into the field as usual
        setOctets(*octets);
        moveTo(3, true);
        if (onEdited) onEdited();
        return true;
    }
    const QString text = key->text();
    if (text == QStringLiteral(".") || text == QStringLiteral(",") || text == QStringLiteral(" ")) {
        // A separator ends the octet being typed; one right after an automatic move only confirms it.
        if (!afterAdvance && i + 1 < 4 && !edit->text().isEmpty() && !edit->isReadOnly()) moveTo(i + 1, false);
        return true;
    }
    const bool atStart = edit->cursorPosition() == 0 && !edit->hasSelectedText();
    const bool atEnd = edit->cursorPosition() == edit->text().size() && !edit->hasSelectedText();
    if ((key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Left) && key->modifiers() == Qt::NoModifier &&
        atStart && i > 0) {
        moveTo(i - 1, true);
        return true;
    }
    if (key->key() == Qt::Key_Right && key->modifiers() == Qt::NoModifier && atEnd && i < 3) {
        moveTo(i + 1, true);
        edits_[static_cast<std::size_t>(i) + 1]->setCursorPosition(0);
        return true;
    }
    return false;
}

bool IpAddressEdit::owns(const QWidget* widget) const {
    for (const QLineEdit* e : edits_)
        if (e == widget) return true;
    return false;
}

void IpAddressEdit::focusChanged(QWidget* old, QWidget* now) {
    if (owns(now) && !owns(old) && onFocused) onFocused();
}

std::array<int, 4> IpAddressEdit::octets() const {
    std::array<int, 4> result{-1, -1, -1, -1};
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        const QString text = edits_[i]->text();
        bool ok = false;
        const int value = text.toInt(&ok);
        result[i] = (ok && value >= 0 && value <= 255) ? value : -1;
    }
    return result;
}

void IpAddressEdit::setOctets(const std::array<int, 4>& octets) {
    const std::array<int, 4> shown = this->octets();
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        // "007" being typed is 7 already: only a different value is written over the field.
        if (shown[i] == octets[i] && (octets[i] >= 0 || edits_[i]->text().isEmpty())) continue;
        edits_[i]->setText(octets[i] >= 0 ? QString::number(octets[i]) : QString());
    }
}

void IpAddressEdit::setReadOnly(bool readOnly) {
    for (QLineEdit* e : edits_) showReadOnly(e, readOnly);
}

}  // namespace qvt::qt
