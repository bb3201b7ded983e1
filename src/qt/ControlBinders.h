// SPDX-License-Identifier: Apache-2.0
#pragma once
// One binder per kind of control: it creates the control's widget from the template, shows the
// model's state of the control on it, and forwards what the user does with it to a ControlEvents.
// The window looks binders up by kind in one table (binderFor).
#include <QString>
#include <array>
#include <string>

#include "ui/Control.h"

class QWidget;

namespace qvt::qt {

// Where a binder reports the user's actions on a control. The window implements it.
class ControlEvents {
public:
    virtual ~ControlEvents() = default;
    // True while the window writes the model into its widgets or is closing: nothing is reported.
    virtual bool quiet() const = 0;
    virtual void clicked(int id) = 0;                       // a push button or a clickable picture
    virtual void toggled(int id) = 0;                       // a check box or radio: the dialog decides the state
    virtual void chosen(int id, int row) = 0;               // a drop-down list's new row
    virtual void rowSelected(int id, int row) = 0;          // a list box's row became selected
    virtual bool droppingDown(int id) = 0;                  // false: the drop-down must not open
    virtual void textEdited(int id, const std::string& text) = 0;
    virtual void octetsEdited(int id, const std::array<int, 4>& octets) = 0;
    virtual void focused(int id) = 0;                       // the keyboard focus entered the control
    virtual void reportFocusOf(QWidget* widget, int id) = 0;  // the window reports `widget`'s focus-in as `id`'s
};

class ControlBinder {
public:
    virtual ~ControlBinder() = default;
    // The widget for a control of the template, connected to `events`.
    virtual QWidget* create(const ui::ControlSpec& spec, ControlEvents& events) const = 0;
    // Shows the control's items, selection, check state or text (enabled, visible and tool tip are
    // the window's, alike for every kind).
    virtual void refresh(const ui::Control& control, QWidget* widget) const = 0;
    // Shows a disabled field read-only in place of greyed out; false for kinds that cannot.
    virtual bool showReadOnly(QWidget* /*widget*/, bool /*readOnly*/) const { return false; }
};

// The binder of a kind of control.
const ControlBinder& binderFor(ui::ControlKind kind);

// Group titles carry blanks around them (" Camera Setting ") that only made room on the old frame.
QString groupTitle(const std::string& text);

}  // namespace qvt::qt
