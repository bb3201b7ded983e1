// The HX710T-10M dialog template: its controls with their option lists and styles, and the layout.
#include <string>
#include <vector>

#include "dialogs/Hx710tDialog.h"
#include "dialogs/TemplateParts.h"

namespace qvt::dialogs {

using namespace ui;
using namespace hx710t;

DialogTemplate Hx710tDialog::Template() {
    DialogTemplate t;
    t.resourceId = kTemplateId;
    t.title = kTitle;
    t.icon = "app";
    const ControlStyle hiddenOff{.hidden = true, .disabled = true};
    auto& c = t.controls;

    parts::AddBanner(t, kBanner);

    // " Camera Setting "
    c.push_back(
        ListSpec(kLanguage, {"English", "Finnish", "German", "Swedish", "Danish", "Norwegian", "Czech", "Russian"}));
    c.push_back(ListSpec(kCameraMode, {"Photo", "Video", "Camvid"}));
    c.push_back(ListSpec(kPhotoSize, {"5M", "10M"}));
    c.push_back(ListSpec(kPhotoBurst, {"1 Photo", "2 Photos", "3 Photos", "4 Photos", "5 Photos", "6 Photos"}));
    c.push_back(ListSpec(kVideoLength, parts::VideoLengths(10, 180, 10)));
    c.push_back(ListSpec(kPirInterval, parts::PirIntervals()));
    c.push_back(ListSpec(kTimeLapse, parts::TimeLapses()));
    c.push_back(ListSpec(kPirTrigger, parts::PirTriggers()));
    c.push_back(ListSpec(kSecurityMode, parts::OffOn()));
    c.push_back(ListSpec(kVideoSize, {"1280*720", "640*480"}));
    parts::AddWorkDays(t);
    c.push_back(ListSpec(kSmsControl, parts::OffOn()));
    c.push_back(ListSpec(kCameraPosition, parts::CameraPositions()));
    c.push_back(ListSpec(kGameCall, parts::OffOn()));
    c.push_back(ListSpec(kGameCallHour, NumberItems(0, 23)));
    c.push_back(ListSpec(kGameCallMinute, NumberItems(0, 59)));
    c.push_back(ListSpec(kReplayTimes, parts::ReplayTimes()));
    c.push_back(EditSpec(kAudioField, {.readOnly = true, .centred = true}));
    c.push_back(ButtonSpec(kChooseAudio, "+"));
    c.push_back(ListSpec(kWorkHour, parts::OffOn()));
    c.push_back(ListSpec(kStartHour, NumberItems(0, 23, 2)));
    c.push_back(ListSpec(kStartMinute, NumberItems(0, 59, 2)));
    c.push_back(ListSpec(kStopHour, NumberItems(0, 23, 2)));
    c.push_back(ListSpec(kStopMinute, NumberItems(0, 59, 2)));
    c.push_back(LabelSpec(kWakeUpLabel, "Wake-up", hiddenOff));
    c.push_back(ListSpec(kWakeUp, parts::OffOn(), hiddenOff));
    c.push_back(LabelSpec(kWakeUpHourLabel, "H:", hiddenOff));
    c.push_back(ListSpec(kWakeUpHour, NumberItems(0, 23), hiddenOff));
    c.push_back(LabelSpec(kWakeUpMinuteLabel, "M:", hiddenOff));
    c.push_back(ListSpec(kWakeUpMinute, NumberItems(0, 59), hiddenOff));
    parts::AddClock(t, kDefault);

    // " WAP Setting / Internet Setting / Customer Information Setting "
    parts::AddSendMode(t);
    c.push_back(RadioSpec(kSendToPhoneMms, "Phone[MMS]"));
    c.push_back(RadioSpec(kSendToEmailMms, "Email[MMS]"));
    c.push_back(RadioSpec(kSendToEmailGprs, "Email[GPRS]"));
    c.push_back(RadioSpec(kSendToCall, "Call"));
    parts::AddOperatorLists(t, kCountryList, kOperatorList, kCheckParams);
    parts::AddCustomerInfo(t);

    parts::AddFooter(t, kPathList);
    c.push_back(ButtonSpec(kTest, "Test", hiddenOff));

    std::vector<LayoutNode> layout{
        Ctl(kBanner),
        Group(" Camera Setting ",
              {
                  // clang-format off
                  Grid(8, {
                      Text("Language"), Ctl(kLanguage), Text("Camera Mode"), Ctl(kCameraMode),
                      Text("Photo Size"), Ctl(kPhotoSize), Text("Photo Burst"), Ctl(kPhotoBurst),
                      Text("Video Length"), Ctl(kVideoLength), Text("PIR Interval"), Ctl(kPirInterval),
                      Text("Time Lapse"), Ctl(kTimeLapse), Text("PIR Trigger"), Ctl(kPirTrigger),
                      Text("Security Mode"), Ctl(kSecurityMode), Text("Video Size"), Ctl(kVideoSize),
                      Ctl(ids::kWorkDayBox), Ctl(1128), Ctl(1122), Ctl(1123),
                      Text("SMS Control"), Ctl(kSmsControl), Text("Camera Position"), Ctl(kCameraPosition),
                      Ctl(1124), Ctl(1125), Ctl(1126), Ctl(1127),
                  }),
                  // clang-format on
                  Row({Text("Game Call"), Ctl(kGameCall), Text("H:"), Ctl(kGameCallHour), Text("M:"),
                       Ctl(kGameCallMinute), Text("Replay Times"), Ctl(kReplayTimes), Ctl(kAudioField),
                       Ctl(kChooseAudio)}),
                  Row({Text("Work Hour"), Ctl(kWorkHour), Text("Start Time"), Ctl(kStartHour), Text(":"),
                       Ctl(kStartMinute), Text("Stop Time"), Ctl(kStopHour), Text(":"), Ctl(kStopMinute),
                       Ctl(kWakeUpLabel), Ctl(kWakeUp), Ctl(kWakeUpHourLabel), Ctl(kWakeUpHour),
                       Ctl(kWakeUpMinuteLabel), Ctl(kWakeUpMinute), Stretch()}),
                  parts::ClockRow(kDefault),
              }),
        Group(" WAP Setting / Internet Setting / Customer Information Setting ",
              {
                  Row({
                      parts::SendModeGroup(),
                      Group(" Send To ",
                            {Ctl(kSendToPhoneMms), Ctl(kSendToEmailMms), Ctl(kSendToEmailGprs), Ctl(kSendToCall)}),
                      parts::OperatorListColumn(kCountryList, kOperatorList, kCheckParams),
                  }),
                  parts::CustomerInfoGroup(),
              }),
    };
    for (LayoutNode& n : parts::FooterNodes(kPathList, {Ctl(kTest)})) layout.push_back(std::move(n));
    t.layout = Column(std::move(layout));
    return t;
}

}  // namespace qvt::dialogs
