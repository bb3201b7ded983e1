// SPDX-License-Identifier: Apache-2.0
#pragma once
// Helpers for the end-to-end tests that run the real binary in automation mode.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace qvt::test {

struct RunResult {
    int exitCode = -1;
    std::vector<std::string> lines;  // standard output, one entry per line
    std::string err;                 // standard error
    std::string out() const;         // standard output joined with '\n'
};

// Runs the qvt-config binary with the given arguments and the script on standard input.
RunResult runBinary(const std::vector<std::string>& args, const std::string& script);

// Runs the binary in automation mode with a system root and volumes, fixed clock.
RunResult runScript(const std::filesystem::path& systemRoot, const std::vector<std::filesystem::path>& volumes,
                    const std::string& script, const std::vector<std::string>& extraArgs = {});

// A PC with one card, both as empty folders in a temporary folder: the system root `root` and the
// volume `card`. Fixtures derive from it.
struct PcWithCard {
    PcWithCard();
    TempDir dir;
    std::filesystem::path root = dir / "pc";
    std::filesystem::path card = dir / "card";
};

// The first output line containing every one of the fragments, or "" when there is none.
std::string findLine(const RunResult& r, const std::vector<std::string>& fragments);
// Number of output lines containing every one of the fragments.
int countLines(const RunResult& r, const std::vector<std::string>& fragments);
// The "dump ID" line of a control, the last one printed.
std::string dumpLineOf(const RunResult& r, int id);
// The JSON of one control in a whole-dialog "dump" line, or "<missing>".
std::string controlEntry(const std::string& dump, int id);

// The remembered-choice value file under a system root.
std::filesystem::path choiceValueFile(const std::filesystem::path& systemRoot);

// One part of a script fed while the program runs: `before` runs once the program has done every
// earlier part, then `script` is sent. Every part ends with a dump line, which tells when it is done.
struct ScriptPart {
    std::function<void()> before;
    std::string script;
};
// Like runScript, with the script written to standard input part by part.
RunResult runScriptInParts(const std::filesystem::path& systemRoot, const std::vector<std::filesystem::path>& volumes,
                           const std::vector<ScriptPart>& parts);

}  // namespace qvt::test
