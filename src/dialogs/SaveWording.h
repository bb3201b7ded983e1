// SPDX-License-Identifier: Apache-2.0
#pragma once
// What a Save will change, in the window's own words: each changed value as its control's label with
// the values as the control shows them ("Photo Size: 10M → 5M"), under the window's group that holds
// the control; a password only as "changed". The file-level lines ("write: …", "new file",
// "delete: …") stay as they are, and the game-call sound Save will convert and place is named too.
#include <map>
#include <string>
#include <vector>

#include "ui/DialogTemplate.h"

namespace qvt::settings {
struct SavePreview;
}

namespace qvt::dialogs {

class SettingsDialog;

// Where a control sits in its window: the label a person reads for it (the text before it, or its
// own caption) and the titles of the groups around it, innermost last.
struct ControlPlace {
    std::string label;
    std::vector<std::string> groups;
};
std::map<int, ControlPlace> controlPlaces(const ui::DialogTemplate& t);

// The confirmation's details for a person, in the order the file writes the values.
std::vector<std::string> describeSave(SettingsDialog& dialog, const settings::SavePreview& preview);

}  // namespace qvt::dialogs
