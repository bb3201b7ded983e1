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

std::vector<ValueChange> valueChanges(const ProfileFile& before, const ProfileFile& after) {
    std::map<std::pair<std::string, std::string>, std::string> old;
    // Values whole on both sides: one longer than a value may be is cut by the save, which is a
    // change, while the same long value on both sides is none.
    const std::vector<ProfileFile::Entry> oldEntries = before.entries(SIZE_MAX);
    for (const ProfileFile::Entry& e : oldEntries) old.emplace(folded(e), e.value);

    std::vector<ValueChange> changes;
    std::map<std::pair<std::string, std::string>, bool> written;
    for (const ProfileFile::Entry& e : after.entries(SIZE_MAX)) {
        const auto name = folded(e);
        written[name] = true;
        const auto it = old.find(name);
        const std::string was = it == old.end() ? std::string() : it->second;
        if (was != e.value) changes.push_back({e.section, e.key, was, e.value});
    }
    // Keys the new file no longer has read as empty afterwards.
    for (const ProfileFile::Entry& e : oldEntries)
        if (!written.count(folded(e)) && !e.value.empty()) changes.push_back({e.section, e.key, e.value, ""});
    return changes;
}

std::vector<std::string> changedValues(const ProfileFile& before, const ProfileFile& after) {
    std::vector<std::string> lines;
    for (const ValueChange& c : valueChanges(before, after)) lines.push_back(Line(c.section, c.key, c.before, c.after));
    return lines;
}

SavePreview previewSave(const std::string& cardPath, const std::string& newBytes, const TargetFile& target,
                        const std::vector<std::string>& deletions, const std::filesystem::path& cardRoot) {
    SavePreview preview{cardPath, target.state, {}, deletions, cardRoot};
    if (target.state == TargetFile::State::Valid)
        preview.changes = valueChanges(target.file, ProfileFile::fromBytes(newBytes));
    return preview;
}

std::string targetLine(const SavePreview& preview) {
    switch (preview.target) {
        case TargetFile::State::Missing: return kNewFile;
        case TargetFile::State::Invalid: return kReplacesInvalid;
        case TargetFile::State::Valid: return preview.changes.empty() ? kNoChange : "";
    }
    return {};
}

std::vector<std::string> saveDetails(const SavePreview& preview) {
    std::vector<std::string> lines{kWritePrefix + preview.cardPath};
    if (std::string state = targetLine(preview); !state.empty()) lines.push_back(std::move(state));
    for (const ValueChange& c : preview.changes) lines.push_back(Line(c.section, c.key, c.before, c.after));
    for (const std::string& path : preview.deletions) lines.push_back(kDeletePrefix + path);
    return lines;
}

std::vector<std::string> saveDetails(const std::string& cardPath, const std::string& newBytes,
                                     const TargetFile& target, const std::vector<std::string>& deletions) {
    return saveDetails(previewSave(cardPath, newBytes, target, deletions));
}

}  // namespace qvt::settings
