// SPDX-License-Identifier: Apache-2.0
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
    std::optional<std::filesystem::path> providerDatabase;  // --provider-database
    std::optional<std::string> script;  // "-" = standard input
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program name; on a bad argument returns nullopt and sets `error`
// to one line naming it. Qt's own options (-platform, -style, -session, ...) are accepted and
// ignored: the application object takes them out of the arguments before a windowed run.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args, std::string& error);

// Whether the parsed command line asks for windows (not --script, --help or --version).
inline bool wantsWindows(const CommandLine& cl) {
    return !cl.help && !cl.version && !cl.script;
}

// The --help text: usage, then every option with one sentence.
std::string helpText();
// The --version text: "qvt-config <version>\n".
std::string versionText();

}  // namespace qvt::app
