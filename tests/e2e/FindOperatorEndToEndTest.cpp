// SPDX-License-Identifier: Apache-2.0
// "Find operator…" end to end: the real binary, headless, with the fixture databases of
// tests/data/providers (valid, truncated, absent), and once with the system's own database.
#include <gtest/gtest.h>

#include <chrono>

#include "e2e/E2eSupport.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

const fs::path kFixtures = fs::path(QVT_TEST_DATA_DIR) / "providers";
#ifdef _WIN32
// Windows has no system copy: the one the package ships beside the program is found (the build
// names the program by its path on the build machine, which Wine shows on drive Z:).
const fs::path kSystemDatabase = "Z:" / fs::path(QVT_BINARY).parent_path().make_preferred() / "serviceproviders.xml";
#else
const fs::path kSystemDatabase = "/usr/share/mobile-broadband-provider-info/serviceproviders.xml";
#endif

constexpr int kFindButton = 9003;

class FindOperatorEndToEnd : public ::testing::Test, protected PcWithCard {
protected:
    fs::path cardFile() const { return card / "GSM" / "HX710T.TXT"; }
    // The HX710T-10M window opened, then the script; `database` given on the command line unless empty.
    RunResult run(const std::string& script, const fs::path& database) {
        std::vector<std::string> args;
        if (!database.empty()) args = {"--provider-database", database.string()};
        return runScript(root, {card}, "select 1131 \"HX710T-10M\"\nclick 1\n" + script, args);
    }
    // The database's copy in the temporary folder, changed at noon UTC: 2023-04-16 in the local time
    // of the test machines.
    fs::path copyOf(const std::string& fixture) {
        const fs::path copy = dir / "serviceproviders.xml";
        writeFile(copy, readFile(kFixtures / fixture));
        using namespace std::chrono;
        fs::last_write_time(copy, file_clock::from_sys(sys_seconds{sys_days{year{2023} / April / 16} + hours{12}}));
        return copy;
    }
};

TEST_F(FindOperatorEndToEnd, AnOperatorFromTheDatabaseReachesTheCardFile) {
    const fs::path database = copyOf("valid.xml");
    RunResult r =
        run("click 1110\n"  // the review has no "Find operator…"
            "dump\n"
            "click 2\n"
            "select 1065 \"Germany\"\n"  // the built-in country of the window ...
            "select 1066 \"Others\"\n"
            "dump 9003\n"
            "click 9003\n"
            "dump 9011\n"  // ... is chosen in the database's country list
            "type 9012 \"NETZ\"\n"
            "dump 9013\n"
            "dump 9014\n"
            "dump 9015\n"
            "dump 9010\n"
            "click 1\n"
            "answer OK\n"
            "click 1\n"
            "state\n"
            "answer OK\n"
            "click 1\n",
            database);
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out();
    EXPECT_EQ(controlEntry(findLine(r, {R"("dialog":"WAP / Internet Paramaters","controls")"}), kFindButton),
              "<missing>");
    EXPECT_NE(dumpLineOf(r, 9003).find(R"x("kind":"button","text":"Find operator…(&F)","enabled":true)x"),
              std::string::npos)
        << dumpLineOf(r, 9003);
    EXPECT_NE(dumpLineOf(r, 9003).find("\"tooltip\":\"Fills the parameters from the provider database (" +
                                       database.string() + ")\""),
              std::string::npos)
        << dumpLineOf(r, 9003);
    EXPECT_FALSE(findLine(r, {R"({"event":"open","dialog":"Find Operator"})"}).empty());
    EXPECT_NE(dumpLineOf(r, 9011).find(R"("item":"Germany","count":2)"), std::string::npos) << dumpLineOf(r, 9011);
    EXPECT_NE(dumpLineOf(r, 9013).find(R"("sel":0,"item":"Netzfunk","count":1)"), std::string::npos)
        << dumpLineOf(r, 9013);
    EXPECT_NE(
        dumpLineOf(r, 9014).find(R"x("items":["Netzfunk Web: web.netzfunk.de + MMS: mms.netzfunk.de (postpaid)",)x"
                                 R"x("Internet: prepaid.netzfunk.de (prepaid), no MMS"])x"),
        std::string::npos)
        << dumpLineOf(r, 9014);
    EXPECT_NE(dumpLineOf(r, 9015).find(
                  R"("text":"Fills URL, APN, IP, Port, Account, Password, GPRS APN, GPRS Account, GPRS Password.")"),
              std::string::npos)
        << dumpLineOf(r, 9015);
    EXPECT_NE(dumpLineOf(r, 9010).find("\"text\":\"Provider database: " + database.string() + ", dated 2023-04-16\""),
              std::string::npos)
        << dumpLineOf(r, 9010);
    const std::string state = findLine(r, {"\"event\":\"state\""});
    EXPECT_NE(state.find(R"("URL":"http://mms.netzfunk.de/servlets/mms","APN":"mms.netzfunk.de","IP":"10.11.12.13",)"
                         R"("Port":"8080","Account":"nfmms","Password":"bilder","GPRSAPN":"web.netzfunk.de",)"
                         R"("GPRSAccount":"nfweb","GPRSPassword":"surf")"),
              std::string::npos)
        << state;
    const std::string file = readFile(cardFile());
    EXPECT_NE(
        file.find("[Via WAP Settings]\r\nURL=http://mms.netzfunk.de/servlets/mms\r\nAPN=mms.netzfunk.de\r\n"
                  "IP=10.11.12.13\r\nPort=8080\r\nAccount=nfmms\r\nPassword=bilder\r\n"
                  "[Via Internet Settings]\r\nGPRSAPN=web.netzfunk.de\r\nGPRSAccount=nfweb\r\nGPRSPassword=surf\r\n"),
        std::string::npos)
        << file;
}

