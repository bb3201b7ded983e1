// SPDX-License-Identifier: Apache-2.0
#include "operators/ProviderDatabase.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QXmlStreamReader>
#include <algorithm>
#include <system_error>

#include "platform/FileOps.h"
#include "platform/ProgramDir.h"

namespace qvt::operators {

namespace fs = std::filesystem;

namespace {

QString qtPath(const fs::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.wstring());
#else
    return QFile::decodeName(QByteArray(path.c_str()));
#endif
}

fs::path nativePath(const QString& text) {
#ifdef _WIN32
    return fs::path(text.toStdWString());
#else
    return fs::path(QFile::encodeName(text).toStdString());
#endif
}

// ---- reading the file -------------------------------------------------------------------------------

// The text of an element with blanks and line breaks around it removed; child elements are skipped.
std::string elementText(QXmlStreamReader& xml) {
    return xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toStdString();
}

bool hasLanguage(const QXmlStreamReader& xml) {
    const QXmlStreamAttributes attributes = xml.attributes();
    return std::any_of(attributes.begin(), attributes.end(),
                       [](const QXmlStreamAttribute& a) { return a.qualifiedName() == u"xml:lang"; });
}

// A name element: the first one without a language wins over names in other languages.
void takeName(QXmlStreamReader& xml, std::string& name, bool& plainSeen) {
    const bool plain = !hasLanguage(xml);
    std::string text = elementText(xml);
    if (text.empty() || plainSeen) return;
    if (plain) {
        name = std::move(text);
        plainSeen = true;
    } else if (name.empty()) {
        name = std::move(text);
    }
}

void readApn(QXmlStreamReader& xml, Provider& provider) {
    ProviderApn apn;
    apn.apn = xml.attributes().value(QLatin1StringView("value")).trimmed().toString().toStdString();
    bool usageSeen = false;
    bool plainName = false;
    while (xml.readNextStartElement()) {
        const QStringView element = xml.name();
        if (element == u"plan") {
            const QStringView type = xml.attributes().value(QLatin1StringView("type"));
            if (type == u"prepaid") apn.prepaid = true;
            if (type == u"postpaid") apn.postpaid = true;
            xml.skipCurrentElement();
        } else if (element == u"usage") {
            // Without a usage an access point is for the internet; "mms-internet-hipri" serves both.
            const QStringView type = xml.attributes().value(QLatin1StringView("type"));
            usageSeen = true;
            apn.internet = apn.internet || type == u"internet" || type.startsWith(u"mms-internet");
            apn.mms = apn.mms || type == u"mms" || type.startsWith(u"mms-");
            xml.skipCurrentElement();
        } else if (element == u"name") {
            takeName(xml, apn.name, plainName);
        } else if (element == u"username") {
            apn.username = elementText(xml);
        } else if (element == u"password") {
            apn.password = elementText(xml);
        } else if (element == u"mmsc") {
            apn.mmsc = elementText(xml);
        } else if (element == u"mmsproxy") {
            apn.mmsProxy = elementText(xml);
        } else {
            xml.skipCurrentElement();
        }
    }
    if (!usageSeen) apn.internet = true;
    if (!apn.apn.empty() && (apn.internet || apn.mms)) provider.apns.push_back(std::move(apn));
}

void readGsm(QXmlStreamReader& xml, Provider& provider) {
    while (xml.readNextStartElement()) {
        if (xml.name() == u"apn")
            readApn(xml, provider);
        else
            xml.skipCurrentElement();
    }
}

void readProvider(QXmlStreamReader& xml, ProviderCountry& country) {
    Provider provider;
    bool plainName = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"name")
            takeName(xml, provider.name, plainName);
        else if (xml.name() == u"gsm")
            readGsm(xml, provider);
        else
            xml.skipCurrentElement();  // cdma and what later versions add
    }
    if (!provider.name.empty() && !provider.apns.empty()) country.providers.push_back(std::move(provider));
}

void readCountry(QXmlStreamReader& xml, ProviderList& list) {
    ProviderCountry country;
    country.code = xml.attributes().value(QLatin1StringView("code")).trimmed().toString().toLower().toStdString();
    bool plainName = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"name")
            takeName(xml, country.name, plainName);
        else if (xml.name() == u"provider")
            readProvider(xml, country);
        else
            xml.skipCurrentElement();
    }
    if (country.name.empty()) country.name = QString::fromStdString(country.code).toUpper().toStdString();
    if (!country.name.empty() && !country.providers.empty()) list.countries.push_back(std::move(country));
}

// ---- plans ------------------------------------------------------------------------------------------

