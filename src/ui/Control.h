// SPDX-License-Identifier: Apache-2.0
#pragma once
// The toolkit-neutral control model: what a dialog template declares and what a running dialog holds.
#include <array>
#include <string>
#include <vector>

namespace qvt::ui {

enum class ControlKind {
    List,     // drop-down list without typing
    ListBox,  // single-selection list box
    Check,    // two-state check box
    Check3,   // three-state check box
    Radio,
    Edit,
    Ip,  // four-octet IP-address control
    Button,
    Picture,
    Label,
    Group,
};

const char* kindName(ControlKind kind);

// Style flags of a control, as a dialog template declares them.
struct ControlStyle {
    bool sorted = false;         // lists: insertion by case-insensitive order
    bool autoCheck = false;      // check boxes / radios that change state by themselves when clicked
    bool digitsOnly = false;     // edits: keyboard accepts digits only
    bool readOnly = false;       // edits
    bool masked = false;         // edits: password characters
    bool centred = false;        // edits, labels
    bool hidden = false;         // initially hidden
    bool disabled = false;       // initially disabled
    bool notify = false;         // pictures: report clicks
    bool defaultButton = false;  // buttons: pressed by Enter
    bool wide = false;           // stretches across the width it is given (the path lists; a banner
                                 // continues its right-hand scenery to the window's edge)
};

// What a control is for, where a front end treats it specially.
enum class ControlRole {
    None,
    PathList,   // the list of card file paths: a line beside it names the chosen volume
    FileField,  // a field that shows a chosen file's path
};

// One control of a dialog template.
struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    std::string text;                // caption of buttons, check boxes, radios, labels, groups; initial edit text
    std::vector<std::string> items;  // initial items of lists
    ControlStyle style;
    std::string image;  // pictures: image resource name
    ControlRole role = ControlRole::None;
    std::string accessibleName;  // what a screen reader says; "" takes the text before the control
    std::string toolTip;
};

// The live state of one control in a running dialog.
struct Control {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    ControlStyle style;
    std::string text;
    std::string image;
    std::vector<std::string> items;
    int sel = -1;    // lists: selected position, -1 none
    int check = 0;   // check boxes and radios: 0, 1, 2
    std::array<int, 4> octets{-1, -1, -1, -1};  // IP controls: -1 is a blank octet
    bool enabled = true;
    bool visible = true;
    std::string toolTip;  // what a pointer resting on the control is told ("" none)

    bool isList() const { return kind == ControlKind::List || kind == ControlKind::ListBox; }
};

}  // namespace qvt::ui
