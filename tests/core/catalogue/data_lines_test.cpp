#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/data_lines.h"
#include "core/catalogue/temp_catalogue_dir.h"

namespace {

using vk::kLinePieceBytes;

std::vector<std::string> allPieces(std::string_view bytes) {
    std::vector<std::string> pieces;
    vk::LinePieceReader reader(bytes);
    std::string_view piece;
    while (reader.next(piece)) pieces.emplace_back(piece);
    return pieces;
}

std::vector<std::string> dataLines(std::string_view bytes, std::size_t limit = static_cast<std::size_t>(-1)) {
    std::vector<std::string> lines;
    vk::forEachDataLine(bytes, limit, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

using Lines = std::vector<std::string>;

TEST(DataLines, LineEndsAreLfOrCrLfAndNotPartOfTheLine) {
    EXPECT_EQ(allPieces("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(allPieces("a\r\n"), (Lines{"a"}));     // no empty line after the last end
    EXPECT_EQ(allPieces("a\r"), (Lines{"a"}));       // CR of a line end cut off by the file's end
    EXPECT_EQ(allPieces("a\rb\n"), (Lines{"a\rb"}));  // a lone CR inside a line is data
    EXPECT_EQ(allPieces(""), Lines{});
    EXPECT_EQ(allPieces("\n\r\n"), (Lines{"", ""}));
}

TEST(DataLines, CommentsAreSkippedAndEmptyLinesCount) {
    const std::string bytes = "#head\r\nzero\r\n\r\n #not a comment\r\n#x\r\nthree";
    EXPECT_EQ(dataLines(bytes), (Lines{"zero", "", " #not a comment", "three"}));
    EXPECT_EQ(vk::countDataLines(bytes), 4u);
    EXPECT_EQ(vk::countDataLines("#a\n#b\n"), 0u);
    // At most `limit` data lines are handed over.
    EXPECT_EQ(dataLines(bytes, 2), (Lines{"zero", ""}));
}

TEST(DataLines, LongLinesAreCutIntoPiecesOf254BytesLineEndIncluded) {
    const std::string fits(kLinePieceBytes - 1, 'a');   // 253 bytes + line end = 254
    const std::string full(kLinePieceBytes, 'b');       // no room for the line end
    for (const std::string eol : {"\n", "\r\n"}) {
        SCOPED_TRACE(eol.size());
        EXPECT_EQ(allPieces(fits + eol + "x" + eol), (Lines{fits, "x"}));
        // The line end is read on its own: an empty line follows.
        EXPECT_EQ(allPieces(full + eol + "x" + eol), (Lines{full, "", "x"}));
        // 600 bytes: 254 + 254 + 92.
        const std::string longLine = std::string(254, 'c') + std::string(254, 'd') + std::string(92, 'e');
        EXPECT_EQ(allPieces(longLine + eol), (Lines{std::string(254, 'c'), std::string(254, 'd'), std::string(92, 'e')}));
    }
    // A remainder that begins with '#' is a comment like any other piece.
    EXPECT_EQ(dataLines(full + "#rest\nz\n"), (Lines{full, "z"}));
}

TEST(DataLines, UnreadableFileGivesNothing) {
    vk::test::TempCatalogueDir dir;
    EXPECT_FALSE(vk::readDataFile(dir.path() / "absent.csv").has_value());
    EXPECT_FALSE(vk::readDataFile(dir.path()).has_value());  // a folder
    dir.writeBytes("f.csv", std::string("a\0b\r\n", 5));
    EXPECT_EQ(vk::readDataFile(dir.path() / "f.csv"), std::string("a\0b\r\n", 5));
}

}  // namespace