bool samePlan(const ProviderApn& a, const ProviderApn& b) {
    const bool anyA = !a.prepaid && !a.postpaid;
    const bool anyB = !b.prepaid && !b.postpaid;
    return anyA || anyB || (a.prepaid && b.prepaid) || (a.postpaid && b.postpaid);
}

std::string planWord(const ProviderApn& apn) {
    if (apn.prepaid == apn.postpaid) return {};
    return apn.prepaid ? " (prepaid)" : " (postpaid)";
}

std::string planLabel(const Provider& provider, int internet, int mms) {
    if (internet < 0) {
        const ProviderApn& m = provider.apns[static_cast<std::size_t>(mms)];
        return "MMS only: " + m.apn + planWord(m);
    }
    const ProviderApn& i = provider.apns[static_cast<std::size_t>(internet)];
    std::string label = (i.name.empty() ? std::string("Internet") : i.name) + ": " + i.apn;
    if (mms < 0) return label + planWord(i) + ", no MMS";
    const ProviderApn& m = provider.apns[static_cast<std::size_t>(mms)];
    return label + " + MMS: " + m.apn + planWord(i.prepaid != i.postpaid ? i : m);
}

// Four decimal numbers of at most three digits up to 255, separated by points.
bool isNumericAddress(std::string_view host) {
    int parts = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(host.find('.', start), host.size());
        const std::string_view part = host.substr(start, end - start);
        if (part.empty() || part.size() > 3 || !platform::isAllDigits(part) || platform::atoI(part) > 255) return false;
        ++parts;
        if (end == host.size()) return parts == 4;
        start = end + 1;
    }
}

}  // namespace

std::optional<ProviderList> parseProviderDatabase(std::string_view bytes, std::string& error) {
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    xml.setNamespaceProcessing(false);  // the format has no namespaces; "xml:lang" is read by its name
    ProviderList list;
    if (xml.readNextStartElement()) {
        if (xml.name() != u"serviceproviders") {
            error = "line " + std::to_string(xml.lineNumber()) +
                    ": the file is no provider database (it starts with <" + xml.name().toString().toStdString() + ">)";
            return std::nullopt;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == u"country")
                readCountry(xml, list);
            else
                xml.skipCurrentElement();
        }
    }
    // Whatever follows the root element must still be well-formed (comments, nothing else).
    while (!xml.atEnd() && !xml.hasError()) xml.readNext();
    if (xml.hasError()) {
        error = "line " + std::to_string(xml.lineNumber()) + ", column " + std::to_string(xml.columnNumber()) + ": " +
                xml.errorString().toStdString();
        return std::nullopt;
    }
    if (list.countries.empty()) {
        error = "the file lists no GSM operator";
        return std::nullopt;
    }
    return list;
}

std::vector<ProviderPlan> plansOf(const Provider& provider) {
    std::vector<ProviderPlan> plans;
    const int count = static_cast<int>(provider.apns.size());
    auto apn = [&](int i) -> const ProviderApn& { return provider.apns[static_cast<std::size_t>(i)]; };
    std::vector<bool> mmsPaired(provider.apns.size(), false);
    for (int i = 0; i < count; ++i) {
        if (!apn(i).internet) continue;
        bool paired = false;
        for (int m = 0; m < count; ++m) {
            if (m == i || !apn(m).mms || !samePlan(apn(i), apn(m))) continue;
            plans.push_back({i, m, planLabel(provider, i, m)});
            mmsPaired[static_cast<std::size_t>(m)] = true;
            paired = true;
        }
        if (!paired) plans.push_back({i, apn(i).mms ? i : -1, planLabel(provider, i, apn(i).mms ? i : -1)});
    }
    for (int m = 0; m < count; ++m)
        if (apn(m).mms && !apn(m).internet && !mmsPaired[static_cast<std::size_t>(m)])
            plans.push_back({-1, m, planLabel(provider, -1, m)});
    return plans;
}

std::string cutToWholeCharacters(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return std::string(text);
    std::size_t cut = limit;
    // Back to the start of the character the cut falls into.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut));
}

