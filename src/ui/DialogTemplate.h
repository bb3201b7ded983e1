// SPDX-License-Identifier: Apache-2.0
#pragma once
// A dialog template is data: the controls with their items and styles, plus a layout tree that the
// window front end follows. Every item list of the program lives in a template, once.
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace qvt::ui {

struct LayoutNode {
    enum class Kind { Column, Row, Group, Control, Text, Stretch, Grid, Image };
    Kind kind = Kind::Column;
    std::string text;  // Group: title; Text: the static text; Image: the image resource name
    int id = 0;        // Control: the control id; Group: the group box control id (0 = none); Text: the
                       // control it is shown and hidden with (0 = always shown)
    int columns = 0;   // Grid: cells per row
    std::vector<LayoutNode> children;
};

// Builders for readable template code.
LayoutNode column(std::vector<LayoutNode> children);
LayoutNode Row(std::vector<LayoutNode> children);
LayoutNode grid(int columns, std::vector<LayoutNode> children);
LayoutNode group(std::string title, std::vector<LayoutNode> children);
LayoutNode ctrl(int id);
LayoutNode textNode(std::string text);
LayoutNode textWith(std::string text, int shownWithId);  // a static text visible only with that control
LayoutNode stretch();
LayoutNode image(std::string name);  // a static picture without id

struct DialogTemplate {
    int resourceId = 0;
    std::string title;
    std::string icon;  // window icon resource name ("" none)
    std::vector<ControlSpec> controls;
    LayoutNode layout;
    bool disabledFieldsReadOnly = false;  // disabled fields show their values read-only, still legible
    // Shown quietly while the dialog holds no values at all (nothing was read on opening); "" never.
    std::string firstOpenNote;

    const ControlSpec* find(int id) const;
};

// Control-spec builders.
ControlSpec listSpec(int id, std::vector<std::string> items, ControlStyle style = {});
ControlSpec listBoxSpec(int id, ControlStyle style = {});
ControlSpec checkSpec(int id, std::string text, ControlStyle style = {});
ControlSpec check3Spec(int id, std::string text, ControlStyle style = {});
ControlSpec radioSpec(int id, std::string text, ControlStyle style = {});
ControlSpec editSpec(int id, ControlStyle style = {}, std::string text = {});
ControlSpec ipSpec(int id, ControlStyle style = {});
ControlSpec buttonSpec(int id, std::string text, ControlStyle style = {});
ControlSpec pictureSpec(int id, std::string image, ControlStyle style = {});
ControlSpec labelSpec(int id, std::string text, ControlStyle style = {});

// Item-list helpers: "from".."to" in decimal, optionally zero-padded to `width`.
std::vector<std::string> numberItems(int from, int to, int width = 0);

}  // namespace qvt::ui
