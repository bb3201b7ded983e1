// SPDX-License-Identifier: Apache-2.0
// Any bytes on a card must parse without harm, survive a rewrite byte for byte outside the line that
// was set, and give back the value just written.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ProfileFile.h"
#include "settings/SaveDiff.h"

namespace {

// A name the program could use: letters, digits and inner blanks; never empty.
std::string nameFrom(std::string_view bytes) {
    std::string name;
    for (unsigned char c : bytes) {
        const char options[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 _";
        name += options[c % (sizeof options - 1)];
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    return name.empty() ? std::string("K") : name;
}

// A value that reads back unchanged: no outer blanks or quotes, no line breaks, short of the limit.
std::string valueFrom(std::string_view bytes) {
    std::string value;
    for (char c : bytes) value += (c == '\r' || c == '\n') ? '.' : c;
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.erase(0, 1);
    if (!value.empty() && (value.front() == '"' || value.front() == '\'')) value.insert(0, "x");
    return value;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The first bytes choose the names and value; all of the input is the file.
    const std::string_view view = bytes;
    const std::string section = nameFrom(view.substr(0, 3));
    const std::string key = nameFrom(view.substr(size > 3 ? 3 : size, 3));
    const std::string value = valueFrom(view.substr(size > 6 ? 6 : size, 40));

    auto file = qvt::settings::ProfileFile::fromBytes(bytes);
    check(file.toBytes() == bytes);  // nothing changes until something is set
    // The listing of every key reads as get() does, and a file never differs from itself.
    for (const auto& e : file.entries()) check(file.get(e.section, e.key, "<none>") == e.value);
    check(qvt::settings::changedValues(file, file).empty());

    // Reads of other keys must not change through the write.
    const std::string probes[][2] = {{"S", "k"}, {"Camera Setting", "Work Day"}, {"QVTFileMark", "Model"}, {"", ""}};
    std::string before[4];
    for (int i = 0; i < 4; ++i) before[i] = file.get(probes[i][0], probes[i][1], "<none>", 9);

    file.set(section, key, value);
    check(file.get(section, key) == value);
    const std::string written = file.toBytes();
    const auto reread = qvt::settings::ProfileFile::fromBytes(written);
    check(reread.toBytes() == written);
    check(reread.get(section, key, "<none>") == value);
    for (int i = 0; i < 4; ++i) {
        if (sameName(probes[i][0], section) && sameName(probes[i][1], key)) continue;
        check(reread.get(probes[i][0], probes[i][1], "<none>", 9) == before[i]);
    }
    return 0;
}
