// SPDX-License-Identifier: Apache-2.0
#include "qt/DialogWindow.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QStorageInfo>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "dialogs/ProductSettingsDialog.h"
#include "dialogs/SettingsDialogBase.h"
#include "dialogs/WapInternetDialog.h"
#include "settings/ProductFiles.h"
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

using ui::ControlKind;
using ui::Event;
using ui::LayoutNode;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString objectNameOf(int id) {
    return QStringLiteral("c%1").arg(id);
}

// Group titles carry blanks around them (" Camera Setting ") that only made room on the old frame.
QString groupTitle(const std::string& text) {
    return Q(text).trimmed();
}

Qt::CheckState toCheckState(int check) {
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

bool sameItems(const QComboBox* combo, const std::vector<std::string>& items) {
    if (combo->count() != static_cast<int>(items.size())) return false;
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i) != Q(items[static_cast<std::size_t>(i)])) return false;
    return true;
}

bool sameItems(const QListWidget* list, const std::vector<std::string>& items) {
    if (list->count() != static_cast<int>(items.size())) return false;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() != Q(items[static_cast<std::size_t>(i)])) return false;
    return true;
}

void setLabelPixmap(QLabel* label, const std::string& image) {
    const QString path = imagePath(image);
    if (label->property("qvtImage").toString() == path) return;
    label->setProperty("qvtImage", path);
    label->setPixmap(loadImage(image, qApp->devicePixelRatio()));
}

// Layouts a little tighter than the style's defaults, so that the largest settings window fits a
// laptop screen.
constexpr int kSpacing = 4;
constexpr int kMargin = 6;

// "Daily Report...Send Time(H:M):" -> "Daily Report Send Time(H:M)": a caption as a screen reader
// should say it.
QString spokenName(QString text) {
    text.remove(QLatin1Char('&'));
    static const QRegularExpression dots(QStringLiteral("\\.{2,}"));
    text.replace(dots, QStringLiteral(" "));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

bool containsWidget(QLayout* layout, const QWidget* widget) {
    for (int i = 0; widget && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) return true;
        if (item->layout() && containsWidget(item->layout(), widget)) return true;
    }
    return false;
}

bool hasLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

}  // namespace

QString imagePath(const std::string& name) {
    return QStringLiteral(":/images/%1.png").arg(Q(name));
}

QPixmap loadImage(const std::string& name, qreal devicePixelRatio) {
    loadImages();
    const QString dense = QStringLiteral(":/images/%1@2x.png").arg(Q(name));
    if (devicePixelRatio > 1.0 && QFile::exists(dense)) {
        QPixmap pixmap(dense);
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
    }
    return QPixmap(imagePath(name));
}

