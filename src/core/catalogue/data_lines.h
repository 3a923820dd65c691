#pragma once
// Line reading shared by the eight data files. A line is read in pieces of at
// most kLinePieceBytes bytes, its line end counted as one byte: a longer line
// is cut there and the rest is read as a line of its own. Line ends are LF or
// CR LF and are not part of the piece. A piece whose first byte is '#' is a
// comment; every other piece, an empty one included, is a data line.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vk {

inline constexpr std::size_t kLinePieceBytes = 254;

// The whole file, or nothing when it cannot be opened or read or is not a
// regular file (a FIFO in its place is never waited on).
std::optional<std::string> readDataFile(const std::filesystem::path& file);

// Walks the pieces of a file's bytes in order. Pieces are at most
// `pieceBytes` bytes, the line end counted as one byte.
class LinePieceReader {
public:
    explicit LinePieceReader(std::string_view bytes, std::size_t pieceBytes = kLinePieceBytes)
        : bytes_(bytes), pieceBytes_(pieceBytes) {}
    // The next piece without its line end; false at the end of the bytes.
    bool next(std::string_view& piece);

private:
    std::string_view bytes_;
    std::size_t pieceBytes_;
    std::size_t pos_ = 0;
};

bool isCommentLine(std::string_view piece);

std::size_t countDataLines(std::string_view bytes);

// Calls visit(line) for the data lines in file order, at most `limit` of them.
template <class Visit>
void forEachDataLine(std::string_view bytes, std::size_t limit, Visit visit) {
    LinePieceReader reader(bytes);
    std::string_view piece;
    std::size_t seen = 0;
    while (seen < limit && reader.next(piece)) {
        if (isCommentLine(piece)) continue;
        ++seen;
        visit(piece);
    }
}

}  // namespace vk
