#include "qt/DialogWindow.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

// The images are compiled into this library; a static library must register them itself.
static void InitImageResources() {
    Q_INIT_RESOURCE(resources);
}

namespace qvt::qt {

void LoadImages() {
    static const bool loaded = (InitImageResources(), true);
    (void)loaded;
}

using ui::ControlKind;
using ui::Event;
using ui::LayoutNode;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString ObjectName(int id) {
    return QStringLiteral("c%1").arg(id);
}

// Group titles carry blanks around them (" Camera Setting ") that only made room on the old frame.
QString GroupTitle(const std::string& text) {
    return Q(text).trimmed();
}

Qt::CheckState ToCheckState(int check) {
    switch (check) {
        case 1:
            return Qt::Checked;
        case 2:
            return Qt::PartiallyChecked;
        default:
            return Qt::Unchecked;
    }
}

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

bool SameItems(const QComboBox* combo, const std::vector<std::string>& items) {
    if (combo->count() != static_cast<int>(items.size())) return false;
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i) != Q(items[static_cast<std::size_t>(i)])) return false;
    return true;
}

bool SameItems(const QListWidget* list, const std::vector<std::string>& items) {
    if (list->count() != static_cast<int>(items.size())) return false;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() != Q(items[static_cast<std::size_t>(i)])) return false;
    return true;
}

void SetPixmap(QLabel* label, const std::string& image) {
    const QString path = ImagePath(image);
    if (label->property("qvtImage").toString() == path) return;
    label->setProperty("qvtImage", path);
    label->setPixmap(QPixmap(path));
}

}  // namespace

QString ImagePath(const std::string& name) {
    return QStringLiteral(":/images/%1.png").arg(Q(name));
}

// ---------------------------------------------------------------------------------------------------
void ModelComboBox::showPopup() {
    if (beforePopup && !beforePopup()) return;
    if (!isVisible() || !isEnabled()) return;  // the handler may have hidden or disabled the list
    QComboBox::showPopup();
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
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            // A full octet moves on to the next field, as the platform's control does.
            if (text.size() == 3 && i + 1 < edits_.size()) {
                edits_[i + 1]->setFocus(Qt::TabFocusReason);
                edits_[i + 1]->selectAll();
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
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        const QString text = octets[i] >= 0 ? QString::number(octets[i]) : QString();
        if (edits_[i]->text() != text) edits_[i]->setText(text);
    }
}

void IpAddressEdit::setReadOnly(bool readOnly) {
    for (QLineEdit* e : edits_) e->setReadOnly(readOnly);
}

// ---------------------------------------------------------------------------------------------------
DialogWindow::DialogWindow(ui::Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    LoadImages();
    setObjectName(QStringLiteral("dialog%1").arg(dialog_.tmpl().resourceId));
    setWindowTitle(Q(dialog_.title()));
    const std::string icon = dialog_.tmpl().icon.empty() ? std::string("app") : dialog_.tmpl().icon;
    setWindowIcon(QIcon(ImagePath(icon)));

    Built root = build(dialog_.tmpl().layout);
    QLayout* layout = root.layout;
    if (!layout) {
        auto* column = new QVBoxLayout;
        if (root.widget) column->addWidget(root.widget);
        layout = column;
    }
    setLayout(layout);
}

DialogWindow::~DialogWindow() {
    for (auto& [object, id] : focusTargets_) object->removeEventFilter(this);
}

QWidget* DialogWindow::controlWidget(int id) const {
    auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second;
}

DialogWindow::Built DialogWindow::build(const LayoutNode& node) {
    Built built;
    switch (node.kind) {
        case LayoutNode::Kind::Column:
            built.layout = buildBox(node, true);
            break;
        case LayoutNode::Kind::Row:
            built.layout = buildBox(node, false);
            break;
        case LayoutNode::Kind::Grid:
            built.layout = buildGrid(node);
            break;
        case LayoutNode::Kind::Group:
            built.widget = buildGroup(node);
            break;
        case LayoutNode::Kind::Stretch:
            built.stretch = true;
            break;
        case LayoutNode::Kind::Text: {
            auto* label = new QLabel(Q(node.text));
            label->setTextFormat(Qt::PlainText);
            built.widget = label;
            break;
        }
        case LayoutNode::Kind::Image: {
            auto* label = new QLabel;
            label->setObjectName(QStringLiteral("image_%1").arg(Q(node.text)));
            SetPixmap(label, node.text);
            built.widget = label;
            break;
        }
        case LayoutNode::Kind::Control: {
            const ui::ControlSpec* spec = dialog_.tmpl().find(node.id);
            if (!spec || widgets_.count(node.id)) break;  // unknown, or placed twice: shown once
            built.widget = createControl(*spec);
            break;
        }
    }
    return built;
}

QBoxLayout* DialogWindow::buildBox(const LayoutNode& node, bool vertical) {
    QBoxLayout* box = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    for (const LayoutNode& child : node.children) {
        Built b = build(child);
        if (b.stretch)
            box->addStretch(1);
        else if (b.widget)
            box->addWidget(b.widget);
        else if (b.layout)
            box->addLayout(b.layout);
    }
    return box;
}

