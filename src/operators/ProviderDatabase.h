// SPDX-License-Identifier: Apache-2.0
#pragma once
// The mobile-broadband provider database: the serviceproviders.xml file of the
// mobile-broadband-provider-info project, which the network managers of Linux desktops use. It lists,
// per country, the mobile operators and the access points of each: the internet APN with its account,
// and the MMS APN with the MMS centre and proxy. The parameter editor's "Find operator…" fills the
// messaging parameters from it for operators the built-in table does not know.
//
// The file is read once, lazily, in one pass; a file that is missing, unreadable, malformed or
// truncated leaves the feature off with a message saying why, and never stops the program.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::operators {

// One GSM access point of an operator.
struct ProviderApn {
    std::string apn;       // the access point name
    std::string name;      // what the operator calls it ("" when the file names none)
    std::string username;  // "" when none is given
    std::string password;
    std::string mmsc;      // the MMS centre URL (MMS access points)
    std::string mmsProxy;  // "host" or "host:port" (MMS access points)
    bool internet = false;
    bool mms = false;
    bool prepaid = false;  // the plans it belongs to; neither: every plan
    bool postpaid = false;
};

struct Provider {
    std::string name;
    std::vector<ProviderApn> apns;  // only those usable for internet or MMS; never empty
};

struct ProviderCountry {
    std::string code;                 // ISO 3166 code as the file writes it ("de")
    std::string name;                 // "Germany"; the upper-case code when the file names none
    std::vector<Provider> providers;  // never empty
};

struct ProviderList {
    std::vector<ProviderCountry> countries;  // in file order; never empty
};

// Parses a whole file. Elements it does not know are skipped. nullopt with `error` set ("line 12,
// column 3: ...") when the text is no well-formed provider database or lists no GSM operator.
std::optional<ProviderList> parseProviderDatabase(std::string_view bytes, std::string& error);

// A choice of one internet and one MMS access point of a provider that belong to the same plan.
struct ProviderPlan {
    int internet = -1;  // index into Provider::apns, -1 none
    int mms = -1;
    std::string label;  // how a list shows it
};

// Every internet access point with every MMS access point of a compatible plan (prepaid, postpaid,
// or either); an access point without a partner makes a plan of its own.
std::vector<ProviderPlan> plansOf(const Provider& provider);

// The messaging parameters a plan fills: fields 0 to 8 of OperatorParams (URL, APN, IP, Port,
// Account, Password, GPRSAPN, GPRSAccount, GPRSPassword).
inline constexpr int kProviderFieldCount = 9;
inline constexpr std::size_t kProviderValueLimit = 100;  // bytes of a parameter on the card
inline constexpr std::size_t kProviderPortLimit = 4;     // digits of a port field

struct PlanFill {
    // The value of each field; nullopt where the database has none (the field is left as it is).
    std::array<std::optional<std::string>, kProviderFieldCount> values;
    std::vector<int> cut;       // fields whose value was cut to fit kProviderValueLimit
    std::string proxyHostName;  // the MMS proxy when it names a host, which the IP field cannot take
    std::string unfitPort;      // the MMS proxy's port when it has more digits than a port field takes
};
PlanFill fillFromPlan(const Provider& provider, const ProviderPlan& plan);

// The first bytes of a UTF-8 text up to `limit`, never splitting a character.
std::string cutToWholeCharacters(std::string_view text, std::size_t limit);

// The ISO 3166 code of a country of the built-in table ("Germany" -> "de"); "" for none.
std::string_view builtInCountryCode(std::string_view builtInName);

// Where the database is looked for.
inline constexpr const char* kProviderDatabaseVariable = "QVT_PROVIDER_DATABASE";
// The command line's path if given, else the environment variable's if set and not empty, else the
// system's file (Linux: /usr/share/mobile-broadband-provider-info/serviceproviders.xml) or the copy
// that Windows and macOS builds carry beside the program.
std::filesystem::path locateProviderDatabase(const std::optional<std::filesystem::path>& commandLinePath);

// The database file of a run: where it is, and its contents once read.
class ProviderDatabase {
public:
    ProviderDatabase() = default;  // no file: the feature is off
    explicit ProviderDatabase(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }
    std::string pathText() const;  // the path as UTF-8 text, for messages
    // A cheap look, without reading: is there a regular file at the path?
    bool present() const;
    // Reads the file the first time it is asked (never again): the list, or nullptr when the file
    // could not be read; error() then says why.
    const ProviderList* load();
    bool failed() const { return state_ == State::Failed; }
    const std::string& error() const { return error_; }
    // The date of the file's last change, "YYYY-MM-DD" in local time; "" when unknown.
    std::string fileDate() const;

    static constexpr std::uintmax_t kMaxFileSize = 32u << 20;  // a larger file is not read

private:
    enum class State { Unread, Loaded, Failed };
    std::filesystem::path path_;
    State state_ = State::Unread;
    std::optional<ProviderList> list_;
    std::string error_;
};

}  // namespace qvt::operators
