// SPDX-License-Identifier: Apache-2.0
#pragma once
// What a Save is about to change, as the lines the confirmation shows under "details": the card file
// it writes, each value that will read differently from the file now there, and the other cards'
// files it deletes. Nothing here touches a file but to read the one at the target.
#include <filesystem>
#include <string>
#include <vector>

#include "settings/ProfileFile.h"

namespace qvt::settings {

// The file now at the save target, as Save will find it.
struct TargetFile {
    enum class State { Missing, Invalid, Valid };
    State state = State::Missing;
    ProfileFile file;  // the file's contents when it is valid
};
// Any entry at the path that is not a loadable settings file of the product counts as invalid.
TargetFile inspectTarget(const std::filesystem::path& path, const std::string& modelCode);

// One value that reads differently after the save: section and key as the new file spells them.
struct ValueChange {
    std::string section;
    std::string key;
    std::string before;
    std::string after;
    bool operator==(const ValueChange&) const = default;
};

// Every value that reads differently in `after` than in `before`: the keys of `after` in its order,
// then the keys only `before` has. A missing key reads as an empty value, as the camera and this
// program read it, so it shows as an empty side.
std::vector<ValueChange> valueChanges(const ProfileFile& before, const ProfileFile& after);
// The same as "[Section] Key: old → new" lines.
std::vector<std::string> changedValues(const ProfileFile& before, const ProfileFile& after);

// Detail line texts.
inline constexpr const char* kWritePrefix = "write: ";
inline constexpr const char* kDeletePrefix = "delete: ";
inline constexpr const char* kNewFile = "new file";
inline constexpr const char* kNoChange = "no change";
inline constexpr const char* kReplacesInvalid = "replaces an invalid file";

// What a save is about to do, as data: the card file it writes and what is there now, the values
// that change, the other cards' files it deletes, and the volume it is aimed at.
struct SavePreview {
    std::string cardPath;
    TargetFile::State target = TargetFile::State::Missing;
    std::vector<ValueChange> changes;  // only when the target is a valid file
    std::vector<std::string> deletions;
    std::filesystem::path cardRoot;
};
SavePreview previewSave(const std::string& cardPath, const std::string& newBytes, const TargetFile& target,
                        const std::vector<std::string>& deletions, const std::filesystem::path& cardRoot = {});

// The whole list: "write: <card file>", then the changed values (or "new file", "no change",
// "replaces an invalid file"), then "delete: <path>" for each other card's file.
std::vector<std::string> saveDetails(const SavePreview& preview);
std::vector<std::string> saveDetails(const std::string& cardPath, const std::string& newBytes,
                                     const TargetFile& target, const std::vector<std::string>& deletions);
// The line of the preview's state: "new file", "replaces an invalid file", or "no change" for a valid
// file with no changes; "" when there are changes to list.
std::string targetLine(const SavePreview& preview);

}  // namespace qvt::settings
