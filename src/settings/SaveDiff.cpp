// SPDX-License-Identifier: Apache-2.0
#include "settings/SaveDiff.h"

#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "platform/FileOps.h"
#include "settings/KeyTable.h"

namespace qvt::settings {

namespace {

// Section and key names match without regard to ASCII letter case, as in the file itself.
std::pair<std::string, std::string> folded(const ProfileFile::Entry& e) {
    auto lower = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    return {lower(e.section), lower(e.key)};
}

std::string Line(const std::string& section, const std::string& key, const std::string& before,
                 const std::string& after) {
    return "[" + section + "] " + key + ": " + before + " \xE2\x86\x92 " + after;
}

}  // namespace

TargetFile inspectTarget(const std::filesystem::path& path, const std::string& modelCode) {
    TargetFile target;
    if (!platform::pathExists(path)) return target;
    std::optional<ProfileFile> file = ProfileFile::load(path);
    if (!file || !isValidSettings(*file, modelCode)) {
        target.state = TargetFile::State::Invalid;
        return target;
    }
    target.state = TargetFile::State::Valid;
    target.file = std::move(*file);
    return target;
}

std::vector<std::string> changedValues(const ProfileFile& before, const ProfileFile& after) {
    std::map<std::pair<std::string, std::string>, std::string> old;
    // Values whole on both sides: one longer than a value may be is cut by the save, which is a
    // change, while the same long value on both sides is none.
    const std::vector<ProfileFile::Entry> oldEntries = before.entries(SIZE_MAX);
    for (const ProfileFile::Entry& e : oldEntries) old.emplace(folded(e), e.value);

    std::vector<std::string> lines;
    std::map<std::pair<std::string, std::string>, bool> written;
    for (const ProfileFile::Entry& e : after.entries(SIZE_MAX)) {
        const auto name = folded(e);
        written[name] = true;
        const auto it = old.find(name);
        const std::string was = it == old.end() ? std::string() : it->second;
        if (was != e.value) lines.push_back(Line(e.section, e.key, was, e.value));
    }
    // Keys the new file no longer has read as empty afterwards.
    for (const ProfileFile::Entry& e : oldEntries)
        if (!written.count(folded(e)) && !e.value.empty()) lines.push_back(Line(e.section, e.key, e.value, ""));
    return lines;
}

std::vector<std::string> saveDetails(const std::string& cardPath, const std::string& newBytes,
                                     const TargetFile& target, const std::vector<std::string>& deletions) {
    std::vector<std::string> lines{kWritePrefix + cardPath};
    switch (target.state) {
        case TargetFile::State::Missing: lines.emplace_back(kNewFile); break;
        case TargetFile::State::Invalid: lines.emplace_back(kReplacesInvalid); break;
        case TargetFile::State::Valid: {
            std::vector<std::string> changed = changedValues(target.file, ProfileFile::fromBytes(newBytes));
            if (changed.empty()) lines.emplace_back(kNoChange);
            for (std::string& line : changed) lines.push_back(std::move(line));
            break;
        }
    }
    for (const std::string& path : deletions) lines.push_back(kDeletePrefix + path);
    return lines;
}

}  // namespace qvt::settings
