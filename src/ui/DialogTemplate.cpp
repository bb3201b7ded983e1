// SPDX-License-Identifier: Apache-2.0
#include "ui/DialogTemplate.h"

#include <cstdio>

namespace qvt::ui {

LayoutNode column(std::vector<LayoutNode> children) {
    return LayoutNode{LayoutNode::Kind::Column, {}, 0, 0, std::move(children)};
}
LayoutNode Row(std::vector<LayoutNode> children) {
    return LayoutNode{LayoutNode::Kind::Row, {}, 0, 0, std::move(children)};
}
LayoutNode grid(int columns, std::vector<LayoutNode> children) {
    return LayoutNode{LayoutNode::Kind::Grid, {}, 0, columns, std::move(children)};
}
LayoutNode group(std::string title, std::vector<LayoutNode> children) {
    return LayoutNode{LayoutNode::Kind::Group, std::move(title), 0, 0, std::move(children)};
}
LayoutNode ctrl(int id) { return LayoutNode{LayoutNode::Kind::Control, {}, id, 0, {}}; }
LayoutNode textNode(std::string text) { return LayoutNode{LayoutNode::Kind::Text, std::move(text), 0, 0, {}}; }

LayoutNode textWith(std::string text, int shownWithId) {
    LayoutNode n = textNode(std::move(text));
    n.id = shownWithId;
    return n;
}
LayoutNode image(std::string name) { return LayoutNode{LayoutNode::Kind::Image, std::move(name), 0, 0, {}}; }
LayoutNode stretch() { return LayoutNode{LayoutNode::Kind::Stretch, {}, 0, 0, {}}; }

const ControlSpec* DialogTemplate::find(int id) const {
    for (const ControlSpec& c : controls)
        if (c.id == id) return &c;
    return nullptr;
}

static ControlSpec make(int id, ControlKind kind, std::string text, ControlStyle style) {
    ControlSpec s;
    s.id = id;
    s.kind = kind;
    s.text = std::move(text);
    s.style = style;
    return s;
}

ControlSpec listSpec(int id, std::vector<std::string> items, ControlStyle style) {
    ControlSpec s = make(id, ControlKind::List, {}, style);
    s.items = std::move(items);
    return s;
}
ControlSpec listBoxSpec(int id, ControlStyle style) { return make(id, ControlKind::ListBox, {}, style); }
ControlSpec checkSpec(int id, std::string text, ControlStyle style) {
    return make(id, ControlKind::Check, std::move(text), style);
}
ControlSpec check3Spec(int id, std::string text, ControlStyle style) {
    return make(id, ControlKind::Check3, std::move(text), style);
}
ControlSpec radioSpec(int id, std::string text, ControlStyle style) {
    return make(id, ControlKind::Radio, std::move(text), style);
}
ControlSpec editSpec(int id, ControlStyle style, std::string text) {
    return make(id, ControlKind::Edit, std::move(text), style);
}
ControlSpec ipSpec(int id, ControlStyle style) { return make(id, ControlKind::Ip, {}, style); }
ControlSpec buttonSpec(int id, std::string text, ControlStyle style) {
    return make(id, ControlKind::Button, std::move(text), style);
}
ControlSpec pictureSpec(int id, std::string image, ControlStyle style) {
    ControlSpec s = make(id, ControlKind::Picture, {}, style);
    s.image = std::move(image);
    return s;
}
ControlSpec labelSpec(int id, std::string text, ControlStyle style) {
    return make(id, ControlKind::Label, std::move(text), style);
}

std::vector<std::string> numberItems(int from, int to, int width) {
    std::vector<std::string> items;
    for (int v = from; v <= to; ++v) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%0*d", width, v);
        items.emplace_back(buf);
    }
    return items;
}

}  // namespace qvt::ui
