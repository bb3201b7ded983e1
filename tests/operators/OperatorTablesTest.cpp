// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "operators/OperatorTables.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using namespace qvt::operators;

namespace {

// The lists the user sees, written out independently of the generator's copy.
const std::vector<std::pair<std::string, std::vector<std::string>>> kExpected = {
    {"Germany", {"T-mobile", "E-plus", "Vodafone", "Bild-Vodafone", "Germany-02"}},
    {"Finland", {"Sonera(Oletusasetus)", "Saunalahti", "DNA", "Elisa"}},
    {"USA", {"Cingular(AT&T)", "T-Mobile", "Viaero"}},
    {"Canada", {"Rogers", "Telus", "Koodo", "Fido"}},
    {"China", {"China-Mobile", "China-Unicom", "China-Unicom-3G"}},
    {"China HongKong", {"CSL", "Peoples", "Smartone"}},
    {"UK", {"Vodafone", "Vodafone(Prepay)", "Vodafone(Contract)"}},
    {"France", {"Orange"}},
    {"Denmark", {"TDC", "TELENOR", "TELIA", "DLG"}},
    {"Sweden", {"Telia", "Telenor", "Tele 2"}},
    {"Holland", {"KPN"}},
    {"Italy", {"TIM", "Vodafone"}},
    {"Austria", {"Austria-A1"}},
    {"Russia", {"Beeline", "Megafon", "MTS"}},
    {"Switzerland", {"Swisscom", "Orange"}},
    {"Australia", {"Telstra"}},
    {"Cyprus", {"MTN", "SOFRONIS-ANTONIOU"}},
    {"Hungary", {"T-Mobile"}},
    {"Chech", {"O2", "T-MOBILE", "VODAFONE"}},
    {"Ukraine", {"UMC Ukraine", "MTS", "Kyivstar", "Life"}},
    {"Slovakia", {"O2", "T-mobile", "Orange"}},
    {"Mexico", {"Movistar", "lcel"}},
    {"Norway", {"Telenor", "Netcom"}},
    {"Latvian", {"BITE", "LMT", "TELE2"}},
    {"Israel", {"GOLAN", "ORANGE", "CELLCOM"}},
};

// Walks the tables the way the lists do: from slot 0 to the first empty slot.
std::vector<std::string> walkCountries() {
    std::vector<std::string> names;
    for (int c = 0; c < kCountrySlots && !countryName(c).empty(); ++c) names.push_back(countryName(c));
    return names;
}

std::vector<std::string> walkOperators(int c) {
    std::vector<std::string> names;
    for (int o = 0; o < kOperatorSlots && !operatorName(c, o).empty(); ++o) names.push_back(operatorName(c, o));
    return names;
}

template <typename F>
void forEachOperator(F&& f) {
    for (int c = 0; !countryName(c).empty(); ++c)
        for (int o = 0; o < kOperatorSlots && !operatorName(c, o).empty(); ++o) f(c, o, paramsAt(c, o));
}

bool allEmpty(const OperatorParams& p) {
    for (int f = 0; f < OperatorParams::kFieldCount; ++f)
        if (!p.field(f).empty()) return false;
    return true;
}

bool isDottedQuad(const std::string& s) {
    int parts = 0, digits = 0;
    for (char ch : s + ".") {
        if (ch == '.') {
            if (digits == 0 || digits > 3) return false;
            ++parts;
            digits = 0;
        } else if (ch >= '0' && ch <= '9') {
            ++digits;
        } else {
            return false;
        }
    }
    return parts == 4;
}

bool allDigits(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

TEST(CountryTable, HoldsTheCountriesInOrderAndEndsAtSlot25) {
    std::vector<std::string> expected;
    for (const auto& [country, _] : kExpected) expected.push_back(country);
    EXPECT_EQ(walkCountries(), expected);
    ASSERT_EQ(walkCountries().size(), 25u);
    for (int c = 25; c < kCountrySlots; ++c) {
        EXPECT_TRUE(countryName(c).empty()) << c;
        EXPECT_TRUE(walkOperators(c).empty()) << c;
        for (int o = 0; o < kOperatorSlots; ++o) EXPECT_TRUE(allEmpty(paramsAt(c, o))) << c << "/" << o;
    }
}

TEST(OperatorTable, HoldsEachCountrysOperatorsInSlotOrder) {
    std::size_t total = 0;
    for (std::size_t c = 0; c < kExpected.size(); ++c) {
        EXPECT_EQ(walkOperators(static_cast<int>(c)), kExpected[c].second) << kExpected[c].first;
        total += walkOperators(static_cast<int>(c)).size();
    }
    EXPECT_EQ(total, 66u);

    EXPECT_EQ(walkOperators(0).size(), 5u);  // Germany is the only full row
    EXPECT_EQ(walkOperators(7), std::vector<std::string>{"Orange"});
    EXPECT_TRUE(operatorName(7, 1).empty());
    // Unused slots of a used row carry no parameters.
    EXPECT_TRUE(allEmpty(paramsAt(7, 1)));
    EXPECT_TRUE(allEmpty(paramsAt(7, 4)));
}

TEST(OperatorTable, SearchIsExactAndCaseSensitive) {
    EXPECT_EQ(findCountry("Germany"), 0);
    EXPECT_EQ(findCountry("Israel"), 24);
    EXPECT_EQ(findCountry("germany"), -1);
    EXPECT_EQ(findCountry("Germany "), -1);
    EXPECT_EQ(findCountry("Others"), -1);
    EXPECT_EQ(findCountry(""), -1);  // the empty slots after the last country are not matches

    const int slovakia = findCountry("Slovakia");
    ASSERT_EQ(slovakia, 20);
    EXPECT_EQ(findOperator(slovakia, "T-Mobile"), -1);
    EXPECT_EQ(findOperator(slovakia, "T-mobile"), 1);
    EXPECT_EQ(findOperator(findCountry("Hungary"), "T-Mobile"), 0);
    EXPECT_EQ(findOperator(findCountry("Chech"), "T-MOBILE"), 1);
    EXPECT_EQ(findOperator(findCountry("Germany"), "Germany-02"), 4);
    EXPECT_EQ(findOperator(findCountry("France"), ""), -1);
    EXPECT_EQ(findOperator(findCountry("Nowhere"), "Orange"), -1);
}

TEST(ParamTable, SameOperatorNameInTwoCountriesHasTwoRecords) {
    const int de = findCountry("Germany"), uk = findCountry("UK");
    const OperatorParams& germany = paramsAt(de, findOperator(de, "Vodafone"));
    const OperatorParams& britain = paramsAt(uk, findOperator(uk, "Vodafone"));
    EXPECT_NE(germany, britain);
    EXPECT_EQ(germany.APN, "event.vodafone.de");
    EXPECT_EQ(britain.APN, "wap.vodafone.co.uk");
}

TEST(ParamTable, RecordsCarryTheDataFileValuesInFieldOrder) {
    // A record with every WAP and GPRS field set shows a shifted or dropped column at once.
    const int mx = findCountry("Mexico");
    OperatorParams lcel;
    lcel.URL = "http://mms.itelcel.com/servlets/mms";
    lcel.APN = "mms.itelcel.com";
    lcel.IP = "148.233.151.240";
    lcel.Port = "8080";
    lcel.Account = "mmsgprs";
    lcel.Password = "mmsgprs2003";
    lcel.GPRSAPN = "internet.itelcel.com";
    lcel.GPRSAccount = "webgprs";
    lcel.GPRSPassword = "webgprs2002";
    EXPECT_EQ(paramsAt(mx, findOperator(mx, "lcel")), lcel);

    const int us = findCountry("USA");
    const OperatorParams& tmobile = paramsAt(us, findOperator(us, "T-Mobile"));
    EXPECT_EQ(tmobile.URL, "http://mms.msg.eng.t-mobile.com/mms/wapenc");
    EXPECT_TRUE(tmobile.IP.empty());
    EXPECT_TRUE(tmobile.Port.empty());

    // Kept in the list although no public record of its parameters exists.
    const int cy = findCountry("Cyprus");
    EXPECT_TRUE(allEmpty(paramsAt(cy, findOperator(cy, "SOFRONIS-ANTONIOU"))));
}

TEST(ParamTable, FieldsHaveTheirExpectedForms) {
    forEachOperator([](int c, int o, const OperatorParams& p) {
        const std::string who = countryName(c) + "/" + operatorName(c, o);
        if (!p.URL.empty()) {
            EXPECT_EQ(p.URL.rfind("http://", 0), 0u) << who;
            EXPECT_GE(p.URL.size(), 10u) << who;
            EXPECT_LE(p.URL.size(), 42u) << who;
        }
        if (!p.IP.empty()) {
            EXPECT_TRUE(isDottedQuad(p.IP)) << who << ": " << p.IP;
        }
        if (!p.Port.empty()) {
            EXPECT_TRUE(allDigits(p.Port)) << who << ": " << p.Port;
            EXPECT_LE(p.Port.size(), 4u) << who;
        }
        for (int f = 0; f < OperatorParams::kFieldCount; ++f) {
            EXPECT_EQ(p.field(f).find_first_of(" \t\r\n"), std::string::npos) << who << " " << p.fieldName(f);
        }
    });
}

TEST(ParamTable, FieldCountsMatchTheDataFile) {
    std::vector<int> filled(OperatorParams::kFieldCount, 0);
    int accountWithoutPassword = 0;
    forEachOperator([&](int, int, const OperatorParams& p) {
        for (int f = 0; f < OperatorParams::kFieldCount; ++f) filled[f] += p.field(f).empty() ? 0 : 1;
        if (!p.Account.empty() && p.Password.empty()) ++accountWithoutPassword;
        EXPECT_EQ(p.GPRSAccount.empty(), p.GPRSPassword.empty());
    });
    const std::vector<int> expected = {65, 65, 56, 62, 22, 21, 65, 15, 15, 0, 0, 0, 0};
    for (int f = 0; f < OperatorParams::kFieldCount; ++f)
        EXPECT_EQ(filled[f], expected[f]) << OperatorParams::fieldName(f);
    EXPECT_EQ(accountWithoutPassword, 1);  // Latvian BITE: user name only
}

TEST(ParamTable, ShipsNoMailAccount) {
    // The program carries no shared sender account: sender address and password come from the user.
    forEachOperator([](int c, int o, const OperatorParams& p) {
        EXPECT_TRUE(p.SendEmailAddr.empty()) << countryName(c) << "/" << operatorName(c, o);
        EXPECT_TRUE(p.SendEmailPassword.empty()) << countryName(c) << "/" << operatorName(c, o);
    });
}

TEST(ParamTable, OutOfRangeAccessGivesEmptyValues) {
    for (int c : {-1, kCountrySlots, 1000, -1000}) {
        EXPECT_TRUE(countryName(c).empty());
        EXPECT_TRUE(operatorName(c, 0).empty());
        EXPECT_TRUE(allEmpty(paramsAt(c, 0)));
        EXPECT_EQ(findOperator(c, "Orange"), -1);
    }
    for (int o : {-1, kOperatorSlots, 99}) {
        EXPECT_TRUE(operatorName(0, o).empty());
        EXPECT_TRUE(allEmpty(paramsAt(0, o)));
    }
}

TEST(OperatorParams, IndexAndNameMatchTheFieldOrder) {
    OperatorParams p;
    for (int f = 0; f < OperatorParams::kFieldCount; ++f) p.field(f) = OperatorParams::fieldName(f);
    const std::vector<std::string> byMember = {p.URL,
                                               p.APN,
                                               p.IP,
                                               p.Port,
                                               p.Account,
                                               p.Password,
                                               p.GPRSAPN,
                                               p.GPRSAccount,
                                               p.GPRSPassword,
                                               p.SendEmailServer,
                                               p.SendEmailPort,
                                               p.SendEmailAddr,
                                               p.SendEmailPassword};
    const std::vector<std::string> names = {"URL",
                                            "APN",
                                            "IP",
                                            "Port",
                                            "Account",
                                            "Password",
                                            "GPRSAPN",
                                            "GPRSAccount",
                                            "GPRSPassword",
                                            "SendEmailServer",
                                            "SendEmailPort",
                                            "SendEmailAddr",
                                            "SendEmailPassword"};
    EXPECT_EQ(byMember, names);

    // A bad index neither reads nor changes a real field.
    const OperatorParams before = p;
    p.field(13) = "x";
    p.field(-1) = "y";
    EXPECT_EQ(p, before);
    EXPECT_TRUE(p.field(13).empty());
    EXPECT_TRUE(std::as_const(p).field(-1).empty());
    EXPECT_STREQ(OperatorParams::fieldName(13), "");
    EXPECT_STREQ(OperatorParams::fieldName(-1), "");
}

#ifndef _WIN32  // the generator is a build tool of the build machine
// The generator that builds the tables from data/operators.tsv.
class OperatorGenerator : public ::testing::Test {
protected:
    // Found from the build's data folder (tests/data), not __FILE__: a compiler cache may make that relative.
    static fs::path repoRoot() { return fs::path(QVT_TEST_DATA_DIR).parent_path().parent_path(); }

    static std::string quote(const std::string& s) {
        std::string q = "'";
        for (char ch : s) q += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
        return q + "'";
    }

    void SetUp() override {
        if (std::system("python3 -c '' >/dev/null 2>&1") != 0) GTEST_SKIP() << "python3 not available";
        std::istringstream in(qvt::test::readFile(repoRoot() / "data" / "operators.tsv"));
        for (std::string line; std::getline(in, line);) lines_.push_back(line);
        ASSERT_EQ(lines_.size(), 67u);
    }

    // Runs the generator on the given lines; returns its exit code, keeps its error output.
    int run(const std::vector<std::string>& lines) {
        std::string tsv;
        for (const auto& l : lines) tsv += l + "\n";
        qvt::test::writeFile(dir_ / "in.tsv", tsv);
        const std::string cmd = "python3 " + quote((repoRoot() / "tools" / "gen_operator_data.py").string()) + " " +
                                quote((dir_ / "in.tsv").string()) + " " + quote(out().string()) + " 2>" +
                                quote((dir_ / "err.txt").string());
        const int status = std::system(cmd.c_str());
        err_ = qvt::test::readFile(dir_ / "err.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path out() const { return dir_ / "gen" / "OperatorData.cpp"; }

    std::vector<std::string> withLineRemoved(const std::string& prefix) const {
        std::vector<std::string> result;
        for (const auto& l : lines_)
            if (l.rfind(prefix, 0) != 0) result.push_back(l);
        return result;
    }

    qvt::test::TempDir dir_;
    std::vector<std::string> lines_;
    std::string err_;
};

TEST_F(OperatorGenerator, AcceptsTheShippedData) {
    EXPECT_EQ(run(lines_), 0) << err_;
    const std::string cpp = qvt::test::readFile(out());
    EXPECT_NE(cpp.find("\"SOFRONIS-ANTONIOU\""), std::string::npos);
    EXPECT_NE(cpp.find("\"http://mms.itelcel.com/servlets/mms\""), std::string::npos);
}

TEST_F(OperatorGenerator, FailsWithoutOutputWhenARowIsMissing) {
    auto lines = withLineRemoved("UK\tVodafone(Prepay)\t");
    ASSERT_EQ(lines.size(), lines_.size() - 1);
    EXPECT_NE(run(lines), 0);
    EXPECT_NE(err_.find("missing row for (UK, Vodafone(Prepay))"), std::string::npos) << err_;
    EXPECT_FALSE(fs::exists(out()));
}

TEST_F(OperatorGenerator, FailsOnAnExtraOrDuplicateRow) {
    auto lines = lines_;
    lines.push_back("Slovakia\tT-Mobile" + std::string(14, '\t'));  // wrong case: not a built-in operator
    EXPECT_NE(run(lines), 0);
    EXPECT_NE(err_.find("unexpected row (Slovakia, T-Mobile)"), std::string::npos) << err_;

    lines = lines_;
    lines.push_back(lines_[1]);
    EXPECT_NE(run(lines), 0);
    EXPECT_NE(err_.find("duplicate row for (Germany, T-mobile)"), std::string::npos) << err_;
    EXPECT_FALSE(fs::exists(out()));
}

TEST_F(OperatorGenerator, FailsOnAShortRow) {
    auto lines = lines_;
    lines[3] = "Germany\tVodafone\thttp://x";
    EXPECT_NE(run(lines), 0);
    EXPECT_NE(err_.find(":4: expected 16 tab-separated columns, found 3"), std::string::npos) << err_;
}

TEST_F(OperatorGenerator, EscapesValuesAsCxxLiterals) {
    auto lines = withLineRemoved("France\tOrange\t");
    // Quote, backslash, question marks (trigraph start) and a non-ASCII letter in one value.
    lines.push_back("France\tOrange\ta\"b\\c?\?=\xC3\xA9" + std::string(13, '\t') + "test");
    ASSERT_EQ(run(lines), 0) << err_;
    EXPECT_NE(qvt::test::readFile(out()).find(R"("a\"b\\c\?\?=\303\251",  // URL)"), std::string::npos);
}
#endif
