// SPDX-License-Identifier: Apache-2.0
#include "platform/FileOps.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <random>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#endif

namespace fs = std::filesystem;

namespace qvt::platform {

namespace {

bool isWhite(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Nothing at all at `path` (a dangling link counts as something). An error other than "not found"
// counts as present, so callers never report success they cannot see.
bool isAbsent(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() == fs::file_type::not_found;
}

// Unique name beside the target; starts with a dot so that it stays out of the way on POSIX systems.
fs::path tempPathFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    fs::path name = ".";
    name += target.filename();  // native strings: no code page conversion of the user's file name
    name += ".tmp-" + std::to_string(seed) + "-" + std::to_string(counter.fetch_add(1));
    return target.parent_path() / name;
}

bool saveWithQt(const fs::path& path, const fs::path& target, std::string_view bytes, std::error_code& why);

// The error the system reports for the call that just failed; I/O error when it reports none.
std::error_code systemError() {
#ifdef _WIN32
    const DWORD code = GetLastError();
    if (code != 0) return {static_cast<int>(code), std::system_category()};
#else
    if (errno != 0) return {errno, std::generic_category()};
#endif
    return std::make_error_code(std::errc::io_error);
}

// Clears the system's last error before a call that may fail without setting it.
void clearSystemError() {
#ifdef _WIN32
    SetLastError(0);
#else
    errno = 0;
#endif
}

// The final check after the rename: the file now at `target` holds exactly `bytes`.
bool targetHolds(const fs::path& target, std::string_view bytes, std::error_code& why) {
    const auto back = readFileLimited(target, bytes.size());
    if (back && *back == bytes) return true;
    why = isAbsent(target) ? std::make_error_code(std::errc::no_such_file_or_directory)
                           : std::make_error_code(std::errc::io_error);
    return false;
}

}  // namespace

std::string trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isWhite(text[begin])) ++begin;
    while (end > begin && isWhite(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

bool isAllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int atoI(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isWhite(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate in a wider type and stop growing once past the int range.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
    }
    if (negative) return static_cast<int>(-value);  // -kLimit is INT_MIN
    return static_cast<int>(std::min<long long>(value, INT_MAX));
}

bool isDirectory(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool pathExists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool isRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool isSymlink(const fs::path& path) {
    std::error_code ec;
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
#endif
    return fs::is_symlink(fs::symlink_status(path, ec));
}

bool sameEntry(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    const bool same = fs::equivalent(a, b, ec);
    return !ec && same;
}

bool isRegularFileOrAbsent(const fs::path& path) {
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(path, ec).type();
    return type == fs::file_type::not_found || (!ec && type == fs::file_type::regular && !isSymlink(path));
}

namespace {

// Names compared in the platform's own characters: a card may hold names no code page can spell.
using NativeName = fs::path::string_type;
using NativeChar = NativeName::value_type;

bool isAsciiAlnum(NativeChar c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool allDigits(const NativeName& text, std::size_t from, std::size_t to) {
    if (from >= to) return false;
    for (std::size_t i = from; i < to; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

// QSaveFile's "<name>.XXXXXX" or our own ".<name>.tmp-<seed>-<counter>" (tempPathFor).
bool isTemporaryNameOf(const NativeName& name, const NativeName& target) {
    if (name.size() == target.size() + 7 && name.compare(0, target.size(), target) == 0 && name[target.size()] == '.')
        return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(target.size()) + 1, name.end(), isAsciiAlnum);
    fs::path prefixPath = ".";
    prefixPath += target;
    prefixPath += ".tmp-";
    const NativeName& prefix = prefixPath.native();
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
    const std::size_t dash = name.find('-', prefix.size());
    return dash != NativeName::npos && allDigits(name, prefix.size(), dash) && allDigits(name, dash + 1, name.size());
}

}  // namespace

int removeStaleTemporaries(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const NativeName targetName = target.filename().native();
    std::vector<fs::path> stale;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (it->symlink_status(typeEc).type() != fs::file_type::regular) continue;
        if (isTemporaryNameOf(it->path().filename().native(), targetName)) stale.push_back(it->path());
    }
    int removed = 0;
    for (const fs::path& file : stale) {
        clearReadOnly(file);
        if (deleteIfExist(file)) ++removed;
    }
    return removed;
}

bool createDirectories(const fs::path& path) {
    std::error_code ec;
    return createDirectories(path, ec);
}

bool createDirectories(const fs::path& path, std::error_code& why) {
    std::error_code ec;
    fs::create_directories(path, ec);
    if (isDirectory(path)) return true;
    why = ec ? ec : std::make_error_code(std::errc::not_a_directory);
    return false;
}

bool deleteIfExist(const fs::path& path) {
    if (isAbsent(path)) return true;
    std::error_code ec;
    // only files: a directory of the same name is a different thing and stays.
    if (fs::symlink_status(path, ec).type() == fs::file_type::directory) return false;
#ifdef _WIN32
    DeleteFileW(path.c_str());
#else
    fs::remove(path, ec);
#endif
    return isAbsent(path);
}

#ifdef _WIN32

void clearReadOnly(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return;  // a link: not followed
    const DWORD rest = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(path.c_str(), rest == 0 ? FILE_ATTRIBUTE_NORMAL : rest);
}

bool isReadOnlyPath(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool renameIfExist(const fs::path& from, const fs::path& to) {
    if (isAbsent(from)) return true;
    return MoveFileW(from.c_str(), to.c_str()) != 0;  // fails when `to` exists
}

void setHidden(const fs::path& path) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

std::optional<std::string> readFileLimited(const fs::path& path, std::uintmax_t maxSize) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    const auto size = fs::file_size(path, ec);
    if (ec || size > maxSize) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
    if (in.peek() != std::ifstream::traits_type::eof()) return std::nullopt;  // grew meanwhile
    return bytes;
}

namespace {

QString qtPath(const fs::path& path) { return QString::fromStdWString(path.wstring()); }

// Windows offers no way to drop one file's cached pages (unbuffered handles would need
// sector-aligned buffers and sizes), so a check before the rename would be answered from the cache:
// the check after the rename is the one that counts.
bool checkOnMedium(int, std::string_view, std::error_code&) { return true; }
void keepModeOf(const fs::path&, int) {}
// A read-only target makes QSaveFile fail, as the write always did on Windows.
bool qtWritesInPlace(const fs::path& target) { return !isSymlink(target); }
void syncFolderOf(const fs::path&) {}

// QSaveFile would write through a link to what it points to: the link is replaced by a rename.
bool replaceByRename(const fs::path& target, std::string_view bytes, std::error_code& why) {
    const fs::path temp = tempPathFor(target);
    if (!saveWithQt(temp, target, bytes, why)) {
        DeleteFileW(temp.c_str());
        return false;
    }
    if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    why = systemError();
    DeleteFileW(temp.c_str());
    return false;
}

}  // namespace

#else  // POSIX

void clearReadOnly(const fs::path& path) {
    std::error_code ec;
    // only a regular file of its own: a link is neither followed nor changed (Linux links have no
    // permissions of their own anyway).
    if (fs::symlink_status(path, ec).type() != fs::file_type::regular) return;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
}

bool isReadOnlyPath(const fs::path& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    return fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool renameIfExist(const fs::path& from, const fs::path& to) {
    if (isAbsent(from)) return true;
#ifdef __linux__
    // Atomic "rename unless the target exists" where the file system supports it.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
#endif
    if (!isAbsent(to)) return false;
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

void setHidden(const fs::path&) {}

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool close() {  // close() reports late write errors on some file systems
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Reads from the current position to the end; nullopt on error or when more than maxSize bytes come.
std::optional<std::string> readAll(int fd, std::uintmax_t maxSize) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        if (bytes.size() + static_cast<std::size_t>(n) > maxSize) return std::nullopt;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace

std::optional<std::string> readFileLimited(const fs::path& path, std::uintmax_t maxSize) {
    // O_NONBLOCK: a FIFO put where the file was expected must not block the program.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    if (static_cast<std::uintmax_t>(st.st_size) > maxSize) return std::nullopt;
    return readAll(fd.get(), maxSize);
}

namespace {

QString qtPath(const fs::path& path) { return QFile::decodeName(QByteArray(path.c_str())); }

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The check should read what reached the card, not the copy still in memory: the pages are clean
// after fsync, so they can be dropped and the read goes to the medium.
bool checkOnMedium(int fd, std::string_view bytes, std::error_code& why) {
    if (fd < 0) {
        why = std::make_error_code(std::errc::bad_file_descriptor);
        return false;
    }
    if (::fsync(fd) != 0 || ::lseek(fd, 0, SEEK_SET) != 0) {
        why = systemError();
        return false;
    }
#if defined(__linux__)
    (void)::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
#elif defined(__APPLE__)
    // No way to drop cached pages; at least the read itself bypasses the cache where it can.
    (void)::fcntl(fd, F_NOCACHE, 1);
#endif
    errno = 0;
    const auto back = readAll(fd, bytes.size());
    if (back && *back == bytes) return true;
    why = back ? std::make_error_code(std::errc::io_error) : systemError();
    return false;
}

// All the permission bits, set-id and sticky included (QSaveFile copies only the others).
// lstat: a link at the target lends no permissions from what it points to.
void keepModeOf(const fs::path& target, int fd) {
    struct stat previous {};
    if (::lstat(target.c_str(), &previous) == 0 && S_ISREG(previous.st_mode))
        (void)::fchmod(fd, previous.st_mode & 07777);  // best effort; FAT volumes ignore it
}

// QSaveFile names files by QString: a name whose bytes are no UTF-8 would be spelled otherwise, a link
// at the target would be followed to what it points to, and an existing file it may not write is
// refused. Those targets are replaced by the rename below instead, as every write always did.
bool qtWritesInPlace(const fs::path& target) {
    const QString name = qtPath(target);
    return QFile::encodeName(name) == QByteArray(target.c_str()) && !isSymlink(target) &&
           (isAbsent(target) || QFileInfo(name).isWritable());
}

bool replaceByRename(const fs::path& target, std::string_view bytes, std::error_code& why) {
    fs::path temp;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = tempPathFor(target);
        raw = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);  // umask applies
        if (raw < 0 && errno != EEXIST) break;
    }
    if (raw < 0) {
        why = systemError();
        return false;
    }
    Fd fd(raw);
    keepModeOf(target, fd.get());
    errno = 0;
    bool ok = writeAll(fd.get(), bytes);
    if (!ok) why = errno != 0 ? systemError() : std::make_error_code(std::errc::no_space_on_device);
    ok = ok && checkOnMedium(fd.get(), bytes, why);
    if (!fd.close() && ok) {
        why = systemError();
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        why = systemError();
        ok = false;
    }
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

// Makes the rename itself durable; some file systems refuse fsync on a directory, which is fine.
void syncFolderOf(const fs::path& target) {
    const fs::path parent = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    Fd dir(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) (void)::fsync(dir.get());
}

}  // namespace

#endif

namespace {

// QSaveFile's temporary file and rename, with the target's permission bits and the check before
// the rename.
// QSaveFile tells what failed only as its own error kind and text; the system's error of the call
// that failed is still set when Qt returns, and is taken instead where there is one.
bool saveWithQt(const fs::path& path, const fs::path& target, std::string_view bytes, std::error_code& why) {
    QSaveFile file(qtPath(path));
    auto failed = [&why] {
        why = systemError();
        return false;
    };
    clearSystemError();
    if (!file.open(QIODevice::WriteOnly)) return failed();
    keepModeOf(target, file.handle());
    for (std::size_t done = 0; done < bytes.size();) {
        clearSystemError();
        const qint64 n = file.write(bytes.data() + done, static_cast<qint64>(bytes.size() - done));
        if (n <= 0) return failed();  // the unfinished temporary file goes with `file`
        done += static_cast<std::size_t>(n);
    }
    clearSystemError();
    if (!file.flush()) return failed();
    if (!checkOnMedium(file.handle(), bytes, why)) return false;
    clearSystemError();
    return file.commit() || failed();
}

}  // namespace

bool writeFileAtomically(const fs::path& target, std::string_view bytes) {
    std::error_code why;
    return writeFileAtomically(target, bytes, why);
}

bool writeFileAtomically(const fs::path& target, std::string_view bytes, std::error_code& why) {
    if (!(qtWritesInPlace(target) ? saveWithQt(target, target, bytes, why) : replaceByRename(target, bytes, why)))
        return false;
    syncFolderOf(target);
    return targetHolds(target, bytes, why);
}

WriteFailure classifyWriteError(const std::error_code& error) {
#ifdef _WIN32
    if (error.category() == std::system_category()) {
        switch (error.value()) {
            case ERROR_WRITE_PROTECT: return WriteFailure::ReadOnlyMedium;
            case ERROR_DISK_FULL:
            case ERROR_HANDLE_DISK_FULL: return WriteFailure::NoSpace;
            case ERROR_NOT_READY:
            case ERROR_DEV_NOT_EXIST:
            case ERROR_DEVICE_NOT_CONNECTED:
            case ERROR_NO_MEDIA_IN_DRIVE: return WriteFailure::MediumGone;
            case ERROR_ACCESS_DENIED: return WriteFailure::PermissionDenied;
            default: return WriteFailure::Other;
        }
    }
#endif
    if (error == std::errc::read_only_file_system) return WriteFailure::ReadOnlyMedium;
    if (error == std::errc::no_space_on_device) return WriteFailure::NoSpace;
    if (error == std::errc::no_such_device || error == std::errc::no_such_device_or_address)
        return WriteFailure::MediumGone;
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return WriteFailure::PermissionDenied;
#if defined(EDQUOT)
    if (error.category() == std::generic_category() && error.value() == EDQUOT) return WriteFailure::NoSpace;
#endif
#if defined(ENOMEDIUM)
    if (error.category() == std::generic_category() && error.value() == ENOMEDIUM) return WriteFailure::MediumGone;
#endif
    return WriteFailure::Other;
}

}  // namespace qvt::platform
