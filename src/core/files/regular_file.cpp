#include "core/files/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vk {

namespace {

bool fail(std::string* error, const std::filesystem::path& file, const std::string& why) {
    if (error) *error = file.string() + ": " + why;
    return false;
}

// Closes the descriptor on every path.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool readAll(int fd, std::string& bytes, std::size_t limit) {
    char buffer[1 << 16];
    while (bytes.size() < limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            return true;
        } else if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

}  // namespace

int openRegularFile(const std::filesystem::path& file, std::string* error) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        fail(error, file, "not a regular file");
        return -1;
    }
    // O_NONBLOCK: opening a FIFO that took the file's place returns at once.
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        fail(error, file, std::strerror(errno));
        return -1;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        fail(error, file, "not a regular file");
        return -1;
    }
    // Reads of a regular file never wait; blocking mode is restored anyway.
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    return fd.release();
}

std::optional<std::string> readRegularFile(const std::filesystem::path& file, std::string* error,
                                           std::size_t limit) {
    const Descriptor fd(openRegularFile(file, error));
    if (fd.get() < 0) return std::nullopt;
    std::string bytes;
    if (!readAll(fd.get(), bytes, limit)) {
        fail(error, file, std::strerror(errno));
        return std::nullopt;
    }
    return bytes;
}

}  // namespace vk
