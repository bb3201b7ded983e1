// SPDX-License-Identifier: Apache-2.0
#include "dialogs/WapInternetDialog.h"

#include <algorithm>

#include "dialogs/Catalogue.h"
#include "dialogs/AdvancedSetupDialog.h"
#include "dialogs/FindOperatorDialog.h"
#include "platform/FileOps.h"
#include "ui/IpText.h"
#include "operators/MessagingState.h"

namespace qvt::dialogs {

using namespace ui;

namespace {

constexpr const char* kLabelTexts[WapInternetDialog::kFieldCount] = {
    "URL:",
    "APN:",
    "IP:",
    "Port:",
    "Account:",
    "Password:",
    "GPRS APN:",
    "GPRS Account:",
    "GPRS Password:",
    "Send Email Server:",
    "Send Email Port:",
    "Send Email Address:",
    "Send Email Password:",
};

constexpr int kWapFieldCount = 6;  // fields 0..5 sit in the WAP group, 6..12 in the Internet group

bool isPortField(int field) {
    return field == 3 || field == 10;
}
bool isMaskedField(int field) {
    return field == 5 || field == 8 || field == 12;
}

// The first `limit` characters of a UTF-8 text; a character is never cut in half.
std::string firstChars(const std::string& text, std::size_t limit) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (continuation) continue;
        if (chars == limit) return text.substr(0, i);
        ++chars;
    }
    return text;
}

}  // namespace

const char* WapInternetDialog::labelText(int field) {
    return field >= 0 && field < kFieldCount ? kLabelTexts[field] : "";
}

DialogTemplate WapInternetDialog::dialogTemplate(bool withFindOperator) {
    DialogTemplate t;
    t.resourceId = kTemplateId;
    t.title = kTitle;
    // The review asks the user to check values it does not let them change: they stay legible.
    t.disabledFieldsReadOnly = true;
    t.controls.push_back(labelSpec(kHeader, {}, {.centred = true}));
    std::vector<LayoutNode> wapCells;
    std::vector<LayoutNode> internetCells;
    for (int field = 0; field < kFieldCount; ++field) {
        const int id = kFields[static_cast<std::size_t>(field)];
        const int labelId = kFieldLabels[static_cast<std::size_t>(field)];
        t.controls.push_back(labelSpec(labelId, kLabelTexts[field]));
        if (field == kIpField)
            t.controls.push_back(ipSpec(id));
        else if (isPortField(field))
            t.controls.push_back(editSpec(id, {.digitsOnly = true, .centred = true}));
        else
            t.controls.push_back(editSpec(id, {.masked = isMaskedField(field)}));
        std::vector<LayoutNode>& cells = field < kWapFieldCount ? wapCells : internetCells;
        cells.push_back(ctrl(labelId));
        cells.push_back(ctrl(id));
    }
    t.controls.push_back(buttonSpec(kClear, "Clear WAP / Internet Paramaters(&W)"));
    t.controls.push_back(buttonSpec(1, "OK(&Y)", {.defaultButton = true}));
    t.controls.push_back(buttonSpec(2, "Cancel(&N)"));
    t.controls.push_back(buttonSpec(kAdvanced, "Advanced...(&V)", {.hidden = true}));
    if (withFindOperator) t.controls.push_back(buttonSpec(kFindOperator, "Find operator\xE2\x80\xA6(&F)"));

    t.layout = column({
        ctrl(kHeader),
        Row({
            column({group(" WAP Settings ", {grid(2, std::move(wapCells))}),
                    Row({ctrl(kFindOperator), stretch(), ctrl(kClear)}), stretch()}),
            column({group(" Internet Settings ", {grid(2, std::move(internetCells))}), stretch()}),
        }),
        Row({ctrl(kAdvanced), stretch(), ctrl(1), ctrl(2)}),
    });
    return t;
}