PlanFill fillFromPlan(const Provider& provider, const ProviderPlan& plan) {
    PlanFill fill;
    auto put = [&fill](int field, const std::string& value) {
        if (value.empty()) return;
        std::string fitted = cutToWholeCharacters(value, kProviderValueLimit);
        if (fitted.size() != value.size()) fill.cut.push_back(field);
        fill.values[static_cast<std::size_t>(field)] = std::move(fitted);
    };
    const auto count = static_cast<int>(provider.apns.size());
    if (plan.mms >= 0 && plan.mms < count) {
        const ProviderApn& mms = provider.apns[static_cast<std::size_t>(plan.mms)];
        put(0, mms.mmsc);
        put(1, mms.apn);
        // "host:port", perhaps written as a URL.
        std::string proxy = mms.mmsProxy;
        if (const std::size_t scheme = proxy.find("://"); scheme != std::string::npos) proxy.erase(0, scheme + 3);
        if (const std::size_t slash = proxy.find('/'); slash != std::string::npos) proxy.erase(slash);
        std::string host = proxy;
        std::string port;
        if (const std::size_t colon = proxy.rfind(':'); colon != std::string::npos && proxy.find(':') == colon) {
            host = proxy.substr(0, colon);
            port = proxy.substr(colon + 1);
        }
        if (isNumericAddress(host))
            fill.values[2] = host;
        else if (!host.empty())
            fill.proxyHostName = host;
        if (!port.empty() && platform::isAllDigits(port)) {
            if (port.size() <= kProviderPortLimit)
                fill.values[3] = port;
            else
                fill.unfitPort = port;
        }
        put(4, mms.username);
        put(5, mms.password);
    }
    if (plan.internet >= 0 && plan.internet < count) {
        const ProviderApn& internet = provider.apns[static_cast<std::size_t>(plan.internet)];
        put(6, internet.apn);
        put(7, internet.username);
        put(8, internet.password);
    }
    return fill;
}

std::string_view builtInCountryCode(std::string_view builtInName) {
    // The built-in table's own names, some of them spelt its way.
    static constexpr std::pair<std::string_view, std::string_view> kCodes[] = {
        {"Australia", "au"},      {"Austria", "at"},     {"Canada", "ca"},  {"Chech", "cz"},   {"China", "cn"},
        {"China HongKong", "hk"}, {"Cyprus", "cy"},      {"Denmark", "dk"}, {"Finland", "fi"}, {"France", "fr"},
        {"Germany", "de"},        {"Holland", "nl"},     {"Hungary", "hu"}, {"Israel", "il"},  {"Italy", "it"},
        {"Latvian", "lv"},        {"Mexico", "mx"},      {"Norway", "no"},  {"Russia", "ru"},  {"Slovakia", "sk"},
        {"Sweden", "se"},         {"Switzerland", "ch"}, {"UK", "gb"},      {"USA", "us"},     {"Ukraine", "ua"},
    };
    for (const auto& [name, code] : kCodes)
        if (name == builtInName) return code;
    return {};
}

fs::path locateProviderDatabase(const std::optional<fs::path>& commandLinePath) {
    if (commandLinePath && !commandLinePath->empty()) return *commandLinePath;
    const QString variable = qEnvironmentVariable(kProviderDatabaseVariable);
    if (!variable.isEmpty()) return nativePath(variable);
#if defined(_WIN32) || defined(__APPLE__)
    // The copy the package carries: beside the program, or in the bundle's resources.
    const fs::path dir = platform::programDir();
    if (dir.empty()) return {};
#ifdef _WIN32
    return dir / "serviceproviders.xml";
#else
    return dir.parent_path() / "Resources" / "serviceproviders.xml";
#endif
#else
    return "/usr/share/mobile-broadband-provider-info/serviceproviders.xml";
#endif
}

// ---- the database of a run --------------------------------------------------------------------------

std::string ProviderDatabase::pathText() const {
    const std::u8string text = path_.u8string();
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

bool ProviderDatabase::present() const {
    return !path_.empty() && platform::isRegularFile(path_);
}

const ProviderList* ProviderDatabase::load() {
    if (state_ == State::Loaded) return &*list_;
    if (state_ == State::Failed) return nullptr;
    auto fail = [this](std::string why) -> const ProviderList* {
        state_ = State::Failed;
        error_ = std::move(why);
        return nullptr;
    };
    if (path_.empty()) return fail("no provider database is set");
    std::error_code ec;
    if (!fs::exists(path_, ec)) return fail("the file does not exist");
    if (!fs::is_regular_file(path_, ec)) return fail("it is no file");
    const std::uintmax_t size = fs::file_size(path_, ec);
    if (ec) return fail("the file cannot be read");
    if (size > kMaxFileSize) return fail("the file is larger than 32 MiB");
    const std::optional<std::string> bytes = platform::readFileLimited(path_, kMaxFileSize);
    if (!bytes) return fail("the file cannot be read");
    std::string error;
    std::optional<ProviderList> list = parseProviderDatabase(*bytes, error);
    if (!list) return fail(std::move(error));
    list_ = std::move(list);
    state_ = State::Loaded;
    return &*list_;
}

std::string ProviderDatabase::fileDate() const {
    if (path_.empty()) return {};
    const QDateTime changed = QFileInfo(qtPath(path_)).lastModified();
    return changed.isValid() ? changed.date().toString(Qt::ISODate).toStdString() : std::string();
}

}  // namespace qvt::operators
