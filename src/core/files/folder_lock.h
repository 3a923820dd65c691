#pragma once
// One window per working folder. Two windows on the same config.csv would
// each save what they hold at close, the last silently undoing the other, so
// the second is turned away while the first runs.
//
// The lock is the kernel's (flock) on the folder itself, opened read-only:
// nothing is written into the folder, and a process that dies, however it
// dies, drops its lock with its descriptors, so no stale lock can block a
// later start. Locks belong to the open folder, so two FolderLock objects
// exclude each other even within one process.

#include <filesystem>

namespace vk {

class FolderLock {
public:
    enum class State {
        kHeld,        // this object holds the folder
        kBusy,        // another holder has it
        kUnavailable  // the folder cannot be opened or locked (no lock is possible here)
    };

    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::kUnavailable;
};

}  // namespace vk
