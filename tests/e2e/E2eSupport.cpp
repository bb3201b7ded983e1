// SPDX-License-Identifier: Apache-2.0
#include "e2e/E2eSupport.h"

#include <chrono>
#include <sstream>
#include <thread>

#ifdef _WIN32
#include <QProcess>
#include <QStringList>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#endif

namespace qvt::test {

std::string RunResult::out() const {
    std::string s;
    for (const auto& l : lines) {
        s += l;
        s += '\n';
    }
    return s;
}

namespace {

// How many dumps the program has written to its output file so far.
int dumpsIn(const std::filesystem::path& outFile) {
    const std::string out = readFile(outFile);
    int n = 0;
    for (auto at = out.find("\"event\":\"dump\""); at != std::string::npos; at = out.find("\"event\":\"dump\"", at + 1))
        ++n;
    return n;
}

}  // namespace

#ifdef _WIN32
// Windows: QProcess quotes the arguments as the C runtime reads them back.
namespace {

QString qtText(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString qtPath(const std::filesystem::path& path) { return QString::fromStdWString(path.wstring()); }

QStringList qtArguments(const std::vector<std::string>& args) {
    QStringList list;
    for (const auto& a : args) list << qtText(a);
    return list;
}

// The program with its standard output and error going to files, as a shell's redirection would.
void redirectOutput(QProcess& process, const TempDir& io) {
    process.setStandardOutputFile(qtPath(io / "out.txt"));
    process.setStandardErrorFile(qtPath(io / "err.txt"));
}

RunResult resultOf(QProcess& process, const TempDir& io) {
    RunResult r;
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    std::istringstream out(readFile(io / "out.txt"));
    for (std::string line; std::getline(out, line);) {
#ifdef _WIN32
        // Windows paths are full of backslashes, which JSON doubles; the tests look for paths as
        // they stand, so the doubled ones are read back single.
        for (std::size_t at = line.find("\\\\"); at != std::string::npos; at = line.find("\\\\", at + 1))
            line.erase(at, 1);
#endif
        r.lines.push_back(line);
    }
    r.err = readFile(io / "err.txt");
    return r;
}

constexpr int kRunLimitMs = 300'000;

}  // namespace

RunResult runBinary(const std::vector<std::string>& args, const std::string& script) {
    TempDir io;
    writeFile(io / "script.txt", script);
    QProcess process;
    process.setStandardInputFile(qtPath(io / "script.txt"));
    redirectOutput(process, io);
    process.start(QStringLiteral(QVT_BINARY), qtArguments(args));
    if (!process.waitForStarted() || !process.waitForFinished(kRunLimitMs)) process.kill();
    process.waitForFinished();
    return resultOf(process, io);
}

#else
// POSIX: the shell and fork/exec pass names that are no UTF-8 through unchanged, as the tests need.
RunResult runBinary(const std::vector<std::string>& args, const std::string& script) {
    TempDir io;
    writeFile(io / "script.txt", script);
    std::string cmd = shellQuote(QVT_BINARY);
    for (const auto& a : args) cmd += " " + shellQuote(a);
    cmd += " < " + shellQuote((io / "script.txt").string());
    cmd += " > " + shellQuote((io / "out.txt").string());
    cmd += " 2> " + shellQuote((io / "err.txt").string());
    int status = std::system(cmd.c_str());
    RunResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream out(readFile(io / "out.txt"));
    for (std::string line; std::getline(out, line);) r.lines.push_back(line);
    r.err = readFile(io / "err.txt");
    return r;
}

#endif

RunResult runScript(const std::filesystem::path& systemRoot, const std::vector<std::filesystem::path>& volumes,
                    const std::string& script, const std::vector<std::string>& extraArgs) {
    std::vector<std::string> args{"--system-root", systemRoot.string(), "--now", "2024-05-17 10:20:30"};
    for (const auto& v : volumes) {
        args.push_back("--volume");
        args.push_back(v.string());
    }
    for (const auto& a : extraArgs) args.push_back(a);
    args.push_back("--script");
    args.push_back("-");
    return runBinary(args, script);
}

static bool containsAll(const std::string& line, const std::vector<std::string>& fragments) {
    for (const auto& f : fragments)
        if (line.find(f) == std::string::npos) return false;
    return true;
}

std::string findLine(const RunResult& r, const std::vector<std::string>& fragments) {
    for (const auto& line : r.lines)
        if (containsAll(line, fragments)) return line;
    return {};
}

int countLines(const RunResult& r, const std::vector<std::string>& fragments) {
    int n = 0;
    for (const auto& line : r.lines)
        if (containsAll(line, fragments)) ++n;
    return n;
}

std::string dumpLineOf(const RunResult& r, int id) {
    const std::string key = "\"id\":" + std::to_string(id) + ",";
    std::string found;
    for (const auto& line : r.lines)
        if (line.find("\"event\":\"dump\"") != std::string::npos && line.find(key) != std::string::npos) found = line;
    return found;
}

std::string controlEntry(const std::string& dump, int id) {
    const std::string key = "\"" + std::to_string(id) + "\":{";
    const auto at = dump.find(key);
    if (at == std::string::npos) return "<missing>";
    return dump.substr(at, dump.find('}', at) - at + 1);
}

std::filesystem::path choiceValueFile(const std::filesystem::path& systemRoot) {
    return systemRoot / "registry" / "Software" / "Lumbrakon" / "UserModelSel" / "(Default)";
}

#ifdef _WIN32
RunResult runScriptInParts(const std::filesystem::path& systemRoot, const std::vector<std::filesystem::path>& volumes,
                           const std::vector<ScriptPart>& parts) {
    TempDir io;
    std::vector<std::string> args{"--system-root", systemRoot.string(), "--now", "2024-05-17 10:20:30"};
    for (const auto& v : volumes) {
        args.push_back("--volume");
        args.push_back(v.string());
    }
    args.push_back("--script");
    args.push_back("-");
    QProcess process;
    redirectOutput(process, io);
    process.start(QStringLiteral(QVT_BINARY), qtArguments(args));
    process.waitForStarted();
    const std::filesystem::path outFile = io / "out.txt";
    int sent = 0;
    for (const ScriptPart& part : parts) {
        // Wait (at most 30 s) until the program has done the parts sent so far.
        for (int i = 0; i < 1500 && dumpsIn(outFile) < sent; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (part.before) part.before();
        // A program that ended early takes no more input; the write then simply fails.
        process.write(part.script.data(), static_cast<qint64>(part.script.size()));
        process.waitForBytesWritten();
        ++sent;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(kRunLimitMs)) process.kill();
    process.waitForFinished();
    return resultOf(process, io);
}

#else
RunResult runScriptInParts(const std::filesystem::path& systemRoot, const std::vector<std::filesystem::path>& volumes,
                           const std::vector<ScriptPart>& parts) {
    std::signal(SIGPIPE, SIG_IGN);  // a program that ended early must not end the test with it
    TempDir io;
    const std::string outPath = (io / "out.txt").string(), errPath = (io / "err.txt").string();
    std::vector<std::string> args{QVT_BINARY, "--system-root", systemRoot.string(), "--now", "2024-05-17 10:20:30"};
    for (const auto& v : volumes) {
        args.push_back("--volume");
        args.push_back(v.string());
    }
    args.push_back("--script");
    args.push_back("-");
    int toChild[2];
    if (::pipe(toChild) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(toChild[0], 0);
        ::close(toChild[1]);
        ::dup2(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(toChild[0]);
    const std::filesystem::path outFile = outPath;
    int sent = 0;
    for (const ScriptPart& part : parts) {
        // Wait (at most 30 s) until the program has done the parts sent so far.
        for (int i = 0; i < 1500 && dumpsIn(outFile) < sent; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (part.before) part.before();
        (void)!::write(toChild[1], part.script.data(), part.script.size());
        ++sent;
    }
    ::close(toChild[1]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    RunResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream out(readFile(outPath));
    for (std::string line; std::getline(out, line);) r.lines.push_back(line);
    r.err = readFile(errPath);
    return r;
}

#endif

PcWithCard::PcWithCard() {
    std::filesystem::create_directories(root);
    std::filesystem::create_directories(card);
}

}  // namespace qvt::test