QGridLayout* DialogWindow::buildGrid(const LayoutNode& node) {
    auto* grid = new QGridLayout;
    const int columns = node.columns > 0 ? node.columns : 1;
    int index = 0;
    for (const LayoutNode& child : node.children) {
        const int row = index / columns;
        const int column = index % columns;
        ++index;
        Built b = build(child);
        if (b.stretch)
            grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), row, column);
        else if (b.widget)
            grid->addWidget(b.widget, row, column);
        else if (b.layout)
            grid->addLayout(b.layout, row, column);
    }
    return grid;
}

QWidget* DialogWindow::buildGroup(const LayoutNode& node) {
    const ui::ControlSpec* spec = node.id != 0 ? dialog_.tmpl().find(node.id) : nullptr;
    const std::string& title = (node.text.empty() && spec) ? spec->text : node.text;
    auto* box = new QGroupBox(GroupTitle(title));
    if (spec && !widgets_.count(node.id)) {
        box->setObjectName(ObjectName(node.id));
        widgets_[node.id] = box;
    }
    auto* inner = new QVBoxLayout(box);
    for (const LayoutNode& child : node.children) {
        Built b = build(child);
        if (b.stretch)
            inner->addStretch(1);
        else if (b.widget)
            inner->addWidget(b.widget);
        else if (b.layout)
            inner->addLayout(b.layout);
    }
    // A group taller than its content keeps the content together at its top, as a dialog template does.
    if (node.children.empty() || node.children.back().kind != LayoutNode::Kind::Stretch) inner->addStretch(1);
    return box;
}

QWidget* DialogWindow::createControl(const ui::ControlSpec& spec) {
    const int id = spec.id;
    QWidget* widget = nullptr;
    switch (spec.kind) {
        case ControlKind::List: {
            auto* combo = new ModelComboBox;
            combo->setEditable(false);
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            combo->setMaxVisibleItems(20);
            if (spec.style.wide) combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            combo->beforePopup = [this, id] {
                userNotify(id, Event::DropDown);
                return !finishing_;
            };
            connect(combo, &QComboBox::activated, this, [this, id](int index) {
                if (refreshing_ || finishing_) return;
                dialog_.select(id, index);
                userNotify(id, Event::SelChange);
            });
            focusTargets_[combo] = id;
            widget = combo;
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget;
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            connect(list, &QListWidget::currentRowChanged, this, [this, id](int row) {
                if (refreshing_ || finishing_ || row < 0) return;
                dialog_.select(id, row);
                userNotify(id, Event::SelChange);
            });
            focusTargets_[list] = id;
            widget = list;
            break;
        }
        case ControlKind::Check:
        case ControlKind::Check3:
        case ControlKind::Radio: {
            QAbstractButton* button = nullptr;
            if (spec.kind == ControlKind::Radio) {
                auto* radio = new QRadioButton(Q(spec.text));
                radio->setAutoExclusive(false);  // every radio is a group of its own; the dialog keeps groups exclusive
                button = radio;
            } else {
                auto* box = new QCheckBox(Q(spec.text));
                box->setTristate(spec.kind == ControlKind::Check3);
                button = box;
            }
            const ControlKind kind = spec.kind;
            connect(button, &QAbstractButton::clicked, this, [this, id, kind] {
                if (refreshing_ || finishing_) return;
                const ui::Control& c = dialog_.control(id);
                // An automatic button changes its state before its owner hears of the click.
                if (c.style.autoCheck) {
                    if (kind == ControlKind::Radio)
                        dialog_.setCheck(id, 1);
                    else if (kind == ControlKind::Check3)
                        dialog_.setCheck(id, (c.check + 1) % 3);
                    else
                        dialog_.setCheck(id, c.check == 1 ? 0 : 1);
                }
                userNotify(id, Event::Clicked);
            });
            widget = button;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(Q(spec.text));
            // Text fields get room for an address; the two-digit time edits stay small.
            if (!spec.style.digitsOnly) edit->setMinimumWidth(200);
            if (spec.style.masked) edit->setEchoMode(QLineEdit::Password);
            if (spec.style.digitsOnly)
                edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
            edit->setReadOnly(spec.style.readOnly);
            if (spec.style.centred) edit->setAlignment(Qt::AlignCenter);
            connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
                if (refreshing_ || finishing_) return;
                dialog_.setTextQuiet(id, text.toStdString());
                userNotify(id, Event::TextChanged);
            });
            focusTargets_[edit] = id;
            widget = edit;
            break;
        }
        case ControlKind::Ip: {
            auto* ip = new IpAddressEdit;
            ip->setReadOnly(spec.style.readOnly);
            ip->onEdited = [this, id, ip] {
                if (refreshing_ || finishing_) return;
                dialog_.setOctets(id, ip->octets());
                userNotify(id, Event::TextChanged);
            };
            ip->onFocused = [this, id] {
                if (refreshing_ || finishing_) return;
                userNotify(id, Event::Focus);
            };
            widget = ip;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(Q(spec.text));
            // Enter goes to the dialog, which presses its default button; a focused button does not
            // take it over.
            button->setAutoDefault(false);
            button->setDefault(spec.style.defaultButton);
            connect(button, &QPushButton::clicked, this, [this, id] {
                if (refreshing_ || finishing_) return;
                userNotify(id, Event::Clicked);
            });
            widget = button;
            break;
        }
        case ControlKind::Picture: {
            auto* picture = new PictureLabel;
            SetPixmap(picture, spec.image);
            if (spec.style.notify) {
                picture->setCursor(Qt::PointingHandCursor);
                picture->onClicked = [this, id] {
                    if (refreshing_ || finishing_) return;
                    userNotify(id, Event::Clicked);
                };
            }
            widget = picture;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(Q(spec.text));
            label->setTextFormat(Qt::PlainText);
            if (spec.style.centred) label->setAlignment(Qt::AlignCenter);
            widget = label;
            break;
        }
        case ControlKind::Group:
            widget = new QGroupBox(GroupTitle(spec.text));
            break;
    }
    widget->setObjectName(ObjectName(id));
    widgets_[id] = widget;
    if (focusTargets_.count(widget)) widget->installEventFilter(this);
    return widget;
}

