// SPDX-License-Identifier: Apache-2.0
#include "qt/ControlBinders.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "qt/Widgets.h"

namespace qvt::qt {

using ui::ControlKind;

QString groupTitle(const std::string& text) {
    return QString::fromStdString(text).trimmed();
}

namespace {

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

void showButtonText(QAbstractButton* button, const std::string& text) {
    if (button->text() != Q(text)) button->setText(Q(text));
}

// Reports a left click (press and release inside) on a widget that has no click of its own.
class ClickReporter : public QObject {
public:
    ClickReporter(QWidget* widget, std::function<void()> onClick) : QObject(widget), onClick_(std::move(onClick)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            pressed_ = true;
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = pressed_ && mouse->button() == Qt::LeftButton &&
                               widget->rect().contains(mouse->position().toPoint()) && widget->isEnabled();
            pressed_ = false;
            if (click) onClick_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

// ---------------------------------------------------------------------------------------------------
class ListBinder final : public ControlBinder {
public:
    QWidget* create(const ui::ControlSpec& spec, ControlEvents& events) const override {
        const int id = spec.id;
        auto* combo = new ModelComboBox;
        combo->setEditable(false);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo->setMaxVisibleItems(20);
        if (spec.style.wide) combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        combo->beforePopup = [&events, id] { return events.droppingDown(id); };
        QObject::connect(combo, &QComboBox::activated, combo, [&events, id](int index) {
            if (!events.quiet()) events.chosen(id, index);
        });
        events.reportFocusOf(combo, id);
        return combo;
    }
    void refresh(const ui::Control& c, QWidget* widget) const override {
        auto* combo = static_cast<QComboBox*>(widget);
        if (!sameItems(combo, c.items)) {
            combo->clear();
            for (const std::string& item : c.items) combo->addItem(Q(item));
        }
        if (combo->currentIndex() != c.sel) combo->setCurrentIndex(c.sel);
    }
};

class ListBoxBinder final : public ControlBinder {
public:
    QWidget* create(const ui::ControlSpec& spec, ControlEvents& events) const override {
        const int id = spec.id;
        auto* list = new QListWidget;
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // Seven rows are enough to choose from; the list scrolls for the rest.
        list->setMaximumHeight(list->fontMetrics().height() * 7 + 2 * list->frameWidth() + 4);
        // A choice is a row becoming selected, by a click or a key. The current row alone is not:
        // Qt makes the first row current when the list takes the focus without one.
        QObject::connect(list, &QListWidget::itemSelectionChanged, list, [&events, id, list] {
            if (events.quiet()) return;
            const QList<QListWidgetItem*> selected = list->selectedItems();
            if (selected.size() == 1) events.rowSelected(id, list->row(selected.front()));
        });
        events.reportFocusOf(list, id);
        return list;
    }
    void refresh(const ui::Control& c, QWidget* widget) const override {
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
    }
};

// Qt toggles a check box or radio before it reports the click; the dialog decides the state, and the
// refresh after the click shows the dialog's state in place of Qt's.
void forwardToggles(QAbstractButton* button, ControlEvents& events, int id) {
    QObject::connect(button, &QAbstractButton::clicked, button, [&events, id] {
        if (!events.quiet()) events.toggled(id);
    });
}

class CheckBinder final : public ControlBinder {
public:
    QWidget* create(const ui::ControlSpec& spec, ControlEvents& events) const override {
        auto* box = new QCheckBox(Q(spec.text));
        box->setTristate(spec.kind == ControlKind::Check3);
        forwardToggles(box, events, spec.id);
        return box;
    }
    void refresh(const ui::Control& c, QWidget* widget) const override {
        auto* box = static_cast<QCheckBox*>(widget);
        showButtonText(box, c.text);
        box->setCheckState(c.check == 1 ? Qt::Checked : c.check == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
};

class RadioBinder final : public ControlBinder {
public:
    QWidget* create(const ui::ControlSpec& spec, ControlEvents& events) const override {
        auto* radio = new QRadioButton(Q(spec.text));
        radio->setAutoExclusive(false);  // every radio is a group of its own; the dialog keeps groups exclusive
        forwardToggles(radio, events, spec.id);
        return radio;
    }
    void refresh(const ui::Control& c, QWidget* widget) const override {
        auto* radio = static_cast<QRadioButton*>(widget);
        showButtonText(radio, c.text);
        radio->setChecked(c.check != 0);
    }
};

class EditBinder final : public ControlBinder {
public:
    QWidget* create(const ui::ControlSpec& spec, ControlEvents& events) const override {
        const int id = spec.id;
        auto* edit = new QLineEdit(Q(spec.text));
        // Text fields get room for an address; the two-digit time edits stay small.
        if (!spec.style.digitsOnly) edit->setMinimumWidth(200);
        if (spec.style.masked) edit->setEchoMode(QLineEdit::Password);
        if (spec.style.digitsOnly)
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        qt::showReadOnly(edit, spec.style.readOnly);
        if (spec.style.centred) edit->setAlignment(Qt::AlignCenter);
        if (spec.role == ui::ControlRole::FileField) {
            // The field that shows a chosen file is clicked to choose one.
            edit->setCursor(Qt::PointingHandCursor);
            new ClickReporter(edit, [&events, id] {
                if (!events.quiet()) events.clicked(id);
            });
        }
        QObject::connect(edit, &QLineEdit::textEdited, edit, [&events, id](const QString& text) {
            if (!events.quiet()) events.textEdited(id, text.toStdString());
        });
        events.reportFocusOf(edit, id);
        return edit;
    }
    void refresh(const ui::Control& c, QWidget* widget) const override {
        auto* edit = static_cast<QLineEdit*>(widget);
        const QString text = Q(c.text);
        if (edit->text() != text) {
            const int cursor = edit->cursorPosition();
            edit->setText(text);
            edit->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
        }
    }
    bool showReadOnly(QWidget* widget, bool readOnly) const override {
        qt::showReadOnly(static_cast<QLineEdit*>(widget), readOnly);
        return true;
    }
};

class IpBinder final : public ControlBinder {
public:
    QWidget* create(const ui::ControlSpec& spec, ControlEvents& events) const override {
        const int id = spec.id;
        auto* ip = new IpAddressEdit;
        ip->setReadOnly(spec.style.readOnly);
        ip->onEdited = [&events, id, ip] {
            if (!events.quiet()) events.octetsEdited(id, ip->octets());
        };
        ip->onFocused = [&events, id] {
            if (!events.quiet()) events.focused(id);
        };
        return ip;
    }
    void refresh(const ui::Control& c, QWidget* widget) const override {
        static_cast<IpAddressEdit*>(widget)->setOctets(c.octets);  // setText does not report edits
    }
    bool showReadOnly(QWidget* widget, bool readOnly) const override {
        static_cast<IpAddressEdit*>(widget)->setReadOnly(readOnly);
        return true;
    }
};

class ButtonBinder final : public ControlBinder {
public:
    QWidget* create(const ui::ControlSpec& spec, ControlEvents& events) const override {
        const int id = spec.id;
        auto* button = new QPushButton(Q(spec.text));
        // Enter presses the focused button, elsewhere the dialog's default button; so the focused
        // button is the one drawn as the default while it has the focus.
        button->setAutoDefault(true);
        button->setDefault(spec.style.defaultButton);
        QObject::connect(button, &QPushButton::clicked, button, [&events, id] {
            if (!events.quiet()) events.clicked(id);
        });
        return button;
    }
    void refresh(const ui::Control& c, QWidget* widget) const override {
        showButtonText(static_cast<QPushButton*>(widget), c.text);
    }
};

class PictureBinder final : public ControlBinder {
public:
    QWidget* create(const ui::ControlSpec& spec, ControlEvents& events) const override {
        const int id = spec.id;
        auto* picture = new PictureLabel;
        showImage(picture, spec.image);
        picture->continueToTheRight(spec.style.wide);
        if (spec.style.notify) {
            picture->setCursor(Qt::PointingHandCursor);
            picture->onClicked = [&events, id] {
                if (!events.quiet()) events.clicked(id);
            };
        }
        return picture;
    }
    void refresh(const ui::Control& c, QWidget* widget) const override {
        showImage(static_cast<QLabel*>(widget), c.image);
    }
};

class LabelBinder final : public ControlBinder {
public:
    QWidget* create(const ui::ControlSpec& spec, ControlEvents& /*events*/) const override {
        auto* label = new QLabel(Q(spec.text));
        label->setTextFormat(Qt::PlainText);
        if (spec.style.centred) label->setAlignment(Qt::AlignCenter);
        return label;
    }
    void refresh(const ui::Control& c, QWidget* widget) const override {
        auto* label = static_cast<QLabel*>(widget);
        if (label->text() != Q(c.text)) label->setText(Q(c.text));
    }
};

class GroupBinder final : public ControlBinder {
public:
    QWidget* create(const ui::ControlSpec& spec, ControlEvents& /*events*/) const override {
        auto* box = new QGroupBox(groupTitle(spec.text));
        box->setAccessibleName(groupTitle(spec.text));  // not the title of a group around it
        return box;
    }
    void refresh(const ui::Control& c, QWidget* widget) const override {
        if (auto* box = dynamic_cast<QGroupBox*>(widget)) {
            // A group placed as a layout box keeps its layout title when the control has none.
            if (!c.text.empty() && box->title() != groupTitle(c.text)) {
                box->setTitle(groupTitle(c.text));
                box->setAccessibleName(groupTitle(c.text));
            }
        }
    }
};

}  // namespace

const ControlBinder& binderFor(ControlKind kind) {
    static const ListBinder list;
    static const ListBoxBinder listBox;
    static const CheckBinder check;
    static const RadioBinder radio;
    static const EditBinder edit;
    static const IpBinder ip;
    static const ButtonBinder button;
    static const PictureBinder picture;
    static const LabelBinder label;
    static const GroupBinder group;
    struct Entry {
        ControlKind kind;
        const ControlBinder* binder;
    };
    static const std::array<Entry, 11> table{{
        {ControlKind::List, &list},
        {ControlKind::ListBox, &listBox},
        {ControlKind::Check, &check},
        {ControlKind::Check3, &check},
        {ControlKind::Radio, &radio},
        {ControlKind::Edit, &edit},
        {ControlKind::Ip, &ip},
        {ControlKind::Button, &button},
        {ControlKind::Picture, &picture},
        {ControlKind::Label, &label},
        {ControlKind::Group, &group},
    }};
    for (const Entry& e : table)
        if (e.kind == kind) return *e.binder;
    return label;  // every kind has its row above
}

}  // namespace qvt::qt
