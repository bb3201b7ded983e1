// SPDX-License-Identifier: Apache-2.0
#pragma once
// One save at a time on a PC: a Save holds a lock file in the system root while it writes and
// deletes settings files, so that two running copies of the program never take each other's new
// card file for a stale one. A lock left by a program that died is taken over.
#include <filesystem>
#include <memory>

namespace qvt::platform {

class SaveLock {
public:
    enum class State {
        Taken,       // this save holds the lock
        Held,        // another running program holds it
        Unavailable  // no lock file can be made there (a read-only system root): nothing to coordinate
    };

    explicit SaveLock(const std::filesystem::path& systemRoot);  // tries once, without waiting
    ~SaveLock();  // releases a lock it took
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    State state() const { return state_; }

    static std::filesystem::path lockFileOf(const std::filesystem::path& systemRoot);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    State state_ = State::Unavailable;
};

}  // namespace qvt::platform
