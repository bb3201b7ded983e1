// SPDX-License-Identifier: Apache-2.0
#include "platform/SaveLock.h"

#include <QFile>
#include <QLockFile>

namespace fs = std::filesystem;

namespace qvt::platform {

struct SaveLock::Impl {
    explicit Impl(const QString& name) : lock(name) {}
    QLockFile lock;
};

fs::path SaveLock::lockFileOf(const fs::path& systemRoot) {
    return systemRoot / "QVT_SAVE.lock";
}

SaveLock::SaveLock(const fs::path& systemRoot) {
    const fs::path file = lockFileOf(systemRoot);
#ifdef _WIN32
    impl_ = std::make_unique<Impl>(QString::fromStdWString(file.wstring()));
#else
    impl_ = std::make_unique<Impl>(QFile::decodeName(QByteArray(file.c_str())));
#endif
    // A save may take a while on a slow card: the lock is never stale by age, only when the program
    // that holds it is gone.
    impl_->lock.setStaleLockTime(0);
    if (impl_->lock.tryLock(0))
        state_ = State::Taken;
    else
        state_ = impl_->lock.error() == QLockFile::LockFailedError ? State::Held : State::Unavailable;
}

SaveLock::~SaveLock() = default;  // QLockFile unlocks a lock it holds

}  // namespace qvt::platform
