#pragma once
// Text files read as lines in pieces of bounded size: a line end is LF or
// CR LF and is not part of the piece; a piece holds at most `pieceBytes`
// bytes, its line end counted as one byte, so a longer line is cut there and
// its rest read as a line of its own. FileLinePieces reads a file this way
// through a window of about 64 KB, so a file of any size costs no more.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vk {

// Takes the first piece of `rest` (not empty) into `piece` and returns the
// bytes it used, line end included. `rest` must hold the whole file's rest,
// or at least pieceBytes + 2 bytes of it: a CR that ends `rest` is taken for
// a line end cut off by the end of the file.
std::size_t takeLinePiece(std::string_view rest, std::size_t pieceBytes, std::string_view& piece);

class FileLinePieces {
public:
    // The file must be a regular file (a FIFO in its place is never waited
    // on); otherwise the reading fails at once.
    FileLinePieces(const std::filesystem::path& file, std::size_t pieceBytes);
    ~FileLinePieces();
    FileLinePieces(const FileLinePieces&) = delete;
    FileLinePieces& operator=(const FileLinePieces&) = delete;

    // The next piece, valid until the next call; false at the end of the
    // file and once the file could not be opened or read.
    bool next(std::string_view& piece);
    // The file could not be opened or a read failed: what came before is
    // not the whole file.
    bool failed() const { return failed_; }

private:
    bool fill();

    int fd_;
    std::size_t pieceBytes_;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};

}  // namespace vk
