#include "core/catalogue/data_lines.h"

#include "core/files/line_pieces.h"
#include "core/files/regular_file.h"

namespace vk {

std::optional<std::string> readDataFile(const std::filesystem::path& file) { return readRegularFile(file); }

bool LinePieceReader::next(std::string_view& piece) {
    if (pos_ >= bytes_.size()) return false;
    pos_ += takeLinePiece(bytes_.substr(pos_), pieceBytes_, piece);
    return true;
}

bool isCommentLine(std::string_view piece) { return !piece.empty() && piece.front() == '#'; }

std::size_t countDataLines(std::string_view bytes) {
    std::size_t count = 0;
    forEachDataLine(bytes, static_cast<std::size_t>(-1), [&count](std::string_view) { ++count; });
    return count;
}

}  // namespace vk
