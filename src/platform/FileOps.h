// SPDX-License-Identifier: Apache-2.0
#pragma once
// Small text and file helpers used all over the program. The file helpers never throw: every
// failure is reported through the result, because the cards they work on may vanish at any time.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace qvt::platform {

// Removes white space (space, \t, \r, \n, \v, \f) at both ends.
std::string trim(std::string_view text);

// True when every character is '0'..'9'; the empty text counts as true.
bool isAllDigits(std::string_view text);

// The C library's atoi: leading white space, optional sign, digits up to the first non-digit.
// No digits gives 0; values beyond the int range are clamped instead of overflowing.
int atoI(std::string_view text);

// Makes the file writable again and keeps its other permission bits / attributes.
// Nothing happens when the file does not exist or is a symbolic link: a link on a card may point
// anywhere, and what it points to is not ours to change.
void clearReadOnly(const std::filesystem::path& path);
bool isReadOnlyPath(const std::filesystem::path& path);

// Deletes a file (not a directory). True when nothing is at `path` afterwards.
bool deleteIfExist(const std::filesystem::path& path);

// Renames `from` to `to` when `from` exists. A missing `from` counts as success. An existing `to`
// is never overwritten: the rename fails then, as it always did on Windows.
bool renameIfExist(const std::filesystem::path& from, const std::filesystem::path& to);

bool isDirectory(const std::filesystem::path& path);
bool pathExists(const std::filesystem::path& path);  // any entry: file, directory, ...
bool isRegularFile(const std::filesystem::path& path);
// True when `path` itself is a symbolic link (or, on Windows, any other reparse point).
bool isSymlink(const std::filesystem::path& path);
// True when both paths name the same existing file or directory (links, bind mounts, two names).
bool sameEntry(const std::filesystem::path& a, const std::filesystem::path& b);

// True when `path` is a directory afterwards (created now or before).
[[nodiscard]] bool createDirectories(const std::filesystem::path& path);
// The same, saying why it is none: the system's error of the folder that could not be made.
[[nodiscard]] bool createDirectories(const std::filesystem::path& path, std::error_code& why);

// Writes the whole content to a temporary file beside the target and renames it over the target
// (QSaveFile does both where it can name the target and would neither follow a link nor refuse a
// read-only file there), flushes it to the medium, drops the file's cached pages where the platform
// allows it (Linux; macOS turns caching off for the read instead) and checks it by reading it back
// before the rename; the target is read back once more afterwards (on Windows, where the cache would
// answer the first check, only then). A link at `target` is replaced, not followed. False on any
// failure. The target keeps its previous content (or stays absent) when anything before the rename
// fails, and no temporary file is left behind. An existing target's permission bits are kept (POSIX)
// and a read-only target is replaced; on Windows a read-only target makes the write fail, as it
// always did.
[[nodiscard]] bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);
// The same, saying why it failed: the system's error of the step that failed (errno on POSIX, the
// Windows error code on Windows); a check that read back other bytes than were written is
// std::errc::io_error.
[[nodiscard]] bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                       std::error_code& why);

// Why a file could not be written, as far as its owner can do something about it.
enum class WriteFailure {
    ReadOnlyMedium,    // a read-only file system: a write-protected card (lock switch), a read-only mount
    NoSpace,           // the medium (or the user's quota on it) is full
    MediumGone,        // the device is no longer there: a card pulled out
    PermissionDenied,  // the user may not write there
    Other,
};
WriteFailure classifyWriteError(const std::error_code& error);

// True when nothing is at `path` or a regular file of its own is (not a link, folder, FIFO or device):
// the only places a file of ours may be written.
bool isRegularFileOrAbsent(const std::filesystem::path& path);

// Removes the temporary files an interrupted writeFileAtomically of `target` left beside it (the
// write was killed before its rename): only regular files named exactly as that write names them,
// "<name>.XXXXXX" (six letters or digits) and ".<name>.tmp-<number>-<number>". Returns how many went.
int removeStaleTemporaries(const std::filesystem::path& target);

// The whole content of a regular file; nullopt when missing, unreadable, not a regular file or
// larger than maxSize bytes.
std::optional<std::string> readFileLimited(const std::filesystem::path& path, std::uintmax_t maxSize);

// Windows: gives the file the hidden attribute (alone). Other systems have no such attribute.
void setHidden(const std::filesystem::path& path);

}  // namespace qvt::platform
