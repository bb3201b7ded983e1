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

// "[Section] Key: old → new" for every value that reads differently in `after` than in `before`:
// the keys of `after` in its order, then the keys only `before` has. A missing key reads as an
// empty value, as the camera and this program read it, so it shows as an empty side.
std::vector<std::string> changedValues(const ProfileFile& before, const ProfileFile& after);

// Detail line texts.
inline constexpr const char* kWritePrefix = "write: ";
inline constexpr const char* kDeletePrefix = "delete: ";
inline constexpr const char* kNewFile = "new file";
inline constexpr const char* kNoChange = "no change";
inline constexpr const char* kReplacesInvalid = "replaces an invalid file";

// The whole list: "write: <card file>", then the changed values (or "new file", "no change",
// "replaces an invalid file"), then "delete: <path>" for each other card's file.
std::vector<std::string> saveDetails(const std::string& cardPath, const std::string& newBytes,
                                     const TargetFile& target, const std::vector<std::string>& deletions);

}  // namespace qvt::settings
