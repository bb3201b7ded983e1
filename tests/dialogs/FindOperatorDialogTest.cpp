// SPDX-License-Identifier: Apache-2.0
// "Find operator…" in the parameter editor and the find dialog, on the fixture database: what a plan
// fills and what it leaves, and the note. (The button's states and a damaged database are end-to-end
// cases: tests/e2e/FindOperatorEndToEndTest.cpp.)
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialogs/FindOperatorDialog.h"
#include "dialogs/WapInternetDialog.h"
#include "support/DialogTestHost.h"
#include "support/RecordingHost.h"
#include "operators/MessagingState.h"

namespace qvt::test {
namespace {

namespace fs = std::filesystem;
using dialogs::FindOperatorDialog;
using dialogs::WapInternetDialog;
using ui::Event;

const fs::path kFixtures = fs::path(QVT_TEST_DATA_DIR) / "providers";
constexpr int kFind = WapInternetDialog::kFindOperator;
constexpr int kUrl = 1097, kApn = 1098, kIp = 1100, kPort = 1099, kAccount = 1101, kPassword = 1102;
constexpr int kGprsApn = 1104, kGprsAccount = 1106, kGprsPassword = 1107, kMailServer = 1103;

class FindOperatorTest : public ::testing::Test {
protected:
    WapInternetDialog& openEditor(const fs::path& database) {
        pc.context.providers() = operators::ProviderDatabase(database);
        pc.context.messaging().editorMode = 0;
        pc.context.CurrentModelCode = "HX710T";
        editor = std::make_unique<WapInternetDialog>(host, pc.context);
        editor->init();
        return *editor;
    }
    // Presses "Find operator…" and lets `user` work in the find dialog.
    void find(const std::function<void(ui::Dialog&)>& user) {
        host.onModal = [&user](ui::Dialog& dialog, int) { user(dialog); };
        editor->notify(kFind, Event::Clicked);
    }
    static void type(ui::Dialog& d, int id, const std::string& text) {
        d.setTextQuiet(id, text);
        d.notify(id, Event::TextChanged);
    }
    static void choose(ui::Dialog& d, int id, const std::string& item) {
        const int pos = d.list(id).find(item);
        ASSERT_GE(pos, 0) << item;
        d.select(id, pos);
        d.notify(id, Event::SelChange);
    }

    TestPc pc;
    ModalDrivingHost host;
    std::unique_ptr<WapInternetDialog> editor;
};

TEST_F(FindOperatorTest, ThePlanFillsTheFieldsTheDatabaseHasAndLeavesTheOthers) {
    pc.context.messaging().countryName = "Germany";
    WapInternetDialog& e = openEditor(kFixtures / "valid.xml");
    for (int id : {kUrl, kApn, kPort, kAccount, kPassword, kGprsApn, kGprsAccount, kGprsPassword, kMailServer})
        e.setText(id, "typed");
    e.setOctets(kIp, {1, 2, 3, 4});

    // Kenya's Safarinet: no MMS account, and a proxy given by name.
    find([](ui::Dialog& d) {
        EXPECT_EQ(d.selText(FindOperatorDialog::kCountries), "Germany") << "the window's country is preselected";
        EXPECT_EQ(d.selText(FindOperatorDialog::kProviders), "B\xC3\xA4renfunk") << "the first match is taken";
        choose(d, FindOperatorDialog::kCountries, "Kenya");
        EXPECT_EQ(d.count(FindOperatorDialog::kProviders), 2);
        type(d, FindOperatorDialog::kFilter, " SAFARI ");
        EXPECT_EQ(d.count(FindOperatorDialog::kProviders), 1);
        EXPECT_EQ(d.selText(FindOperatorDialog::kPlans), "Internet: safarinet + MMS: mms.safarinet");
        d.pressKey(ui::Key::Enter);
    });
    EXPECT_EQ(e.text(kUrl), "http://mms.safarinet.example/mms/wapenc");
    EXPECT_EQ(e.text(kApn), "mms.safarinet");
    EXPECT_EQ(e.octets(kIp), (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(e.text(kPort), "8080");
    EXPECT_EQ(e.text(kAccount), "typed");
    EXPECT_EQ(e.text(kPassword), "typed");
    EXPECT_EQ(e.text(kGprsApn), "safarinet");
    EXPECT_EQ(e.text(kGprsAccount), "saf");
    EXPECT_EQ(e.text(kGprsPassword), "data");
    EXPECT_EQ(e.text(kMailServer), "typed") << "the database has no mail server";
    EXPECT_EQ(pc.context.messaging().params.URL, "") << "nothing is stored before the editor's OK";

    // Netzfunk fills the IP control too; a cancelled search changes nothing.
    find([](ui::Dialog& d) {
        type(d, FindOperatorDialog::kFilter, "netz");
        d.notify(1, Event::Clicked);
    });
    EXPECT_EQ(e.octets(kIp), (std::array<int, 4>{10, 11, 12, 13}));
    EXPECT_EQ(e.text(kAccount), "nfmms");
    find([](ui::Dialog& d) {
        choose(d, FindOperatorDialog::kCountries, "Kenya");
        d.notify(2, Event::Clicked);
    });
    EXPECT_EQ(e.text(kGprsApn), "web.netzfunk.de");
    EXPECT_EQ(host.modalTitles, (std::vector<std::string>(3, "Find Operator")));
}

TEST_F(FindOperatorTest, TheNoteSaysWhatIsMissingAndWhatWasCut) {
    openEditor(kFixtures / "valid.xml");
    find([](ui::Dialog& d) {
        EXPECT_EQ(d.sel(FindOperatorDialog::kCountries), -1) << "no built-in country in use";
        EXPECT_EQ(d.text(FindOperatorDialog::kNote), "Choose the country of your operator.");
        EXPECT_FALSE(d.enabled(1));
        choose(d, FindOperatorDialog::kCountries, "Kenya");
        type(d, FindOperatorDialog::kFilter, "long");
        EXPECT_EQ(d.text(FindOperatorDialog::kNote),
                  "Fills URL, APN, IP.\n"
                  "Still to fill in yourself (not in the database): Port, Account, Password, GPRS APN, GPRS Account, "
                  "GPRS Password.\n"
                  "The MMS proxy's port 18080 is longer than the camera's 4 digits.\n"
                  "Cut to the camera's 100 bytes: URL.");
        type(d, FindOperatorDialog::kFilter, "nobody");
        EXPECT_EQ(d.text(FindOperatorDialog::kNote), "No operator of Kenya matches \"nobody\".");
        EXPECT_FALSE(d.enabled(1));
        d.pressKey(ui::Key::Enter);
        EXPECT_FALSE(d.ended());
        type(d, FindOperatorDialog::kFilter, "");
        choose(d, FindOperatorDialog::kProviders, "Longline");
        d.notify(1, Event::Clicked);
    });
    EXPECT_EQ(host.texts(), std::vector<std::string>{"Choose an operator and one of its plans first."});
    // 99 bytes: the two-byte character across the limit is left out whole.
    EXPECT_EQ(editor->text(kUrl), "http://mms.longline.example/" + std::string(71, 'a'));
    EXPECT_EQ(editor->text(kPort), "") << "a port the field cannot hold is not cut into another one";
}

}  // namespace
}  // namespace qvt::test
