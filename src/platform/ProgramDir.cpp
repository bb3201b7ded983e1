// SPDX-License-Identifier: Apache-2.0
#include "platform/ProgramDir.h"

#include <QCoreApplication>
#include <QFile>
#include <string>

#ifdef _WIN32
#include <windows.h>  // GetModuleFileNameW
#endif

namespace fs = std::filesystem;

namespace qvt::platform {

namespace {

fs::path programDirFromSystem() {
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return fs::path(buffer).parent_path();
        }
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
#endif
}

}  // namespace

fs::path programDir() {
    if (QCoreApplication::instance() != nullptr) {
        const QString dir = QCoreApplication::applicationDirPath();
#ifdef _WIN32
        // Qt gives the folder with forward slashes; paths shown to the owner use the system's own.
        if (!dir.isEmpty()) return fs::path(dir.toStdWString()).make_preferred();
#else
        if (!dir.isEmpty()) return fs::path(QFile::encodeName(dir).toStdString());
#endif
    }
    return programDirFromSystem();
}

}  // namespace qvt::platform