QString describeVolume(const QString& cardFilePath, const std::optional<std::filesystem::path>& systemRoot) {
    if (cardFilePath.trimmed().isEmpty()) return {};
    // The card file lives in "<volume>/GSM/": the volume is what comes before that folder.
    QString normal = QDir::fromNativeSeparators(cardFilePath);
    const QString cardDir = QStringLiteral("/%1/").arg(QLatin1StringView(settings::kCardDirName));
    const qsizetype gsm = normal.lastIndexOf(cardDir, -1, Qt::CaseInsensitive);
    const QString volume = QDir::cleanPath(gsm >= 0 ? normal.left(gsm + 1) : normal);
    if (systemRoot && volume == QDir::cleanPath(QString::fromStdString(systemRoot->string())))
        return QStringLiteral("This PC (no memory card found)");
    const QStorageInfo info(volume);
    QString name = info.isValid() ? info.name() : QString();
    if (name.isEmpty()) name = QDir(volume).dirName();
    if (name.isEmpty()) name = volume;
    if (!info.isValid() || !info.isReady() || !QDir(volume).exists())
        return QStringLiteral("Memory card \u201C%1\u201D (not present)").arg(name);
    return QStringLiteral("Memory card \u201C%1\u201D, %2").arg(name, QLocale().formattedDataSize(info.bytesTotal()));
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

// ---------------------------------------------------------------------------------------------------
DialogWindow::DialogWindow(ui::Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    loadImages();
    setObjectName(QStringLiteral("dialog%1").arg(dialog_.tmpl().resourceId));
    setWindowTitle(Q(dialog_.title()));
    const std::string icon = dialog_.tmpl().icon.empty() ? std::string("app") : dialog_.tmpl().icon;
    setWindowIcon(QIcon(imagePath(icon)));
    // The editor's review asks the user to check values it does not let them change: they stay legible.
    disabledReadOnly_ = dynamic_cast<const dialogs::WapInternetDialog*>(&dialog_) != nullptr;
    if (auto* settings = dynamic_cast<dialogs::SettingsDialogBase*>(&dialog_))
        systemRoot_ = settings->context().volumes.systemRoot();

    Built root = build(dialog_.tmpl().layout);
    QLayout* layout = root.layout;
    if (!layout) {
        auto* column = new QVBoxLayout;
        if (root.widget) column->addWidget(root.widget);
        layout = column;
    }
    layout->setContentsMargins(kMargin + 2, kMargin, kMargin + 2, kMargin);
    layout->setSpacing(kSpacing);
    if (systemRoot_ && targetLabel_) {
        // On the footer's first line: a quiet note while the window shows no settings at all.
        firstOpenNote_ = new QLabel(QStringLiteral(
            "No settings file was found for this camera. Default(D) fills in the camera's defaults."));
        firstOpenNote_->setObjectName(QStringLiteral("firstOpenNote"));
        firstOpenNote_->setTextFormat(Qt::PlainText);
        QPalette quiet = firstOpenNote_->palette();
        quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
        firstOpenNote_->setPalette(quiet);
        firstOpenNote_->setVisible(false);
        auto* box = qobject_cast<QBoxLayout*>(layout);
        for (int i = 0; box && i < box->count(); ++i) {
            QWidget* text = box->itemAt(i)->widget();
            if (!text || !text->property("qvtFooterText").toBool()) continue;
            delete box->takeAt(i);
            auto* line = new QHBoxLayout;
            line->addWidget(text);
            line->addStretch(1);
            line->addWidget(firstOpenNote_);
            box->insertLayout(i, line);
            break;
        }
        if (!firstOpenNote_->parent() && box) box->addWidget(firstOpenNote_);
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
            if (node.id != 0) {
                companions_.emplace_back(label, node.id);
                QSizePolicy keep = label->sizePolicy();
                keep.setRetainSizeWhenHidden(true);
                label->setSizePolicy(keep);
            }
            built.widget = label;
            break;
        }
        case LayoutNode::Kind::Image: {
            auto* label = new QLabel;
            label->setObjectName(QStringLiteral("image_%1").arg(Q(node.text)));
            setLabelPixmap(label, node.text);
            built.widget = label;
            break;
        }
        case LayoutNode::Kind::Control: {
            const ui::ControlSpec* spec = dialog_.tmpl().find(node.id);
            if (!spec || widgets_.count(node.id)) break;  // unknown, or placed twice: shown once
            built.widget = createControl(*spec);
            if (spec->kind == ControlKind::List && spec->style.wide && !targetLabel_) {
                // The path list, with the line that names its volume beside it.
                pathListId_ = node.id;
                targetLabel_ = new QLabel;
                targetLabel_->setObjectName(QStringLiteral("targetVolume"));
                targetLabel_->setTextFormat(Qt::PlainText);
                targetLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
                auto* row = new QHBoxLayout;
                row->setSpacing(8);
                row->addWidget(built.widget, 1);
                row->addWidget(targetLabel_);
                built.named = built.widget;
                built.widget = nullptr;
                built.layout = row;
            }
            break;
        }
    }
    return built;
}

QBoxLayout* DialogWindow::buildBox(const LayoutNode& node, bool vertical) {
    QBoxLayout* box = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    box->setSpacing(kSpacing);
    std::vector<QWidget*> cells;
    for (const LayoutNode& child : node.children) {
        Built b = build(child);
        cells.push_back(b.widget ? b.widget : b.named);
        if (b.layout && !footerMarked_ && containsWidget(b.layout, controlWidget(pathListId_)) && cells.size() > 1 &&
            qobject_cast<QLabel*>(cells[cells.size() - 2])) {
            auto* text = static_cast<QLabel*>(cells[cells.size() - 2]);
            text->setProperty("qvtFooterText", true);  // the text above the path list names it
            text->setBuddy(controlWidget(pathListId_));
            controlWidget(pathListId_)->setAccessibleName(spokenName(text->text()));
            footerMarked_ = true;
        }
        if (b.stretch)
            box->addStretch(1);
        else if (b.widget)
            box->addWidget(b.widget);
        else if (b.layout)
            box->addLayout(b.layout);
    }
    nameFields(cells);
    return box;
}

QGridLayout* DialogWindow::buildGrid(const LayoutNode& node) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(kSpacing + 2);
    grid->setVerticalSpacing(kSpacing);
    const int columns = node.columns > 0 ? node.columns : 1;
    int index = 0;
    std::vector<QWidget*> cells;
    for (const LayoutNode& child : node.children) {
        const int row = index / columns;
        const int column = index % columns;
        ++index;
        Built b = build(child);
        cells.push_back(b.widget ? b.widget : b.named);
        if (b.stretch)
            grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), row, column);
        else if (b.widget)
            grid->addWidget(b.widget, row, column);
        else if (b.layout)
            grid->addLayout(b.layout, row, column);
    }
    nameFields(cells);
    return grid;
}

