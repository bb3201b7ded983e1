// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#ifdef __linux__
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <climits>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "platform/FileOps.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace qvt::platform {
namespace {

std::set<std::string> listDir(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
}

fs::perms permsOf(const fs::path& path) {
    return fs::status(path).permissions();
}

#ifdef __linux__
// A small tmpfs of its own, to play a full or write-protected card (root ignores file permissions).
class SmallVolume : public testing::Test {
protected:
    void SetUp() override {
        root_ = dir_ / "volume";
        fs::create_directory(root_);
        if (::mount("tmpfs", root_.c_str(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs here";
        }
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) ::umount2(root_.c_str(), MNT_DETACH);
    }
    bool remountReadOnly() { return ::mount(nullptr, root_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }
    void fill() {
        std::ofstream out(root_ / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        for (int i = 0; i < 64 && out; ++i) out << block;
    }

    test::TempDir dir_;
    fs::path root_;
    bool mounted_ = false;
};
#endif

// ---- Text helpers ---------------------------------------------------------------------------

TEST(trim, RemovesWhiteSpaceAtBothEnds) {
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trim(" \t\r\n\v\f"), "");
    EXPECT_EQ(trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(trim("\va\f"), "a");
    EXPECT_EQ(trim("x"), "x");
}

TEST(classifyWriteError, NamesWhatTheOwnerCanActOn) {
    const struct {
        std::error_code error;
        WriteFailure failure;
    } rows[] = {
        {std::make_error_code(std::errc::read_only_file_system), WriteFailure::ReadOnlyMedium},
        {std::make_error_code(std::errc::no_space_on_device), WriteFailure::NoSpace},
        {std::make_error_code(std::errc::no_such_device), WriteFailure::MediumGone},
        {std::make_error_code(std::errc::no_such_device_or_address), WriteFailure::MediumGone},
        {std::make_error_code(std::errc::permission_denied), WriteFailure::PermissionDenied},
        {std::make_error_code(std::errc::operation_not_permitted), WriteFailure::PermissionDenied},
        {std::make_error_code(std::errc::io_error), WriteFailure::Other},
        {std::make_error_code(std::errc::not_a_directory), WriteFailure::Other},
        {std::error_code(), WriteFailure::Other},
#ifdef EDQUOT
        {std::error_code(EDQUOT, std::generic_category()), WriteFailure::NoSpace},
#endif
#ifdef ENOMEDIUM
        {std::error_code(ENOMEDIUM, std::generic_category()), WriteFailure::MediumGone},
#endif
#ifdef _WIN32
        {std::error_code(19, std::system_category()), WriteFailure::ReadOnlyMedium},     // ERROR_WRITE_PROTECT
        {std::error_code(112, std::system_category()), WriteFailure::NoSpace},           // ERROR_DISK_FULL
        {std::error_code(21, std::system_category()), WriteFailure::MediumGone},         // ERROR_NOT_READY
        {std::error_code(5, std::system_category()), WriteFailure::PermissionDenied},    // ERROR_ACCESS_DENIED
#endif
    };
    for (const auto& row : rows) EXPECT_EQ(classifyWriteError(row.error), row.failure) << row.error.message();
}

TEST(isAllDigits, DigitsOnly) {
    EXPECT_TRUE(isAllDigits(""));
    EXPECT_TRUE(isAllDigits("0123456789"));
    EXPECT_FALSE(isAllDigits("12a"));
    EXPECT_FALSE(isAllDigits("-1"));
    EXPECT_FALSE(isAllDigits(" 1"));
    EXPECT_FALSE(isAllDigits("1 "));
    EXPECT_FALSE(isAllDigits("\xD9\xA1"));  // Arabic-Indic digit one
}

struct AtoICase {
    const char* text;
    int expected;
};

class AtoITest : public testing::TestWithParam<AtoICase> {};

TEST_P(AtoITest, BehavesLikeTheCLibrary) {
    EXPECT_EQ(atoI(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, AtoITest,
                         testing::Values(AtoICase{"42", 42}, AtoICase{"007", 7}, AtoICase{"  -7x", -7},
                                         AtoICase{"+5", 5}, AtoICase{"\t\n\v\f\r 12", 12}, AtoICase{"12 34", 12},
                                         AtoICase{"12a", 12}, AtoICase{"abc", 0}, AtoICase{"", 0}, AtoICase{"-", 0},
                                         AtoICase{"- 5", 0}, AtoICase{"+-5", 0}, AtoICase{"0x10", 0},
                                         AtoICase{"2147483647", INT_MAX}, AtoICase{"-2147483648", INT_MIN},
                                         AtoICase{"2147483648", INT_MAX}, AtoICase{"99999999999999999999999", INT_MAX},
                                         AtoICase{"-99999999999999999999999", INT_MIN}));

// ---- Queries and directories ----------------------------------------------------------------

TEST(FileQueries, TellFilesFromDirectories) {
    test::TempDir dir;
    test::writeFile(dir / "file", "x");
    fs::create_directory(dir / "sub");
    EXPECT_TRUE(pathExists(dir / "file"));
    EXPECT_TRUE(isRegularFile(dir / "file"));
    EXPECT_FALSE(isDirectory(dir / "file"));
    EXPECT_TRUE(pathExists(dir / "sub"));
    EXPECT_TRUE(isDirectory(dir / "sub"));
    EXPECT_FALSE(isRegularFile(dir / "sub"));
    EXPECT_FALSE(pathExists(dir / "none"));
    EXPECT_FALSE(isDirectory(dir / "none"));
    EXPECT_FALSE(isRegularFile(dir / "none"));
    EXPECT_FALSE(pathExists(dir / "file" / "below"));
}

TEST(createDirectories, NestedExistingAndBlocked) {
    test::TempDir dir;
    EXPECT_TRUE(createDirectories(dir / "a" / "b" / "c"));
    EXPECT_TRUE(isDirectory(dir / "a" / "b" / "c"));
    EXPECT_TRUE(createDirectories(dir / "a" / "b"));
    test::writeFile(dir / "file", "x");
    EXPECT_FALSE(createDirectories(dir / "file"));
    EXPECT_FALSE(createDirectories(dir / "file" / "sub"));
    EXPECT_EQ(test::readFile(dir / "file"), "x");
}

// ---- Read-only attribute --------------------------------------------------------------------

TEST(clearReadOnly, AddsOwnerWriteKeepsOtherBits) {
    test::TempDir dir;
    const auto file = dir / "f.TXT";
    test::writeFile(file, "x");
    using fs::perms;
    fs::permissions(file, perms::owner_read | perms::owner_exec | perms::group_read | perms::others_exec);
    EXPECT_TRUE(isReadOnlyPath(file));
    clearReadOnly(file);
    EXPECT_FALSE(isReadOnlyPath(file));
    EXPECT_EQ(permsOf(file),
              perms::owner_read | perms::owner_write | perms::owner_exec | perms::group_read | perms::others_exec);
    clearReadOnly(file);  // already writable: unchanged
    EXPECT_EQ(permsOf(file),
              perms::owner_read | perms::owner_write | perms::owner_exec | perms::group_read | perms::others_exec);
    EXPECT_EQ(test::readFile(file), "x");
}

TEST(clearReadOnly, MissingFileStaysMissing) {
    test::TempDir dir;
    clearReadOnly(dir / "absent");
    EXPECT_FALSE(pathExists(dir / "absent"));
    EXPECT_FALSE(isReadOnlyPath(dir / "absent"));
}

// ---- Delete and rename ----------------------------------------------------------------------

TEST(deleteIfExist, DeletesFilesOnly) {
    test::TempDir dir;
    test::writeFile(dir / "f", "x");
    EXPECT_TRUE(deleteIfExist(dir / "f"));
    EXPECT_FALSE(pathExists(dir / "f"));
    EXPECT_TRUE(deleteIfExist(dir / "f"));  // absent already
    fs::create_directory(dir / "d");
    EXPECT_FALSE(deleteIfExist(dir / "d"));
    EXPECT_TRUE(isDirectory(dir / "d"));
}

TEST(deleteIfExist, DanglingLinkIsDeleted) {
    test::TempDir dir;
    fs::create_symlink(dir / "nowhere", dir / "link");
    EXPECT_TRUE(deleteIfExist(dir / "link"));
    EXPECT_FALSE(fs::is_symlink(fs::symlink_status(dir / "link")));
}

TEST(renameIfExist, RenamesExistingFile) {
    test::TempDir dir;
    test::writeFile(dir / "IMAG0001.JPG", "photo");
    EXPECT_TRUE(renameIfExist(dir / "IMAG0001.JPG", dir / "IMAG0001_RenameForSaveAudioFile.JPG"));
    EXPECT_FALSE(pathExists(dir / "IMAG0001.JPG"));
    EXPECT_EQ(test::readFile(dir / "IMAG0001_RenameForSaveAudioFile.JPG"), "photo");
}

TEST(renameIfExist, MissingSourceIsSuccess) {
    test::TempDir dir;
    EXPECT_TRUE(renameIfExist(dir / "absent", dir / "new"));
    EXPECT_FALSE(pathExists(dir / "new"));
}

TEST(renameIfExist, NeverOverwritesTarget) {
    test::TempDir dir;
    test::writeFile(dir / "from", "new");
    test::writeFile(dir / "to", "old");
    EXPECT_FALSE(renameIfExist(dir / "from", dir / "to"));
    EXPECT_EQ(test::readFile(dir / "from"), "new");
    EXPECT_EQ(test::readFile(dir / "to"), "old");
}

TEST(renameIfExist, FailsIntoMissingFolder) {
    test::TempDir dir;
    test::writeFile(dir / "from", "x");
    EXPECT_FALSE(renameIfExist(dir / "from", dir / "none" / "to"));
    EXPECT_EQ(test::readFile(dir / "from"), "x");
}

// ---- Reading whole files --------------------------------------------------------------------

TEST(readFileLimited, ReadsUpToTheLimit) {
    test::TempDir dir;
    const std::string bytes("a\0b\r\nc", 6);
    test::writeFile(dir / "f", bytes);
    EXPECT_EQ(readFileLimited(dir / "f", 6), bytes);
    EXPECT_FALSE(readFileLimited(dir / "f", 5));
    test::writeFile(dir / "empty", "");
    EXPECT_EQ(readFileLimited(dir / "empty", 0), "");
}

TEST(readFileLimited, NothingFromNonFiles) {
    test::TempDir dir;
    EXPECT_FALSE(readFileLimited(dir / "absent", 100));
    EXPECT_FALSE(readFileLimited(dir.path(), 100));
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(readFileLimited(dir / "fifo", 100));  // and does not wait for a writer
#endif
}

// ---- Writing whole files --------------------------------------------------------------------

TEST(writeFileAtomically, CreatesAndReplaces) {
    test::TempDir dir;
    const auto target = dir / "HX710T.TXT";
    ASSERT_TRUE(writeFileAtomically(target, "[S]\r\nk=1\r\n"));
    EXPECT_EQ(test::readFile(target), "[S]\r\nk=1\r\n");
    ASSERT_TRUE(writeFileAtomically(target, "x"));
    EXPECT_EQ(test::readFile(target), "x");
    ASSERT_TRUE(writeFileAtomically(target, ""));
    EXPECT_EQ(test::readFile(target), "");
    const std::string big(3 << 20, 'b');
    ASSERT_TRUE(writeFileAtomically(target, big));
    EXPECT_EQ(test::readFile(target), big);
    EXPECT_EQ(listDir(dir.path()), std::set<std::string>{"HX710T.TXT"});
}

TEST(writeFileAtomically, KeepsPermissionsOfExistingFile) {
    test::TempDir dir;
    const auto target = dir / "f";
    test::writeFile(target, "old");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, mode);
    ASSERT_TRUE(writeFileAtomically(target, "new"));
    EXPECT_EQ(permsOf(target), mode);
}

TEST(writeFileAtomically, FailsWithoutFolderOrOnDirectory) {
    test::TempDir dir;
    EXPECT_FALSE(writeFileAtomically(dir / "none" / "f", "x"));
    fs::create_directory(dir / "d");
    EXPECT_FALSE(writeFileAtomically(dir / "d", "x"));
    EXPECT_TRUE(isDirectory(dir / "d"));
    EXPECT_EQ(listDir(dir.path()), std::set<std::string>{"d"});
    EXPECT_TRUE(listDir(dir / "d").empty());
}

#ifdef __linux__
TEST_F(SmallVolume, FullVolumeKeepsPreviousContent) {
    const auto target = root_ / "HX710T.TXT";
    ASSERT_TRUE(writeFileAtomically(target, "[S]\r\nk=old\r\n"));
    fill();
    EXPECT_FALSE(writeFileAtomically(target, std::string(16384, 'n')));
    EXPECT_EQ(test::readFile(target), "[S]\r\nk=old\r\n");
    EXPECT_EQ(listDir(root_), (std::set<std::string>{"HX710T.TXT", "filler"}));
    // A file that did not exist stays absent.
    EXPECT_FALSE(writeFileAtomically(root_ / "new.TXT", std::string(16384, 'n')));
    EXPECT_FALSE(pathExists(root_ / "new.TXT"));
    EXPECT_EQ(listDir(root_), (std::set<std::string>{"HX710T.TXT", "filler"}));
}

TEST_F(SmallVolume, AFailedWriteSaysWhy) {
    const auto target = root_ / "HX710T.TXT";
    ASSERT_TRUE(writeFileAtomically(target, "[S]\r\nk=old\r\n"));
    fill();
    std::error_code why;
    EXPECT_FALSE(writeFileAtomically(target, std::string(8192, 'n'), why));
    EXPECT_EQ(why, std::errc::no_space_on_device) << why.message();
    EXPECT_EQ(classifyWriteError(why), WriteFailure::NoSpace);
    fs::remove(root_ / "filler");
    if (!remountReadOnly()) GTEST_SKIP() << "cannot remount read-only";
    why.clear();
    EXPECT_FALSE(writeFileAtomically(target, "[S]\r\nk=new\r\n", why));
    EXPECT_EQ(why, std::errc::read_only_file_system) << why.message();
    why.clear();
    EXPECT_FALSE(createDirectories(root_ / "GSM", why));
    EXPECT_EQ(classifyWriteError(why), WriteFailure::ReadOnlyMedium) << why.message();
    EXPECT_EQ(test::readFile(target), "[S]\r\nk=old\r\n");
}

TEST_F(SmallVolume, WriteProtectedVolume) {
    const auto target = root_ / "HX710T.TXT";
    ASSERT_TRUE(writeFileAtomically(target, "[S]\r\nk=old\r\n"));
    test::writeFile(root_ / "IMAG0001.JPG", "photo");
    if (!remountReadOnly()) GTEST_SKIP() << "cannot remount read-only";
    EXPECT_FALSE(writeFileAtomically(target, "[S]\r\nk=new\r\n"));
    EXPECT_EQ(test::readFile(target), "[S]\r\nk=old\r\n");
    EXPECT_FALSE(deleteIfExist(target));
    EXPECT_FALSE(renameIfExist(root_ / "IMAG0001.JPG", root_ / "moved.JPG"));
    EXPECT_TRUE(deleteIfExist(root_ / "absent"));
    EXPECT_TRUE(renameIfExist(root_ / "absent", root_ / "moved.JPG"));
    EXPECT_FALSE(createDirectories(root_ / "GSM"));
    EXPECT_EQ(listDir(root_), (std::set<std::string>{"HX710T.TXT", "IMAG0001.JPG"}));
}
// Bytes this process had fetched from storage so far; nullopt when the kernel does not count them.
std::optional<long long> readBytesFromStorage() {
    std::ifstream io("/proc/self/io");
    for (std::string key; io >> key;) {
        long long value = 0;
        io >> value;
        if (key == "read_bytes:") return value;
    }
    return std::nullopt;
}

TEST(FileOpsMedium, VerifyReadAfterTheWriteComesFromTheMedium) {
    test::TempDir dir;
    test::TestMount card = test::TestMount::image(dir / "card", dir / "card.img", "mkfs.ext2 -q -F -b 1024 -m 0", 4096);
    if (!card.mounted()) GTEST_SKIP() << card.why();
    const auto before = readBytesFromStorage();
    if (!before) GTEST_SKIP() << "the kernel does not count the bytes read from storage";
    const std::string bytes(1u << 20, 'v');
    ASSERT_TRUE(writeFileAtomically(dir / "card" / "F.TXT", bytes));
    // Served from memory, the check would read nothing from the device.
    EXPECT_GE(*readBytesFromStorage() - *before, static_cast<long long>(bytes.size()));
}

// Runs `write` as an ordinary user when the tests run as root, so that file permissions count.
bool asOrdinaryUser(const std::function<bool()>& write) {
    if (::geteuid() != 0) return write();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && write();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Whatever stands at the target, the write leaves a regular file of its own there, with the old
// file's permission bits, and changes nothing the target pointed to.
TEST(writeFileAtomically, ReplacesLinksFilesItMayNotWriteAndAnyName) {
    struct Row {
        const char* name;
        std::function<void(const fs::path& target, const fs::path& elsewhere)> place;
        bool ordinaryUser;
        fs::perms mode;  // of the target afterwards
        const char* fileName = "F.TXT";
    };
    const auto rw = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
    const auto ro = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const auto setId = fs::perms::set_uid | fs::perms::owner_all | fs::perms::group_read | fs::perms::others_exec;
    const auto file = [](fs::perms mode) {
        return [mode](const fs::path& target, const fs::path&) {
            test::writeFile(target, "old");
            fs::permissions(target, mode);
        };
    };
    const Row rows[] = {
        {"link to a file elsewhere", [](const fs::path& t, const fs::path& e) { fs::create_symlink(e, t); }, false, rw},
        {"dangling link", [](const fs::path& t, const fs::path&) { fs::create_symlink("gone", t); }, false, rw},
        {"link, ordinary user", [](const fs::path& t, const fs::path& e) { fs::create_symlink(e, t); }, true, rw},
        {"read-only file, ordinary user", file(ro), true, ro},
        {"set-user-id file", file(setId), false, setId},
        {"name that is no UTF-8", file(rw), false, rw, "F\xC9.TXT"},
        {"new file, name that is no UTF-8", [](const fs::path&, const fs::path&) {}, false, rw, "\xFF"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempDir dir;
        fs::create_directory(dir / "card");
        fs::permissions(dir.path(), fs::perms::all);
        fs::permissions(dir / "card", fs::perms::all);
        const fs::path target = dir / "card" / row.fileName, elsewhere = dir / "elsewhere";
        test::writeFile(elsewhere, "theirs");
        fs::permissions(elsewhere, fs::perms::owner_read);
        const mode_t mask = ::umask(022);
        row.place(target, elsewhere);
        const bool written = row.ordinaryUser ? asOrdinaryUser([&] { return writeFileAtomically(target, "new"); })
                                              : writeFileAtomically(target, "new");
        ::umask(mask);
        EXPECT_TRUE(written);
        EXPECT_EQ(fs::symlink_status(target).type(), fs::file_type::regular);
        EXPECT_EQ(test::readFile(target), "new");
        EXPECT_EQ(permsOf(target), row.mode);
        EXPECT_EQ(test::readFile(elsewhere), "theirs");
        EXPECT_EQ(permsOf(elsewhere), fs::perms::owner_read);
        EXPECT_EQ(listDir(dir / "card"), std::set<std::string>{row.fileName});
    }
}

TEST(writeFileAtomically, SaysWhyWhereTheUserMayNotWriteOrNoFolderIs) {
    test::TempDir dir;
    fs::permissions(dir.path(), fs::perms::all);
    fs::create_directory(dir / "locked");
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    EXPECT_TRUE(asOrdinaryUser([&] {
        std::error_code why;
        return !writeFileAtomically(dir / "locked" / "F.TXT", "new", why) &&
               classifyWriteError(why) == WriteFailure::PermissionDenied;
    }));
    // A file where the folder should be: the system's own error, which no cause of ours explains.
    test::writeFile(dir / "file", "x");
    std::error_code why;
    EXPECT_FALSE(writeFileAtomically(dir / "file" / "F.TXT", "new", why));
    EXPECT_EQ(why, std::errc::not_a_directory) << why.message();
    EXPECT_EQ(classifyWriteError(why), WriteFailure::Other);
}

TEST(FileOpsLinks, ClearReadOnlyLeavesALinksTargetAlone) {
    test::TempDir dir;
    test::writeFile(dir / "target", "x");
    fs::permissions(dir / "target", fs::perms::owner_read);
    fs::create_symlink(dir / "target", dir / "link");
    clearReadOnly(dir / "link");
    EXPECT_EQ(permsOf(dir / "target"), fs::perms::owner_read);
    EXPECT_TRUE(deleteIfExist(dir / "link"));
    EXPECT_TRUE(fs::exists(dir / "target")) << "the link goes, not what it points to";
}
#endif

}  // namespace
}  // namespace qvt::platform
