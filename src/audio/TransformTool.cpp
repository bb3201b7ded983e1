// SPDX-License-Identifier: Apache-2.0
#include "audio/TransformTool.h"

#include <charconv>
#include <regex>

#include "platform/FileOps.h"
#include "platform/Process.h"

namespace fs = std::filesystem;

namespace qvt::audio {

bool clearDirTree(const fs::path& dir) {
    // List first, delete afterwards: the listing must not change under the iterator.
    std::vector<fs::path> entries;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(it->path());

    bool ok = true;
    for (const fs::path& entry : entries) {
        std::error_code statusError;
        const fs::file_type type = fs::symlink_status(entry, statusError).type();
        if (type == fs::file_type::not_found) continue;  // gone meanwhile
        if (type == fs::file_type::directory) {
            if (!clearDirTree(entry)) ok = false;
            continue;
        }
        std::error_code removeError;
        fs::remove(entry, removeError);
        if (removeError) ok = false;
    }
    return ok;
}

fs::path tempFolderOf(const fs::path& systemRoot) {
    return systemRoot / kTempFolderName;
}

const std::vector<std::string>& toolFileNames() {
    static const std::vector<std::string> names{"ffmpeg.exe", "avcodec.dll",    "avdevice.dll", "avformat.dll",
                                                "avutil.dll", "pthreadGC2.dll", "swscale.dll",  "xvidcore.dll"};
    return names;
}

void copyToolFiles(const fs::path& from, const fs::path& to) {
    for (const std::string& name : toolFileNames()) {
        if (!platform::isRegularFile(from / name)) continue;
        // Removed first: MinGW's copy_file does not overwrite an existing file, so an older staged
        // tool would stay.
        std::error_code ec;
        fs::remove(to / name, ec);
        fs::copy_file(from / name, to / name, ec);
    }
}

std::string resolveTool(const std::string& commandLineTool, [[maybe_unused]] const fs::path& tempFolder) {
    if (!commandLineTool.empty()) return commandLineTool;
#ifdef _WIN32
    const fs::path staged = tempFolder / "ffmpeg.exe";
    if (platform::isRegularFile(staged)) return pathText(staged);
#endif
    return platform::findOnPath("ffmpeg");
}

std::vector<std::string> conversionArguments(const fs::path& source, const fs::path& output) {
    return {"-nostdin", "-hide_banner",  "-loglevel", "error",    "-progress", "pipe:1", "-i",    pathText(source),
            "-vn",      "-map_metadata", "-1",        "-ac",      "1",         "-ar",    "22050", "-acodec",
            "pcm_u8",   "-fflags",       "+bitexact", "-flags:a", "+bitexact", "-f",     "wav",   pathText(output)};
}

std::string pathText(const fs::path& path) {
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.string();
#endif
}

fs::path pathFromText(std::string_view text) {
#ifdef _WIN32
    return fs::path(std::u8string(text.begin(), text.end()));
#else
    return fs::path(std::string(text));
#endif
}

std::optional<double> parseProgressTime(std::string_view line) {
    const std::string text = platform::trim(line);
    static const std::regex micro("^out_time_(?:us|ms)=(\\d+)$");
    std::smatch m;
    if (std::regex_match(text, m, micro)) {
        const std::string digits = m[1].str();
        unsigned long long us = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), us);
        if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
        return static_cast<double>(us) / 1e6;
    }
    // "out_time=00:01:02.500000" from -progress, or "... time=00:01:02.50 bitrate=..." on the status line.
    static const std::regex clock("(?:^|\\s)(?:out_)?time=(\\d+):(\\d{1,2}):(\\d{1,2}(?:\\.\\d+)?)(?:\\s|$)");
    if (!std::regex_search(text, m, clock)) return std::nullopt;
    const double hours = std::stod(m[1].str());
    const double minutes = std::stod(m[2].str());
    const double seconds = std::stod(m[3].str());
    if (minutes >= 60 || seconds >= 60) return std::nullopt;
    return hours * 3600 + minutes * 60 + seconds;
}

}  // namespace qvt::audio
