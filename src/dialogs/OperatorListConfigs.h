// SPDX-License-Identifier: Apache-2.0
#pragma once
// Where each settings dialog keeps its country and operator lists, and how it words their messages.
// The five dialogs share the list logic (operators::OperatorListLogic) and differ only in this.
#include "operators/OperatorLists.h"

namespace qvt::dialogs {

struct OperatorListConfig {
    int countryListId = 0;
    int operatorListId = 0;
    int checkButtonId = 0;  // "Check WAP / Internet Paramaters(&L)"
    operators::OperatorListTexts texts;
};

OperatorListConfig hx710tListConfig();
OperatorListConfig hx720uListConfig();
OperatorListConfig lp300ListConfig();
OperatorListConfig vex2ListConfig();
OperatorListConfig s1ListConfig();

}  // namespace qvt::dialogs
