// SPDX-License-Identifier: Apache-2.0
#pragma once
// The audio conversion tool (FFmpeg): its temporary folder on the PC, where the tool is found and
// the command line it is given. The tool is always started directly with an argument vector, so no
// character of a path is ever interpreted by a command interpreter.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <string_view>
#include <vector>

namespace qvt::audio {

// Deletes every file in `dir` and in its subfolders; keeps every folder. A file that cannot be
// deleted does not stop the walk (its read-only flag is not touched). Links are deleted, never
// followed. False when any deletion failed; a folder that cannot be listed (or is absent) counts as
// empty.
bool clearDirTree(const std::filesystem::path& dir);

inline constexpr const char* kTempFolderName = "QVT_TEMP";

// "<system root>/QVT_TEMP" ("C:\QVT_TEMP" on Windows).
std::filesystem::path tempFolderOf(const std::filesystem::path& systemRoot);

// The tool and its libraries as the Windows build ships them beside the program, in the order in
// which they are copied into the temporary folder.
const std::vector<std::string>& toolFileNames();

// Copies the tool files that exist in `from` into `to` (replacing older copies); a missing or
// uncopiable file is skipped silently and does not stop the others.
void copyToolFiles(const std::filesystem::path& from, const std::filesystem::path& to);

// The tool to run: the one named on the command line; else, on Windows, the staged copy in the
// temporary folder; else `ffmpeg` found on PATH. "" when there is none.
std::string resolveTool(const std::string& commandLineTool, const std::filesystem::path& tempFolder);

// The tool's arguments: read SOURCE, write OUTPUT as a mono 22050 Hz unsigned 8-bit PCM WAV with the
// plain 44-byte header (no metadata chunks, which simple players in cameras do not expect).
// Progress goes to standard output as "out_time_us=" lines.
std::vector<std::string> conversionArguments(const std::filesystem::path& source, const std::filesystem::path& output);

// The media time (seconds) that one line of the tool's output reports: "out_time_us=",
// "out_time_ms=" (both microseconds), "out_time=HH:MM:SS.xx" or a status line with "time=HH:MM:SS.xx".
std::optional<double> parseProgressTime(std::string_view line);

// UTF-8 text of a path and back (the program's strings are UTF-8 everywhere).
std::string pathText(const std::filesystem::path& path);
std::filesystem::path pathFromText(std::string_view text);

}  // namespace qvt::audio
