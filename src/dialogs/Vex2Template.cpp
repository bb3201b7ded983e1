// SPDX-License-Identifier: Apache-2.0
// The VEX 2.0 dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/TemplateParts.h"
#include "dialogs/Vex2Dialog.h"

namespace qvt::dialogs {

using namespace ui;
using namespace vex2;

DialogTemplate Vex2Dialog::Template() {
    DialogTemplate t;
    t.resourceId = kTemplateId;
    t.title = kTitle;
    t.icon = "app";
    auto& c = t.controls;

    parts::AddBanner(t, kBanner);

    // " Camera Setting "
    c.push_back(ListSpec(kTimeFormat, {"12H", "24H"}));
    c.push_back(ListSpec(kPirInterval, parts::PirIntervals()));
    c.push_back(ListSpec(kTimeLapse, parts::TimeLapses()));
    c.push_back(ListSpec(kPirTrigger, parts::PirTriggers()));
    parts::AddClock(t, kDefault);

    // " Temperature Format " and " Send To "
    c.push_back(RadioSpec(kFahrenheit, "Fahrenheit [℉]"));
    c.push_back(RadioSpec(kCelsius, "Celsius [℃]"));
    c.push_back(RadioSpec(kSendToPhone, "Phone"));
    c.push_back(RadioSpec(kSendToEmail, "Email"));
    c.push_back(RadioSpec(kSendToNone, "None"));
    parts::AddOperatorLists(t, kCountryList, kOperatorList, kCheckParams);
    parts::AddCustomerInfo(t);

    parts::AddFooter(t, kPathList, "Cancel(&N)");

    std::vector<LayoutNode> layout{
        Ctl(kBanner),
        Group(" Camera Setting ",
              {
                  Row({Text("Time Format"), Ctl(kTimeFormat), Text("PIR Interval"), Ctl(kPirInterval),
                       Text("Time Lapse"), Ctl(kTimeLapse), Text("PIR Trigger"), Ctl(kPirTrigger), Stretch()}),
                  parts::ClockRow(kDefault),
              }),
        Row({
            Group(" Temperature Format ", {Ctl(kFahrenheit), Ctl(kCelsius), Stretch()}),
            Group(" Send To ", {Ctl(kSendToPhone), Ctl(kSendToEmail), Ctl(kSendToNone), Stretch()}),
            parts::OperatorListColumn(kCountryList, kOperatorList, kCheckParams),
        }),
        parts::CustomerInfoGroup(),
    };
    for (LayoutNode& n : parts::FooterNodes(kPathList)) layout.push_back(std::move(n));
    t.layout = Column(std::move(layout));
    return t;
}

}  // namespace qvt::dialogs
