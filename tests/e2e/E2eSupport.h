#pragma once
// Helpers for the end-to-end tests that run the real binary in automation mode.
#include <filesystem>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace qvt::test {

// The first output line containing every one of the fragments, or "" when there is none.
std::string FindLine(const RunResult& r, const std::vector<std::string>& fragments);
// Number of output lines containing every one of the fragments.
int CountLines(const RunResult& r, const std::vector<std::string>& fragments);
// The "dump ID" line of a control, the last one printed.
std::string DumpLineOf(const RunResult& r, int id);

// The remembered-choice value file under a system root.
std::filesystem::path ChoiceValueFile(const std::filesystem::path& systemRoot);

}  // namespace qvt::test
