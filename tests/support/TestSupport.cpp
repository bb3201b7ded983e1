// SPDX-License-Identifier: Apache-2.0
#include "support/TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#ifdef __linux__
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

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

std::vector<std::string> lineNames(const std::string& bytes) {
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", at);
        const std::string line = bytes.substr(at, end - at);
        names.push_back(line.substr(0, line.find('=')));
        at = end == std::string::npos ? bytes.size() : end + 2;
    }
    return names;
}

std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

TestMount TestMount::tmpfs(const fs::path& dir, const std::string& size) {
    TestMount m;
    m.dir_ = dir;
    fs::create_directories(dir);
#ifdef __linux__
    m.mounted_ = ::mount("tmpfs", dir.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
#else
    (void)size;
#endif
    if (!m.mounted_) m.why_ = "mounting a tmpfs is not permitted here";
    return m;
}

TestMount TestMount::image(const fs::path& dir, const fs::path& image, const std::string& mkfs, int kib,
                           bool readOnly) {
    TestMount m;
    m.dir_ = dir;
    fs::create_directories(dir);
#ifndef __linux__
    (void)image, (void)mkfs, (void)kib, (void)readOnly;
    m.why_ = "file system images are mounted on Linux only";
    return m;
#else
    const std::string tool = mkfs.substr(0, mkfs.find(' '));
    if (std::system(
            ("command -v " + tool + " >/dev/null 2>&1 || test -x /usr/sbin/" + tool + " || test -x /sbin/" + tool)
                .c_str()) != 0) {
        m.why_ = tool + " is not installed (scripts/setup installs it)";
        return m;
    }
    const std::string make = "PATH=\"$PATH:/usr/sbin:/sbin\" " + mkfs + " " + shellQuote(image.string()) + " " +
                             std::to_string(kib) + " >/dev/null 2>&1";
    if (std::system(("rm -f " + shellQuote(image.string()) + " && " + make).c_str()) != 0) {
        m.why_ = "cannot make a file system image with " + tool;
        return m;
    }
    const std::string mount = "mount -o loop" + std::string(readOnly ? ",ro " : " ") + shellQuote(image.string()) +
                              " " + shellQuote(dir.string()) + " >/dev/null 2>&1";
    m.mounted_ = std::system(mount.c_str()) == 0;
    if (!m.mounted_) m.why_ = "loop-mounting a file system image is not permitted here";
    return m;
#endif
}

TestMount::TestMount(TestMount&& other) noexcept
    : dir_(std::move(other.dir_)), mounted_(other.mounted_), why_(std::move(other.why_)) {
    other.mounted_ = false;
}

TestMount::~TestMount() {
#ifdef __linux__
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);  // a loop device set up by mount frees itself
#endif
}

bool TestMount::remountReadOnly() {
#ifdef __linux__
    return mounted_ && ::mount("none", dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
    return false;
#endif
}

bool TestMount::fill() {
#ifdef __linux__
    const int fd = ::open((dir_ / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    // Large pieces first, then smaller ones, down to single bytes.
    for (std::size_t piece = 65536; piece >= 1; piece /= 2) {
        const std::string chunk(piece, 'x');
        while (::write(fd, chunk.data(), chunk.size()) == static_cast<ssize_t>(chunk.size())) {
        }
    }
    ::fsync(fd);
    ::close(fd);
    struct statvfs st {};
    return ::statvfs(dir_.c_str(), &st) == 0 && st.f_bfree == 0;
#else
    return false;
#endif
}

}  // namespace qvt::test
