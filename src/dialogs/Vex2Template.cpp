// SPDX-License-Identifier: Apache-2.0
// The VEX 2.0 dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/TemplateParts.h"
#include "dialogs/Vex2.h"

namespace qvt::dialogs {

using namespace ui;
using namespace vex2;

DialogTemplate vex2::dialogTemplate() {
    DialogTemplate t;
    t.resourceId = kTemplateId;
    t.title = settingsDialogTitle(kProduct.modelCode);
    t.icon = "app";
    auto& c = t.controls;

    parts::addBanner(t, kBanner);

    // " Camera Setting "
    c.push_back(listSpec(kTimeFormat, {"12H", "24H"}));
    c.push_back(listSpec(kPirInterval, parts::pirIntervals()));
    c.push_back(listSpec(kTimeLapse, parts::timeLapses()));
    c.push_back(listSpec(kPirTrigger, parts::pirTriggers()));
    parts::addClock(t, kDefault);

    // " Temperature Format " and " Send To "
    c.push_back(radioSpec(kFahrenheit, "Fahrenheit [℉]"));
    c.push_back(radioSpec(kCelsius, "Celsius [℃]"));
    c.push_back(radioSpec(kSendToPhone, "Phone"));
    c.push_back(radioSpec(kSendToEmail, "Email"));
    c.push_back(radioSpec(kSendToNone, "None"));
    parts::addOperatorLists(t, kCountryList, kOperatorList, kCheckParams);
    parts::addCustomerInfo(t);

    parts::addFooter(t, kPathList, "Cancel(&N)");

    std::vector<LayoutNode> layout{
        ctrl(kBanner),
        group(" Camera Setting ",
              {
                  Row({textNode("Time Format"), ctrl(kTimeFormat), textNode("PIR Interval"), ctrl(kPirInterval),
                       textNode("Time Lapse"), ctrl(kTimeLapse), textNode("PIR Trigger"), ctrl(kPirTrigger), stretch()}),
                  parts::clockRow(kDefault),
              }),
        Row({
            group(" Temperature Format ", {ctrl(kFahrenheit), ctrl(kCelsius), stretch()}),
            group(" Send To ", {ctrl(kSendToPhone), ctrl(kSendToEmail), ctrl(kSendToNone), stretch()}),
            parts::operatorListColumn(kCountryList, kOperatorList, kCheckParams),
        }),
        parts::customerInfoGroup(),
    };
    for (LayoutNode& n : parts::footerNodes(kPathList)) layout.push_back(std::move(n));
    t.layout = column(std::move(layout));
    return t;
}

}  // namespace qvt::dialogs
