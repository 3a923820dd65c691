#include "core/catalogue/data_lines.h"

#include "core/files/regular_file.h"

namespace vk {

std::optional<std::string> readDataFile(const std::filesystem::path& file) { return readRegularFile(file); }

bool LinePieceReader::next(std::string_view& piece) {
    if (pos_ >= bytes_.size()) return false;
    const std::size_t start = pos_;
    // Up to pieceBytes_ - 1 bytes of text are followed by the line end,
    // which counts as one byte whether it is LF or CR LF; a piece of
    // pieceBytes_ bytes of text has no room left for it.
    while (pos_ < bytes_.size() && pos_ - start < pieceBytes_) {
        const char c = bytes_[pos_];
        const bool crlf = c == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n';
        if (c == '\n' || crlf) {
            piece = bytes_.substr(start, pos_ - start);
            pos_ += crlf ? 2 : 1;
            return true;
        }
        ++pos_;
    }
    piece = bytes_.substr(start, pos_ - start);
    // A CR that ends the file is the start of a line end cut off by the end.
    if (pos_ == bytes_.size() && !piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
    return true;
}

bool isCommentLine(std::string_view piece) { return !piece.empty() && piece.front() == '#'; }

std::size_t countDataLines(std::string_view bytes) {
    std::size_t count = 0;
    forEachDataLine(bytes, static_cast<std::size_t>(-1), [&count](std::string_view) { ++count; });
    return count;
}

}  // namespace vk
