// The LP300 Series dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/Lp300Dialog.h"
#include "dialogs/TemplateParts.h"

namespace qvt::dialogs {

using namespace ui;
using namespace lp300;

namespace {

// " 5 Sec" .. " 9 Sec" (a leading blank), "10 Sec" .. "60 Sec"; the camera's list has "50 Sec ".
std::vector<std::string> lp300VideoLengths() {
    std::vector<std::string> items;
    for (int s = 5; s <= 60; ++s) {
        std::string item = (s < 10 ? " " : "") + std::to_string(s) + " Sec";
        if (s == 50) item += ' ';
        items.push_back(item);
    }
    return items;
}

}  // namespace

DialogTemplate Lp300Dialog::Template() {
    DialogTemplate t = parts::settingsTemplate(kTemplateId, kTitle, kBanner);
    auto& c = t.controls;

    // " Camera Setting "
    c.push_back(listSpec(kCameraMode, {"Photo", "Video"}));
    c.push_back(listSpec(kWorkMode, {"Indoor", "Outdoor"}));
    c.push_back(listSpec(kPhotoSize, {"3M", "5M"}));
    c.push_back(listSpec(kPhotoBurst, {"1 Photo", "2 Photos", "3 Photos"}));
    c.push_back(listSpec(kVideoLength, lp300VideoLengths()));
    c.push_back(listSpec(kPirInterval, parts::pirIntervals()));
    c.push_back(listSpec(kTimeLapse, parts::timeLapses()));
    c.push_back(listSpec(kPirTrigger, parts::pirTriggers()));
    c.push_back(listSpec(kVideoSize, {"1280*720", "640*480"}));
    parts::addWorkDays(t);
    parts::addClock(t, kDefault);

    // " Work Hour ", " Send To ", the lists
    const parts::WorkHourIds workHour{kWorkHour, kStartHour, kStartMinute, kStopHour, kStopMinute};
    parts::addWorkHour(t, workHour);
    c.push_back(radioSpec(kSendToLocal, "Local"));
    c.push_back(radioSpec(kSendToPhoneMms, "Phone[MMS]"));
    c.push_back(radioSpec(kSendToEmailGprs, "Email[GPRS]"));
    c.push_back(radioSpec(kSendToCall, "Call"));
    parts::addOperatorLists(t, kCountryList, kOperatorList, kCheckParams);
    parts::addCustomerInfo(t);

    parts::addFooter(t, kPathList);
    c.push_back(buttonSpec(kTest, "Test", {.hidden = true, .disabled = true}));

    std::vector<LayoutNode> layout{
        Ctl(kBanner),
        Group(" Camera Setting ",
              {
                  // clang-format off
                  Grid(8, {
                      Text("Camera Mode"), Ctl(kCameraMode), Text("Work Mode"), Ctl(kWorkMode),
                      Text("Photo Size"), Ctl(kPhotoSize), Text("Photo Burst"), Ctl(kPhotoBurst),
                      Text("Video Length"), Ctl(kVideoLength), Text("PIR Interval"), Ctl(kPirInterval),
                      Text("Time Lapse"), Ctl(kTimeLapse), Text("PIR Trigger"), Ctl(kPirTrigger),
                      Text("Video Size"), Ctl(kVideoSize),
                  }),
                  // clang-format on
                  Row({Ctl(ids::kWorkDayBox), Ctl(1128), Ctl(1122), Ctl(1123), Ctl(1124), Ctl(1125), Ctl(1126),
                       Ctl(1127), Stretch()}),
                  parts::clockRow(kDefault),
              }),
        Row({
            Group(" Work Hour ", {Row({Text("Work Hour"), Ctl(kWorkHour)}),
                                  Row({Text("Start Time"), Ctl(kStartHour), Text(":"), Ctl(kStartMinute)}),
                                  Row({Text("Stop Time"), Ctl(kStopHour), Text(":"), Ctl(kStopMinute)})}),
            Group(" Send To ", {Ctl(kSendToLocal), Ctl(kSendToPhoneMms), Ctl(kSendToEmailGprs), Ctl(kSendToCall)}),
            parts::operatorListColumn(kCountryList, kOperatorList, kCheckParams),
        }),
        parts::customerInfoGroup(),
    };
    for (LayoutNode& n : parts::footerNodes(kPathList, {Ctl(kTest)})) layout.push_back(std::move(n));
    t.layout = Column(std::move(layout));
    return t;
}

}  // namespace qvt::dialogs
