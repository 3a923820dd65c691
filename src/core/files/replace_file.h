#pragma once
// Saving without ever destroying the previous good file. A regular target (or
// a new one) gets its bytes in a temporary file beside it, which is then
// renamed over it. A symlink is followed: the file it leads to is replaced
// and the link stays. A target that is not a regular file (a FIFO, a device)
// is written in place, since a rename would replace the node itself. The
// temporary file is flushed to the disk before the rename and the folder
// after it, so that a power loss leaves the old file or the new one, whole.
//
// The temporary file is named TARGET.vk-tmp.PID. It is removed on every path
// a save controls; a signal handler removes it with
// removePendingTemporaryFile(); and a later save of the same target removes
// one left by a process that no longer runs.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vk {

// Where a save's bytes go. After the first failed write nothing more is
// written and failed() stays true.
class FileSink {
public:
    explicit FileSink(int fd) : fd_(fd) {}
    bool write(std::string_view bytes);
    bool failed() const { return error_ != 0; }
    int error() const { return error_; }  // errno of the failed write

private:
    int fd_;
    int error_ = 0;
};

// Saves what `produce` writes into the sink as the new contents of `target`.
// Returns false and leaves `target` as it was (a file written in place may
// hold part of the bytes) when any step fails; `error` (if given) then holds
// a one-line reason in the platform's encoding.
bool saveFile(const std::filesystem::path& target, const std::function<void(FileSink&)>& produce,
              std::string* error = nullptr);

// saveFile with `bytes` as they are.
bool replaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error = nullptr);

// The temporary file beside `target` that process `pid` saves it through.
std::filesystem::path temporaryFileFor(const std::filesystem::path& target, long pid);

// The temporary file of the save in progress is removed. Safe to call from a
// signal handler; one save at a time is tracked.
void removePendingTemporaryFile() noexcept;

}  // namespace vk
