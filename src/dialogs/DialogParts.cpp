// SPDX-License-Identifier: Apache-2.0
#include "dialogs/DialogParts.h"

#include "dialogs/Catalogue.h"
#include "dialogs/GameCallField.h"
#include "dialogs/SettingsDialog.h"
#include "platform/FileOps.h"
#include "settings/CardSaveFlow.h"

namespace qvt::dialogs {

using ui::Event;
using ui::Icon;

// ---- Send Mode ----------------------------------------------------------------------------------

void SendModePart::beforeLoad() {
    if (clearOnOpen_) dialog_.setRadioGroup(ids::kSendManual, ids::kSendDaily, ids::kSendInstant, ids::kSendOff, false);
}

bool SendModePart::notify(int id, Event event) {
    using namespace ids;
    if (event == Event::Clicked && (id == kSendManual || id == kSendDaily || id == kSendInstant || id == kSendOff)) {
        dialog_.onSendModeClick(id);
        return true;
    }
    if (event != Event::TextChanged) return false;
    if (id == kReportHour) dialog_.applyRangeEdit(id, 0, 23, "0~23 Hour");
    if (id == kReportMinute) dialog_.applyRangeEdit(id, 0, 59, "0~59 Minute");
    return id == kReportHour || id == kReportMinute;
}

// ---- a radio group stored as a position ----------------------------------------------------------

void RadioGroupPart::click(int radio) { dialog_.onRadioGroupClick(radio, group_); }

void RadioGroupPart::setFromFile(const std::string& stored) {
    if (stored_ == Stored::Digit) {
        dialog_.setRadioGroupFromDigit(stored, group_);
        return;
    }
    const int value = stored.empty() ? -1 : platform::atoI(stored);
    if (value >= 0 && value < static_cast<int>(group_.size())) {
        click(group_[static_cast<std::size_t>(value)]);
        return;
    }
    for (int id : group_) dialog_.setCheck(id, 0);
}

void RadioGroupPart::beforeLoad() {
    if (clearOnOpen_)
        for (int id : group_) dialog_.setCheck(id, 0);
}

bool RadioGroupPart::notify(int id, Event event) {
    if (event != Event::Clicked) return false;
    for (int radio : group_)
        if (radio == id) {
            click(id);
            return true;
        }
    return false;
}

// ---- work days ------------------------------------------------------------------------------------

void WorkDaysPart::beforeLoad() {
    if (!clearOnOpen_) return;
    dialog_.setCheck(ids::kWorkDayBox, 0);
    dialog_.showWorkDays(0);
}

bool WorkDaysPart::notify(int id, Event event) {
    if (event != Event::Clicked) return false;
    if (id == ids::kWorkDayBox) {
        dialog_.onWorkDayBoxClick();
        return true;
    }
    for (int day : kDayBoxes) {
        if (day == id) {
            dialog_.onDayBoxClick(id);
            return true;
        }
    }
    return false;
}

// ---- OFF/ON switches ------------------------------------------------------------------------------

void SwitchPart::apply(OnOffVariant variant) { dialog_.applyOnOffGroup(variant, group_); }

bool SwitchPart::notify(int id, Event event) {
    if (event != Event::SelChange || id != group_.switchList) return false;
    apply();
    return true;
}

// ---- game call --------------------------------------------------------------------------------------

ui::FileRequest audioFileRequest() {
    return {.title = "Choose the game-call sound",
            .filters = {{"Audio File(*.mp3,*.wav,*.aac)", {"*.mp3", "*.wav", "*.aac"}, "Audio files"}},
            .startFolder = ui::StartFolder::Sounds,
            .defaultName = {}};
}

GameCallPart::GameCallPart(SettingsDialog& dialog, bool clearTempOnExit)
    : SwitchPart(dialog,
                 {ids::kGameCall, ids::kGameCallHour, ids::kGameCallMinute, ids::kReplayTimes, ids::kChooseAudio,
                  ids::kAudioField},
                 OnOffVariant::FillBlanks),
      dialog_(dialog),
      field_(std::make_unique<GameCallField>(dialog, dialog.context().systemRoot(), dialog.context().ffmpeg,
                                             [&dialog] { return dialog.saveFlow().saveVolume(); }, ids::kAudioField)),
      clearTempOnExit_(clearTempOnExit) {}

GameCallPart::~GameCallPart() = default;

void GameCallPart::afterLoad() {
    field_->resetField();  // never taken from the file: "Choose audio file!"
    field_->stageConverter();
}

bool GameCallPart::notify(int id, Event event) {
    // The field that names the sound chooses it too, as "+" does.
    if ((id == ids::kChooseAudio || id == ids::kAudioField) && event == Event::Clicked) {
        field_->chooseAudioFile();
        return true;
    }
    return SwitchPart::notify(id, event);
}

void GameCallPart::afterSave() {
    // The sound goes onto the card the save was aimed at, whatever the save itself reported. When the
    // save found no card (its message said so), nothing is placed anywhere, not on another card.
    if (dialog_.sel(ids::kGameCall) == 1 && !dialog_.saveFlow().saveVolume().empty() && !field_->convertGameCallSound())
        dialog_.message("Failed to transform audio file!", kTipsCaption, Icon::Warning);
}

void GameCallPart::onExit() {
    if (clearTempOnExit_) field_->emptyTempFolder();
}

// ---- groups of two or three radios -----------------------------------------------------------------

namespace {
// Id 0 (and any id the dialog lacks) is "no such button": a group of two passes 0 as third.
bool isPresent(const ui::Dialog& dialog, int id) { return id != 0 && dialog.has(id); }
}  // namespace

void ChoiceGroupsPart::setRadios(int first, int second, int third, bool checkFirst) {
    if (checkFirst && isPresent(dialog_, first)) dialog_.setCheck(first, 1);
    for (int id : {second, third})
        if (isPresent(dialog_, id)) dialog_.setCheck(id, 0);
}

int ChoiceGroupsPart::checkedRadio(int first, int second, int third) const {
    const int buttons[3] = {first, second, third};
    for (int i = 0; i < 3; ++i)
        if (isPresent(dialog_, buttons[i]) && dialog_.check(buttons[i]) == 1) return i;
    return -1;
}

void ChoiceGroupsPart::setRadiosFromText(const std::string& text, int first, int second, int third, bool twoButtons) {
    // only a one-character value is a choice; anything longer, or nothing, is not the camera's.
    if (text.size() != 1) return;
    const int chosen = text[0] - '0';
    if (chosen == 0 || chosen == 1 || (chosen == 2 && !twoButtons)) {
        const int buttons[3] = {first, second, third};
        for (int i = 0; i < 3; ++i)
            if (isPresent(dialog_, buttons[i])) dialog_.setCheck(buttons[i], i == chosen ? 1 : 0);
    } else {
        setRadios(first, second, third, false);
    }
}

void ChoiceGroupsPart::click(int radio) {
    for (const std::vector<int>& group : groups_) {
        int others[2] = {0, 0};
        int n = 0;
        bool member = false;
        for (int id : group) {
            if (id == radio)
                member = true;
            else if (n < 2)
                others[n++] = id;
        }
        if (member) {
            setRadios(radio, others[0], others[1], true);
            return;
        }
    }
}

bool ChoiceGroupsPart::notify(int id, Event event) {
    if (event != Event::Clicked) return false;
    for (const std::vector<int>& group : groups_)
        for (int radio : group)
            if (radio == id) {
                click(id);
                return true;
            }
    return false;
}

// ---- the models of one dialog ------------------------------------------------------------------------

int VariantsPart::variantOf(const std::string& modelCode) const {
    const Product* product = findProductByModelCode(modelCode);
    return product && product->description == dialog_.product().description ? product->variant : -1;
}

int VariantsPart::variant() const { return dialog_.product().variant; }

void VariantsPart::setUpVariant() {
    const int variant = variantOf(dialog_.context().CurrentModelCode);
    if (variant < 0) {
        dialog_.message("Error: This procuct is not exist !", kTipsCaption, Icon::Error);
        dialog_.end(ui::Result::Ok);
        return;
    }
    dialog_.setTitle(settingsDialogTitle(dialog_.context().CurrentModelCode));
    for (const Lacking& l : lacking_[static_cast<std::size_t>(variant)]) {
        dialog_.setEnabled(l.list, false);
        dialog_.setEnabled(l.label, false);
    }
}

void VariantsPart::clearLackingLists() {
    const int variant = variantOf(dialog_.context().CurrentModelCode);
    if (variant < 0) {
        dialog_.message("This product is not exist !", kTipsCaption, Icon::Error);
        return;
    }
    for (const Lacking& l : lacking_[static_cast<std::size_t>(variant)]) dialog_.clearSelection(l.list);
}

bool VariantsPart::isControlUsed(int id) {
    const int variant = variantOf(dialog_.context().CurrentModelCode);
    if (variant < 0) {
        dialog_.message("This product is not exist !", kTipsCaption, Icon::Error);
        return false;
    }
    for (const Lacking& l : lacking_[static_cast<std::size_t>(variant)])
        if (l.list == id) return false;
    return true;
}

}  // namespace qvt::dialogs
