// SPDX-License-Identifier: Apache-2.0
#include "dialogs/OperatorListConfigs.h"

#include <string>

namespace qvt::dialogs {

namespace {

constexpr const char* kListFailedText = "Error: ListBox Is Failed In Adding Information For Operator !";
constexpr const char* kUnknownCountryText =
    "Error: The information of this country is not exist,Your configuration is invalid !";

OperatorListConfig makeConfig(int countryList, int operatorList, int checkButton, std::string listFailed) {
    return {countryList, operatorList, checkButton, {std::move(listFailed), kUnknownCountryText}};
}

}  // namespace

OperatorListConfig hx710tListConfig() {
    OperatorListConfig config = makeConfig(1065, 1066, 1110, "Error: Adding information failed for operator listBox !");
    config.texts.unknownCountry = "Error: The information of this country is not exist, your configuration is invalid !";
    return config;
}

OperatorListConfig hx720uListConfig() {
    return makeConfig(1065, 1066, 1110, kListFailedText);
}
OperatorListConfig lp300ListConfig() {
    return makeConfig(1138, 1139, 1140, kListFailedText);
}
OperatorListConfig vex2ListConfig() {
    return makeConfig(1138, 1139, 1140, kListFailedText);
}
OperatorListConfig s1ListConfig() {
    return makeConfig(1000, 1004, 1002, "Error:Failed In adding information for operator listbox !");
}

}  // namespace qvt::dialogs
