#include "core/files/line_pieces.h"

#include <cerrno>
#include <unistd.h>

#include "core/files/regular_file.h"

namespace vk {

namespace {

constexpr std::size_t kReadBytes = 64 * 1024;

}  // namespace

std::size_t takeLinePiece(std::string_view rest, std::size_t pieceBytes, std::string_view& piece) {
    // Up to pieceBytes - 1 bytes of text are followed by the line end, which
    // counts as one byte whether it is LF or CR LF; a piece of pieceBytes
    // bytes of text has no room left for it.
    std::size_t pos = 0;
    while (pos < rest.size() && pos < pieceBytes) {
        const char c = rest[pos];
        const bool crlf = c == '\r' && pos + 1 < rest.size() && rest[pos + 1] == '\n';
        if (c == '\n' || crlf) {
            piece = rest.substr(0, pos);
            return pos + (crlf ? 2 : 1);
        }
        ++pos;
    }
    piece = rest.substr(0, pos);
    // A CR that ends the file is the start of a line end cut off by the end.
    if (pos == rest.size() && !piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
    return pos;
}

FileLinePieces::FileLinePieces(const std::filesystem::path& file, std::size_t pieceBytes)
    : fd_(openRegularFile(file, nullptr)), pieceBytes_(pieceBytes) {
    failed_ = fd_ < 0;
    buffer_.reserve(kReadBytes + pieceBytes_ + 2);
}

FileLinePieces::~FileLinePieces() {
    if (fd_ >= 0) ::close(fd_);
}

// Keeps at least pieceBytes + 2 bytes ahead of the position unless the file
// ends first, so that a piece taken from the window is the piece the whole
// file gives.
bool FileLinePieces::fill() {
    buffer_.erase(0, pos_);
    pos_ = 0;
    char chunk[kReadBytes];
    while (!atEnd_ && buffer_.size() < pieceBytes_ + 2) {
        const ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n > 0) buffer_.append(chunk, static_cast<std::size_t>(n));
        else if (n == 0) atEnd_ = true;
        else if (errno != EINTR) return false;
    }
    return true;
}

bool FileLinePieces::next(std::string_view& piece) {
    if (failed_) return false;
    if (!atEnd_ && buffer_.size() - pos_ < pieceBytes_ + 2 && !fill()) {
        failed_ = true;
        return false;
    }
    if (pos_ >= buffer_.size()) return false;
    pos_ += takeLinePiece(std::string_view(buffer_).substr(pos_), pieceBytes_, piece);
    return true;
}

}  // namespace vk
