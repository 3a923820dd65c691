#include "core/files/folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vk {

FolderLock::FolderLock(const std::filesystem::path& folder) {
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    int locked;
    do {
        locked = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        state_ = State::kHeld;
        return;
    }
    // A file system without locks must not keep the program from starting.
    if (errno == EWOULDBLOCK) state_ = State::kBusy;
    ::close(fd_);
    fd_ = -1;
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing the last descriptor drops the lock
}

}  // namespace vk
