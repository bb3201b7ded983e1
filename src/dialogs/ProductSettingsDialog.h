// SPDX-License-Identifier: Apache-2.0
#pragma once
// What the five settings dialogs have in common beyond the control rules: the card discovery and
// save flow over their own path list, the product's settings file described as a key table, the
// country and operator lists with the parameter editor, and the banner that opens the About box.
#include <memory>
#include <string>

#include "dialogs/AppContext.h"
#include "dialogs/SettingsDialogBase.h"
#include "dialogs/OperatorListConfigs.h"
#include "settings/CardSaveFlow.h"

namespace qvt::settings {
struct KeyTable;
}

namespace qvt::dialogs {

struct ProductDialogConfig {
    settings::SaveFlowConfig saveFlow;
    int pathListId = 0;  // the list of card file paths in the footer
    OperatorListConfig lists;
    int bannerId = 1082;
};

class ProductSettingsDialog : public SettingsDialogBase {
public:
    ProductSettingsDialog(ui::Host& host, ui::DialogTemplate tmpl, dialogs::AppContext& context, RuleSet rules,
                          ProductDialogConfig config);
    ~ProductSettingsDialog() override;

    settings::CardSaveFlow& saveFlow() { return saveFlow_; }
    const settings::CardSaveFlow& saveFlow() const { return saveFlow_; }
    operators::OperatorListLogic& lists() { return lists_; }
    const settings::KeyTable& keyTable() const { return *keyTable_; }

    // The card file or the backup into the dialog and the messaging state; false when it is gone.
    bool readSettingsFile(settings::FileTarget target);
    // The dialog and the messaging state into the card file or the backup; true when the file was
    // written and verified.
    bool writeSettingsFile(settings::FileTarget target);

protected:
    // The product's file; derived dialogs describe it once, in their constructor.
    void setKeyTable(settings::KeyTable table);
    // The notifications every product dialog handles alike (banner, path list, country and operator
    // lists, the parameter check, the clock lists); true when it was one of them.
    bool handleCommonNotify(int id, ui::Event event);

    // The bytes Save writes to the card for the values shown now: a fresh file, as the card file
    // is always written afresh. Export writes them too, and the save confirmation compares them.
    std::string cardFileBytes();
    // "Export…": the values shown, to a file the user names. "Import…": a settings file of this
    // product from anywhere into the dialog; any other file is refused and the dialog stays as it is.
    // Neither touches the card.
    void exportSettings();
    void importSettings();

private:
    ProductDialogConfig config_;
    settings::CardSaveFlow saveFlow_;
    operators::OperatorListLogic lists_;
    std::unique_ptr<settings::KeyTable> keyTable_;
};

}  // namespace qvt::dialogs
