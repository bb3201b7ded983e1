// SPDX-License-Identifier: Apache-2.0
#pragma once
// Turns a dialog template into a laid-out window: the layout tree becomes Qt layouts and group boxes,
// every placed control gets its widget from its kind's binder, texts before fields become their
// labels (mnemonic buddy and spoken name), and the path list gets the line that names its volume.
#include <QString>
#include <map>
#include <utility>
#include <vector>

#include "ui/DialogTemplate.h"

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLayout;
class QWidget;

namespace qvt::qt {

class ControlEvents;

// What the window keeps of a built template.
struct BuiltLayout {
    QLayout* layout = nullptr;                          // the window's top layout
    std::map<int, QWidget*> widgets;                    // laid-out controls by id
    std::vector<std::pair<QWidget*, int>> companions;   // static texts shown and hidden with a control
    int pathListId = 0;                                 // the path list, 0 without one
    QLabel* targetLabel = nullptr;                      // the line beside the path list
    QLabel* firstOpenNote = nullptr;                    // the template's first-open note, on the footer
};

// Layouts a little tighter than the style's defaults, so that the largest settings window fits a
// laptop screen.
constexpr int kSpacing = 4;
constexpr int kMargin = 6;

// "Save(&Y)" -> "Save", "Daily Report...Send Time(H:M):" -> "Daily Report Send Time(H:M)": a caption
// as a screen reader should say it, without its mnemonic.
QString spokenCaption(const QString& caption);

class LayoutBuilder {
public:
    LayoutBuilder(const ui::DialogTemplate& tmpl, ControlEvents& events) : tmpl_(tmpl), events_(events) {}

    // Builds the whole template; the caller sets the layout on `window`, which owns the note.
    BuiltLayout build(QWidget* window);

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
    void nameFields(const std::vector<QWidget*>& cells);
    void placeFirstOpenNote(QWidget* window);
    QWidget* controlWidget(int id) const;

    const ui::DialogTemplate& tmpl_;
    ControlEvents& events_;
    BuiltLayout out_;
    bool footerMarked_ = false;
};

}  // namespace qvt::qt