// ---------------------------------------------------------------------------------------------------
void DialogWindow::refresh() {
    refreshing_ = true;
    setWindowTitle(Q(dialog_.title()));
    for (const auto& [id, widget] : widgets_) {
        if (!dialog_.has(id)) continue;  // the model has not been initialised yet
        refreshControl(dialog_.control(id), widget);
    }
    refreshing_ = false;
}

void DialogWindow::refreshControl(const ui::Control& c, QWidget* widget) {
    const QSignalBlocker blocker(widget);
    switch (c.kind) {
        case ControlKind::List: {
            auto* combo = static_cast<QComboBox*>(widget);
            if (!SameItems(combo, c.items)) {
                combo->clear();
                for (const std::string& item : c.items) combo->addItem(Q(item));
            }
            if (combo->currentIndex() != c.sel) combo->setCurrentIndex(c.sel);
            break;
        }
        case ControlKind::ListBox: {
            auto* list = static_cast<QListWidget*>(widget);
            if (!SameItems(list, c.items)) {
                list->clear();
                for (const std::string& item : c.items) list->addItem(Q(item));
            }
            if (c.sel < 0) {
                list->clearSelection();
                list->setCurrentRow(-1);
            } else if (list->currentRow() != c.sel || !list->item(c.sel)->isSelected()) {
                list->setCurrentRow(c.sel, QItemSelectionModel::ClearAndSelect);
            }
            break;
        }
        case ControlKind::Check:
        case ControlKind::Check3:
        case ControlKind::Radio: {
            auto* button = static_cast<QAbstractButton*>(widget);
            if (button->text() != Q(c.text)) button->setText(Q(c.text));
            if (auto* box = dynamic_cast<QCheckBox*>(button))
                box->setCheckState(ToCheckState(c.check));
            else
                button->setChecked(c.check != 0);
            break;
        }
        case ControlKind::Edit: {
            auto* edit = static_cast<QLineEdit*>(widget);
            const QString text = Q(c.text);
            if (edit->text() != text) {
                const int cursor = edit->cursorPosition();
                edit->setText(text);
                edit->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
            }
            break;
        }
        case ControlKind::Ip: {
            static_cast<IpAddressEdit*>(widget)->setOctets(c.octets);  // setText does not report edits
            break;
        }
        case ControlKind::Button: {
            auto* button = static_cast<QPushButton*>(widget);
            if (button->text() != Q(c.text)) button->setText(Q(c.text));
            break;
        }
        case ControlKind::Picture:
            SetPixmap(static_cast<QLabel*>(widget), c.image);
            break;
        case ControlKind::Label: {
            auto* label = static_cast<QLabel*>(widget);
            if (label->text() != Q(c.text)) label->setText(Q(c.text));
            break;
        }
        case ControlKind::Group:
            if (auto* box = dynamic_cast<QGroupBox*>(widget)) {
                // A group placed as a layout box keeps its layout title when the control has none.
                if (!c.text.empty() && box->title() != GroupTitle(c.text)) box->setTitle(GroupTitle(c.text));
            }
            break;
    }
    if (widget->isEnabled() != c.enabled) widget->setEnabled(c.enabled);
    if (widget->isHidden() == c.visible) widget->setVisible(c.visible);
}

void DialogWindow::sync() {
    refresh();
    finishIfEnded();
}

// ---------------------------------------------------------------------------------------------------
void DialogWindow::userNotify(int id, Event event) {
    if (refreshing_ || finishing_) return;
    dialog_.notify(id, event);
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
            userKey(ui::Key::Enter);
            return;
        case Qt::Key_Escape:
            userKey(ui::Key::Escape);
            return;
        case Qt::Key_F1:
            userKey(ui::Key::F1);
            return;
        default:
            QWidget::keyPressEvent(event);  // not QDialog's: it would close the window itself
    }
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
