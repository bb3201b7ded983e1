// SPDX-License-Identifier: Apache-2.0
#pragma once
// Starting an external program directly (no command interpreter) and waiting for its end.
#include <string>
#include <vector>

class QProcess;

namespace qvt::platform {

// A program run that the front end watches: it shows the progress and lets the user stop it.
struct ProcessRequest {
    std::string program;
    std::vector<std::string> arguments;
    std::string title;        // shown in the progress display
    double durationSeconds = 0;  // expected media duration for progress (0 = unknown)
};

struct ProcessOutcome {
    bool started = false;
    bool cancelled = false;  // the user stopped it
    int exitCode = -1;
    bool crashed = false;
};

struct ProcessResult {
    bool started = false;
    bool crashed = false;
    int exitCode = -1;
    bool interrupted = false;  // stopped because the program itself was asked to end (InterruptGuard)
};

// Runs `program` with `arguments` as given, each argument passed untouched; blocks until it ends,
// or until an InterruptGuard has caught a signal: the program is then killed and reaped.
ProcessResult runProcessAndWait(const std::string& program, const std::vector<std::string>& arguments);

// Gives a QProcess its program and arguments byte for byte. Qt's own strings cannot carry a name
// that is not valid UTF-8, so on POSIX systems such a command is executed from the raw bytes in
// the child. On Linux the child is also killed when this program dies. On POSIX systems the child
// leads a process group of its own, which stopProcess stops as a whole.
void setCommand(QProcess& process, const std::string& program, const std::vector<std::string>& arguments);

// Stops a process started with setCommand at once, together with everything it started itself: on
// POSIX systems the tool runs in a process group of its own, so a wrapper script's FFmpeg goes too.
void stopProcess(QProcess& process);

// Finds an executable by name on PATH; "" when there is none.
std::string findOnPath(const std::string& name);

// While one exists, SIGTERM, SIGINT and SIGHUP (and console close on Windows is left as it is) do
// not end the program at once: they are noted, so that a running tool can be stopped and its
// partial output removed; endProgram() then ends the program as the signal would have.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    static bool requested();  // a signal arrived while a guard was in place
    [[noreturn]] void endProgram();
};

}  // namespace qvt::platform
