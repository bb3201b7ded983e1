// SPDX-License-Identifier: Apache-2.0
#pragma once
// The parts a settings dialog is composed of, each for a feature that only some products have. A
// product's description lists its parts with their ids; the dialog calls them at opening, on a
// notification, after Save and on the way out.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/ControlRules.h"
#include "dialogs/ProductDescription.h"

namespace qvt::dialogs {

class GameCallField;
class SettingsDialog;

// The Send Mode radios with their send-time edits and Max Number.
class SendModePart : public DialogPart {
public:
    SendModePart(SettingsDialog& dialog, bool clearOnOpen) : dialog_(dialog), clearOnOpen_(clearOnOpen) {}
    void beforeLoad() override;
    bool notify(int id, ui::Event event) override;

private:
    SettingsDialog& dialog_;
    bool clearOnOpen_;
};

// A group of radios kept exclusive by the dialog and stored as the position of the checked one
// ("Send To").
class RadioGroupPart : public DialogPart {
public:
    // How the file's value chooses a radio: its leading number (as atoi reads it), or exactly one digit.
    enum class Stored { Number, Digit };
    RadioGroupPart(SettingsDialog& dialog, std::vector<int> group, Stored stored, bool clearOnOpen = false)
        : dialog_(dialog), group_(std::move(group)), stored_(stored), clearOnOpen_(clearOnOpen) {}

    const std::vector<int>& group() const { return group_; }  // in stored-value order
    void click(int radio);
    // The settings file reader's view: a stored value checks that radio and clears the others;
    // anything else clears the whole group.
    void setFromFile(const std::string& stored);

    void beforeLoad() override;
    bool notify(int id, ui::Event event) override;

private:
    SettingsDialog& dialog_;
    std::vector<int> group_;
    Stored stored_;
    bool clearOnOpen_;
};

// The "Work Day:" box and the seven day boxes.
class WorkDaysPart : public DialogPart {
public:
    WorkDaysPart(SettingsDialog& dialog, bool clearOnOpen) : dialog_(dialog), clearOnOpen_(clearOnOpen) {}
    void beforeLoad() override;
    bool notify(int id, ui::Event event) override;

private:
    SettingsDialog& dialog_;
    bool clearOnOpen_;
};

// An OFF/ON switch with the controls it enables (work hour): `onChange` is what a change of the
// switch applies.
class SwitchPart : public DialogPart {
public:
    SwitchPart(SettingsDialog& dialog, OnOffGroup group, OnOffVariant onChange)
        : dialog_(dialog), group_(group), onChange_(onChange) {}
    const OnOffGroup& group() const { return group_; }
    void apply(OnOffVariant variant);
    void apply() { apply(onChange_); }
    bool notify(int id, ui::Event event) override;

private:
    SettingsDialog& dialog_;
    OnOffGroup group_;
    OnOffVariant onChange_;
};

// The work hour: a switch part of its own type, so that a dialog finds it among its parts.
class WorkHourPart : public SwitchPart {
public:
    using SwitchPart::SwitchPart;
};

// What the game call's "+" button asks of the file dialog.
ui::FileRequest audioFileRequest();

// The game call: the switch with its time and replays, the sound file field with its "+" button;
// after a save with Game Call "ON" the sound goes onto the card the save was aimed at.
class GameCallPart : public SwitchPart {
public:
    // `clearTempOnExit`: the ways out empty the conversion tool's folder.
    GameCallPart(SettingsDialog& dialog, bool clearTempOnExit);
    ~GameCallPart() override;
    GameCallField& field() { return *field_; }

    void afterLoad() override;
    bool notify(int id, ui::Event event) override;
    void afterSave() override;
    void onExit() override;

private:
    SettingsDialog& dialog_;
    std::unique_ptr<GameCallField> field_;
    bool clearTempOnExit_;
};

// Radio groups of two or three buttons stored as the position of the first checked one, which a
// click checks without running the four-button rule (the temperature format, "Send To").
class ChoiceGroupsPart : public DialogPart {
public:
    ChoiceGroupsPart(SettingsDialog& dialog, std::vector<std::vector<int>> groups)
        : dialog_(dialog), groups_(std::move(groups)) {}

    // `first` is checked when `checkFirst` is true, else it stays as it is; the others are cleared
    // (`third` 0 for two; id 0 and ids the dialog lacks are no button).
    void setRadios(int first, int second, int third, bool checkFirst);
    // The position of the first checked button, -1 when none.
    int checkedRadio(int first, int second, int third) const;
    // The buttons from a file value of exactly one character; any other length changes nothing.
    void setRadiosFromText(const std::string& text, int first, int second, int third, bool twoButtons);
    void click(int radio);

    bool notify(int id, ui::Event event) override;

private:
    SettingsDialog& dialog_;
    std::vector<std::vector<int>> groups_;
};

// The dialog of several models: the model being configured chooses the title, the file and the
// controls the model lacks. `lacking` holds, by variant, the lists the model lacks; `labels` the
// label beside each of those lists.
class VariantsPart : public DialogPart {
public:
    struct Lacking {
        int list;
        int label;
    };
    VariantsPart(SettingsDialog& dialog, std::vector<std::vector<Lacking>> lacking)
        : dialog_(dialog), lacking_(std::move(lacking)) {}

    // The variant of the model being configured, -1 for a model the description does not list.
    int variantOf(const std::string& modelCode) const;
    int variant() const;

    // Variant, title and the disabled controls of the model; an unknown model ends the dialog.
    void setUpVariant();
    // The lists the model lacks lose their selection.
    void clearLackingLists();
    // False for the controls the current model lacks, whose keys are neither written nor kept.
    bool isControlUsed(int id);

    void beforeLoad() override { setUpVariant(); }

private:
    SettingsDialog& dialog_;
    std::vector<std::vector<Lacking>> lacking_;
};

}  // namespace qvt::dialogs
