// SPDX-License-Identifier: Apache-2.0
#pragma once
// The built-in database of countries, mobile operators and their thirteen messaging parameters.
// Three fixed-capacity tables, ended by the first empty slot, never changed at run time; the
// country and operator lists walk them and copy one operator's parameters into the messaging state.
#include <string>
#include <string_view>

namespace qvt::operators {

// The messaging parameters of one operator. The order is fixed: it is the order of the parameter
// editor's fields and of the settings file keys, which use the field names below.
struct OperatorParams {
    std::string URL, APN, IP, Port, Account, Password, GPRSAPN, GPRSAccount, GPRSPassword, SendEmailServer,
        SendEmailPort, SendEmailAddr, SendEmailPassword;

    static constexpr int kFieldCount = 13;

    // Field by index 0..12. An index outside that range reads as an empty text; writes through it
    // land in a scratch text that is discarded, so a bad index can never corrupt a record.
    std::string& field(int index);
    const std::string& field(int index) const;
    // "URL" ... "SendEmailPassword"; "" for an index outside 0..12.
    static const char* fieldName(int index);

    bool operator==(const OperatorParams&) const = default;
};

inline constexpr int kCountrySlots = 50;
inline constexpr int kOperatorSlots = 5;

// Read-only access by slot. Empty slots give an empty text or a record with all fields empty, and
// so do indices outside the tables.
const std::string& countryName(int c);
const std::string& operatorName(int c, int o);
const OperatorParams& paramsAt(int c, int o);

// Linear searches the way the lists walk the tables: exact, case-sensitive comparison, stopping at
// the first empty slot. -1 when the name is absent (an empty name is never found).
int findCountry(std::string_view name);
int findOperator(int c, std::string_view name);

namespace detail {
// Storage written by tools/gen_operator_data.py (OperatorData.cpp in the build tree). Null
// pointers stand for empty slots and empty fields.
extern const char* const kCountryNames[kCountrySlots];
extern const char* const kOperatorNames[kCountrySlots][kOperatorSlots];
extern const char* const kOperatorParams[kCountrySlots][kOperatorSlots][OperatorParams::kFieldCount];
}  // namespace detail

}  // namespace qvt::operators
