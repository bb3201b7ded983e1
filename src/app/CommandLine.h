#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"

namespace qvt::app {

struct CommandLine {
    std::optional<std::filesystem::path> systemRoot;
    std::vector<std::filesystem::path> volumes;
    std::optional<platform::DateTime> now;
    std::string ffmpeg;
    std::optional<std::string> script;  // "-" = standard input
    bool help = false;
};

// Parses the arguments after the program name; on a bad argument returns nullopt and sets `error`.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

inline constexpr const char* kUsage =
    "usage: qvt-config [--system-root DIR] [--volume DIR]... [--now \"YYYY-MM-DD HH:MM:SS\"]\n"
    "                  [--ffmpeg PATH] [--script FILE|-]\n";

}  // namespace qvt::app
