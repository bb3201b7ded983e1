// SPDX-License-Identifier: Apache-2.0
#pragma once
// The WAP / Internet parameter editor: shows the thirteen messaging parameters of the application's
// messaging state and lets the user change them. It opens in review mode (the current parameters,
// only the four outgoing-mail fields editable) or in user-defined mode (everything editable, empty),
// as the country and operator lists ask through `editorMode`. Confirmed values go into the messaging
// state only; the settings dialog's "Save(&Y)" writes them to the card.
#include <array>
#include <string>

#include "dialogs/AppContext.h"
#include "ui/Dialog.h"

namespace qvt::dialogs {

class WapInternetDialog : public ui::Dialog {
public:
    static constexpr int kTemplateId = 135;
    static constexpr int kHeader = 1112;
    static constexpr int kClear = 1054;
    static constexpr int kAdvanced = 1002;
    static constexpr int kFindOperator = 9003;  // "Find operator…": user-defined mode only
    static constexpr int kIp = 1100;
    static constexpr int kIpField = 2;  // the IP-address control's place among the value fields
    static constexpr int kFieldCount = 13;

    // Value fields and their labels, in the order of the OperatorParams fields.
    static constexpr std::array<int, kFieldCount> kFields = {1097, 1098, 1100, 1099, 1101, 1102, 1104,
                                                             1106, 1107, 1103, 1105, 1108, 1109};
    static constexpr std::array<int, kFieldCount> kFieldLabels = {1084, 1085, 1087, 1086, 1088, 1089, 1091,
                                                                  1092, 1093, 1090, 1095, 1094, 1096};
    // The four outgoing-mail fields (Send Email Server, Port, Address, Password): the only ones a
    // review may change.
    static constexpr int kFirstMailField = 9;
    static constexpr int kLastMailField = 12;

    static constexpr const char* kTitle = "WAP / Internet Paramaters";
    static constexpr const char* kReviewHeader =
        "Current WAP / Internet Paramaters As Follows, You Can Modify Highlighted 4 Items If Necessary !";
    static constexpr const char* kUserDefinedHeader = "Please Input User-Defined WAP / Internet Paramaters Here!";

    WapInternetDialog(ui::Host& host, dialogs::AppContext& context);

    // The "Find operator…" button is part of the template only in user-defined mode, so that the
    // review keeps its controls.
    static ui::DialogTemplate dialogTemplate(bool withFindOperator = false);
    static const char* labelText(int field);  // "URL:" ... "Send Email Password:"

    // The controls the field operations walk: the 13 value fields, the Clear button, the 13 labels.
    static const std::array<int, 27>& controlList();

    void clearFields();
    void restrictToMailFields();  // only the outgoing-mail fields enabled
    void enableAllFields();
    void storeFields();        // the fields into the messaging state
    void loadFields();         // the messaging state into the fields
    void compareMailFields();  // sets `smtpEdited` when a review changed a table operator's mail fields
    // Shows "Advanced...(&V)" only for the products whose camera knows the SMTP SSL option.
    void manageAdvancedButton();

    // The IP-address control as dotted text; blank octets count as 0 and "0.0.0.0" reads as "".
    std::string readIpControl() const;
    // Shows a dotted text in the IP-address control. A text that is not four octets of at most
    // three digits up to 255 blanks the control and replaces the stored IP with " ".
    void writeIpControl(const std::string& text);

    void onClear();     // "Clear WAP / Internet Paramaters(&W)"
    void onAdvanced();  // "Advanced...(&V)"
    // "Find operator…(&F)": a plan from the provider database into the fields it has values for.
    void onFindOperator();
    // Enables "Find operator…" while the provider database is there and readable; the tool tip says
    // what it uses, or why it is off.
    void manageFindButton();

    // The SMTP SSL text this run works on; confirming stores it into the messaging state.
    const std::string& sslText() const { return sslText_; }

protected:
    void onInit() override;
    void onNotify(int id, ui::Event event) override;
    void onOK() override;

private:
    operators::MessagingState& messaging() { return context_.messaging(); }

    dialogs::AppContext& context_;
    std::string sslText_;
};

}  // namespace qvt::dialogs