const std::array<int, 27>& WapInternetDialog::controlList() {
    // The labels follow their own order, not the fields': the mode operations were written against it.
    // clang-format off
    static const std::array<int, 27> list = {
        1097, 1098, 1100, 1099, 1101, 1102, 1104, 1106, 1107, 1103, 1105, 1108, 1109,  // value fields
        kClear,
        1084, 1085, 1086, 1087, 1088, 1089, 1090, 1091, 1095, 1092, 1093, 1094, 1096,  // labels
    };
    // clang-format on
    return list;
}

WapInternetDialog::WapInternetDialog(Host& host, dialogs::AppContext& context)
    : Dialog(host, dialogTemplate(context.messaging().editorMode != 1)), context_(context) {}

// ---- opening, notifications, buttons ------------------------------------------------------------

void WapInternetDialog::onInit() {
    manageAdvancedButton();
    if (messaging().editorMode == 1) {
        setTextQuiet(kHeader, kReviewHeader);
        loadFields();
        restrictToMailFields();
    } else {
        // User-defined parameters start from nothing: the fields are not loaded.
        setTextQuiet(kHeader, kUserDefinedHeader);
        enableAllFields();
        manageFindButton();
    }
}

void WapInternetDialog::onNotify(int id, Event event) {
    if (event != Event::Clicked) return;
    if (id == kClear)
        onClear();
    else if (id == kAdvanced)
        onAdvanced();
    else if (id == kFindOperator)
        onFindOperator();
}

void WapInternetDialog::onOK() {
    const Answer answer = message(
        "Confirm save MMS,GPRS paramaters ?\nThey'll not be saved in file unless you click \"Save\" button in main "
        "dialog !",
        kTipsCaption, Icon::Question, Buttons::OkCancel);
    if (answer == Answer::Ok) {
        compareMailFields();
        storeFields();
        message("OK,WAP/Internet Paramaters Have Been Saved !", kTipsCaption, Icon::Information);
    }
    // The opener sees OK whatever the answer: a refused confirmation simply stores nothing.
    end(Result::Ok);
}

void WapInternetDialog::onClear() {
    if (message("Confirm Clear MMS Paramaters And GPRS Paramaters ?", "QVT_Tips", Icon::Question, Buttons::OkCancel) ==
        Answer::Ok)
        clearFields();
}

void WapInternetDialog::onAdvanced() {
    AdvancedSetupDialog advanced(host());
    advanced.setSslText(sslText_);
    host().runModal(advanced);
    // Taken back even when cancelled: its opening step may have corrected an empty or odd text.
    sslText_ = advanced.sslText();
}

void WapInternetDialog::manageFindButton() {
    if (!has(kFindOperator)) return;
    const operators::ProviderDatabase& database = context_.providers();
    const std::string path = database.pathText();
    std::string tip;
    if (database.failed())
        tip = "The provider database cannot be used (" + path + ": " + database.error() + ").";
    else if (!database.present())
        tip = path.empty() ? std::string("No provider database is set.")
                           : "No provider database was found at " + path +
                                 ". On Linux it comes with the mobile-broadband-provider-info package.";
    setEnabled(kFindOperator, tip.empty());
    setToolTip(kFindOperator, tip.empty() ? "Fills the parameters from the provider database (" + path + ")" : tip);
}

void WapInternetDialog::onFindOperator() {
    operators::ProviderDatabase& database = context_.providers();
    const operators::ProviderList* list = database.load();
    if (!list) {
        message("The provider database cannot be used:\n" + database.pathText() + "\n" + database.error() +
                    "\n\nFind operator\xE2\x80\xA6 stays off; type the parameters in yourself.",
                kTipsCaption, Icon::Warning);
        manageFindButton();
        return;
    }
    const std::string date = database.fileDate();
    FindOperatorDialog find(host(), *list,
                            "Provider database: " + database.pathText() + (date.empty() ? "" : ", dated " + date),
                            std::string(operators::builtInCountryCode(messaging().countryName)));
    if (host().runModal(find) != Result::Ok || !find.chosen()) return;
    // Only the fields the database has a value for change; the others keep what they hold.
    const operators::PlanFill& fill = *find.chosen();
    for (int field = 0; field < operators::kProviderFieldCount; ++field) {
        const std::optional<std::string>& value = fill.values[static_cast<std::size_t>(field)];
        if (!value) continue;
        const int id = kFields[static_cast<std::size_t>(field)];
        if (field != kIpField) {
            setText(id, *value);
        } else if (const std::optional<std::array<int, 4>> octets = ui::parseDottedOctets(*value)) {
            setOctets(id, *octets);
        }
    }
}

