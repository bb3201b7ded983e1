// SPDX-License-Identifier: Apache-2.0
#pragma once
// Small helpers shared by the tests: temporary folders, whole files, test mounts.
#include <filesystem>
#include <string>
#include <vector>

namespace qvt::test {

// A fresh folder under the system temp directory, removed with everything in it at scope end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);
// The names of a settings file's lines in order: "[Section]" lines whole, "Key" of "Key=value".
std::vector<std::string> lineNames(const std::string& bytes);
// The text in single quotes for /bin/sh.
std::string shellQuote(const std::string& s);

// A small file system mounted for a test (Linux, as root): a tmpfs, or a file system image made
// by `mkfs` and loop-mounted. Unmounted at scope end. Tests skip with why() when mounted() is false.
class TestMount {
public:
    static TestMount tmpfs(const std::filesystem::path& dir, const std::string& size = "64k");
    // `mkfs` is the command without the image, e.g. "mkfs.ext2 -q -F -b 1024 -m 0".
    static TestMount image(const std::filesystem::path& dir, const std::filesystem::path& image,
                           const std::string& mkfs, int kib, bool readOnly = false);
    TestMount(TestMount&& other) noexcept;
    TestMount& operator=(TestMount&&) = delete;
    ~TestMount();
    bool mounted() const { return mounted_; }
    const std::string& why() const { return why_; }
    bool remountReadOnly();
    // Fills the file system with a file "filler" until not one more byte fits; true when it is full.
    bool fill();

private:
    TestMount() = default;
    std::filesystem::path dir_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace qvt::test
