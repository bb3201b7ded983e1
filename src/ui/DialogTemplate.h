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
LayoutNode Column(std::vector<LayoutNode> children);
LayoutNode Row(std::vector<LayoutNode> children);
LayoutNode Grid(int columns, std::vector<LayoutNode> children);
LayoutNode Group(std::string title, std::vector<LayoutNode> children);
LayoutNode Ctl(int id);
LayoutNode Text(std::string text);
LayoutNode TextWith(std::string text, int shownWithId);  // a static text visible only with that control
LayoutNode Stretch();
LayoutNode Image(std::string name);  // a static picture without id

struct DialogTemplate {
    int resourceId = 0;
    std::string title;
    std::string icon;  // window icon resource name ("" none)
    std::vector<ControlSpec> controls;
    LayoutNode layout;

    const ControlSpec* find(int id) const;
};

// Control-spec builders.
ControlSpec ListSpec(int id, std::vector<std::string> items, ControlStyle style = {});
ControlSpec ListBoxSpec(int id, ControlStyle style = {});
ControlSpec CheckSpec(int id, std::string text, ControlStyle style = {});
ControlSpec Check3Spec(int id, std::string text, ControlStyle style = {});
ControlSpec RadioSpec(int id, std::string text, ControlStyle style = {});
ControlSpec EditSpec(int id, ControlStyle style = {}, std::string text = {});
ControlSpec IpSpec(int id, ControlStyle style = {});
ControlSpec ButtonSpec(int id, std::string text, ControlStyle style = {});
ControlSpec PictureSpec(int id, std::string image, ControlStyle style = {});
ControlSpec LabelSpec(int id, std::string text, ControlStyle style = {});

// Item-list helpers: "from".."to" in decimal, optionally zero-padded to `width`.
std::vector<std::string> NumberItems(int from, int to, int width = 0);

}  // namespace qvt::ui
