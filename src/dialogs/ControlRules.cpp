// SPDX-License-Identifier: Apache-2.0
#include "dialogs/ControlRules.h"

namespace qvt::dialogs {

namespace {

// The wording that most dialogs share; the others differ in a few letters, which the cameras'
// users have seen for years, so they stay as they are.
WorkDayTexts mainWorkDayTexts() {
    return {"Error status in control \"WorkDay\" !", "Errors status in control \"WorkDay\" !"};
}

PirRule mainPirRule() {
    PirRule rule;
    rule.timeLapseChanged = "The status of \"Time Lapse\" and \"PIR Tirgger\" can not be \"OFF\" at the same time !";
    rule.pirTriggerChanged = "The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same time !";
    return rule;
}

// The two-argument form names the changed list first.
PirRule namedPirRule() {
    PirRule rule;
    rule.timeLapseChanged = "\"Time Lapse\" and \"PIR Trigger\" can not be \"OFF\" at the same time !";
    rule.pirTriggerChanged = "\"PIR Trigger\" and \"Time Lapse\" can not be \"OFF\" at the same time !";
    return rule;
}

RadioRule sortRadioRule() {
    return {true};
}

}  // namespace

RuleSet hx710tRules() {
    RuleSet rules;
    rules.workDay = mainWorkDayTexts();
    rules.pir = mainPirRule();
    rules.radio = sortRadioRule();
    return rules;
}

RuleSet hx720uRules() {
    RuleSet rules = hx710tRules();
    rules.pir = namedPirRule();
    return rules;
}

RuleSet lp300Rules() {
    RuleSet rules;
    rules.workDay = {"Error Status In Control \"WorkDay\" !", "Error status in control \"WorkDay\" !"};
    rules.pir = mainPirRule();
    rules.pir.timeLapseChanged =
        "The status of \"Time Lapse\" and \"PIR Tirgger\" can Not Be \"OFF\" at the same time !";
    rules.pir.pirTriggerChanged =
        "The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same Time !";
    rules.clock.yearFocusEnsuresDays = false;
    // Its operator radios are four distinct buttons.
    rules.radio = {false};
    return rules;
}

RuleSet vex2Rules() {
    RuleSet rules = hx710tRules();
    rules.pir = namedPirRule();
    rules.clock.yearFocusEnsuresDays = false;
    return rules;
}

RuleSet s1Rules() {
    RuleSet rules = hx710tRules();
    rules.pir.pirTriggerList = 1169;
    // Its lists show two-digit items, so its day list does too; the fallback list is the other way round.
    rules.clock.yearFocusEnsuresDays = false;
    rules.clock.dayItemWidth = 2;
    rules.clock.fallbackDayWidth = 0;
    return rules;
}

int yearMonthDay(int year, int month, ui::Host& host) {
    if (year < 1 || month < 1 || month > 12) {
        host.messageBox(nullptr, "Error: Invalid call for YearMonthDay()!", kTipsCaption, ui::Icon::Warning,
                        ui::Buttons::Ok);
        return 28;
    }
    switch (month) {
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 2: {
            const bool leap = year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
            return leap ? 29 : 28;
        }
        default:
            return 31;
    }
}

int getRadioIndex(const ui::Dialog& dialog, int a, int b, int c, int d, bool threeButtonRule) {
    const int buttons[4] = {a, b, c, d};
    int index = -1;
    for (int i = 0; i < 4; ++i)
        if (dialog.has(buttons[i]) && dialog.check(buttons[i]) == 1) index = i;
    if (threeButtonRule && c == d && index == 3) index = 2;
    return index;
}

void setRadioGroupOf(ui::Dialog& dialog, int first, int second, int third, int fourth, bool checked) {
    dialog.setCheck(first, checked ? 1 : 0);
    for (int other : {second, third, fourth})
        if (other != first) dialog.setCheck(other, 0);
}

}  // namespace qvt::dialogs
