// SPDX-License-Identifier: Apache-2.0
#pragma once
// Narrow views of a dialog for the helpers that work for it (the save flow, the operator lists):
// they see the message boxes and the one list they look after, not the whole dialog.
#include <string>
#include <string_view>
#include <vector>

#include "ui/Host.h"

namespace qvt::ui {

class Dialog;

// What the user did to a control.
enum class Event { Clicked, SelChange, TextChanged, Focus, DropDown };

// The message boxes of a dialog.
class MessageBoxes {
public:
    virtual Answer message(std::string_view text, std::string_view caption, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;
    // The same box with details the user may open; without details it is the plain box.
    virtual Answer message(std::string_view text, std::string_view caption, Icon icon, Buttons buttons,
                           const std::vector<std::string>& details) = 0;
    // The whole message, with its explanation and the details as a window shows them.
    virtual Answer message(const Message& message) = 0;

protected:
    ~MessageBoxes() = default;
};

// One list or combo box of a dialog (see Dialog for the selection semantics).
class ListBox {
public:
    ListBox(Dialog& dialog, int id) : dialog_(&dialog), id_(id) {}

    int id() const { return id_; }
    int count() const;
    int sel() const;
    void select(int pos);
    void clearSelection() { select(-1); }
    std::string itemText(int pos) const;
    std::string selText() const;
    int add(std::string text);
    int append(std::string text);
    void remove(int pos);
    void reset();
    int findExact(std::string_view text) const;  // without regard to case
    int find(std::string_view text) const;       // byte for byte

private:
    Dialog* dialog_;
    int id_;
};

}  // namespace qvt::ui