QWidget* DialogWindow::buildGroup(const LayoutNode& node) {
    const ui::ControlSpec* spec = node.id != 0 ? dialog_.tmpl().find(node.id) : nullptr;
    const std::string& title = (node.text.empty() && spec) ? spec->text : node.text;
    auto* box = new QGroupBox(groupTitle(title));
    if (spec && !widgets_.count(node.id)) {
        box->setObjectName(objectNameOf(node.id));
        widgets_[node.id] = box;
    }
    auto* inner = new QVBoxLayout(box);
    inner->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    inner->setSpacing(kSpacing);
    std::vector<QWidget*> cells;
    for (const LayoutNode& child : node.children) {
        Built b = build(child);
        cells.push_back(b.widget ? b.widget : b.named);
        if (b.stretch)
            inner->addStretch(1);
        else if (b.widget)
            inner->addWidget(b.widget);
        else if (b.layout)
            inner->addLayout(b.layout);
    }
    nameFields(cells);
    // A group taller than its content keeps the content together at its top, as a dialog template does.
    if (node.children.empty() || node.children.back().kind != LayoutNode::Kind::Stretch) inner->addStretch(1);
    return box;
}

// A text right before a field is its label: the buddy for its mnemonic and the name a screen reader
// says. A ":" between two time fields names the second after the label of the first.
void DialogWindow::nameFields(const std::vector<QWidget*>& cells) {
    QString lastName;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        // The field beside the "+" button shows the chosen game-call sound.
        auto* plus = qobject_cast<QPushButton*>(cells[i + 1]);
        if (plus && plus->text() == QStringLiteral("+") && qobject_cast<QLineEdit*>(cells[i]))
            cells[i]->setAccessibleName(QStringLiteral("Game-call sound file"));
        QWidget* before = cells[i];
        QWidget* field = cells[i + 1];
        if (!before || !field) continue;
        const bool input = qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field) ||
                           qobject_cast<QListWidget*>(field) || dynamic_cast<IpAddressEdit*>(field);
        if (!input || !field->accessibleName().isEmpty()) continue;
        QString name;
        if (auto* label = qobject_cast<QLabel*>(before); label && !dynamic_cast<PictureLabel*>(label)) {
            if (hasLetter(label->text())) {
                name = spokenName(label->text());
                label->setBuddy(dynamic_cast<IpAddressEdit*>(field) ? static_cast<IpAddressEdit*>(field)->octetEdit(0)
                                                                    : field);
            } else if (!lastName.isEmpty()) {
                name = lastName + QStringLiteral(" (minutes)");
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(before); button && hasLetter(button->text())) {
            name = spokenName(button->text());  // "Instant............Max Number:" names its list
        } else if (qobject_cast<QComboBox*>(before) || qobject_cast<QLineEdit*>(before)) {
            continue;
        }
        if (name.isEmpty()) continue;
        lastName = name;
        field->setAccessibleName(name);
        if (auto* ip = dynamic_cast<IpAddressEdit*>(field))
            for (int o = 0; o < 4; ++o)
                ip->octetEdit(o)->setAccessibleName(QStringLiteral("%1 part %2").arg(name).arg(o + 1));
    }
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
            // Seven rows are enough to choose from; the list scrolls for the rest.
            list->setMaximumHeight(list->fontMetrics().height() * 7 + 2 * list->frameWidth() + 4);
            // A choice is a row becoming selected, by a click or a key. The current row alone is not:
            // Qt makes the first row current when the list takes the focus without one.
            connect(list, &QListWidget::itemSelectionChanged, this, [this, id, list] {
                if (refreshing_ || finishing_) return;
                const QList<QListWidgetItem*> selected = list->selectedItems();
                if (selected.size() != 1) return;
                const int row = list->row(selected.front());
                // Qt selects the row once more after the handler has returned from the same click or
                // key; that is the choice already handled, not a new one.
                if (resyncPending_ && handledList_ == id && handledRow_ == row) return;
                handledList_ = id;
                handledRow_ = row;
                dialog_.select(id, row);
                userNotify(id, Event::SelChange);
                resyncAfterSelection();
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
            // Qt has toggled the widget already; the dialog decides the state, and the refresh after
            // the click shows the dialog's state in place of Qt's.
            connect(button, &QAbstractButton::clicked, this, [this, id] {
                if (refreshing_ || finishing_) return;
                userClick(id);
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
            showReadOnly(edit, spec.style.readOnly);
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
            if (spec.text == "+") {
                button->setToolTip(QStringLiteral("Choose the game-call sound"));
                button->setAccessibleName(QStringLiteral("Choose the game-call sound"));
            }
            connect(button, &QPushButton::clicked, this, [this, id] {
                if (refreshing_ || finishing_) return;
                userNotify(id, Event::Clicked);
            });
            widget = button;
            break;
        }
        case ControlKind::Picture: {
            auto* picture = new PictureLabel;
            setLabelPixmap(picture, spec.image);
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
            widget = new QGroupBox(groupTitle(spec.text));
            break;
    }
    widget->setObjectName(objectNameOf(id));
    // A control the dialog hides keeps its place, as on a dialog template: nothing else moves. Pictures
    // are the exception: the photos that take turns in one place would each hold room of their own.
    if (spec.kind != ControlKind::Picture) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
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
    for (const auto& [text, id] : companions_)
        if (dialog_.has(id) && text->isHidden() == dialog_.visible(id)) text->setVisible(dialog_.visible(id));
    refreshTarget();
    refreshFirstOpenNote();
    refreshing_ = false;
}

void DialogWindow::refreshTarget() {
    if (!targetLabel_ || !dialog_.has(pathListId_)) return;
    const QString text = describeVolume(Q(dialog_.selText(pathListId_)), systemRoot_);
    if (targetLabel_->text() != text) targetLabel_->setText(text);
}

void DialogWindow::refreshFirstOpenNote() {
    if (!firstOpenNote_) return;
    // A window that read no file opens with every drop-down blank; the first value set ends the note.
    bool blank = true;
    for (const auto& [id, c] : dialog_.controls())
        if (c.kind == ControlKind::List && id != pathListId_ && c.sel >= 0) blank = false;
    QString note = QStringLiteral("No settings file was found for this camera. Default(D) fills in the camera's defaults.");
    bool show = blank;
    if (const auto* product = dynamic_cast<const dialogs::ProductSettingsDialog*>(&dialog_)) {
        const settings::CardSaveFlow& flow = product->saveFlow();
        if (!flow.keptInvalidFile().empty() && flow.keptInvalidFile() == flow.cardFilePath()) {
            // Whatever the window shows, the card's own file stays untouched until Save replaces it.
            note = QStringLiteral("The settings file on the card could not be read; it is kept as it is until Save "
                                  "replaces it.");
            show = true;
        } else if (flow.readAtOpen()) {
            note = QStringLiteral("The settings file was read only in part (it is cut short). Default(D) fills in "
                                  "the camera's defaults.");
        }
    }
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
    switch (c.kind) {
        case ControlKind::List: {
            auto* combo = static_cast<QComboBox*>(widget);
            if (!sameItems(combo, c.items)) {
                combo->clear();
                for (const std::string& item : c.items) combo->addItem(Q(item));
            }
            if (combo->currentIndex() != c.sel) combo->setCurrentIndex(c.sel);
            break;
        }
        case ControlKind::ListBox: {
            auto* list = static_cast<QListWidget*>(widget);
            if (!sameItems(list, c.items)) {
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
                box->setCheckState(toCheckState(c.check));
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
            setLabelPixmap(static_cast<QLabel*>(widget), c.image);
            break;
        case ControlKind::Label: {
            auto* label = static_cast<QLabel*>(widget);
            if (label->text() != Q(c.text)) label->setText(Q(c.text));
            break;
        }
        case ControlKind::Group:
            if (auto* box = dynamic_cast<QGroupBox*>(widget)) {
                // A group placed as a layout box keeps its layout title when the control has none.
                if (!c.text.empty() && box->title() != groupTitle(c.text)) box->setTitle(groupTitle(c.text));
            }
            break;
    }
    bool enabled = c.enabled;
    if (disabledReadOnly_ && (c.kind == ControlKind::Edit || c.kind == ControlKind::Ip)) {
        // Shown, selectable and copyable, but not for typing; the dialog hears nothing from it.
        if (c.kind == ControlKind::Edit)
            showReadOnly(static_cast<QLineEdit*>(widget), c.style.readOnly || !c.enabled);
        else
            static_cast<IpAddressEdit*>(widget)->setReadOnly(c.style.readOnly || !c.enabled);
        enabled = true;
    }
    if (widget->isEnabled() != enabled) widget->setEnabled(enabled);
    if (widget->isHidden() == c.visible) widget->setVisible(c.visible);
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
    const QScreen* screen = this->screen();
    if (!screen || isMaximized() || isFullScreen()) return;
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize extra = frame.size() - size();
    QSize client = size().boundedTo(area.size() - extra);
    if (client != size()) resize(client);
    QRect placed = frameGeometry();
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