void WapInternetDialog::manageAdvancedButton() {
    const bool show = dialogs::isAdvancedSetupProduct(context_.CurrentModelCode);
    setEnabled(kAdvanced, show);
    setVisible(kAdvanced, show);
}

// ---- the field operations ------------------------------------------------------------------------

void WapInternetDialog::clearFields() {
    for (int field = 0; field < kFieldCount; ++field) {
        const int id = kFields[static_cast<std::size_t>(field)];
        if (field == kIpField)
            clearIp(id);
        else
            setText(id, {});
    }
}

// The labels keep their state.
void WapInternetDialog::restrictToMailFields() {
    const std::array<int, 27>& list = controlList();
    for (int i = 0; i <= kFieldCount; ++i)
        setEnabled(list[static_cast<std::size_t>(i)], i >= kFirstMailField && i <= kLastMailField);
}

// The Advanced button's visibility stays the product's.
void WapInternetDialog::enableAllFields() {
    for (int id : controlList()) setEnabled(id, true);
    setEnabled(kAdvanced, true);
}

void WapInternetDialog::storeFields() {
    operators::OperatorParams& params = messaging().params;
    for (int field = 0; field < kFieldCount; ++field) {
        const int id = kFields[static_cast<std::size_t>(field)];
        std::string value;
        if (field == kIpField)
            value = readIpControl();
        else if (isPortField(field))
            value = firstChars(platform::trim(text(id)), 4);
        else
            value = firstChars(platform::trim(text(id)), 100);
        params.field(field) = std::move(value);
    }
    messaging().smtpSsl = sslText_;
}

void WapInternetDialog::loadFields() {
    const operators::OperatorParams& params = messaging().params;
    messaging().smtpEdited = 0;
    for (int field = 0; field < kFieldCount; ++field) {
        const int id = kFields[static_cast<std::size_t>(field)];
        if (field == kIpField)
            writeIpControl(params.IP);
        else
            setText(id, params.field(field));
    }
    sslText_ = messaging().smtpSsl;
}

// Did a review change the mail fields of a table operator?
void WapInternetDialog::compareMailFields() {
    operators::MessagingState& state = messaging();
    state.smtpEdited = 0;
    const bool tableOperator = !state.countryName.empty() && !state.operatorName.empty() &&
                               state.countryName != "Others" && state.operatorName != "Others";
    if (!tableOperator) return;
    for (int field = kFirstMailField; field <= kLastMailField; ++field) {
        if (platform::trim(text(kFields[static_cast<std::size_t>(field)])) != state.params.field(field)) {
            state.smtpEdited = 1;
            return;
        }
    }
}

// ---- the IP-address control ---------------------------------------------------------------------

std::string WapInternetDialog::readIpControl() const {
    const std::array<int, 4> o = octets(kIp);
    auto value = [](int octet) { return octet < 0 ? 0 : octet; };  // a blank octet reads as 0
    const std::string dotted = std::to_string(value(o[0])) + '.' + std::to_string(value(o[1])) + '.' +
                               std::to_string(value(o[2])) + '.' + std::to_string(value(o[3]));
    return dotted == "0.0.0.0" ? std::string() : dotted;
}

void WapInternetDialog::writeIpControl(const std::string& ipText) {
    // The stored text becomes a single blank on purpose: the settings file writer trims it, and the
    // editor then shows (and stores) an empty address instead of a malformed one.
    auto reject = [this] {
        clearIp(kIp);
        messaging().params.IP = " ";
    };
    std::optional<std::array<int, 4>> parsed = ui::parseDottedOctets(ipText);
    if (!parsed) return reject();
    for (int& octet : *parsed)
        if (octet < 0) octet = 0;  // an octet without digits, as in a text ending in a point, is 0
    setOctets(kIp, *parsed);
}

}  // namespace qvt::dialogs
