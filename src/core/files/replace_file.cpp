#include "core/files/replace_file.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vk {

namespace {

constexpr const char* kTemporaryMark = ".vk-tmp.";
constexpr int kMaxSymlinkHops = 40;

bool fail(std::string* error, std::string text) {
    if (error) *error = std::move(text);
    return false;
}

std::string reason(int errorNumber) { return std::strerror(errorNumber); }

// The temporary file being written, for removePendingTemporaryFile(). The
// name is copied into a fixed buffer and published by the flag, so a signal
// handler reads it without locks or allocation.
char g_pendingPath[4096];
std::atomic<bool> g_pendingSet{false};

class PendingTemporary {
public:
    explicit PendingTemporary(const std::filesystem::path& path) {
        const std::string& text = path.native();
        if (text.size() >= sizeof g_pendingPath) return;  // not tracked; removed on the controlled paths
        g_pendingSet.store(false);
        std::memcpy(g_pendingPath, text.c_str(), text.size() + 1);
        g_pendingSet.store(true);
    }
    ~PendingTemporary() { g_pendingSet.store(false); }
    PendingTemporary(const PendingTemporary&) = delete;
    PendingTemporary& operator=(const PendingTemporary&) = delete;
};

// Follows symlinks to the file they lead to (which may not exist yet).
bool resolveTarget(const std::filesystem::path& target, std::filesystem::path& resolved, std::string* error) {
    resolved = target;
    for (int hop = 0; hop < kMaxSymlinkHops; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(resolved, ec))) return true;
        const std::filesystem::path link = std::filesystem::read_symlink(resolved, ec);
        if (ec) return fail(error, "cannot follow " + resolved.string() + ": " + ec.message());
        resolved = link.is_absolute() ? link : resolved.parent_path() / link;
    }
    return fail(error, "cannot follow " + target.string() + ": too many levels of symbolic links");
}

bool isStaleTemporary(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string digits = name.substr(prefix.size());
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    const long pid = std::stol(digits);
    if (pid == static_cast<long>(::getpid())) return true;
    // A process that still runs (or that we may not signal) may be saving now.
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Temporary files of `target` whose process is gone.
void removeStaleTemporaries(const std::filesystem::path& target) {
    const std::string prefix = target.filename().string() + kTemporaryMark;
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!isStaleTemporary(it->path().filename().string(), prefix)) continue;
        std::error_code ignored;
        if (it->is_regular_file(ignored) && !it->is_symlink(ignored)) std::filesystem::remove(it->path(), ignored);
    }
}

// With `flush` the bytes are on the disk before this returns: a rename over
// the old file must never be stored before the data it names, or a power
// loss would leave an empty or partial file where the good one was.
bool produceInto(int fd, const std::function<void(FileSink&)>& produce, int& errorNumber, bool flush) {
    FileSink sink(fd);
    try {
        produce(sink);
    } catch (...) {
        ::close(fd);
        throw;
    }
    errorNumber = sink.error();
    if (flush && errorNumber == 0 && ::fsync(fd) != 0) errorNumber = errno;
    const int closed = ::close(fd);
    if (errorNumber == 0 && closed != 0) errorNumber = errno;  // a full disk may show only here
    return errorNumber == 0;
}

// A FIFO or a device: its own contents are the bytes, nothing is renamed.
bool writeInPlace(const std::filesystem::path& target, const std::function<void(FileSink&)>& produce,
                  std::string* error) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fail(error, "cannot open " + target.string() + ": " + reason(errno));
    int errorNumber = 0;
    if (!produceInto(fd, produce, errorNumber, false))
        return fail(error, "cannot write " + target.string() + ": " + reason(errorNumber));
    return true;
}

// The rename itself is an entry of the folder: stored with the folder. The
// new file is in place whatever this says, so a folder that cannot be
// flushed (some file systems refuse) does not fail the save.
void syncFolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

int createTemporary(const std::filesystem::path& tmp) {
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) {  // our own, left by an earlier save that was cut off
        ::unlink(tmp.c_str());
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }
    return fd;
}

}  // namespace

bool FileSink::write(std::string_view bytes) {
    while (error_ == 0 && !bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n > 0)
            bytes.remove_prefix(static_cast<std::size_t>(n));
        else if (n < 0 && errno != EINTR)
            error_ = errno;
        else if (n == 0)
            error_ = EIO;
    }
    return error_ == 0;
}

std::filesystem::path temporaryFileFor(const std::filesystem::path& target, long pid) {
    std::filesystem::path tmp = target;
    tmp += kTemporaryMark + std::to_string(pid);
    return tmp;
}

void removePendingTemporaryFile() noexcept {
    if (g_pendingSet.exchange(false)) ::unlink(g_pendingPath);
}

bool saveFile(const std::filesystem::path& target, const std::function<void(FileSink&)>& produce,
              std::string* error) {
    std::filesystem::path file;
    if (!resolveTarget(target, file, error)) return false;

    struct stat info {};
    bool keepMode = false;
    if (::stat(file.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return fail(error, "cannot write " + file.string() + ": it is a folder");
        if (!S_ISREG(info.st_mode)) return writeInPlace(file, produce, error);
        keepMode = true;
    } else if (errno != ENOENT) {
        return fail(error, "cannot write " + file.string() + ": " + reason(errno));
    }

    // Beside the target so the rename never crosses file systems.
    removeStaleTemporaries(file);
    const std::filesystem::path tmp = temporaryFileFor(file, ::getpid());
    const PendingTemporary pending(tmp);
    const int fd = createTemporary(tmp);
    if (fd < 0) return fail(error, "cannot create " + tmp.string() + ": " + reason(errno));
    if (keepMode) ::fchmod(fd, info.st_mode & 07777);  // best effort: the new file keeps the old one's mode

    int errorNumber = 0;
    bool written = false;
    try {
        written = produceInto(fd, produce, errorNumber, true);
    } catch (...) {
        ::unlink(tmp.c_str());
        throw;
    }
    if (!written) {
        ::unlink(tmp.c_str());
        return fail(error, "cannot write " + tmp.string() + ": " + reason(errorNumber));
    }
    if (::rename(tmp.c_str(), file.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(tmp.c_str());
        return fail(error, "cannot replace " + file.string() + ": " + reason(renameError));
    }
    syncFolderOf(file);
    return true;
}

bool replaceFileContents(const std::filesystem::path& target, std::string_view bytes, std::string* error) {
    return saveFile(target, [bytes](FileSink& sink) { sink.write(bytes); }, error);
}

}  // namespace vk
