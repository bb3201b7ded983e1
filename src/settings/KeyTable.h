// SPDX-License-Identifier: Apache-2.0
#pragma once
// A product's settings file as data: the keys in the order the camera expects them, where each
// value comes from, and the small special cases of a product as hooks. One generic transfer moves a
// whole table in either direction.
#include <functional>
#include <string>
#include <vector>

#include "operators/MessagingState.h"
#include "settings/ProfileFile.h"
#include "ui/Dialog.h"

namespace qvt::settings {

enum class SlotKind {
    Model,      // the model code (`text`); nothing is done with it when reading
    Param,      // a messaging parameter: `field` 0..12 of OperatorParams
    SmtpSsl,    // the SMTP SSL flag of the messaging state
    Edit,       // the text of edit `id`
    TwoDigit,   // a time edit `id`: one character is written with a leading "0"; read within lo..hi
    List,       // the selected position of list `id` plus `base`; read by `listRead`
    MaxNumber,  // list `id`: 0..99, 100 and above "Unlimited"; only all-digit values select
    Radio,      // position of the last checked of `radios` (a repeated id counts once); read by `read`
    DayMask,    // the sum of the weights of the checked `dayBoxes`; read by `read`
};

// How a list value is applied when read.
enum class ListRead {
    Number,     // a non-empty value selects (number - base); no such item clears; empty clears
    InRange,    // a number from lo to hi selects that item, anything else clears
    Transfer,   // selectComboNumber
};

struct KeySlot {
    std::string section;
    std::string key;
    SlotKind kind = SlotKind::Edit;
    int id = 0;
    int field = -1;
    int base = 0;
    int lo = 0, hi = 0;
    ListRead listRead = ListRead::Number;
    std::string text;                 // Model: the code written
    std::vector<int> radios;          // Radio: the buttons in stored-value order
    std::vector<int> dayBoxes;        // DayMask: the day check boxes in mask order (kDayWeights)
    // Hooks of the product; empty ones are skipped.
    std::function<bool()> used;                        // false: neither written nor read
    std::function<void()> beforeRead;                  // runs before the value is applied
    std::function<void(const std::string&)> read;      // replaces the standard way of applying the value
    std::function<void()> afterRead;                   // runs after the value is applied
    std::function<std::string()> write;                // replaces the standard way of forming the value
};

struct KeyTableOptions {
    bool trimValues = false;        // every value trimmed after reading and before writing
    bool cutPortsOnRead = false;    // "Port" and "SendEmailPort" keep their first 4 characters when read
    bool emptyEditKeeps = false;    // an empty value leaves an edit box as it was
};

struct KeyTable {
    std::vector<KeySlot> keys;
    KeyTableOptions options;
    std::function<void()> afterWrite;  // the product's follow-up on the dialog once every key is written
};

// The weights of the days in a work-day mask, Sunday (64) first, Saturday (1) last.
inline constexpr int kDayWeights[7] = {64, 32, 16, 8, 4, 2, 1};

// Moves every value of the table from the file into the dialog and the messaging state.
void readSettings(const KeyTable& table, const ProfileFile& file, ui::Dialog& dialog,
                  operators::MessagingState& messaging);
// Moves every value of the table from the dialog and the messaging state into the file.
void writeSettingsTo(const KeyTable& table, const ui::Dialog& dialog, const operators::MessagingState& messaging,
                   ProfileFile& file);

// Position of the last checked button of the group (a repeated id counts once), -1 when none.
int checkedRadioPosition(const ui::Dialog& dialog, const std::vector<int>& radios);
// The sum of the weights of the checked boxes, given in mask order.
int dayMaskOf(const ui::Dialog& dialog, const std::vector<int>& dayBoxes);

// Selects the item at the number in `text` minus `base`; an empty text or a number outside the list
// clears the selection.
void selectComboNumber(ui::Dialog& dialog, int id, const std::string& text, int base);
// `base` plus the selected position, -1 when none.
int comboNumber(const ui::Dialog& dialog, int id, int base);
// Selects the item at the number in `text` when it lies from low to high; otherwise clears.
void selectComboInRange(ui::Dialog& dialog, int id, const std::string& text, int low, int high);

// The section that marks a settings file as one product's: its "Model" key holds the file code.
inline constexpr const char* kMarkSection = "QVTFileMark";

// A product's valid settings file: "Model" of "QVTFileMark", read with room for 9 characters and
// trimmed, equals the model code exactly.
bool isValidSettingsFile(const std::filesystem::path& path, const std::string& modelCode);
// The same rule over a file already loaded.
bool isValidSettings(const ProfileFile& file, const std::string& modelCode);

}  // namespace qvt::settings
