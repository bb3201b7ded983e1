// SPDX-License-Identifier: Apache-2.0
#include "qt/LayoutBuilder.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSpacerItem>
#include <algorithm>

#include "qt/ControlBinders.h"
#include "qt/Widgets.h"

namespace qvt::qt {

using ui::ControlKind;
using ui::LayoutNode;

namespace {

QString objectNameOf(int id) {
    return QStringLiteral("c%1").arg(id);
}

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

}  // namespace

QString spokenCaption(const QString& caption) {
    static const QRegularExpression mnemonic(QStringLiteral("\\(&[^&)]\\)"));
    QString text = caption;
    text.remove(mnemonic);
    return spokenName(text);
}

namespace {

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

BuiltLayout LayoutBuilder::build(QWidget* window) {
    Built root = build(tmpl_.layout);
    QLayout* layout = root.layout;
    if (!layout) {
        auto* column = new QVBoxLayout;
        if (root.widget) column->addWidget(root.widget);
        layout = column;
    }
    layout->setContentsMargins(kMargin + 2, kMargin, kMargin + 2, kMargin);
    layout->setSpacing(kSpacing);
    out_.layout = layout;
    placeFirstOpenNote(window);
    return out_;
}

void LayoutBuilder::placeFirstOpenNote(QWidget* window) {
    QLayout* layout = out_.layout;
    if (!tmpl_.firstOpenNote.empty() && out_.targetLabel) {
        // On the footer's first line: a quiet note while the window shows no settings at all.
        out_.firstOpenNote = new QLabel(Q(tmpl_.firstOpenNote), window);
        out_.firstOpenNote->setObjectName(QStringLiteral("firstOpenNote"));
        out_.firstOpenNote->setTextFormat(Qt::PlainText);
        QPalette quiet = out_.firstOpenNote->palette();
        quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
        out_.firstOpenNote->setPalette(quiet);
        out_.firstOpenNote->setVisible(false);
        // The note keeps its room when it goes (the first value set ends it): nothing below it moves.
        QSizePolicy keep = out_.firstOpenNote->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        out_.firstOpenNote->setSizePolicy(keep);
        auto* box = qobject_cast<QBoxLayout*>(layout);
        bool placed = false;
        for (int i = 0; box && i < box->count(); ++i) {
            QWidget* text = box->itemAt(i)->widget();
            if (!text || !text->property("qvtFooterText").toBool()) continue;
            delete box->takeAt(i);
            auto* line = new QHBoxLayout;
            line->addWidget(text);
            line->addStretch(1);
            line->addWidget(out_.firstOpenNote);
            box->insertLayout(i, line);
            placed = true;
            break;
        }
        if (!placed && box) box->addWidget(out_.firstOpenNote);
    }
}

QWidget* LayoutBuilder::controlWidget(int id) const {
    auto it = out_.widgets.find(id);
    return it == out_.widgets.end() ? nullptr : it->second;
}

LayoutBuilder::Built LayoutBuilder::build(const LayoutNode& node) {
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
                out_.companions.emplace_back(label, node.id);
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
            showImage(label, node.text);
            built.widget = label;
            break;
        }
        case LayoutNode::Kind::Control: {
            const ui::ControlSpec* spec = tmpl_.find(node.id);
            if (!spec || out_.widgets.count(node.id)) break;  // unknown, or placed twice: shown once
            built.widget = createControl(*spec);
            if (spec->role == ui::ControlRole::PathList && !out_.targetLabel) {
                // The path list, with the line that names its volume beside it.
                out_.pathListId = node.id;
                out_.targetLabel = new QLabel;
                out_.targetLabel->setObjectName(QStringLiteral("targetVolume"));
                out_.targetLabel->setTextFormat(Qt::PlainText);
                out_.targetLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
                auto* row = new QHBoxLayout;
                row->setSpacing(8);
                row->addWidget(built.widget, 1);
                row->addWidget(out_.targetLabel);
                built.named = built.widget;
                built.widget = nullptr;
                built.layout = row;
            }
            break;
        }
    }
    return built;
}

QBoxLayout* LayoutBuilder::buildBox(const LayoutNode& node, bool vertical) {
    QBoxLayout* box = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    box->setSpacing(kSpacing);
    std::vector<QWidget*> cells;
    for (const LayoutNode& child : node.children) {
        Built b = build(child);
        cells.push_back(b.widget ? b.widget : b.named);
        if (b.layout && !footerMarked_ && containsWidget(b.layout, controlWidget(out_.pathListId)) && cells.size() > 1 &&
            qobject_cast<QLabel*>(cells[cells.size() - 2])) {
            auto* text = static_cast<QLabel*>(cells[cells.size() - 2]);
            text->setProperty("qvtFooterText", true);  // the text above the path list names it
            text->setBuddy(controlWidget(out_.pathListId));
            if (controlWidget(out_.pathListId)->accessibleName().isEmpty())
                controlWidget(out_.pathListId)->setAccessibleName(spokenName(text->text()));
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

QGridLayout* LayoutBuilder::buildGrid(const LayoutNode& node) {
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

QWidget* LayoutBuilder::buildGroup(const LayoutNode& node) {
    const ui::ControlSpec* spec = node.id != 0 ? tmpl_.find(node.id) : nullptr;
    const std::string& title = (node.text.empty() && spec) ? spec->text : node.text;
    auto* box = new QGroupBox(groupTitle(title));
    // Qt names an unnamed widget after the group around it: a panel inside another says its own title.
    box->setAccessibleName(groupTitle(title));
    if (spec && !out_.widgets.count(node.id)) {
        box->setObjectName(objectNameOf(node.id));
        out_.widgets[node.id] = box;
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
void LayoutBuilder::nameFields(const std::vector<QWidget*>& cells) {
    QString lastName;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
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

QWidget* LayoutBuilder::createControl(const ui::ControlSpec& spec) {
    QWidget* widget = binderFor(spec.kind).create(spec, events_);
    widget->setObjectName(objectNameOf(spec.id));
    const bool namedByCaption = spec.kind == ControlKind::Button || spec.kind == ControlKind::Check ||
                                spec.kind == ControlKind::Check3 || spec.kind == ControlKind::Radio;
    if (!spec.accessibleName.empty()) {
        widget->setAccessibleName(Q(spec.accessibleName));
    } else if (namedByCaption) {
        widget->setAccessibleName(spokenCaption(Q(spec.text)));
        widget->setProperty("qvtNamedByCaption", true);
    }
    if (!spec.toolTip.empty()) widget->setToolTip(Q(spec.toolTip));
    // A control the dialog hides keeps its place, as on a dialog template: nothing else moves. Pictures
    // are the exception: the photos that take turns in one place would each hold room of their own.
    if (spec.kind != ControlKind::Picture) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    out_.widgets[spec.id] = widget;
    return widget;
}

}  // namespace qvt::qt
