// SPDX-License-Identifier: Apache-2.0
#include "operators/OperatorTables.h"

#include <array>

namespace qvt::operators {

namespace {

using Member = std::string OperatorParams::*;
constexpr std::array<Member, OperatorParams::kFieldCount> kMembers = {
    &OperatorParams::URL,
    &OperatorParams::APN,
    &OperatorParams::IP,
    &OperatorParams::Port,
    &OperatorParams::Account,
    &OperatorParams::Password,
    &OperatorParams::GPRSAPN,
    &OperatorParams::GPRSAccount,
    &OperatorParams::GPRSPassword,
    &OperatorParams::SendEmailServer,
    &OperatorParams::SendEmailPort,
    &OperatorParams::SendEmailAddr,
    &OperatorParams::SendEmailPassword,
};

constexpr std::array<const char*, OperatorParams::kFieldCount> kFieldNames = {
    "URL",
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
    "SendEmailPassword",
};

bool validField(int index) {
    return index >= 0 && index < OperatorParams::kFieldCount;
}
bool validCountry(int c) {
    return c >= 0 && c < kCountrySlots;
}
bool validSlot(int c, int o) {
    return validCountry(c) && o >= 0 && o < kOperatorSlots;
}

std::string text(const char* raw) {
    return raw ? std::string(raw) : std::string();
}

// The accessors hand out references, so the generated pointer tables are turned into strings once,
// on first use; a function-local static also keeps this safe for callers running during static
// initialisation.
struct Tables {
    std::array<std::string, kCountrySlots> countries;
    std::array<std::array<std::string, kOperatorSlots>, kCountrySlots> operators;
    std::array<std::array<OperatorParams, kOperatorSlots>, kCountrySlots> params;
};

const Tables& tables() {
    static const Tables instance = [] {
        Tables t;
        for (int c = 0; c < kCountrySlots; ++c) {
            t.countries[c] = text(detail::kCountryNames[c]);
            for (int o = 0; o < kOperatorSlots; ++o) {
                t.operators[c][o] = text(detail::kOperatorNames[c][o]);
                for (int f = 0; f < OperatorParams::kFieldCount; ++f) {
                    t.params[c][o].field(f) = text(detail::kOperatorParams[c][o][f]);
                }
            }
        }
        return t;
    }();
    return instance;
}

const std::string kEmptyText;
const OperatorParams kEmptyParams;

}  // namespace

std::string& OperatorParams::field(int index) {
    if (!validField(index)) {
        thread_local std::string scratch;
        scratch.clear();
        return scratch;
    }
    return this->*kMembers[index];
}

const std::string& OperatorParams::field(int index) const {
    return validField(index) ? this->*kMembers[index] : kEmptyText;
}

const char* OperatorParams::fieldName(int index) {
    return validField(index) ? kFieldNames[index] : "";
}

const std::string& countryName(int c) {
    return validCountry(c) ? tables().countries[c] : kEmptyText;
}

const std::string& operatorName(int c, int o) {
    return validSlot(c, o) ? tables().operators[c][o] : kEmptyText;
}

const OperatorParams& paramsAt(int c, int o) {
    return validSlot(c, o) ? tables().params[c][o] : kEmptyParams;
}

int findCountry(std::string_view name) {
    for (int c = 0; c < kCountrySlots; ++c) {
        const std::string& slot = countryName(c);
        if (slot.empty()) break;
        if (slot == name) return c;
    }
    return -1;
}

int findOperator(int c, std::string_view name) {
    if (!validCountry(c)) return -1;
    for (int o = 0; o < kOperatorSlots; ++o) {
        const std::string& slot = operatorName(c, o);
        if (slot.empty()) break;
        if (slot == name) return o;
    }
    return -1;
}

}  // namespace qvt::operators
