// SPDX-License-Identifier: Apache-2.0
#pragma once
// What makes one camera product's settings dialog: everything the single SettingsDialog needs to
// know about it. A new camera model is a new description (with its template and key table) and a
// catalogue row that names it.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/ControlRules.h"
#include "ui/DialogTemplate.h"

namespace qvt::settings {
struct KeyTable;
}

namespace qvt::dialogs {

struct OperatorListConfig;

class SettingsDialog;

// One control's value after "Default(&D)": a list position, or (where `text` is set) an edit's text.
struct ControlDefault {
    int id;
    int position;
    const char* text = nullptr;
};

// How a product's Save words its messages and takes the chosen card path.
struct SaveFlowWording {
    bool trimPathOnSave = false;
    std::string volumeMissingBefore;  // the volume-missing message: text before and after the root
    std::string volumeMissingAfter;
    std::string confirmText;
    std::string reportPrefix;
};

// The LP300 Series, VEX 2.0 and HX720U: the path taken as it stands at save, and their own wording
// of the missing volume and the confirmation.
inline SaveFlowWording lp300Vex2Hx720uSaveFlow() {
    return {.trimPathOnSave = false,
            .volumeMissingBefore = "Can't find the volume \"",
            .volumeMissingAfter = "\",Please check connection and Try again !",
            .confirmText = "Confirm Save All The Data ?",
            .reportPrefix = "Ok , All data has been saved in : \" "};
}

// A feature some products have (game call, Send Mode, work days, work hour, the four-model
// variants, ...): the dialog is composed of its parts, and calls each at the same moments.
class DialogPart {
public:
    virtual ~DialogPart() = default;
    virtual void beforeLoad() {}  // the dialog opens, before the card or the backup is read
    virtual void afterLoad() {}   // the dialog opens, after the reading
    // A notification of one of the part's controls; true when it was one.
    virtual bool notify(int /*id*/, ui::Event /*event*/) { return false; }
    virtual void afterSave() {}  // "Save(&Y)" has run
    virtual void onExit() {}     // "Exit(&N)", Esc or the close box
};
using PartFactory = std::function<std::unique_ptr<DialogPart>(SettingsDialog&)>;

// The factory of a part of type P, made for the dialog with these arguments.
template <class P, class... Args>
PartFactory part(Args... args) {
    return [=](SettingsDialog& d) -> std::unique_ptr<DialogPart> { return std::make_unique<P>(d, args...); };
}

struct ProductDescription {
    ui::DialogTemplate (*dialogTemplate)();
    RuleSet (*rules)();
    OperatorListConfig (*lists)();
    SaveFlowWording saveFlow;
    int pathListId = 0;              // the list of card file paths in the footer
    int defaultButton = 0;           // "Default(&D)"
    std::vector<PartFactory> parts;  // in the order they hear of an event
    // The product's file: sections and keys in the order the camera expects them.
    void (*buildKeyTable)(SettingsDialog& dialog, settings::KeyTable& table);
    // "Default(&D)": the product's defaults table and the rules it runs around it.
    void (*applyDefaults)(SettingsDialog& dialog);
};

}  // namespace qvt::dialogs
