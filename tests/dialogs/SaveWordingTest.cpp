// SPDX-License-Identifier: Apache-2.0
// The save confirmation's details as the window words them: labels, shown values, groups, passwords
// never in clear, and the game-call sound that goes onto the card.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/ControlIds.h"
#include "dialogs/Hx710t.h"
#include "dialogs/SaveWording.h"
#include "dialogs/WapInternetDialog.h"
#include "operators/MessagingState.h"
#include "settings/CardSaveFlow.h"
#include "support/DialogTestHost.h"

namespace qvt::dialogs {
namespace {

namespace h = hx710t;
const std::string kArrow = " \xE2\x86\x92 ";

class SaveWordingTest : public test::DialogFixture<hx710tDescription> {
protected:
    // Opens on a card that holds the camera's defaults, as a first Save of them leaves it.
    void openOnDefaults() {
        open();
        click(h::kDefault);
        ASSERT_TRUE(d->writeSettingsFile(settings::FileTarget::Card));
        open();
    }
    // Presses Save and cancels the confirmation; its box.
    test::Box confirmation() {
        host.boxes.clear();
        host.answers = {ui::Answer::Cancel};
        d->pressKey(ui::Key::Enter);
        EXPECT_EQ(host.boxes.size(), 1u);
        return host.boxes.empty() ? test::Box{} : host.boxes.back();
    }
};

TEST_F(SaveWordingTest, EveryKindOfControlInTheWindowsWords) {
    openOnDefaults();
    const std::string write = "write: " + pc.cardFile().string();
    EXPECT_EQ(confirmation().detailsShown, (std::vector<std::string>{write, "no change"}));

    choose(h::kPhotoSize, 1);                // list: the item's text
    choose(h::kPirInterval, 3);
    click(ids::kSendInstant);                  // radios: the chosen one's caption under the group's name
    choose(ids::kMaxNumber, 100);
    click(ids::kDayBoxes[0]);                // work days: the days' names
    d->setText(ids::kAdminNumber, "+491701234567");  // edit: its text
    auto& params = pc.context.messaging().params;
    params.field(6) = "web.example";                 // GPRS APN, in the parameter editor
    params.field(8) = "telekom";                     // GPRS Password: masked there, never shown
    choose(h::kGameCall, 1);
    d->setTextQuiet(ids::kAudioField, "/music/call.mp3");

    const test::Box box = confirmation();
    EXPECT_EQ(box.detailsShown,
              (std::vector<std::string>{
                  write,
                  "Internet Settings",
                  "  GPRS APN: (empty)" + kArrow + "web.example",
                  "  GPRS Password: changed",
                  "Customer Information Setting",
                  "  Admin Number: (empty)" + kArrow + "+491701234567",
                  "WAP Setting / Internet Setting / Customer Information Setting",
                  "  Send Mode: Manual" + kArrow + "Instant",
                  "Send Mode",
                  "  Max Number: (blank)" + kArrow + "Unlimited",
                  "Camera Setting",
                  "  Photo Size: 5M" + kArrow + "10M",
                  "  PIR Interval: 5 Sec" + kArrow + "15 Sec",
                  "  Game Call: OFF" + kArrow + "ON",
                  "  Game Call Hour: (blank)" + kArrow + "0",  // filled in as the switch turns on
                  "  Game Call Minute: (blank)" + kArrow + "0",
                  "  Work Day: every day" + kArrow + "Monday, Tuesday, Wednesday, Thursday, Friday, Saturday",
                  "Game Call sound: /music/call.mp3" + kArrow +
                      (pc.card / "DCIM" / "100QVTIM" / "ADUI0001.WAV").string() + " (converted)",
              }))
        << testing::PrintToString(box.detailsShown);
    // The record keeps the file's own lines, the password's included, for tools that read it.
    EXPECT_NE(std::find(box.details.begin(), box.details.end(),
                        "[Via Internet Settings] GPRSPassword: " + kArrow + "telekom"),
              box.details.end())
        << testing::PrintToString(box.details);
    for (const std::string& line : box.detailsShown) EXPECT_EQ(line.find("telekom"), std::string::npos) << line;
}

TEST_F(SaveWordingTest, KeysWithoutAControlAndValuesNoItemShowAsInTheFile) {
    openOnDefaults();
    // A value the list cannot show and a key of no control, as another program may leave them.
    test::writeFile(pc.cardFile(), test::readFile(pc.cardFile()) + "[Extra]\r\nNote=kept\r\n");
    std::string bytes = test::readFile(pc.cardFile());
    bytes.replace(bytes.find("Photo Size=0"), 12, "Photo Size=7");
    test::writeFile(pc.cardFile(), bytes);
    const test::Box box = confirmation();
    EXPECT_EQ(box.detailsShown, (std::vector<std::string>{"write: " + pc.cardFile().string(), "Camera Setting",
                                                          "  Photo Size: \"7\"" + kArrow + "5M",
                                                          "Other keys in the file",
                                                          "  [Extra] Note: kept" + kArrow + "(empty)"}))
        << testing::PrintToString(box.detailsShown);
}

TEST(ControlPlaces, ATextNamesTheFieldAfterItAndGroupsNest) {
    using namespace ui;
    DialogTemplate t;
    t.controls = {listSpec(1, {"a"}), listSpec(2, {"b"}), radioSpec(3, "Daily Report...Send Time(H:M):"),
                  editSpec(4), editSpec(5), listSpec(6, {"c"})};
    t.layout = column({group(" Outer ", {Row({textNode("Start Time"), ctrl(1), textNode(":"), ctrl(2)}),
                                         group(" Inner ", {Row({ctrl(3), ctrl(4), textWith(":", 5), ctrl(5)})})}),
                       ctrl(6)});
    const std::map<int, ControlPlace> places = controlPlaces(t);
    auto place = [&](int id) { return places.count(id) ? places.at(id) : ControlPlace{"<none>", {}}; };
    EXPECT_EQ(place(1).label, "Start Time");
    EXPECT_EQ(place(2).label, "Start Time (minutes)");
    EXPECT_EQ(place(3).label, "Daily Report");
    EXPECT_EQ(place(4).label, "Send Time(H:M)");
    EXPECT_EQ(place(5).label, "Send Time(H:M) (minutes)");
    EXPECT_EQ(place(5).groups, (std::vector<std::string>{"Outer", "Inner"}));
    EXPECT_EQ(place(1).groups, std::vector<std::string>{"Outer"});
    EXPECT_EQ(place(6).label, "");
    EXPECT_TRUE(place(6).groups.empty());
}

}  // namespace
}  // namespace qvt::dialogs