TEST_F(FindOperatorEndToEnd, ACountryOutsideTheBuiltInTableKeepsWhatTheDatabaseLacks) {
    RunResult r =
        run("select 1065 \"Others\"\n"
            "ip 1100 \"10.9.8.7\"\n"
            "type 1101 \"typed-account\"\n"
            "click 9003\n"
            "dump 9011\n"
            "select 9011 \"Kenya\"\n"
            "type 9012 \"zz\"\n"
            "dump 9015\n"
            "key Enter\n"  // no plan: a message, and the dialog stays
            "type 9012 \"safari\"\n"
            "dump 9015\n"
            "click 1\n"
            "answer OK\n"
            "click 1\n"
            "answer OK\n"
            "click 1\n",
            kFixtures / "valid.xml");
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out();
    EXPECT_NE(dumpLineOf(r, 9011).find(R"("sel":-1,"item":"","count":2)"), std::string::npos) << dumpLineOf(r, 9011);
    EXPECT_NE(dumpLineOf(r, 9011).find(R"("items":["Germany","Kenya"])"), std::string::npos);
    EXPECT_FALSE(findLine(r, {R"("text":"No operator of Kenya matches \"zz\".")"}).empty()) << r.out();
    EXPECT_FALSE(findLine(r, {R"("icon":"warning")", "Choose an operator and one of its plans first."}).empty());
    EXPECT_NE(dumpLineOf(r, 9015).find(
                  R"("text":"Fills URL, APN, Port, GPRS APN, GPRS Account, GPRS Password.\nStill to fill in yourself )"
                  R"((not in the database): IP, Account, Password.\nThe MMS proxy \"wap.safarinet.example\" is no )"
                  R"(numeric address: type its address into IP.")"),
              std::string::npos)
        << dumpLineOf(r, 9015);
    const std::string file = readFile(cardFile());
    EXPECT_NE(file.find("URL=http://mms.safarinet.example/mms/wapenc\r\nAPN=mms.safarinet\r\nIP=10.9.8.7\r\n"
                        "Port=8080\r\nAccount=typed-account\r\nPassword=\r\n"
                        "[Via Internet Settings]\r\nGPRSAPN=safarinet\r\nGPRSAccount=saf\r\nGPRSPassword=data\r\n"),
              std::string::npos)
        << file;
}

TEST_F(FindOperatorEndToEnd, ADamagedDatabaseIsReportedAndTurnsTheButtonOff) {
    const fs::path database = kFixtures / "truncated.xml";
    RunResult r =
        run("select 1065 \"Others\"\nclick 9003\ndump 9003\nclick 2\nselect 1065 \"Others\"\ndump 9003\n", database);
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out();
    const std::string message = findLine(r, {R"("event":"message")", R"("icon":"warning")"});
    EXPECT_NE(message.find("\"text\":\"The provider database cannot be used:\\n" + database.string() +
                           "\\nline 35, column 18: Premature end of document.\\n\\nFind operator… stays off; "
                           "type the parameters in yourself.\""),
              std::string::npos)
        << message;
    EXPECT_TRUE(findLine(r, {R"("dialog":"Find Operator")"}).empty());
    // Off at once, and off when the editor opens again.
    EXPECT_EQ(countLines(r, {R"("id":9003)", R"("enabled":false)",
                             "\"tooltip\":\"The provider database cannot be used (" + database.string() +
                                 ": line 35, column 18: Premature end of document.).\""}),
              2)
        << r.out();
}

TEST_F(FindOperatorEndToEnd, WithoutADatabaseTheButtonIsOffAndSaysWhy) {
    const fs::path database = dir / "absent" / "serviceproviders.xml";
    RunResult r = run("select 1065 \"Others\"\ndump 9003\nclick 9003\n", database);
    EXPECT_EQ(r.exitCode, 2) << "a person cannot press a disabled button";
    EXPECT_NE(dumpLineOf(r, 9003).find("\"enabled\":false,\"visible\":true,\"tooltip\":\"No provider database was "
                                       "found at " +
                                       database.string() +
                                       ". On Linux it comes with the mobile-broadband-provider-info package.\""),
              std::string::npos)
        << dumpLineOf(r, 9003);
}

TEST_F(FindOperatorEndToEnd, TheSystemDatabaseKnowsAGermanOperator) {
    if (!fs::exists(kSystemDatabase)) GTEST_SKIP() << kSystemDatabase << " is not installed";
    RunResult r =
        run("select 1065 \"Germany\"\nselect 1066 \"Others\"\nclick 9003\ndump 9010\ndump 9011\n"
            "select 9013 \"Vodafone\"\ndump 9014\n",
            {});
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out();
    EXPECT_NE(dumpLineOf(r, 9010).find("Provider database: " + kSystemDatabase.string()), std::string::npos)
        << dumpLineOf(r, 9010);
    EXPECT_NE(dumpLineOf(r, 9011).find(R"("item":"Germany")"), std::string::npos);
    EXPECT_NE(dumpLineOf(r, 9014).find(": web.vodafone.de"), std::string::npos) << dumpLineOf(r, 9014);
}

}  // namespace
