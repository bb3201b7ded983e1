#include "support/TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace qvt::test {

TempDir::TempDir() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = fs::temp_directory_path() / ("qvt-test-" + std::to_string(rd()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
    std::error_code ec;
    // Read-only files left by a test must not stop the clean-up.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(path_, ec);
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string RunResult::out() const {
    std::string s;
    for (const auto& l : lines) {
        s += l;
        s += '\n';
    }
    return s;
}

static std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

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

RunResult runScript(const fs::path& systemRoot, const std::vector<fs::path>& volumes, const std::string& script,
                    const std::vector<std::string>& extraArgs) {
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

}  // namespace qvt::test
