// SPDX-License-Identifier: Apache-2.0
// The provider database reader: the fixture databases in tests/data/providers, damaged texts, the
// plans of a provider and the values a plan fills.
#include <gtest/gtest.h>

#include <QByteArray>
#include <string>
#include <vector>

#include "operators/ProviderDatabase.h"
#include "support/TestSupport.h"

namespace qvt::test {
namespace {

namespace fs = std::filesystem;
using namespace operators;

const fs::path kFixtures = fs::path(QVT_TEST_DATA_DIR) / "providers";

ProviderList parseFixture(const std::string& name) {
    std::string error;
    std::optional<ProviderList> list = parseProviderDatabase(readFile(kFixtures / name), error);
    EXPECT_TRUE(list) << error;
    return list.value_or(ProviderList{});
}

const Provider& providerNamed(const ProviderList& list, const std::string& code, const std::string& name) {
    for (const ProviderCountry& c : list.countries)
        for (const Provider& p : c.providers)
            if (c.code == code && p.name == name) return p;
    throw std::runtime_error("no provider " + code + "/" + name);
}

ProviderApn accessPoint(std::string apn, bool internet, bool mms, bool prepaid = false, bool postpaid = false,
                        std::string proxy = {}) {
    ProviderApn a;
    a.apn = std::move(apn);
    a.internet = internet;
    a.mms = mms;
    a.prepaid = prepaid;
    a.postpaid = postpaid;
    a.mmsProxy = std::move(proxy);
    return a;
}

std::vector<std::string> labels(const std::vector<ProviderPlan>& plans) {
    std::vector<std::string> out;
    for (const ProviderPlan& p : plans) out.push_back(p.label);
    return out;
}

TEST(ProviderDatabase, ReadsCountriesProvidersAndAccessPointsSkippingWhatItDoesNotUse) {
    const ProviderList list = parseFixture("valid.xml");
    // "Nowhere" has only a browsing access point and "Only CDMA" no GSM: neither is listed.
    ASSERT_EQ(list.countries.size(), 2u);
    EXPECT_EQ(list.countries[0].code, "de");
    EXPECT_EQ(list.countries[0].name, "Germany");
    EXPECT_EQ(list.countries[1].name, "Kenya") << "a name without a language wins over a translated one";
    ASSERT_EQ(list.countries[0].providers.size(), 2u);
    EXPECT_EQ(list.countries[0].providers[1].name, "B\xC3\xA4renfunk");

    const Provider& netzfunk = providerNamed(list, "de", "Netzfunk");
    ASSERT_EQ(netzfunk.apns.size(), 3u);
    const ProviderApn& mms = netzfunk.apns[2];
    EXPECT_EQ(mms.apn, "mms.netzfunk.de");
    EXPECT_EQ(mms.name, "Netzfunk MMS");
    EXPECT_EQ(mms.username, "nfmms");
    EXPECT_EQ(mms.password, "bilder");
    EXPECT_EQ(mms.mmsc, "http://mms.netzfunk.de/servlets/mms");
    EXPECT_EQ(mms.mmsProxy, "10.11.12.13:8080");
    EXPECT_TRUE(mms.mms && !mms.internet && mms.postpaid && !mms.prepaid);
    EXPECT_TRUE(netzfunk.apns[1].internet && netzfunk.apns[1].prepaid);

    const Provider& safarinet = providerNamed(list, "ke", "Safarinet");
    EXPECT_EQ(safarinet.apns.size(), 2u) << "an access point inside an unknown element is not one";
}

TEST(ProviderDatabase, DamagedTextsAreRefusedWithTheirPlace) {
    const std::string valid = readFile(kFixtures / "valid.xml");
    const std::string laughs =
        "<?xml version=\"1.0\"?><!DOCTYPE s [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
        "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">]>"
        "<serviceproviders><country "
        "code=\"de\"><name>&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;</name></country></serviceproviders>";
    const struct {
        const char* what;
        std::string text;
        const char* says;
    } cases[] = {
        {"truncated in an access point", readFile(kFixtures / "truncated.xml"),
         "line 35, column 18: Premature end of document"},
        {"truncated after the root element opened", valid.substr(0, valid.find("<country")), "line"},
        {"empty", "", "line 1"},
        {"not XML", "serviceproviders: none", "line 1"},
        {"binary", std::string("\0\xFF\xFE<\x01", 5), "line 1"},
        {"another document", "<?xml version=\"1.0\"?>\n<html><body/></html>", "it starts with <html>"},
        {"mismatched tags", "<serviceproviders><country code=\"de\"></provider></serviceproviders>", "line 1"},
        {"text after the root", valid + "<country/>", "line"},
        {"entity expansion", laughs, "line"},
        {"no GSM operator", "<serviceproviders><country code=\"de\"><name>Germany</name></country></serviceproviders>",
         "no GSM operator"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(parseProviderDatabase(c.text, error)) << c.what;
        EXPECT_NE(error.find(c.says), std::string::npos) << c.what << ": " << error;
    }
}

TEST(ProviderDatabase, PlansPairInternetAndMmsAccessPointsOfOnePlan) {
    const ProviderList list = parseFixture("valid.xml");
    EXPECT_EQ(labels(plansOf(providerNamed(list, "de", "Netzfunk"))),
              (std::vector<std::string>{"Netzfunk Web: web.netzfunk.de + MMS: mms.netzfunk.de (postpaid)",
                                        "Internet: prepaid.netzfunk.de (prepaid), no MMS"}));
    EXPECT_EQ(labels(plansOf(providerNamed(list, "ke", "Safarinet"))),
              (std::vector<std::string>{"Internet: safarinet + MMS: mms.safarinet"}));
    EXPECT_EQ(labels(plansOf(providerNamed(list, "ke", "Longline"))),
              (std::vector<std::string>{"MMS only: mms.longline"}));

    // An access point for both, and one of each plan kind without a partner.
    Provider both;
    both.apns.push_back(accessPoint("all", true, true));
    both.apns.push_back(accessPoint("pre", false, true, true));
    EXPECT_EQ(labels(plansOf(both)), (std::vector<std::string>{"Internet: all + MMS: pre (prepaid)"}));
    Provider apart;
    apart.apns.push_back(accessPoint("net", true, false, false, true));
    apart.apns.push_back(accessPoint("pic", false, true, true));
    EXPECT_EQ(labels(plansOf(apart)),
              (std::vector<std::string>{"Internet: net (postpaid), no MMS", "MMS only: pic (prepaid)"}));
}

TEST(ProviderDatabase, APlanFillsWhatTheDatabaseHasAndSaysWhatItCannot) {
    const ProviderList list = parseFixture("valid.xml");
    using V = std::optional<std::string>;
    const V none;

    const Provider& netzfunk = providerNamed(list, "de", "Netzfunk");
    const PlanFill full = fillFromPlan(netzfunk, plansOf(netzfunk)[0]);
    EXPECT_EQ(full.values, (std::array<V, kProviderFieldCount>{"http://mms.netzfunk.de/servlets/mms", "mms.netzfunk.de",
                                                               "10.11.12.13", "8080", "nfmms", "bilder",
                                                               "web.netzfunk.de", "nfweb", "surf"}));
    EXPECT_TRUE(full.cut.empty() && full.proxyHostName.empty() && full.unfitPort.empty());

    const Provider& safarinet = providerNamed(list, "ke", "Safarinet");
    const PlanFill named = fillFromPlan(safarinet, plansOf(safarinet)[0]);
    EXPECT_EQ(named.values,
              (std::array<V, kProviderFieldCount>{"http://mms.safarinet.example/mms/wapenc", "mms.safarinet", none,
                                                  "8080", none, none, "safarinet", "saf", "data"}));
    EXPECT_EQ(named.proxyHostName, "wap.safarinet.example");

    // 99 bytes, then a two-byte character across the 100-byte limit: the character goes whole.
    const Provider& longline = providerNamed(list, "ke", "Longline");
    const PlanFill cut = fillFromPlan(longline, plansOf(longline)[0]);
    EXPECT_EQ(cut.values[0], "http://mms.longline.example/" + std::string(71, 'a'));
    EXPECT_EQ(cut.cut, std::vector<int>{0});
    EXPECT_EQ(cut.values[2], "10.0.0.1");
    EXPECT_EQ(cut.values[3], none) << "a port of five digits does not fit the camera's field";
    EXPECT_EQ(cut.unfitPort, "18080");
    EXPECT_EQ(cut.values[6], none);

    // Proxies as they are written in the wild.
    const struct {
        const char* proxy;
        V ip, port;
        const char* hostName;
    } proxies[] = {
        {"http://10.1.1.1:80/", "10.1.1.1", "80", ""},        {"10.1.1.1", "10.1.1.1", none, ""},
        {"193012040066:8080", none, "8080", "193012040066"},  {"10.1.1.256:80", none, "80", "10.1.1.256"},
        {"[2001:db8::1]:80", none, none, "[2001:db8::1]:80"}, {"10.1.1.1:port", "10.1.1.1", none, ""},
    };
    for (const auto& p : proxies) {
        Provider one;
        one.apns.push_back(accessPoint("m", false, true, false, false, p.proxy));
        const PlanFill fill = fillFromPlan(one, plansOf(one)[0]);
        EXPECT_EQ(fill.values[2], p.ip) << p.proxy;
        EXPECT_EQ(fill.values[3], p.port) << p.proxy;
        EXPECT_EQ(fill.proxyHostName, p.hostName) << p.proxy;
    }
}

TEST(ProviderDatabase, CutsAtWholeCharacters) {
    EXPECT_EQ(cutToWholeCharacters("abc", 3), "abc");
    EXPECT_EQ(cutToWholeCharacters("abcd", 3), "abc");
    EXPECT_EQ(cutToWholeCharacters("ab\xC3\xA9", 3), "ab");  // a two-byte character across the cut
    EXPECT_EQ(cutToWholeCharacters("a\xE2\x82\xAC"
                                   "b",
                                   3),
              "a");                                                                 // three bytes
    EXPECT_EQ(cutToWholeCharacters("\xF0\x9F\x93\xB7xyz", 4), "\xF0\x9F\x93\xB7");  // four, ending at the cut
}

TEST(ProviderDatabase, IsReadOnceAndOnlyWhenAsked) {
    TempDir dir;
    const fs::path file = dir / "serviceproviders.xml";
    writeFile(file, readFile(kFixtures / "valid.xml"));
    ProviderDatabase database(file);
    EXPECT_TRUE(database.present());
    writeFile(file, "damaged before the first use");
    EXPECT_EQ(database.load(), nullptr) << "nothing was read before it was asked for";
    EXPECT_NE(database.error().find("line 1"), std::string::npos) << database.error();
    writeFile(file, readFile(kFixtures / "valid.xml"));
    EXPECT_EQ(database.load(), nullptr) << "a failed read is not repeated";
    EXPECT_TRUE(database.failed());

    ProviderDatabase good(file);
    const ProviderList* first = good.load();
    ASSERT_NE(first, nullptr);
    writeFile(file, "damaged later");
    EXPECT_EQ(good.load(), first) << "read once";
    EXPECT_FALSE(good.fileDate().empty());

    ProviderDatabase missing(dir / "absent.xml");
    EXPECT_FALSE(missing.present());
    EXPECT_EQ(missing.load(), nullptr);
    EXPECT_EQ(missing.error(), "the file does not exist");
    ProviderDatabase folder(dir.path());
    EXPECT_FALSE(folder.present());
    EXPECT_EQ(folder.load(), nullptr);
    EXPECT_FALSE(ProviderDatabase().present());
}

TEST(ProviderDatabase, TheCommandLineComesBeforeTheEnvironmentBeforeTheSystem) {
    const QByteArray saved = qgetenv(kProviderDatabaseVariable);
    qputenv(kProviderDatabaseVariable, QByteArray("/from/environment.xml"));
    EXPECT_EQ(locateProviderDatabase(fs::path("/from/option.xml")), fs::path("/from/option.xml"));
    EXPECT_EQ(locateProviderDatabase(std::nullopt), fs::path("/from/environment.xml"));
    qputenv(kProviderDatabaseVariable, QByteArray());
#if !defined(_WIN32) && !defined(__APPLE__)
    EXPECT_EQ(locateProviderDatabase(std::nullopt),
              fs::path("/usr/share/mobile-broadband-provider-info/serviceproviders.xml"));
#endif
    if (saved.isNull())
        qunsetenv(kProviderDatabaseVariable);
    else
        qputenv(kProviderDatabaseVariable, saved);
}

TEST(ProviderDatabase, BuiltInCountriesHaveTheirCodes) {
    EXPECT_EQ(builtInCountryCode("Germany"), "de");
    EXPECT_EQ(builtInCountryCode("UK"), "gb");
    EXPECT_EQ(builtInCountryCode("Chech"), "cz");
    EXPECT_EQ(builtInCountryCode("Others"), "");
    EXPECT_EQ(builtInCountryCode(""), "");
}

}  // namespace
}  // namespace qvt::test
