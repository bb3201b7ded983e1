#pragma once
// Starting an external program directly (no command interpreter) and waiting for its end.
#include <string>
#include <vector>

namespace qvt::platform {

struct ProcessResult {
    bool started = false;
    bool crashed = false;
    int exitCode = -1;
};

// Runs `program` with `arguments` as given, each argument passed untouched; blocks until it ends.
ProcessResult RunProcessAndWait(const std::string& program, const std::vector<std::string>& arguments);

// Finds an executable by name on PATH; "" when there is none.
std::string FindExecutable(const std::string& name);

}  // namespace qvt::platform
