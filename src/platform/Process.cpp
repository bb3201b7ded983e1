// SPDX-License-Identifier: Apache-2.0
#include "platform/Process.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <csignal>
#include <cstdlib>
#include <memory>

#ifndef _WIN32
#include <unistd.h>
#else
#ifndef NOMINMAX  // MinGW defines it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace qvt::platform {

namespace {

volatile std::sig_atomic_t g_signal = 0;
int g_guards = 0;

#ifndef _WIN32
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
struct sigaction g_previous[3];

extern "C" void noteSignal(int signal) {
    g_signal = signal;
}

bool isUtf8(const std::string& text) {
    return QString::fromStdString(text).toStdString() == text;
}
#else
// Ctrl+C, Ctrl+Break and a closed console reach a console program as events on a thread of their
// own; they are noted like the signals elsewhere, so the running step stops and cleans up.
BOOL WINAPI noteConsoleEvent(DWORD event) {
    g_signal = event == CTRL_C_EVENT ? SIGINT : SIGTERM;
    return TRUE;
}
#endif

}  // namespace

InterruptGuard::InterruptGuard() {
    if (g_guards++ > 0) return;
    g_signal = 0;
#ifdef _WIN32
    SetConsoleCtrlHandler(noteConsoleEvent, TRUE);
#else
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &g_previous[i]);
#endif
}

InterruptGuard::~InterruptGuard() {
    if (--g_guards > 0) return;
#ifdef _WIN32
    SetConsoleCtrlHandler(noteConsoleEvent, FALSE);
    if (g_signal != 0) endProgram();
#else
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &g_previous[i], nullptr);
    // A signal that came while the guard was in place, and that no one acted on, still ends us.
    if (g_signal != 0) std::raise(g_signal);
#endif
}

bool InterruptGuard::requested() {
    return g_signal != 0;
}

void InterruptGuard::endProgram() {
#ifndef _WIN32
    const int signal = g_signal != 0 ? g_signal : SIGTERM;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    std::raise(signal);
    _exit(128 + signal);
#else
    std::_Exit(128 + (g_signal != 0 ? g_signal : SIGTERM));
#endif
}

void setCommand(QProcess& process, const std::string& program, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    process.setProgram(QString::fromStdString(program));
    process.setArguments(args);
#ifndef _WIN32
    // Everything the child does is prepared here: after fork only system calls are allowed.
    struct Raw {
        std::vector<std::string> strings;
        std::vector<char*> argv;
        bool exec = false;
        pid_t parent = 0;
    };
    auto raw = std::make_shared<Raw>();
    raw->strings.push_back(program);
    raw->strings.insert(raw->strings.end(), arguments.begin(), arguments.end());
    for (const std::string& s : raw->strings) raw->exec = raw->exec || !isUtf8(s);
    for (std::string& s : raw->strings) raw->argv.push_back(s.data());
    raw->argv.push_back(nullptr);
    raw->parent = ::getpid();
    process.setChildProcessModifier([raw] {
        // A group of its own: whatever the tool starts (a wrapper's FFmpeg) is stopped with it.
        ::setpgid(0, 0);
#ifdef __linux__
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != raw->parent) _exit(127);  // the parent died before the line above
#endif
        if (!raw->exec) return;
        if (raw->strings.front().find('/') != std::string::npos)
            ::execv(raw->argv[0], raw->argv.data());
        else
            ::execvp(raw->argv[0], raw->argv.data());
        // Not started: Qt's own attempt follows and reports the failure as usual.
    });
#endif
}

void stopProcess(QProcess& process) {
#ifndef _WIN32
    const qint64 pid = process.processId();
    if (pid > 0) ::kill(-static_cast<pid_t>(pid), SIGKILL);
#endif
    process.kill();
}

ProcessResult runProcessAndWait(const std::string& program, const std::vector<std::string>& arguments) {
    QProcess process;
    setCommand(process, program, arguments);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    ProcessResult result;
    if (!process.waitForStarted(-1)) return result;
    result.started = true;
    while (process.state() != QProcess::NotRunning && !process.waitForFinished(50)) {
        if (InterruptGuard::requested()) {
            stopProcess(process);
            process.waitForFinished(-1);
            result.interrupted = true;
            break;
        }
    }
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    return result;
}

std::string findOnPath(const std::string& name) {
    return QStandardPaths::findExecutable(QString::fromStdString(name)).toStdString();
}

}  // namespace qvt::platform
